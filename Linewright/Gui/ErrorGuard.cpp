#include "Linewright/Gui/ErrorGuard.h"

#include "Linewright/Gui/MessageBoxes.h"
#include "Linewright/Gui/Resources.h"
#include "Util/Exception.h"

#include <exception>

namespace Linewright::Gui {

bool RunGuarded(MessageBoxes& messages, QWidget* owner, const std::function<void()>& work,
                const std::function<QString(const Tessel::Util::Exception&)>& explain) {
    MessageBoxes::Message message({}, MessageBoxes::Icon::Warning);
    try {
        work();
        return true;
    } catch (const Tessel::Util::Exception& exception) {
        message.text = QString::fromStdString(exception.GetMessageText());
        if (explain)
            message.detail = explain(exception);
    } catch (const std::exception& exception) {
        message.text = QString::fromLocal8Bit(exception.what());
    } catch (...) {
        message.text = Resources::UnknownException.text;
    }
    messages.Show(owner, message);
    return false;
}

}  // namespace Linewright::Gui
