#pragma once

#include <functional>

class QString;
class QWidget;

namespace Tessel::Util {
class Exception;
}

namespace Linewright::Gui {

class MessageBoxes;

// Runs work inside the application's catch clauses, in this order: an exception of the Tessel
// family shows its message text, a standard-library exception its own text, anything else
// "An unknown exception occurred."; each in a box with the OK button, owned by owner.
// explain, when given, adds a line below the text of a Tessel exception. Returns whether work
// finished without an exception.
bool RunGuarded(MessageBoxes& messages, QWidget* owner, const std::function<void()>& work,
                const std::function<QString(const Tessel::Util::Exception&)>& explain = {});

}  // namespace Linewright::Gui
