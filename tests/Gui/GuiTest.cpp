#include "GuiTest.h"

#include "FaultChild.h"
#include "Linewright/CLinewrightDoc.h"
#include "Linewright/LapList.h"
#include "Linewright/Gui/CLinewrightView.h"
#include "Linewright/Gui/CMainFrame.h"
#include "Linewright/Gui/LapPreviewWidget.h"
#include "Papy/Replays/RpyFile.h"
#include "Linewright/Gui/RecentFileList.h"
#include "Linewright/Gui/LapListView.h"
#include "Linewright/Gui/Resources.h"
#include "testing/TemporaryFolder.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
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

QList<QMenu*> Menus(CMainFrame& frame) {
    QList<QMenu*> menus;
    for (const QAction* action : frame.menuBar()->actions())
        menus << action->menu();
    return menus;
}

QStringList ListTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

QStringList ListTexts(const LapListView& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.RowText(row);
    return texts;
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromLocal8Bit(file.readAll()).split('\n');
}

// The lap list's rows as the document lists the replay's complete laps.
QStringList DocumentLapTexts(const std::filesystem::path& replay) {
    Linewright::CLinewrightDoc document;
    document.OnOpenDocument(replay.string());
    QStringList laps;
    for (const auto& entry : Linewright::ListCompleteLaps(*document.GetRpy()))
        laps << QString::fromStdString(entry.Text());
    return laps;
}

}  // namespace

void GuiTest::init() {
    folder = std::make_unique<TemporaryFolder>();
    QSettings().clear();
    messages = {};
    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(app->InitInstance({"linewright"}));
}

void GuiTest::cleanup() {
    app.reset();
    folder.reset();
}

Linewright::Samples::GPLFolder GuiTest::OpenSample() {
    const auto sample = Linewright::Samples::WriteGPLFolder(folder->path / "game");
    messages.shown.clear();
    const bool opened = Frame().OpenDocumentFile(QString::fromStdString(sample.replay.string()));
    if (!opened)
        qWarning() << "open failed:" << (messages.shown.empty() ? QString() : messages.shown.front().text);
    return sample;
}

void GuiTest::ClickConvert() {
    QTest::mouseClick(FindControl<QPushButton>(Resources::ConvertButton), Qt::LeftButton);
}

QByteArray GuiTest::ReadFile(const std::filesystem::path& path) const {
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void GuiTest::startsEmptyAndConvertDoesNothing() {
    QCOMPARE(Frame().windowTitle(), QString("Untitled - Linewright"));
    QVERIFY(Frame().isVisible());
    QCOMPARE(FindControl<LapListView>(Resources::LapList)->count(), 0);
    QCOMPARE(FindControl<QListWidget>(Resources::TypeList)->count(), 0);
    QCOMPARE(FindControl<QLineEdit>(Resources::LpRecordsEdit)->text(), QString());
    QCOMPARE(FindControl<QLineEdit>(Resources::TrackEdit)->text(), QString());
    QVERIFY(FindControl<QLineEdit>(Resources::TrackEdit)->isReadOnly());

    auto* convert = FindControl<QPushButton>(Resources::ConvertButton);
    QCOMPARE(convert->text(), QString("Convert"));
    QVERIFY(!convert->isEnabled());
    QTest::mouseClick(convert, Qt::LeftButton);
    QCOMPARE(messages.shown.size(), std::size_t{0});
}

void GuiTest::menusStatusBarAndAboutBox() {
    const auto menus = Menus(Frame());
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->title(), QString("&File"));
    QCOMPARE(MenuTexts(*menus[0]), (QStringList{"&Open...", "-", "Recent File", "-", "E&xit"}));
    QCOMPARE(menus[0]->actions().front()->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(MenuTexts(*menus[1]), (QStringList{"&Status Bar", "-", "Speed in km/h", "Speed in mph"}));
    QCOMPARE(MenuTexts(*menus[2]), QStringList{"&About Linewright..."});

    QStringList panes;
    for (const QLabel* label : Frame().statusBar()->findChildren<QLabel*>())
        panes << label->text();
    QCOMPARE(panes, (QStringList{"Ready", "CAP", "NUM", "SCRL"}));
    menus[1]->actions().front()->trigger();
    QVERIFY(!Frame().statusBar()->isVisible());

    QStringList about;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        about << dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            about << label->text();
        dialog->accept();
    });
    menus[2]->actions().front()->trigger();
    QCOMPARE(about.size(), 4);
    QCOMPARE(about.mid(0, 2), (QStringList{"About Linewright", "Linewright Version 1.2.1.1"}));
    QVERIFY(QRegularExpression("^Built \\d{4}-\\d{2}-\\d{2} from commit \\S+$").match(about[2]).hasMatch());
    QVERIFY(about[3].startsWith("MIT License\n\nCopyright (c) 2026 Tessel\n"));
}

