#include "FaultChild.h"

#include "Linewright/Gui/CLinewrightApp.h"
#include "ScriptedMessageBoxes.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

volatile int zero = 0;
volatile int sink = 7;

// The sanitizers would stop a division by zero before the processor does.
__attribute__((no_sanitize("integer-divide-by-zero"))) void DivideByZero() { sink = sink / zero; }

class PrintingMessageBoxes : public ScriptedMessageBoxes {
public:
    Answer Show(QWidget* owner, const Message& message) override {
        std::fputs((message.text.toLocal8Bit() + '\n').constData(), stdout);
        std::fflush(stdout);
        return ScriptedMessageBoxes::Show(owner, message);
    }
};

}  // namespace

int RunFaultChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    PrintingMessageBoxes messages;
    Linewright::Gui::CLinewrightApp app(messages);
    if (!app.InitInstance({argv[0]}))
        return 2;
    QTimer::singleShot(0, &DivideByZero);
    return app.Run();
}
