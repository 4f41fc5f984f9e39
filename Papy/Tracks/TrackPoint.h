#pragma once

#include <cstdint>

namespace Tessel::Papy {

// A point of a track surface as the track model reports it: world coordinates in metres,
// angles in radians and the kind of surface found there.
struct TrackPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;          // altitude
    double heading = 0.0;    // direction of travel: (cos, sin) in the x/y plane
    double pitch = 0.0;      // slope along the direction of travel, positive uphill
    double bank = 0.0;       // slope across the track
    std::int32_t surface = 0;  // surface kind, see TrackFSection
};

}  // namespace Tessel::Papy