void GuiTest::failedOpenShowsTheReaderMessageAndKeepsTheForm() {
    const auto sample = Linewright::Samples::WriteN2Folder(folder->path / "n2");
    QFile replay(QString::fromStdString(sample.replay.string()));
    QVERIFY(replay.open(QIODevice::ReadWrite));
    QVERIFY(replay.seek(replay.size() - 4));
    replay.write(QByteArray(4, '\0'));  // the last frame's trailer
    replay.close();
    QVERIFY(!Frame().OpenDocumentFile(replay.fileName()));
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].icon, Icon::Warning);
    QVERIFY2(messages.shown[0].text.contains("N3 rpl frame trailer size mismatch"), qPrintable(messages.shown[0].text));
    QVERIFY(messages.shown[0].text.contains(QDir::toNativeSeparators(replay.fileName())));
    QVERIFY(messages.shown[0].detail.contains("is no replay of GPL, N2 or N4 that Linewright reads, or it is damaged"));
    QCOMPARE(Frame().windowTitle(), QString("Untitled - Linewright"));

    // Cut short.
    QFile gpl(QString::fromStdString(Linewright::Samples::WriteGPLFolder(folder->path / "gpl").replay.string()));
    QVERIFY(gpl.resize(gpl.size() / 2));
    messages = {};
    QVERIFY(!Frame().OpenDocumentFile(gpl.fileName()));
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QVERIFY(messages.shown[0].text.startsWith("Couldn't read from"));
    QVERIFY(messages.shown[0].detail.contains("incomplete or damaged"));
    QCOMPARE(FindControl<LapListView>(Resources::LapList)->count(), 0);
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

// Where each system keeps temporary files.
#ifdef _WIN32
const char* const TemporaryFolderVariables[] = {"TMP", "TEMP"};  // GetTempPathW reads TMP first
#else
const char* const TemporaryFolderVariables[] = {"TMPDIR"};
#endif

void GuiTest::divisionByZeroInTheEventLoopLeavesTheErrorFile() {
    const QString temporary = QString::fromStdString(folder->path.string());
    QProcess child;
    auto environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : TemporaryFolderVariables)
        environment.insert(variable, temporary);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {FaultChildArgument, "-platform", QGuiApplication::platformName()});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);

    const QString errorFile = QDir::toNativeSeparators(temporary + "/LinewrightErr.txt");
    QVERIFY(QString::fromLocal8Bit(child.readAllStandardOutput()).contains(errorFile));
    const auto lines = ReadLines(errorFile);
    QVERIFY(lines.size() > 10);
    QCOMPARE(lines[0], QString("Linewright Version 1,2,1,1 Error File"));
    QCOMPARE(lines[1], QString("Processor exception"));
    QVERIFY(lines[3].endsWith(" INT_DIVIDE_BY_ZERO"));  // the line on each system: AbortHandlerTest
    QVERIFY(lines.contains("End Call Stack"));
}

void GuiTest::openingAReplayFillsTheForm() {
    const auto sample = OpenSample();
    QCOMPARE(messages.shown.size(), std::size_t{0});
    QCOMPARE(Frame().windowTitle(), QString("practice.rpy - Linewright"));
    const QString replay = QString::fromStdString(sample.replay.string());
    QCOMPARE(RecentFileList().GetFiles(), QStringList{replay});
    QCOMPARE(MenuTexts(*Menus(Frame())[0]), (QStringList{"&Open...", "-", "&1 " + replay, "-", "E&xit"}));

    const QStringList laps = DocumentLapTexts(sample.replay);
    QVERIFY(laps.size() > 1);
    auto* lapList = FindControl<LapListView>(Resources::LapList);
    QCOMPARE(ListTexts(*lapList), laps);
    QVERIFY(lapList->currentItem()->isSelected());
    QVERIFY(lapList->currentItem()->font(0).bold());  // the fastest lap
    QVERIFY(FindControl<QPushButton>(Resources::ConvertButton)->isEnabled());
    QVERIFY(Frame().GetView().GetPreview().GetPreview());

    auto* typeList = FindControl<QListWidget>(Resources::TypeList);
    QCOMPARE(ListTexts(*typeList), (QStringList{"work", "race", "maxrace", "minrace", "pass1", "pass2", "pit"}));
    QCOMPARE(typeList->selectedItems().size(), 1);
    QCOMPARE(typeList->selectedItems().front()->text(), QString("work"));

    QCOMPARE(FindControl<QLineEdit>(Resources::TrackEdit)->text(), QString::fromStdString(sample.trackName));
    QCOMPARE(FindControl<QLineEdit>(Resources::LpRecordsEdit)->text(), QString("533"));  // 3 m apart
}

