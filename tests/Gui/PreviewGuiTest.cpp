#include "GuiTest.h"

#include "Linewright/Gui/CLinewrightView.h"
#include "Linewright/Gui/LapComparisonWidget.h"
#include "Linewright/Gui/LapPreviewWidget.h"
#include "Linewright/Gui/LapListView.h"
#include "Linewright/Gui/Resources.h"
#include "Linewright/SpeedScale.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QMouseEvent>
#include <QSettings>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <cmath>

using namespace Linewright::Gui;
using Answer = MessageBoxes::Answer;

namespace {

// The sample track's first piece is a straight of 200 m from (100, -50) heading along x, so a
// point there lies at (100 + longitude, -50 + lateral) whatever the track model computes.
Linewright::PlanePoint OnFirstStraight(double longitude, double lateral) { return {100.0 + longitude, -50.0 + lateral}; }

int ColourDistance(QColor a, const Linewright::Rgb& b) {
    return std::abs(a.red() - b.red) + std::abs(a.green() - b.green) + std::abs(a.blue() - b.blue);
}

// Keeps a screenshot of the whole window when LINEWRIGHT_SCREENSHOTS names a folder.
void KeepScreenshot(QWidget& window, const QString& name) {
    const QString folder = qEnvironmentVariable("LINEWRIGHT_SCREENSHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + "/" + name + ".png");
}

bool Inside(const QWidget& widget, const QWidget& outer) {
    const QRect place(widget.mapTo(&outer, QPoint(0, 0)), widget.size());
    return widget.isVisible() && !widget.size().isEmpty() && outer.rect().contains(place);
}

}  // namespace

void GuiTest::previewDrawsTheSampleLapOnTheTrack() {
    OpenSample();
    auto* lapList = FindControl<LapListView>(Resources::LapList);
    lapList->setCurrentRow(lapList->count() / 2);
    QTest::mouseClick(Frame().findChild<QPushButton*>("fastest"), Qt::LeftButton);
    QVERIFY(lapList->currentItem()->font(0).bold());
    QCOMPARE(lapList->RowText(lapList->currentRow()), QString("Jim Clark 0m 40.860s"));
    lapList->sortByColumn(2, Qt::AscendingOrder);  // by time
    QCOMPARE(lapList->currentRow(), 0);
    for (int row = 1; row < lapList->count(); ++row)
        QVERIFY(lapList->topLevelItem(row - 1)->text(2) <= lapList->topLevelItem(row)->text(2));
    lapList->sortByColumn(0, Qt::AscendingOrder);  // the replay's order again
    QVERIFY(lapList->RowText(0).startsWith("Jim Clark") && lapList->RowText(lapList->count() - 1).startsWith("Dan Gurney"));

    Frame().resize(1200, 800);
    auto& preview = Frame().GetView().GetPreview();
    QVERIFY(preview.GetPreview());
    const auto& line = preview.GetPreview()->line;
    const Linewright::SpeedScale scale = Linewright::GetSpeedScale(line);
    const QImage shot = preview.grab().toImage();
    KeepScreenshot(Frame(), "fastest-lap");
    int checked = 0;
    for (std::size_t i = 5; i < line.size() && line[i].longitude < 190.0; i += 7) {
        const auto expected = OnFirstStraight(line[i].longitude, line[i].lateral);
        // Within the track file's own resolution.
        QVERIFY(std::hypot(line[i].position.x - expected.x, line[i].position.y - expected.y) < 1e-3);
        const QPoint pixel = preview.MapToWidget(expected).toPoint();
        QVERIFY2(ColourDistance(shot.pixelColor(pixel), scale.GetColour(line[i].speed)) < 40,
                 qPrintable(QString("record %1 at %2,%3").arg(i).arg(pixel.x()).arg(pixel.y())));
        ++checked;
    }
    QVERIFY(checked > 5);
    // The surface ends 10 m either side; 30 m out lies the background.
    QCOMPARE(shot.pixelColor(preview.MapToWidget(OnFirstStraight(100.0, -30.0)).toPoint()), QColor(Qt::white));

    // Zooming about a point keeps it in place and spreads the track.
    const QPointF centre = preview.MapToWidget(OnFirstStraight(100.0, 0.0));
    const double before = QLineF(centre, preview.MapToWidget(OnFirstStraight(150.0, 0.0))).length();
    QWheelEvent wheel(centre, preview.mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&preview, &wheel);
    QVERIFY(QLineF(centre, preview.MapToWidget(OnFirstStraight(100.0, 0.0))).length() < 1.0);
    QVERIFY(QLineF(centre, preview.MapToWidget(OnFirstStraight(150.0, 0.0))).length() > before * 1.2);
}

void GuiTest::previewOverlaysTheExistingLp() {
    const auto sample = OpenSample();
    auto* lapList = FindControl<LapListView>(Resources::LapList);
    auto* comparison = Frame().findChild<QLabel*>("comparison");
    FindControl<QListWidget>(Resources::TypeList)->setCurrentRow(1);
    QVERIFY(Frame().GetView().GetPreview().GetPreview()->existing.empty());
    QCOMPARE(comparison->text(), QString());

    Frame().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Frame()));
    lapList->setFocus();
    QTest::keyClick(lapList, Qt::Key_Return);  // Enter converts
    QVERIFY(std::filesystem::is_regular_file(sample.trackDirectory / "race.lp"));
    const auto& converted = *Frame().GetView().GetPreview().GetPreview();
    QCOMPARE(converted.existing.size(), converted.line.size());
    QVERIFY(comparison->text().startsWith("Largest lateral gap to the existing race.lp: 0.00 m"));

    lapList->setCurrentRow(lapList->count() - 5);  // another driver, on another line
    const auto& other = *Frame().GetView().GetPreview().GetPreview();
    QCOMPARE(other.existing.size(), converted.line.size());
    QVERIFY2(comparison->text().startsWith("Largest lateral gap to the existing race.lp: ") &&
                 !comparison->text().contains(": 0.00 m"),
             qPrintable(comparison->text()));
    KeepScreenshot(Frame(), "existing-lp");
}

