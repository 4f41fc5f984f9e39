#pragma once

// Run with this argument, the test program starts the application and divides by zero inside
// its event loop; the box that tells of the fault is answered and its text written to
// standard output.
inline constexpr const char* FaultChildArgument = "--divide-by-zero-in-event-loop";

int RunFaultChild(int argc, char* argv[]);
