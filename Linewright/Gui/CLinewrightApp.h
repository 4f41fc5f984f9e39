#pragma once

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/Gui/AbortHandlerGui.h"

#include <QCommandLineParser>
#include <QStringList>

#include <memory>

namespace Linewright::Gui {

class CMainFrame;
class MessageBoxes;

// The application: settings under "Tessel"/"Linewright", the one document and its window,
// start-up, the event loop inside the abort handling, and shut-down. A QApplication must exist.
class CLinewrightApp {
public:
    explicit CLinewrightApp(MessageBoxes& messages);
    ~CLinewrightApp();

    // Names the application and its version, and gives the parser the options and the help text.
    static void DescribeCommandLine(QCommandLineParser& parser);
    // Makes the window, opens a replay named on the command line, makes the remembered
    // directory current and shows the window. False when the named replay cannot be opened.
    bool InitInstance(const QStringList& arguments);
    // Runs the event loop with faults reported in the error file; returns the loop's status.
    int Run();
    // Remembers the current directory.
    void ExitInstance();

    CMainFrame& GetMainFrame() { return *frame; }

private:
    MessageBoxes& messages;
    CLinewrightDoc document;
    AbortHandlerGui abortHandler;
    std::unique_ptr<CMainFrame> frame;
};

}  // namespace Linewright::Gui
