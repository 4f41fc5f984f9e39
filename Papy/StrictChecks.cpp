#include "Papy/StrictChecks.h"

namespace Tessel::Papy {

bool& StrictChecks() {
    static bool strict = false;
    return strict;
}

}  // namespace Tessel::Papy
