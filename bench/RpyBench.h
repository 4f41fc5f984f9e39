#pragma once

// The benchmark program run with this argument and a replay's path prints the peak bytes of
// opening that replay and ends.
constexpr const char* ReplayOpeningArgument = "--measure-replay-opening";

int PrintPeakOfOpening(const char* path);
