#pragma once

#include "Papy/Tracks/Trk/TrkFixedPoint.h"

// The units in which the LP formats store speeds and space their records.
namespace Tessel::Papy::LpUnits {

// The GPL and N4 formats store the speeds and the angle rate as 1/36 of metres and radians per
// second.
inline constexpr double rateScale = 36.0;
// Both space their records 3 m apart by default; GPL keeps 1/3 in single precision, whose
// reciprocal rounds back to exactly 3.
inline constexpr double spacing = 3.0;
inline constexpr float gplRecordsPerMetre = 1.0f / 3.0f;
// The ICR2 format stores speeds in steps of 15 track units per second and spaces its records
// 65536 track units apart.
inline constexpr double icr2SpeedUnit = 15 * TrackUnitMetres;
inline constexpr double icr2Spacing = 65536 * TrackUnitMetres;

}  // namespace Tessel::Papy::LpUnits
