#pragma once

#include "ScriptedMessageBoxes.h"

#include "Linewright/Gui/CLinewrightApp.h"
#include "Linewright/Gui/CMainFrame.h"
#include "Samples/GameFolderWriter.h"
#include "testing/TemporaryFolder.h"

#include <QObject>

#include <memory>

class GuiTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsEmptyAndConvertDoesNothing();
    void menusStatusBarAndAboutBox();
    void failedOpenShowsTheReaderMessageAndKeepsTheForm();
    void recentFilesKeepTheNewestFour();
    void divisionByZeroInTheEventLoopLeavesTheErrorFile();
    void openingAReplayFillsTheForm();
    void convertWritesTheLpAndAsksBeforeReplacingIt();
    void convertWithoutATypeAsksForOne();
    void convertErrorIsShownAndNothingWritten();
    void replayOnTheCommandLineOpensAtStartUp();
    void recentFileThatFailsToOpenLeavesTheList();
    void messageBoxesAnswerWithTheButtonPressed();
    // The preview and the window around it (PreviewGuiTest.cpp).
    void previewDrawsTheSampleLapOnTheTrack();
    void previewOverlaysTheExistingLp();
    void missingTrackFolderOrFileKeepsTheFormWhole();
    void everyControlStaysVisibleLargeAndSmall();
    void legendNeverCoversTheTrack();
    void hoveringTellsTheRecordInTheChosenUnit();
    void severalLapsSideBySideAndConvertTheFirst();
    // Choosing with the mouse, opening and the window's place (SelectionGuiTest.cpp).
    void everyFamilysClickedLapConverts();
    void clickingRowsWithTheMouseRedrawsThePreview();
    void droppedReplayOpens();
    void windowPlaceSplitterAndCurrentDirectoryAreRemembered();

private:
    Linewright::Gui::CMainFrame& Frame() { return app->GetMainFrame(); }
    template <class Control>
    Control* FindControl(int id) {
        return Frame().findChild<Control*>(QString::number(id));
    }

    // Writes a GPL game folder and opens its replay.
    Linewright::Samples::GPLFolder OpenSample();
    void ClickConvert();
    QByteArray ReadFile(const std::filesystem::path& path) const;

    std::unique_ptr<TemporaryFolder> folder;  // fresh for each test
    ScriptedMessageBoxes messages;
    std::unique_ptr<Linewright::Gui::CLinewrightApp> app;
};