void GuiTest::missingTrackFolderOrFileKeepsTheFormWhole() {
    OpenSample();
    const auto formState = [&] {
        return QStringList{Frame().windowTitle(), FindControl<QLineEdit>(Resources::TrackEdit)->text(),
                           FindControl<QLineEdit>(Resources::LpRecordsEdit)->text(),
                           QString::number(FindControl<LapListView>(Resources::LapList)->count()),
                           QString::number(FindControl<QListWidget>(Resources::TypeList)->count()),
                           Frame().statusBar()->findChild<QLabel*>()->text()};
    };
    const QStringList before = formState();

    const auto other = Linewright::Samples::WriteGPLFolder(folder->path / "other");
    std::filesystem::remove_all(other.trackDirectory.parent_path());
    const auto tracks = QDir::toNativeSeparators(QString::fromStdString(other.trackDirectory.string()));
    messages = {};
    QVERIFY(!Frame().OpenDocumentFile(QString::fromStdString(other.replay.string())));
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown[0].text, "The track folder " + tracks + " was not found");
    QCOMPARE(messages.shown[0].detail, QString("Tracks are looked for in the folder \"tracks\" beside the replay's folder."));
    QCOMPARE(formState(), before);

    std::filesystem::create_directories(other.trackDirectory);
    messages = {};
    QVERIFY(!Frame().OpenDocumentFile(QString::fromStdString(other.replay.string())));
    QCOMPARE(messages.shown.size(), std::size_t{1});
    const QString trackFile = tracks + QDir::separator() + "monza.trk";
    QCOMPARE(messages.shown[0].text, "Couldn't open " + trackFile + "\nFile not found\n");
    QCOMPARE(messages.shown[0].detail,
             "Looked for " + trackFile + ", and for monza.trk inside " + tracks + QDir::separator() + "monza.dat.");
    QCOMPARE(messages.shown[0].action, QString("Choose track\u2026"));
    QCOMPARE(formState(), before);

    // The track chosen from elsewhere, whatever it is called; the LP goes beside it.
    const auto loose = Linewright::Samples::WriteGPLFolder(folder->path / "loose", {true, false});
    const auto chosen = folder->path / "elsewhere" / "my track.trk";
    std::filesystem::create_directories(chosen.parent_path());
    std::filesystem::copy_file(loose.trackDirectory / "monza.trk", chosen);
    messages = {};
    messages.answers = {Answer::Action};
    messages.chosenFiles = {QString::fromStdString(chosen.string())};
    QVERIFY(Frame().OpenDocumentFile(QString::fromStdString(other.replay.string())));
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.dialogs, std::vector<QString>{"Choose track"});
    QCOMPARE(FindControl<QLineEdit>(Resources::LpRecordsEdit)->text(), QString("533"));
    QVERIFY(Frame().GetView().GetPreview().GetPreview());
    ClickConvert();
    QVERIFY(std::filesystem::is_regular_file(chosen.parent_path() / "work.lp"));
}

