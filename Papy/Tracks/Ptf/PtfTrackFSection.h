#pragma once

#include "Papy/Objects/ThreeDObjectFSection.h"
#include "Papy/Tracks/TrackFSection.h"

#include <memory>

namespace Tessel::Papy {

class TdoFile;

// The surface strip between two consecutive F-section nodes of a PTF segment. An F-section node
// is a lateral boundary carrying the surface kind (plus one) of the band on its right, so the
// strip's kind is its left boundary's.
class PtfTrackFSection : public TrackFSection {
public:
    PtfTrackFSection(std::shared_ptr<TdoFile> file, std::shared_ptr<ThreeDObjectFSection> right,
                     std::shared_ptr<ThreeDObjectFSection> left)
        : file(std::move(file)), right(std::move(right)), left(std::move(left)) {}

    double GetStartLeft() const override { return left->GetStartOffset(); }
    double GetEndLeft() const override { return left->GetEndOffset(); }
    double GetStartRight() const override { return right->GetStartOffset(); }
    double GetEndRight() const override { return right->GetEndOffset(); }
    std::int32_t GetType() const override { return static_cast<std::int32_t>(left->GetSurface()) - 1; }
    std::int32_t GetVariant() const override { return 0; }

private:
    std::shared_ptr<TdoFile> file;  // keeps the nodes' file alive
    std::shared_ptr<ThreeDObjectFSection> right;
    std::shared_ptr<ThreeDObjectFSection> left;
};

}  // namespace Tessel::Papy
