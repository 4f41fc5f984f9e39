#pragma once

#include <windows.h>

namespace Tessel::Util {

// A thread's context at the fault, and the exception's record for a processor exception (null
// for abort and terminate).
struct FaultState {
    const CONTEXT& context;
    const EXCEPTION_RECORD* record;
};

}  // namespace Tessel::Util