void GuiTest::everyControlStaysVisibleLargeAndSmall() {
    OpenSample();
    QList<QWidget*> controls;
    for (const int id : {Resources::TrackEdit, Resources::LpRecordsEdit, Resources::LapList, Resources::TypeList,
                         Resources::ConvertButton})
        controls << FindControl<QWidget>(id);
    controls << Frame().findChild<QWidget*>("fastest") << &Frame().GetView().GetPreview();
    for (QLabel* label : Frame().GetView().findChildren<QLabel*>())
        if (!label->text().isEmpty())
            controls << label;
    QCOMPARE(controls.size(), 11);  // the five controls, Fastest, the preview and the four captions

    for (const QSize size : {QSize(1600, 1000), QSize(120, 90)}) {
        Frame().resize(size);
        QApplication::processEvents();
        KeepScreenshot(Frame(), QString("window-%1").arg(size.width()));
        for (const QWidget* control : controls)
            QVERIFY2(Inside(*control, Frame()), qPrintable(control->objectName() + " at " + QString::number(size.width())));
    }
    Frame().resize(1600, 1000);
    QVERIFY(FindControl<LapListView>(Resources::LapList)->height() > 500);
    QVERIFY(Frame().GetView().GetPreview().width() > 700);
}

void GuiTest::legendNeverCoversTheTrack() {
    const auto n2 = Linewright::Samples::WriteN2Folder(folder->path / "n2");
    const auto n4 = Linewright::Samples::WriteN4Folder(folder->path / "n4");
    const auto gpl = Linewright::Samples::WriteGPLFolder(folder->path / "gpl");
    const std::pair<const char*, std::filesystem::path> samples[] = {
        {"gpl", gpl.replay}, {"n2", n2.replay}, {"n4", n4.replays[0]}};
    auto& preview = Frame().GetView().GetPreview();
    for (const auto& [name, replay] : samples) {
        QVERIFY(Frame().OpenDocumentFile(QString::fromStdString(replay.string())));
        for (const QSize size : {QSize(800, 600), QSize(1600, 1000)}) {
            Frame().resize(size);
            QApplication::processEvents();
            KeepScreenshot(Frame(), QString("%1-%2").arg(name).arg(size.width()));
            const auto& shown = *preview.GetPreview();
            // Everything drawn on the map, with the width of its pen.
            QRectF drawn;
            const auto add = [&](Linewright::PlanePoint point) {
                drawn |= QRectF(preview.MapToWidget(point), QSizeF(0, 0)).adjusted(-2, -2, 2, 2);
            };
            for (const auto& edge : {shown.outline.left, shown.outline.right})
                for (const auto& point : edge)
                    add(point);
            for (const auto& point : shown.line)
                add(point.position);
            const QRectF legend = preview.GetLegendArea();
            QVERIFY2(!legend.intersects(drawn) && preview.rect().contains(legend.toRect()),
                     qPrintable(QString("%1 at %2").arg(name).arg(size.width())));
            QVERIFY(drawn.width() > preview.width() / 3 || drawn.height() > preview.height() / 3);
        }
    }
}

