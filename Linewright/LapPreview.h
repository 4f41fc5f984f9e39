#pragma once

#include "Linewright/LapList.h"
#include "Linewright/SpeedScale.h"

#include <optional>
#include <string>
#include <vector>

namespace Tessel::Papy {
class FileFactory;
class LpFile;
class RpyFile;
class Track;
}  // namespace Tessel::Papy

// What the preview of a lap shows before it is converted: the track's outline, the racing line
// that the conversion would write, and the line of an LP of the same type already in the track
// folder. Works on any track through the track model alone; shared by the window and the SVG.
namespace Linewright {

// World coordinates in the horizontal plane, metres.
struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

// The outer boundaries of the track's surface strips, sampled along the whole lap; the first
// point is repeated at the end, so each edge is a closed loop.
struct TrackOutline {
    std::vector<PlanePoint> left;
    std::vector<PlanePoint> right;
};

// One LP record placed on the track.
struct LinePoint {
    double longitude = 0.0;  // metres from the start line; past the track length for the last records
    double lateral = 0.0;    // metres, positive to the left
    double speed = 0.0;      // metres per second
    PlanePoint position;
};

// Where two lines lie furthest apart sideways.
struct LineGap {
    double gap = 0.0;        // metres, new line minus existing line
    double longitude = 0.0;  // metres from the start line
};

struct LapPreview {
    TrackOutline outline;
    std::vector<LinePoint> line;      // the new LP's records
    std::vector<LinePoint> existing;  // the records of <type>.lp in the track folder; empty when none
    std::string comparison;           // one line on how the two differ; empty without an existing LP
};

struct ValueRange {
    double low = 0.0;
    double high = 0.0;
};

// The colours of the line, spanning its speeds.
SpeedScale GetSpeedScale(const std::vector<LinePoint>& line);
// Of both lines together, for graphs that show them side by side.
ValueRange GetSpeedRange(const LapPreview& preview);
ValueRange GetLateralRange(const LapPreview& preview);
// The longitude of the last record of either line.
double GetLapEnd(const LapPreview& preview);

// The edges every step metres at most and at every segment's start.
TrackOutline OutlineTrack(const Tessel::Papy::Track& track, double step = 2.0);

// The LP's records on the track.
std::vector<LinePoint> TraceLine(const Tessel::Papy::LpFile& lp, const Tessel::Papy::Track& track);

// The largest sideways gap between the lines, existing taken at each of line's longitudes
// (linear between its records); empty when the lines share no longitude.
std::optional<LineGap> FindLargestGap(const std::vector<LinePoint>& line, const std::vector<LinePoint>& existing);

// "Largest lateral gap to the existing race.lp: 1.25 m at 412 m from the start line".
std::string DescribeGap(const std::string& type, const LineGap& gap);

// Converts the lap into a new LP of type (nothing is written) and places it, with the existing
// LP of that type, on the track of the factory's directory (or the one at trackPath, as
// MakeTrackOfDirectory). Throws what ConvertToNewLp throws;
// an existing LP that cannot be read is named in the comparison instead.
LapPreview MakeLapPreview(Tessel::Papy::FileFactory& trackFactory, const Tessel::Papy::RpyFile& replay,
                          const LapRef& lap, const std::string& type, const std::string& trackPath = "");

}  // namespace Linewright
