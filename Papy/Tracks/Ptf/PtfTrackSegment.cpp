#include "Papy/Tracks/Ptf/PtfTrackSegment.h"

#include "Papy/Objects/ThreeDObjectWSection.h"
#include "Papy/Objects/ThreeDObjectXSection.h"
#include "Papy/Tracks/Ptf/PtfTrackFSection.h"
#include "Papy/Tracks/Ptf/PtfTrackWSection.h"
#include "Papy/Tracks/Ptf/PtfTrackXSection.h"
#include "Papy/Tracks/TrackPartAt.h"
#include "Util/Exception.h"

#include <cmath>

namespace Tessel::Papy {

namespace {

PtfSegmentGeometry GeometryOf(const ThreeDObjectTrackSegment& node) {
    return PtfSegmentGeometry(node.IsCurve(), node.GetStartX(), node.GetStartY(), node.GetStartHeading(),
                              node.GetEndX(), node.GetEndY(), node.GetEndHeading());
}

double Between(double start, double end, double t) { return start * (1.0 - t) + end * t; }

}  // namespace

PtfTrackSegment::PtfTrackSegment(std::shared_ptr<TdoFile> tdoFile, std::shared_ptr<ThreeDObjectTrackSegment> segment,
                                 const std::string& fileName)
    : file(std::move(tdoFile)), node(std::move(segment)), geometry(GeometryOf(*node)) {
    if (node->GetXSectionCount() == 0)
        throw Util::XFileFormat(fileName, "N4 ptf TrackSegment without X section");
    if (node->GetFSectionCount() == 0)
        throw Util::XFileFormat(fileName, "N4 ptf TrackSegment without F section");
    for (std::uint32_t j = 0; j < node->GetFSectionCount(); ++j)
        boundaries.push_back(node->GetFSection(j));
    for (std::size_t j = 0; j + 1 < boundaries.size(); ++j)
        fSections.push_back(std::make_shared<PtfTrackFSection>(file, boundaries[j], boundaries[j + 1]));
    for (std::uint32_t w = 0; w < node->GetWSectionCount(); ++w)
        wSections.push_back(std::make_shared<PtfTrackWSection>(file, node->GetWSection(w)));
    for (std::uint32_t k = 0; k < node->GetXSectionCount(); ++k)
        xSections.push_back(std::make_shared<PtfTrackXSection>(file, node->GetXSection(k)));
}

void PtfTrackSegment::GetArc(double& centreX, double& centreY, double& radius, double& angle) const {
    const PtfSegmentGeometry::Arc& arc = geometry.GetArc();
    centreX = arc.centreX;
    centreY = arc.centreY;
    radius = arc.radius;
    angle = arc.angle;
}

std::shared_ptr<TrackXSection> PtfTrackSegment::GetXSection(std::uint32_t index) const {
    return TrackPartAt(xSections, index);
}

std::shared_ptr<TrackFSection> PtfTrackSegment::GetFSection(std::uint32_t index) const {
    return TrackPartAt(fSections, index);
}

std::shared_ptr<TrackWSection> PtfTrackSegment::GetWSection(std::uint32_t index) const {
    return TrackPartAt(wSections, index);
}

TrackPoint PtfTrackSegment::GetPoint(double offset, double lateral) const {
    const double length = Get2DLength();
    return Evaluate(length > 0.0 ? offset / length : 0.0, lateral);
}

TrackPoint PtfTrackSegment::Evaluate(double t, double lateral) const {
    TrackPoint point;
    point.heading = geometry.GetHeading(t);
    geometry.GetPosition(t, lateral, point.heading, point.x, point.y);
    EvaluateHeight(t, lateral, point);
    point.surface = GetSurfaceAt(t, lateral);
    return point;
}

void PtfTrackSegment::EvaluateHeight(double t, double lateral, TrackPoint& point) const {
    // k: the last line at or to the right of the lateral offset (or the first line).
    std::size_t k = 0;
    while (k + 1 < xSections.size() && lateral >= xSections[k + 1]->GetOffset(t))
        ++k;
    const PtfTrackXSection& line = *xSections[k];
    const bool between = k + 1 < xSections.size() && line.GetOffset(t) <= lateral;
    point.z = line.GetAltitude(t);
    double grade = line.GetGrade(t);
    if (between) {
        const PtfTrackXSection& next = *xSections[k + 1];
        const double width = next.GetOffset(t) - line.GetOffset(t);
        const double w = (lateral - line.GetOffset(t)) / width;
        const double rise = next.GetAltitude(t) - point.z;
        point.z += rise * w;
        grade += (next.GetGrade(t) - grade) * w;
        point.bank = std::atan2(rise, width);
    }
    // The grade is the altitude change over the whole segment, so the slope is its angle
    // against the segment's length (a segment of no length counts as level).
    const double length = Get2DLength();
    point.pitch = length > 0.0 ? std::atan(grade / length) : 0.0;
}

std::int32_t PtfTrackSegment::GetSurfaceAt(double t, double lateral) const {
    std::size_t j = 0;
    while (j + 1 < boundaries.size() && lateral >= Between(boundaries[j]->GetStartOffset(), boundaries[j]->GetEndOffset(), t))
        ++j;
    return static_cast<std::int32_t>(boundaries[j]->GetSurface()) - 1;
}

}  // namespace Tessel::Papy
