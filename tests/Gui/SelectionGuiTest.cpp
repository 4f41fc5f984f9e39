#include "GuiTest.h"

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/LapPreview.h"
#include "Linewright/Gui/CLinewrightView.h"
#include "Linewright/Gui/LapListView.h"
#include "Linewright/Gui/LapPreviewWidget.h"
#include "Linewright/Gui/Resources.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <QUrl>

using namespace Linewright::Gui;

namespace {

// The lateral offsets of the line that the preview of that lap and type shows.
std::vector<double> ExpectedLaterals(const std::filesystem::path& replay, std::size_t row, const std::string& type) {
    Linewright::CLinewrightDoc document;
    document.OnOpenDocument(replay.string());
    const auto laps = Linewright::ListCompleteLaps(*document.GetRpy());
    const auto preview = Linewright::MakeLapPreview(*document.RequireTrackFactory(), *document.GetRpy(), laps.at(row).lap, type);
    std::vector<double> laterals;
    for (const auto& point : preview.line)
        laterals.push_back(point.lateral);
    return laterals;
}

std::vector<double> ShownLaterals(CMainFrame& frame) {
    std::vector<double> laterals;
    if (const auto& shown = frame.GetView().GetPreview().GetPreview())
        for (const auto& point : shown->line)
            laterals.push_back(point.lateral);
    return laterals;
}

void PressOnRow(QAbstractItemView& list, const QModelIndex& index, bool twice) {
    const QPoint at = list.visualRect(index).center();
    if (twice)
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

// Each family's sample opens, and the lap clicked with the mouse converts into an LP in its
// track's folder; the Windows suite runs this on the windows platform, as players see it.
void GuiTest::everyFamilysClickedLapConverts() {
    for (const auto& sample : Linewright::Samples::FamilySamples()) {
        for (const auto& replay : sample.write(folder->path / sample.family)) {
            messages = {};
            QVERIFY(Frame().OpenDocumentFile(QString::fromStdString(replay.string())));
            auto* lapList = FindControl<LapListView>(Resources::LapList);
            const int row = lapList->count() - 1;
            PressOnRow(*lapList, lapList->model()->index(row, 0), false);
            QCOMPARE(lapList->currentRow(), row);
            ClickConvert();  // N4's second replay replaces the first one's LP, as answered
            const auto& created = messages.shown.back();
            QCOMPARE(created.text, QString("LP file created."));
            const QString lp = created.detail.section('\n', 0, 0);  // then what became of the old one
            QVERIFY2(ReadFile(lp.toStdString()).size() > 4, qPrintable(created.detail));
        }
    }
}

void GuiTest::clickingRowsWithTheMouseRedrawsThePreview() {
    const auto sample = OpenSample();
    auto* lapList = FindControl<LapListView>(Resources::LapList);
    auto* typeList = FindControl<QListWidget>(Resources::TypeList);
    const auto& preview = Frame().GetView().GetPreview();
    for (const int row : {0, lapList->count() - 1, 2}) {
        for (const bool twice : {false, true}) {
            PressOnRow(*lapList, lapList->model()->index(row, 0), twice);
            QCOMPARE(lapList->currentRow(), row);
            QCOMPARE(ShownLaterals(Frame()), ExpectedLaterals(sample.replay, row, "work"));
        }
    }

    ClickConvert();  // work.lp exists now
    PressOnRow(*typeList, typeList->model()->index(1, 0), false);
    QCOMPARE(typeList->selectedItems().front()->text(), QString("race"));
    QVERIFY(preview.GetPreview() && preview.GetPreview()->existing.empty());
    PressOnRow(*typeList, typeList->model()->index(0, 0), false);
    QVERIFY(preview.GetPreview() && !preview.GetPreview()->existing.empty());

    // Pressing, dragging and clicking on the map moves it, never the choice of lap.
    auto& map = Frame().GetView().GetPreview();
    QTest::mouseClick(&map, Qt::LeftButton, {}, map.rect().center());
    QTest::mouseDClick(&map, Qt::LeftButton, {}, map.rect().center());
    QCOMPARE(lapList->currentRow(), 2);
    QCOMPARE(ShownLaterals(Frame()), ExpectedLaterals(sample.replay, 2, "work"));
}

void GuiTest::droppedReplayOpens() {
    const auto sample = Linewright::Samples::WriteGPLFolder(folder->path / "game");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(sample.replay.string()))});
    const QPoint at = Frame().rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &drop);
    QTRY_COMPARE(Frame().windowTitle(), QString("practice.rpy - Linewright"));
    QVERIFY(FindControl<LapListView>(Resources::LapList)->count() > 0);

    QMimeData text;
    text.setText("not a file");
    QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(&Frame(), &refused);
    QVERIFY(!refused.isAccepted());
}

void GuiTest::windowPlaceSplitterAndCurrentDirectoryAreRemembered() {
    TemporaryFolder remembered;
    const QString rememberedPath = QString::fromStdString(remembered.path.string());
    const QString saved = QDir::currentPath();
    Frame().resize(1100, 700);
    auto& splitter = Frame().GetView().GetSplitter();
    splitter.setSizes({300, 700});
    const QList<int> sizes = splitter.sizes();
    QDir::setCurrent(rememberedPath);
    Frame().close();
    app->ExitInstance();
    QCOMPARE(QSettings().value("Settings/CurrentDirectory").toString(), rememberedPath);

    QDir::setCurrent(saved);
    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(app->InitInstance({"linewright"}));
    const QString restored = QDir::currentPath();
    QDir::setCurrent(saved);
    QCOMPARE(QDir::toNativeSeparators(restored), rememberedPath);
    QCOMPARE(Frame().size(), QSize(1100, 700));
    QCOMPARE(Frame().GetView().GetSplitter().sizes(), sizes);
}
