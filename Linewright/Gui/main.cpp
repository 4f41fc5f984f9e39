#include "Linewright/Gui/CLinewrightApp.h"
#include "Linewright/Gui/MessageBoxes.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Linewright::Gui::QtMessageBoxes messages;
    Linewright::Gui::CLinewrightApp app(messages);
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    const int status = app.Run();
    app.ExitInstance();
    return status;
}
