#include "Linewright/Gui/CLinewrightApp.h"
#include "Linewright/Gui/MessageBoxes.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Linewright::Gui::QtMessageBoxes messages;
    Linewright::Gui::CLinewrightApp app(messages);
    const int status = app.InitInstance(QApplication::arguments()) ? app.Run() : 1;
    app.ExitInstance();
    return status;
}
