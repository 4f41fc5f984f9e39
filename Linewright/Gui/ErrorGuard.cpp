#include "Linewright/Gui/ErrorGuard.h"

#include "Linewright/Gui/MessageBoxes.h"
#include "Linewright/Gui/Resources.h"
#include "Util/Exception.h"

#include <exception>

namespace Linewright::Gui {

bool RunGuarded(MessageBoxes& messages, QWidget* owner, const std::function<void()>& work,
                const DescribeFailure& describe, MessageBoxes::Answer* answer) {
    MessageBoxes::Message message({}, MessageBoxes::Icon::Warning);
    try {
        work();
        return true;
    } catch (const Tessel::Util::Exception& exception) {
        message.text = QString::fromStdString(exception.GetMessageText());
        if (describe)
            describe(exception, message);
    } catch (const std::exception& exception) {
        message.text = QString::fromLocal8Bit(exception.what());
    } catch (...) {
        message.text = Resources::UnknownException.text;
    }
    const auto answered = messages.Show(owner, message);
    if (answer)
        *answer = answered;
    return false;
}

}  // namespace Linewright::Gui
