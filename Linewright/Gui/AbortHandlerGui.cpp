#include "Linewright/Gui/AbortHandlerGui.h"

#include "Linewright/Gui/MessageBoxes.h"
#include "Linewright/Gui/Resources.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdlib>

namespace Linewright::Gui {

namespace {

bool OnGuiThread() {
    const QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr && QThread::currentThread() == application->thread();
}

}  // namespace

AbortHandlerGui::AbortHandlerGui(MessageBoxes& messages)
    : AbortHandler(Resources::AppTitle.text), messages(messages),
      message(QString::fromStdString(GetUserMessage())) {}

void AbortHandlerGui::Report(const Tessel::Util::XProcessorException& exception) noexcept {
    WriteErrorFile(exception);
    TellOnStandardError();
    // The box is a courtesy after the report is safe on disk: if the fault left the toolkit
    // unusable and showing it faults again, the handler ends the process at once. Widgets live on
    // the GUI thread only; a fault reported from another thread (Windows reports a stack overflow
    // from a thread of its own) gets the system's box where there is one.
    if (OnGuiThread()) {
        try {
            messages.Show(nullptr, MessageBoxes::Message(message, MessageBoxes::Icon::Stop));
        } catch (...) {
        }
    } else {
        ShowSystemStopBox();
    }
    std::_Exit(1);
}

}  // namespace Linewright::Gui
