#pragma once

#include "ScriptedMessageBoxes.h"

#include "Linewright/Gui/CLinewrightApp.h"
#include "Linewright/Gui/CMainFrame.h"

#include <QObject>

#include <memory>

class GuiTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsEmptyAndConvertDoesNothing();
    void menusAndStatusBar();
    void aboutBoxNamesTheVersion();
    void failedOpenShowsTheReaderMessageAndKeepsTheForm();
    void recentFilesKeepTheNewestFour();
    void currentDirectoryIsRememberedAcrossRuns();
    void divisionByZeroInTheEventLoopLeavesTheErrorFile();

private:
    Linewright::Gui::CMainFrame& Frame() { return app->GetMainFrame(); }
    template <class Control>
    Control* FindControl(int id) {
        return Frame().findChild<Control*>(QString::number(id));
    }

    ScriptedMessageBoxes messages;
    std::unique_ptr<Linewright::Gui::CLinewrightApp> app;
};
