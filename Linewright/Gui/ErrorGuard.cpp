#include "Linewright/Gui/ErrorGuard.h"

#include "Linewright/Gui/MessageBoxes.h"
#include "Linewright/Gui/Resources.h"
#include "Util/Exception.h"

#include <exception>

namespace Linewright::Gui {

bool RunGuarded(MessageBoxes& messages, QWidget* owner, const std::function<void()>& work) {
    QString text;
    try {
        work();
        return true;
    } catch (const Tessel::Util::Exception& exception) {
        text = QString::fromStdString(exception.GetMessageText());
    } catch (const std::exception& exception) {
        text = QString::fromLocal8Bit(exception.what());
    } catch (...) {
        text = Resources::UnknownException.text;
    }
    messages.Show(owner, MessageBoxes::Message(text, MessageBoxes::Icon::Warning));
    return false;
}

}  // namespace Linewright::Gui