void GuiTest::hoveringTellsTheRecordInTheChosenUnit() {
    OpenSample();
    Frame().resize(1200, 800);
    QApplication::processEvents();
    auto& preview = Frame().GetView().GetPreview();
    const auto& line = preview.GetPreview()->line;
    const auto move = [&](QPointF at) {
        QMouseEvent event(QEvent::MouseMove, at, preview.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&preview, &event);
    };
    // On the map, over a record of the line.
    const std::size_t record = line.size() / 3;
    move(preview.MapToWidget(line[record].position));
    QCOMPARE(preview.GetHovered(), std::optional(record));
    const QString kmh = preview.GetHoverText();
    QVERIFY2(kmh.contains(QString::number(line[record].speed * 3.6, 'f', 1) + " km/h"), qPrintable(kmh));
    KeepScreenshot(Frame(), "hover");

    // In the lowest graph, across its middle: the record half way round.
    move(QPointF(preview.width() / 2 + 20, preview.height() - 30));
    QVERIFY(preview.GetHovered());
    QVERIFY(std::abs(line[*preview.GetHovered()].longitude - line.back().longitude / 2) < line.back().longitude / 10);

    QAction* mph = nullptr;
    for (QAction* action : Frame().findChildren<QAction*>())
        if (action->text() == "Speed in mph")
            mph = action;
    QVERIFY(mph && !mph->isChecked());
    mph->trigger();
    QVERIFY(preview.GetHoverText().contains(" mph"));
    QCOMPARE(QSettings().value("View/SpeedUnit").toString(), QString("mph"));
    app = std::make_unique<CLinewrightApp>(messages);
    QVERIFY(app->InitInstance({"linewright"}));
    for (QAction* action : Frame().findChildren<QAction*>())
        if (action->text().startsWith("Speed in "))
            QCOMPARE(action->isChecked(), action->text() == "Speed in mph");
}

void GuiTest::severalLapsSideBySideAndConvertTheFirst() {
    const auto sample = OpenSample();
    Frame().resize(1200, 800);
    auto* lapList = FindControl<LapListView>(Resources::LapList);
    auto* convert = FindControl<QPushButton>(Resources::ConvertButton);
    auto& view = Frame().GetView().GetComparisonView();
    const auto click = [&](int row, Qt::KeyboardModifiers modifiers) {
        const QPoint at = lapList->visualRect(lapList->model()->index(row, 0)).center();
        QTest::mouseClick(lapList->viewport(), Qt::LeftButton, modifiers, at);
    };
    // Graham Hill's and Dan Gurney's first laps, then Jim Clark's: the order of choosing counts.
    const int last = lapList->count() - 1;
    click(3, {});
    click(last, Qt::ControlModifier);
    click(0, Qt::ControlModifier);
    QVERIFY(view.isVisible() && !Frame().GetView().GetPreview().isVisible());
    QCOMPARE(view.GetComparison()->laps.size(), std::size_t{3});
    QCOMPARE(QString::fromStdString(view.GetComparison()->laps[2].name), QString("Jim Clark 0m 40.860s (lap 0:0:1)"));
    QCOMPARE(convert->text(), "Convert " + lapList->RowText(3));
    QTRY_VERIFY(convert->width() >= convert->sizeHint().width());  // the lap named whole
    QVERIFY(view.GetKeyArea().bottom() <= view.height() / 3);
    KeepScreenshot(Frame(), "three-laps");

    // Convert writes the first chosen lap, as when it is chosen alone.
    ClickConvert();
    const QByteArray compared = ReadFile(sample.trackDirectory / "work.lp");
    click(3, {});
    QCOMPARE(convert->text(), QString("Convert"));
    QVERIFY(Frame().GetView().GetPreview().isVisible());
    ClickConvert();
    QCOMPARE(ReadFile(sample.trackDirectory / "work.lp"), compared);

    // Shift takes a range, never more than five laps.
    click(0, {});
    click(last, Qt::ShiftModifier);
    QCOMPARE(lapList->GetSelectedLaps().size(), Linewright::mostComparedLaps);
    QCOMPARE(view.GetComparison()->laps.size(), Linewright::mostComparedLaps);
}
