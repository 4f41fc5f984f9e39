#include "Linewright/Gui/RecentFileList.h"

#include <QSettings>

namespace Linewright::Gui {

namespace {

const QString Group = "Recent File List";

QString EntryKey(int index) { return QString("File%1").arg(index + 1); }

}  // namespace

RecentFileList::RecentFileList() {
    QSettings settings;
    settings.beginGroup(Group);
    for (int index = 0; index < Size; ++index) {
        const auto path = settings.value(EntryKey(index)).toString();
        if (!path.isEmpty() && !files.contains(path))
            files.append(path);
    }
}

void RecentFileList::Add(const QString& path) {
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > Size)
        files.removeLast();
    Save();
}

void RecentFileList::Remove(const QString& path) {
    files.removeAll(path);
    Save();
}

void RecentFileList::Save() const {
    QSettings settings;
    settings.beginGroup(Group);
    settings.remove("");
    for (int index = 0; index < files.size(); ++index)
        settings.setValue(EntryKey(index), files[index]);
}

}  // namespace Linewright::Gui
