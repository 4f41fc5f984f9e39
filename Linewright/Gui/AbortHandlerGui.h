#pragma once

#include "Util/AbortHandler.h"

#include <QString>

namespace Linewright::Gui {

class MessageBoxes;

// Ends the application on a fault: writes the error file, tells the user where it is, on
// standard error and in a box with the stop icon, and exits with status 1.
class AbortHandlerGui : public Tessel::Util::AbortHandler {
public:
    explicit AbortHandlerGui(MessageBoxes& messages);
    [[noreturn]] void Report(const Tessel::Util::XProcessorException& exception) noexcept override;

private:
    MessageBoxes& messages;
    QString message;  // made up front: Report must not allocate before the error file is written
};

}  // namespace Linewright::Gui
