#pragma once

#include <csignal>
#include <ucontext.h>

namespace Tessel::Util {

// A signal's context, and its record for a processor exception (null for abort and terminate).
struct FaultState {
    const ucontext_t& context;
    const siginfo_t* signal;
};

}  // namespace Tessel::Util
