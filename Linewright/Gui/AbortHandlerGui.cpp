#include "Linewright/Gui/AbortHandlerGui.h"

#include "Linewright/Gui/MessageBoxes.h"
#include "Linewright/Gui/Resources.h"

#include <cstdlib>

namespace Linewright::Gui {

AbortHandlerGui::AbortHandlerGui(MessageBoxes& messages)
    : AbortHandler(Resources::AppTitle.text), messages(messages),
      message(QString::fromStdString(GetUserMessage())) {}

void AbortHandlerGui::Report(const Tessel::Util::XProcessorException& exception) noexcept {
    WriteErrorFile(exception);
    TellOnStandardError();
    // The box is a courtesy after the report is safe on disk: if the fault left the toolkit
    // unusable and showing it faults again, the handler ends the process at once.
    try {
        messages.Show(nullptr, MessageBoxes::Message(message, MessageBoxes::Icon::Stop));
    } catch (...) {
    }
    std::_Exit(1);
}

}  // namespace Linewright::Gui
