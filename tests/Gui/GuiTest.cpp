#include "GuiTest.h"

#include "FaultChild.h"
#include "Linewright/Gui/CMainFrame.h"
#include "Linewright/Gui/RecentFileList.h"
#include "Linewright/Gui/Resources.h"
#include "testing/TemporaryFolder.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace Linewright::Gui;
using Answer = MessageBoxes::Answer;
using Icon = MessageBoxes::Icon;

namespace {

QStringList MenuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions())
        if (action->isVisible())
            texts << (action->isSeparator() ? "-" : action->text());
    return texts;
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split('\n');
}

}  // namespace

void GuiTest::init() {
    QSettings().clear();
    messages = {};
    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(app->InitInstance({"linewright"}));
}

void GuiTest::cleanup() { app.reset(); }

void GuiTest::startsEmptyAndConvertDoesNothing() {
    QCOMPARE(Frame().windowTitle(), QString("Untitled - Linewright"));
    QVERIFY(Frame().isVisible());
    QCOMPARE(FindControl<QListWidget>(Resources::LapList)->count(), 0);
    QCOMPARE(FindControl<QListWidget>(Resources::TypeList)->count(), 0);
    QCOMPARE(FindControl<QLineEdit>(Resources::LpRecordsEdit)->text(), QString("1"));
    QCOMPARE(FindControl<QLineEdit>(Resources::TrackEdit)->text(), QString());
    QVERIFY(FindControl<QLineEdit>(Resources::TrackEdit)->isReadOnly());

    auto* convert = FindControl<QPushButton>(Resources::ConvertButton);
    QCOMPARE(convert->text(), QString("Convert"));
    QTest::mouseClick(convert, Qt::LeftButton);
    QCOMPARE(messages.shown.size(), std::size_t{0});
}

void GuiTest::menusAndStatusBar() {
    const auto menus = Frame().menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->title(), QString("&File"));
    QCOMPARE(MenuTexts(*menus[0]), (QStringList{"&Open...", "-", "Recent File", "-", "E&xit"}));
    QCOMPARE(menus[0]->actions().front()->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(MenuTexts(*menus[1]), QStringList{"&Status Bar"});
    QCOMPARE(MenuTexts(*menus[2]), QStringList{"&About Linewright..."});

    QStringList panes;
    for (const QLabel* label : Frame().statusBar()->findChildren<QLabel*>())
        panes << label->text();
    QCOMPARE(panes, (QStringList{"Ready", "CAP", "NUM", "SCRL"}));
    menus[1]->actions().front()->trigger();
    QVERIFY(!Frame().statusBar()->isVisible());
}

void GuiTest::aboutBoxNamesTheVersion() {
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        seen << dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            seen << label->text();
        dialog->accept();
    });
    const auto menus = Frame().menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
    menus[2]->actions().front()->trigger();
    QCOMPARE(seen, (QStringList{"About Linewright", "Linewright Version 1.2"}));
}

void GuiTest::failedOpenShowsTheReaderMessageAndKeepsTheForm() {
    TemporaryFolder folder;
    const auto path = QString::fromStdString(folder.Write("replays/bad.rpy", "not a replay").string());
    QVERIFY(!Frame().OpenDocumentFile(path));
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].icon, Icon::Warning);
    QVERIFY(!messages.shown[0].text.isEmpty());
    QCOMPARE(Frame().windowTitle(), QString("Untitled - Linewright"));
    QCOMPARE(FindControl<QListWidget>(Resources::LapList)->count(), 0);
    QVERIFY(RecentFileList().GetFiles().isEmpty());
}

void GuiTest::recentFilesKeepTheNewestFour() {
    RecentFileList list;
    for (const char* path : {"/a", "/b", "/c", "/d", "/e"})
        list.Add(path);
    list.Add("/c");
    QCOMPARE(list.GetFiles(), (QStringList{"/c", "/e", "/d", "/b"}));
    QCOMPARE(RecentFileList().GetFiles(), list.GetFiles());
    QCOMPARE(QSettings().value("Recent File List/File1").toString(), QString("/c"));
    list.Remove("/e");
    QCOMPARE(RecentFileList().GetFiles(), (QStringList{"/c", "/d", "/b"}));
}

void GuiTest::currentDirectoryIsRememberedAcrossRuns() {
    TemporaryFolder remembered;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(remembered.path.string()));
    app->ExitInstance();
    QCOMPARE(QSettings("Tessel", "Linewright").value("Settings/CurrentDirectory").toString(),
             QString::fromStdString(remembered.path.string()));

    QDir::setCurrent(saved);
    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(app->InitInstance({"linewright"}));
    const QString restored = QDir::currentPath();
    QDir::setCurrent(saved);
    QCOMPARE(restored, QString::fromStdString(remembered.path.string()));
}

void GuiTest::divisionByZeroInTheEventLoopLeavesTheErrorFile() {
    TemporaryFolder folder;
    const QString temporary = QString::fromStdString(folder.path.string());
    QProcess child;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", temporary);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {FaultChildArgument});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);

    const QString errorFile = temporary + "/LinewrightErr.txt";
    QVERIFY(QString::fromLocal8Bit(child.readAllStandardOutput()).contains(errorFile));
    const auto lines = ReadLines(errorFile);
    QVERIFY(lines.size() > 10);
    QCOMPARE(lines[0], QString("Linewright Version 1,2,1,1 Error File"));
    QCOMPARE(lines[1], QString("Processor exception"));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], QString("Exception code: SIGFPE 0x00000001 INT_DIVIDE_BY_ZERO"));
    QVERIFY(lines[4].startsWith("Fault address: 0x"));
    QVERIFY(lines[4].endsWith("/GuiTests"));
    QCOMPARE(lines[5], QString("Registers:"));
    QVERIFY(lines.contains("Call Stack"));
    QVERIFY(lines.contains("End Call Stack"));
}
