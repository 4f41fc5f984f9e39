#include "Util/XProcessorException.h"

namespace Tessel::Util {

std::string XProcessorException::GetMessageText() const { return std::string(text.View()); }

}  // namespace Tessel::Util
