#pragma once

#include <vector>

namespace Linewright::Samples {

// How a player drives a lap of a track made of straights and arcs: flat out on the straights,
// braking for each bend to the speed its radius allows, slowest through it, accelerating out;
// from the outside of the track into the apex on the inside and out again. Longitudes are
// metres from the start line, times seconds; distances count on past the start line lap after lap.
class LapProfile {
public:
    struct Piece {
        double length = 0.0;  // metres along the reference line
        double radius = 0.0;  // 0 for a straight
        double angle = 0.0;   // radians; the inside of a positive turn lies at negative offsets
    };

    // topSpeed in m/s; grip is the sideways acceleration a bend allows, m/s²; halfWidth how far
    // either side of the reference line the car goes.
    LapProfile(const std::vector<Piece>& pieces, double topSpeed, double grip, double halfWidth);

    double GetLength() const { return length; }
    double GetLapTime() const { return times.back(); }
    // When the car, having crossed the start line at 0 s, has covered distance.
    double TimeAt(double distance) const;
    // The distance covered at time, the inverse of TimeAt.
    double DistanceAt(double time) const;
    double SpeedAt(double longitude) const;
    double LateralAt(double longitude) const;  // metres, positive to the left
    double AngleAt(double longitude) const;    // radians, of the car to the track

private:
    struct Bend {
        double apex;  // longitude of its middle
        double reach; // from the apex to where the car is furthest out
        int side;     // the sign of the offsets on its inside
    };

    double length = 0.0;
    double halfWidth;
    std::vector<double> speeds;  // every step metres from the start line, the last at length
    std::vector<double> times;   // when each of those is reached
    std::vector<Bend> bends;
};

}  // namespace Linewright::Samples
