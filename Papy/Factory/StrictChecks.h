#pragma once

namespace Tessel::Papy {

// The process-wide switch for the readers' extra checks (stored copies of derived values,
// archive member names). Off unless a caller turns it on; no command of the program does.
// Not thread-safe, like the rest of the program.
bool IsStrictChecks();
void SetStrictChecks(bool on);

}  // namespace Tessel::Papy
