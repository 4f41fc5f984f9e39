#include "Linewright/ConvertLap.h"

#include "Linewright/Spline.h"
#include "Util/Exception.h"

#include <vector>

namespace Linewright {

using Tessel::Papy::LpFile;
using Tessel::Papy::RpyFile;

namespace {

const char* const MarginMessage =
    "Replay lap contains insufficient margin either before or after the lap - "
    "leave at least ten metres either side";
const char* const UnrecordedMessage =
    "Replay lap window holds frames in which the car was not recorded - choose another lap";

struct LapSample {
    double longitude;  // continuous across the start line: below 0 before the lap, above the
                       // track length after it
    double lateral;
    double angle;
};

// The frames whose samples are fitted: from the one before the lap up to and including the
// first frame after the lap that lies past the last record.
struct Window {
    std::uint32_t first;
    std::uint32_t last;
};

// The replay's longitude wraps to 0 at the lap's end frame, so the frames after the lap are
// compared with how far the last record lies past the start line.
Window FindWindow(const RpyFile& replay, std::uint32_t driver, std::uint32_t lapFirst,
                  std::uint32_t lapEnd, double overshoot) {
    const std::uint32_t frameCount = replay.GetFrameCount();
    std::uint32_t last = lapEnd;
    while (last < frameCount && !(replay.GetLongitude(driver, last) > overshoot))
        ++last;
    if (lapFirst < 1 || std::uint64_t{last} + 1 >= frameCount)
        throw Tessel::Util::XUsage(MarginMessage);
    return {lapFirst - 1, last};
}

std::vector<LapSample> GatherSamples(const RpyFile& replay, std::uint32_t driver, Window window,
                                     std::uint32_t lapFirst, std::uint32_t lapEnd, double length) {
    std::vector<LapSample> samples;
    samples.reserve(window.last - window.first + 1);
    for (std::uint32_t frame = window.first; frame <= window.last; ++frame) {
        // An unrecorded frame stores longitude 0, which would silently bend the fitted line.
        if (!replay.IsSampleValid(driver, frame))
            throw Tessel::Util::XUsage(UnrecordedMessage);
        double longitude = replay.GetLongitude(driver, frame);
        if (frame < lapFirst)
            longitude -= length;
        else if (frame >= lapEnd)
            longitude += length;
        samples.push_back({longitude, replay.GetLateral(driver, frame), replay.GetAngle(driver, frame)});
    }
    return samples;
}

// The second derivatives of the three splines at the samples.
struct SplineFit {
    Vector longitude;
    Vector lateral;
    Vector angle;
};

// Free-end cubic splines with the knots one apart: the end rows have a zero right-hand side.
// The angle's differences are wrapped, so a jump across plus or minus pi counts as the small
// turn it is.
SplineFit FitSplines(const std::vector<LapSample>& samples) {
    const std::size_t n = samples.size();
    const BandedMatrix A = SplineMatrix(n);
    Vector longitude(n, 0.0), lateral(n, 0.0), angle(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const LapSample& before = samples[i - 1];
        const LapSample& here = samples[i];
        const LapSample& after = samples[i + 1];
        longitude[i] = (after.longitude - here.longitude) - (here.longitude - before.longitude);
        lateral[i] = (after.lateral - here.lateral) - (here.lateral - before.lateral);
        angle[i] = WrapAngle(after.angle, here.angle) - WrapAngle(here.angle, before.angle);
    }
    SplineFit fit{Vector(n), Vector(n), Vector(n)};
    SolveTridiagonal(A, longitude, fit.longitude);
    SolveTridiagonal(A, lateral, fit.lateral);
    SolveTridiagonal(A, angle, fit.angle);
    return fit;
}

// One quantity's spline between two neighbouring samples.
struct Segment {
    double y0;
    double dy;
    double M0;
    double M1;

    double Value(double t) const { return SplineValue(y0, dy, M0, M1, t); }
    double Slope(double t) const { return SplineSlope(dy, M0, M1, t); }
};

void SetRecords(const std::vector<LapSample>& samples, const SplineFit& fit, double frameInterval,
                LpFile& lp) {
    const std::size_t n = samples.size();
    const std::uint32_t recordCount = lp.GetRecordCount();
    // The first sample at or past the record; it only moves forward, as the records do.
    // record_index and dprop keep the names that the assertion texts print, so that a report
    // reads as the system's own; do not rename them.
    std::size_t record_index = 0;
    for (std::uint32_t record = 0; record < recordCount; ++record) {
        const double longitude = lp.GetRecordLongitude(record);
        while (record_index < n && longitude > samples[record_index].longitude)
            ++record_index;
        TESSEL_CHECK(record_index >= 1 && record_index < n);
        const std::size_t j = record_index;
        const LapSample& before = samples[j - 1];
        const LapSample& after = samples[j];
        const Segment lon{before.longitude, after.longitude - before.longitude, fit.longitude[j - 1],
                          fit.longitude[j]};
        const Segment lat{before.lateral, after.lateral - before.lateral, fit.lateral[j - 1],
                          fit.lateral[j]};
        const Segment ang{before.angle, WrapAngle(after.angle, before.angle), fit.angle[j - 1],
                          fit.angle[j]};
        const double start = (longitude - lon.y0) / lon.dy;
        const double dprop = SplineInverse(lon.y0, lon.dy, lon.M0, lon.M1, longitude, start);
        TESSEL_CHECK(dprop >= 0.0 && dprop <= 1.0);
        lp.SetRecordSpeed(record, lon.Slope(dprop) / frameInterval);
        lp.SetRecordLateralSpeed(record, lat.Slope(dprop) / frameInterval);
        lp.SetRecordAngleRate(record, ang.Slope(dprop) / frameInterval);
        lp.SetRecordLateral(record, lat.Value(dprop));
    }
}

}  // namespace

void ConvertLap(const RpyFile& replay, std::uint32_t table, std::uint32_t driver, std::uint32_t lap,
                const Tessel::Papy::Track& track, LpFile& lp) {
    const std::uint32_t lapFirst = replay.GetLapFirstFrame(table, driver, lap);
    const std::uint32_t lapEnd = replay.GetLapEndFrame(table, driver, lap);
    TESSEL_CHECK(lapFirst <= lapEnd);
    const double length = track.Get2DLength();
    const double overshoot = lp.GetRecordLongitude(lp.GetRecordCount() - 1) - length;
    const Window window = FindWindow(replay, driver, lapFirst, lapEnd, overshoot);
    const std::vector<LapSample> samples = GatherSamples(replay, driver, window, lapFirst, lapEnd, length);
    SetRecords(samples, FitSplines(samples), replay.GetFrameInterval(), lp);
}

}  // namespace Linewright
