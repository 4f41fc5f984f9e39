#include "Linewright/Gui/CLinewrightApp.h"
#include "Linewright/Gui/MessageBoxes.h"

#include <QApplication>

namespace {

// --help and --version answer (and exit) before the window system starts, so that they work
// without a display, as help2man and a terminal on a server use them.
void AnswerHelpAndVersion(int argc, char* argv[]) {
    QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    Linewright::Gui::CLinewrightApp::DescribeCommandLine(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet("help") || parser.isSet("help-all") || parser.isSet("version"))
        parser.process(core);
}

}  // namespace

int main(int argc, char* argv[]) {
    AnswerHelpAndVersion(argc, argv);
    QApplication application(argc, argv);
    Linewright::Gui::QtMessageBoxes messages;
    Linewright::Gui::CLinewrightApp app(messages);
    const int status = app.InitInstance(QApplication::arguments()) ? app.Run() : 1;
    app.ExitInstance();
    return status;
}
