#include "Linewright/LapPreview.h"

#include "Linewright/TrackDirectoryLps.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Tracks/Track.h"
#include "Util/Exception.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Linewright {

using namespace Tessel::Papy;

namespace {

// The outermost boundaries of the segment's surface strips at fraction of its length; the
// reference line when it has none.
std::pair<double, double> SurfaceExtent(const TrackSegment& segment, double fraction) {
    double left = 0.0;
    double right = 0.0;
    for (std::uint32_t i = 0; i < segment.GetFSectionCount(); ++i) {
        const auto strip = segment.GetFSection(i);
        const double stripLeft = strip->GetStartLeft() + (strip->GetEndLeft() - strip->GetStartLeft()) * fraction;
        const double stripRight = strip->GetStartRight() + (strip->GetEndRight() - strip->GetStartRight()) * fraction;
        left = i == 0 ? stripLeft : std::max(left, stripLeft);
        right = i == 0 ? stripRight : std::min(right, stripRight);
    }
    return {left, right};
}

PlanePoint PointAt(const Track& track, double longitude, double lateral) {
    const TrackPoint point = track.GetPoint(longitude, lateral);
    return {point.x, point.y};
}

// The existing line's lateral offset at longitude, linear between its records; cursor only
// moves forward, as the longitudes asked for do.
std::optional<double> LateralAt(const std::vector<LinePoint>& line, double longitude, std::size_t& cursor) {
    while (cursor + 1 < line.size() && line[cursor + 1].longitude < longitude)
        ++cursor;
    if (cursor + 1 >= line.size() || longitude < line[cursor].longitude)
        return std::nullopt;
    const LinePoint& a = line[cursor];
    const LinePoint& b = line[cursor + 1];
    return a.lateral + (b.lateral - a.lateral) * (longitude - a.longitude) / (b.longitude - a.longitude);
}

std::shared_ptr<LpFile> ReadExistingLp(FileFactory& trackFactory, const std::string& type) {
    const auto makeLp = trackFactory.GetFacet<MakeLp>();
    // What the factory keeps may be the new LP just created, or an older state of the file.
    makeLp->Purge();
    auto lp = makeLp->Make(type, "");
    // Shown beside the new line, the old file stays what Convert may replace.
    Tessel::Util::ForgetInputFile(GetLpOutputPath(trackFactory, type));
    return lp;
}

template <class Value>
ValueRange RangeOf(std::initializer_list<const std::vector<LinePoint>*> lines, Value value) {
    std::optional<ValueRange> range;
    for (const auto* line : lines) {
        for (const LinePoint& point : *line) {
            const double v = value(point);
            range = range ? ValueRange{std::min(range->low, v), std::max(range->high, v)} : ValueRange{v, v};
        }
    }
    return range.value_or(ValueRange{});
}

}  // namespace

SpeedScale GetSpeedScale(const std::vector<LinePoint>& line) {
    const ValueRange speeds = RangeOf({&line}, [](const LinePoint& point) { return point.speed; });
    return SpeedScale(speeds.low, speeds.high);
}

ValueRange GetSpeedRange(const LapPreview& preview) {
    return RangeOf({&preview.line, &preview.existing}, [](const LinePoint& point) { return point.speed; });
}

ValueRange GetLateralRange(const LapPreview& preview) {
    return RangeOf({&preview.line, &preview.existing}, [](const LinePoint& point) { return point.lateral; });
}

double GetLapEnd(const LapPreview& preview) {
    double end = 0.0;
    for (const auto* line : {&preview.line, &preview.existing})
        if (!line->empty())
            end = std::max(end, line->back().longitude);
    return end;
}

TrackOutline OutlineTrack(const Track& track, double step) {
    TrackOutline outline;
    for (std::uint32_t index = 0; index < track.GetSegmentCount(); ++index) {
        const auto segment = track.GetSegment(index);
        const double length = segment->Get2DLength();
        const int pieces = std::max(1, static_cast<int>(std::ceil(length / step)));
        const double start = track.GetSegment2DLongitude(index);
        for (int piece = 0; piece < pieces; ++piece) {
            const double fraction = static_cast<double>(piece) / pieces;
            const auto [left, right] = SurfaceExtent(*segment, fraction);
            outline.left.push_back(PointAt(track, start + fraction * length, left));
            outline.right.push_back(PointAt(track, start + fraction * length, right));
        }
    }
    if (!outline.left.empty()) {
        outline.left.push_back(outline.left.front());
        outline.right.push_back(outline.right.front());
    }
    return outline;
}

std::vector<LinePoint> TraceLine(const LpFile& lp, const Track& track) {
    const double length = track.Get2DLength();
    std::vector<LinePoint> line;
    line.reserve(lp.GetRecordCount());
    for (std::uint32_t record = 0; record < lp.GetRecordCount(); ++record) {
        const double longitude = lp.GetRecordLongitude(record);
        const double lateral = lp.GetRecordLateral(record);
        line.push_back({longitude, lateral, lp.GetRecordSpeed(record),
                        PointAt(track, std::fmod(longitude, length), lateral)});
    }
    return line;
}

std::optional<LineGap> FindLargestGap(const std::vector<LinePoint>& line, const std::vector<LinePoint>& existing) {
    std::optional<LineGap> largest;
    std::size_t cursor = 0;
    for (const LinePoint& point : line) {
        const auto other = LateralAt(existing, point.longitude, cursor);
        if (other && (!largest || std::abs(point.lateral - *other) > std::abs(largest->gap)))
            largest = LineGap{point.lateral - *other, point.longitude};
    }
    return largest;
}

std::string DescribeGap(const std::string& type, const LineGap& gap) {
    char text[160];
    std::snprintf(text, sizeof text, "Largest lateral gap to the existing %s.lp: %.2f m at %.0f m from the start line",
                  type.c_str(), std::abs(gap.gap), gap.longitude);
    return text;
}

LapPreview MakeLapPreview(FileFactory& trackFactory, const RpyFile& replay, const LapRef& lap,
                          const std::string& type, const std::string& trackPath) {
    const auto track = MakeTrackOfDirectory(trackFactory, trackPath);
    const auto lp = ConvertToNewLp(trackFactory, replay, lap, type, trackPath);
    LapPreview preview{OutlineTrack(*track), TraceLine(*lp, *track), {}, {}};
    if (!Tessel::Util::IsFile(GetLpOutputPath(trackFactory, type)))
        return preview;
    try {
        preview.existing = TraceLine(*ReadExistingLp(trackFactory, type), *track);
    } catch (const Tessel::Util::Exception& error) {
        preview.comparison = "The existing " + type + ".lp cannot be shown: " + error.GetMessageText();
        return preview;
    }
    const auto gap = FindLargestGap(preview.line, preview.existing);
    preview.comparison = gap ? DescribeGap(type, *gap) : "The existing " + type + ".lp shares no stretch with this lap";
    return preview;
}

}  // namespace Linewright
