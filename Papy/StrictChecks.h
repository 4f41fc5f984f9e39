#pragma once

namespace Tessel::Papy {

// The process-wide switch for the extra checks that some readers make (names longer than
// 8.3 in ICR2 archives, for one). Off until someone turns it on; not thread-safe.
bool& StrictChecks();

}  // namespace Tessel::Papy
