#pragma once

#include "Papy/Objects/ThreeDObjectWSection.h"
#include "Papy/Tracks/TrackWSection.h"

#include <memory>

namespace Tessel::Papy {

class TdoFile;

// A W-section node of a PTF file as a wall of the track model.
class PtfTrackWSection : public TrackWSection {
public:
    PtfTrackWSection(std::shared_ptr<TdoFile> file, std::shared_ptr<ThreeDObjectWSection> node)
        : file(std::move(file)), node(std::move(node)) {}

    double GetStartOffset() const override { return node->GetStartOffset(); }
    double GetEndOffset() const override { return node->GetEndOffset(); }
    double GetStartHeight() const override { return node->GetStartHeight(); }
    double GetEndHeight() const override { return node->GetEndHeight(); }
    double GetStartWidth() const override { return node->GetStartWidth(); }
    double GetEndWidth() const override { return node->GetEndWidth(); }
    std::int32_t GetType() const override { return static_cast<std::int32_t>(node->GetWallType()); }

private:
    std::shared_ptr<TdoFile> file;  // keeps the node's file alive
    std::shared_ptr<ThreeDObjectWSection> node;
};

}  // namespace Tessel::Papy
