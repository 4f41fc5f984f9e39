#include "Linewright/Gui/CMainFrame.h"

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/FormContent.h"
#include "Linewright/OpenFailure.h"
#include "Linewright/SpeedUnit.h"
#include "Linewright/Gui/BusyCursor.h"
#include "Linewright/Gui/CAboutDlg.h"
#include "Linewright/Gui/CLinewrightView.h"
#include "Linewright/Gui/ErrorGuard.h"
#include "Linewright/Gui/Resources.h"
#include "Util/Exception.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace Linewright::Gui {

namespace {

const QString GeometryKey = "Window/Geometry";
const QString SplitterKey = "Window/Splitter";
const QString SpeedUnitKey = "View/SpeedUnit";

}  // namespace

CMainFrame::CMainFrame(CLinewrightDoc& document, MessageBoxes& messages)
    : document(document), messages(messages), view(new CLinewrightView(document, messages, this)) {
    setCentralWidget(view);
    CreateMenus();
    CreateStatusBar();
    SetTitle("Untitled");
    setAcceptDrops(true);
    RestoreWindowState();
}

void CMainFrame::RestoreWindowState() {
    const QSettings settings;
    if (!restoreGeometry(settings.value(GeometryKey).toByteArray()))
        resize(sizeHint().expandedTo(QSize(1000, 640)));  // room for the form and a readable map
    view->GetSplitter().restoreState(settings.value(SplitterKey).toByteArray());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(GeometryKey, saveGeometry());
    settings.setValue(SplitterKey, view->GetSplitter().saveState());
    QMainWindow::closeEvent(event);
}