void GuiTest::convertWritesTheLpAndAsksBeforeReplacingIt() {
    const auto sample = OpenSample();
    const auto output = sample.trackDirectory / "work.lp";
    const QString path = QString::fromStdString(output.string());
    ClickConvert();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].text, QString("LP file created."));
    QCOMPARE(messages.shown[0].detail, path);
    QCOMPARE(messages.shown[0].action, QString("Open Folder"));
    QCOMPARE(messages.shown[0].icon, Icon::Information);
    const QByteArray written = ReadFile(output);
    QVERIFY(!written.isEmpty());
    QVERIFY(!std::filesystem::exists(output.string() + ".bak"));

    QFile(QString::fromStdString(output.string())).resize(10);
    const QByteArray old = ReadFile(output);
    messages = {};
    messages.answers = {Answer::Cancel};
    ClickConvert();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].text, QString("File already exists - overwrite"));
    QCOMPARE(messages.shown[0].detail, path);
    QCOMPARE(messages.shown[0].icon, Icon::Question);
    QCOMPARE(messages.shown[0].buttons, MessageBoxes::Buttons::OkCancel);
    QCOMPARE(ReadFile(output), old);
    QVERIFY(!std::filesystem::exists(output.string() + ".bak"));

    messages = {};
    messages.answers = {Answer::Ok};
    ClickConvert();
    QCOMPARE(messages.shown.size(), std::size_t{2});
    QCOMPARE(messages.shown[1].text, QString("LP file created."));
    QCOMPARE(messages.shown[1].detail, path + "\nThe file it replaced is kept as " + path + ".bak.");
    QCOMPARE(ReadFile(output), written);
    QCOMPARE(ReadFile(output.string() + ".bak"), old);
}

// Converting with a type chosen: previewOverlaysTheExistingLp.
void GuiTest::convertWithoutATypeAsksForOne() {
    const auto sample = OpenSample();
    FindControl<QListWidget>(Resources::TypeList)->clearSelection();
    ClickConvert();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].text, QString("Choose an LP type to convert to."));
    QVERIFY(!std::filesystem::exists(sample.trackDirectory / ".lp"));
}

void GuiTest::convertErrorIsShownAndNothingWritten() {
    const auto sample = OpenSample();
    // A folder in the output's place cannot be replaced.
    std::filesystem::create_directory(sample.trackDirectory / "work.lp");
    const auto before = std::distance(std::filesystem::directory_iterator(sample.trackDirectory), {});
    ClickConvert();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].icon, Icon::Warning);
    QVERIFY(messages.shown[0].text.contains("work.lp"));
    QCOMPARE(std::distance(std::filesystem::directory_iterator(sample.trackDirectory), {}), before);
}

void GuiTest::replayOnTheCommandLineOpensAtStartUp() {
    const auto sample = Linewright::Samples::WriteGPLFolder(folder->path / "game");
    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(app->InitInstance({"linewright", QString::fromStdString(sample.replay.string())}));
    QVERIFY(FindControl<LapListView>(Resources::LapList)->count() > 0);

    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(!app->InitInstance({"linewright", QString::fromStdString((folder->path / "missing.rpy").string())}));
}

void GuiTest::recentFileThatFailsToOpenLeavesTheList() {
    const QString missing = QString::fromStdString((folder->path / "replays" / "gone.rpy").string());
    RecentFileList().Add(missing);
    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(app->InitInstance({"linewright"}));
    QCOMPARE(MenuTexts(*Menus(Frame())[0]), (QStringList{"&Open...", "-", "&1 " + missing, "-", "E&xit"}));
    Menus(Frame())[0]->actions()[3]->trigger();
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QVERIFY(RecentFileList().GetFiles().isEmpty());
    QCOMPARE(MenuTexts(*Menus(Frame())[0]), (QStringList{"&Open...", "-", "Recent File", "-", "E&xit"}));
}

void GuiTest::messageBoxesAnswerWithTheButtonPressed() {
    using Message = MessageBoxes::Message;
    QStringList seen;
    const auto press = [&](QMessageBox::StandardButton button, QString action = {}) {
        QTimer::singleShot(0, [&seen, button, action] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen << box->windowTitle() + ": " + box->text() + " / " + box->informativeText() + " / " +
                        box->defaultButton()->text();
            if (!action.isEmpty()) {
                for (QAbstractButton* other : box->buttons())
                    if (other->text() == action)
                        other->click();
            } else {
                box->button(button)->click();
            }
        });
    };
    QtMessageBoxes boxes;
    Message replace("Replace?", Icon::Question, MessageBoxes::Buttons::OkCancel);
    replace.detail = "/x/race.lp";
    Message done("Done.");
    press(QMessageBox::Cancel);
    QCOMPARE(boxes.Show(&Frame(), replace), Answer::Cancel);
    press(QMessageBox::Ok);
    QCOMPARE(boxes.Show(&Frame(), replace), Answer::Ok);
    press(QMessageBox::Ok);
    QCOMPARE(boxes.Show(nullptr, done), Answer::Ok);
    done.action = "Open Folder";
    press(QMessageBox::Ok, "Open Folder");
    QCOMPARE(boxes.Show(nullptr, done), Answer::Action);
    QCOMPARE(seen, (QStringList{"Linewright: Replace? / /x/race.lp / Cancel", "Linewright: Replace? / /x/race.lp / Cancel",
                                "Linewright: Done. /  / OK", "Linewright: Done. /  / OK"}));
}
