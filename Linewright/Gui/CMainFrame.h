#pragma once

#include "Linewright/Gui/RecentFileList.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QMenu;

namespace Linewright {
class CLinewrightDoc;
}

namespace Linewright::Gui {

class CLinewrightView;
class MessageBoxes;

// The main window: the File, View and Help menus with the recent-file list, the form as its
// client area, and the status bar with its message pane and the CAP, NUM and SCRL indicators.
// A replay dropped onto it opens as File/Open does. Its size, place and splitter are
// remembered from one run to the next.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CLinewrightDoc& document, MessageBoxes& messages);

    // Opens the replay at path as the document, with a busy cursor. On success the form is
    // refilled, the window titled after the file, the status bar names it and the path is put
    // first in the recent files; on failure (the track folder or file missing included) the
    // error is shown and the previous document and form stay whole. A missing track can be
    // chosen from there. trackFile, when not empty, is the track instead of the replay's own.
    bool OpenDocumentFile(const QString& path, const QString& trackFile = {});
    CLinewrightView& GetView() { return *view; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateStatusBar();
    void AddSpeedUnitActions(QMenu& menu);
    void OnFileOpen();
    void OnRecentFile(int index);
    void OnAppAbout();
    void UpdateRecentFileMenu();
    void SetTitle(const QString& documentName);
    void RestoreWindowState();
    bool OpenWithChosenTrack(const QString& path);

    CLinewrightDoc& document;
    MessageBoxes& messages;
    CLinewrightView* view;
    QLabel* statusMessage = nullptr;
    QString openPath;  // absolute; empty while no replay is open
    RecentFileList recentFiles;
    QAction* recentPlaceholder = nullptr;
    std::array<QAction*, RecentFileList::Size> recentActions{};
};

}  // namespace Linewright::Gui
