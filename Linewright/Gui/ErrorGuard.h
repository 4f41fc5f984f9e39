#pragma once

#include "Linewright/Gui/MessageBoxes.h"

#include <functional>

namespace Tessel::Util {
class Exception;
}

namespace Linewright::Gui {

// Runs work inside the application's catch clauses, in this order: an exception of the Tessel
// family shows its message text, a standard-library exception its own text, anything else
// "An unknown exception occurred."; each in a box with the OK button, owned by owner.
// describe, when given, may add to the box of a Tessel exception (a line that explains it, a
// further button); answer, when given, receives what the box was answered. Returns whether
// work finished without an exception.
using DescribeFailure = std::function<void(const Tessel::Util::Exception&, MessageBoxes::Message&)>;
bool RunGuarded(MessageBoxes& messages, QWidget* owner, const std::function<void()>& work,
                const DescribeFailure& describe = {}, MessageBoxes::Answer* answer = nullptr);

}  // namespace Linewright::Gui