namespace {

// The one local file that a drag carries; empty when it carries anything else.
QString DraggedFile(const QMimeData* data) {
    const auto urls = data ? data->urls() : QList<QUrl>();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Once the drag has ended: its source may wait for the drop while a message box is up.
    QTimer::singleShot(0, this, [this, path] { OpenDocumentFile(path); });
}

bool CMainFrame::OpenDocumentFile(const QString& path, const QString& trackFile) {
    // The replay and everything the form shows of it are read aside; only when all of it
    // succeeded does it replace the open document and the form.
    CLinewrightDoc opened;
    FormContent content;
    bool replayRead = false;
    const auto describe = [&](const Tessel::Util::Exception& failure, MessageBoxes::Message& message) {
        message.detail = QString::fromStdString(ExplainOpenFailure(failure, replayRead));
        if (IsTrackMissing(failure, replayRead))
            message.action = Resources::ChooseTrack;
    };
    MessageBoxes::Answer answer = MessageBoxes::Answer::Ok;
    const bool succeeded = RunGuarded(
        messages, this,
        [&] {
            BusyCursor busy;
            // Paths are UTF-8 inside (QFile::encodeName would give Windows' ANSI code page).
            opened.OnOpenDocument(path.toStdString(), trackFile.toStdString());
            replayRead = true;
            content = FormContent::Read(opened);
        },
        describe, &answer);
    if (!succeeded)
        return answer == MessageBoxes::Answer::Action && OpenWithChosenTrack(path);
    document = opened;
    // As the system writes paths, so that the recent files (in the registry on Windows) read as players write them.
    openPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    recentFiles.Add(openPath);
    UpdateRecentFileMenu();
    SetTitle(QFileInfo(path).fileName());
    statusMessage->setText(QString("%1: track %2, %3 complete laps")
                               .arg(openPath, QString::fromStdString(content.track))
                               .arg(content.laps.size()));
    view->OnInitialUpdate(content);
    return true;
}

// The track file, wherever it lies and whatever it is called, as linewright-cli's --track.
bool CMainFrame::OpenWithChosenTrack(const QString& path) {
    const QString games = QFileInfo(QFileInfo(path).absolutePath()).absolutePath();
    const QString track = messages.ChooseFileToOpen(this, "Choose track", games, Resources::TrackFilter);
    return !track.isEmpty() && OpenDocumentFile(path, track);
}

void CMainFrame::CreateMenus() {
    auto* file = menuBar()->addMenu("&File");
    auto* open = file->addAction("&Open...", this, &CMainFrame::OnFileOpen);
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    open->setStatusTip("Open an existing document");
    file->addSeparator();
    recentPlaceholder = file->addAction("Recent File");
    recentPlaceholder->setEnabled(false);
    for (int index = 0; index < RecentFileList::Size; ++index) {
        recentActions[index] = file->addAction(QString(), this, [this, index] { OnRecentFile(index); });
        recentActions[index]->setStatusTip("Open this document");
    }
    UpdateRecentFileMenu();
    file->addSeparator();
    file->addAction("E&xit", this, &QWidget::close)->setStatusTip("Quit the application");

    auto* viewMenu = menuBar()->addMenu("&View");
    auto* statusBarAction = viewMenu->addAction("&Status Bar");
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    statusBarAction->setStatusTip("Show or hide the status bar");
    connect(statusBarAction, &QAction::toggled, this, [this](bool shown) { statusBar()->setVisible(shown); });
    viewMenu->addSeparator();
    AddSpeedUnitActions(*viewMenu);

    auto* help = menuBar()->addMenu("&Help");
    help->addAction("&About Linewright...", this, &CMainFrame::OnAppAbout)
        ->setStatusTip("Display program information and version");
}

// Speeds in km/h or mph, the choice remembered; the command line keeps metres per second.
void CMainFrame::AddSpeedUnitActions(QMenu& menu) {
    const QString remembered = QSettings().value(SpeedUnitKey).toString();
    const auto chosen = std::find_if(speedUnits.begin(), speedUnits.end(),
                                     [&](const SpeedUnit& unit) { return remembered == unit.name; });
    const SpeedUnit& shown = chosen == speedUnits.end() ? speedUnits.front() : *chosen;
    view->SetSpeedUnit(shown);
    auto* units = new QActionGroup(this);
    for (const SpeedUnit& unit : speedUnits) {
        auto* action = menu.addAction(QString("Speed in ") + unit.name);
        action->setCheckable(true);
        action->setStatusTip("Show speeds in " + QString(unit.name));
        units->addAction(action);
        connect(action, &QAction::triggered, this, [this, unit] {
            QSettings().setValue(SpeedUnitKey, unit.name);
            view->SetSpeedUnit(unit);
        });
        action->setChecked(&unit == &shown);
    }
}

// The indicators show the lock keys' names greyed, as when the locks are off: Qt does not tell
// the state of the lock keys.
void CMainFrame::CreateStatusBar() {
    auto* bar = statusBar();
    statusMessage = new QLabel("Ready", bar);
    bar->addWidget(statusMessage, 1);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(indicator, bar);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
    }
}

// Like the system's open dialog, choosing a file makes its folder the current directory, which
// the application remembers at exit. The dialog starts in the folder of the open replay.
void CMainFrame::OnFileOpen() {
    const QString folder = openPath.isEmpty() ? QString() : QFileInfo(openPath).absolutePath();
    const QString path = messages.ChooseFileToOpen(this, "Open", folder, Resources::OpenFilter);
    if (path.isEmpty())
        return;
    QDir::setCurrent(QFileInfo(path).absolutePath());
    OpenDocumentFile(path);
}

void CMainFrame::OnRecentFile(int index) {
    const QString path = recentFiles.GetFiles().value(index);
    if (!path.isEmpty() && !OpenDocumentFile(path)) {
        recentFiles.Remove(path);
        UpdateRecentFileMenu();
    }
}

void CMainFrame::OnAppAbout() { CAboutDlg(this).exec(); }

void CMainFrame::UpdateRecentFileMenu() {
    const auto& files = recentFiles.GetFiles();
    recentPlaceholder->setVisible(files.isEmpty());
    for (int index = 0; index < RecentFileList::Size; ++index) {
        const bool used = index < files.size();
        recentActions[index]->setVisible(used);
        if (used)
            recentActions[index]->setText(QString("&%1 %2").arg(index + 1).arg(QDir::toNativeSeparators(files[index])));
    }
}

void CMainFrame::SetTitle(const QString& documentName) {
    setWindowTitle(documentName + " - " + Resources::AppTitle.text);
}

}  // namespace Linewright::Gui
