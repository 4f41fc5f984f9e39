#include "Papy/Factory/StrictChecks.h"

namespace Tessel::Papy {

namespace {

bool& StrictChecks() {
    static bool on = false;
    return on;
}

}  // namespace

bool IsStrictChecks() { return StrictChecks(); }

void SetStrictChecks(bool on) { StrictChecks() = on; }

}  // namespace Tessel::Papy
