#pragma once

#include <QStringList>

namespace Linewright::Gui {

// The most recently opened files, newest first, kept in the settings group "Recent File List"
// as File1, File2, ... and saved on every change.
class RecentFileList {
public:
    static constexpr int Size = 4;

    RecentFileList();
    const QStringList& GetFiles() const { return files; }
    // Puts path first, dropping an older entry of the same path and the oldest beyond Size.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Save() const;

    QStringList files;
};

}  // namespace Linewright::Gui
