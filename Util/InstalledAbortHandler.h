#pragma once

#include "Util/AbortHandler.h"

#include <atomic>

namespace Tessel::Util {

// The handler of the AbortHandlerScope in force, or null: set and cleared by each platform's
// scope, read by its fault handlers and by AbortHandler::Instance.
std::atomic<AbortHandler*>& InstalledAbortHandler();

}  // namespace Tessel::Util
