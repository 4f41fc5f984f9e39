#include "Papy/Track.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Tessel::Papy {
namespace {

// A track whose points follow a helix of longitude, so that every field differs.
class HelixTrack : public Track {
public:
    double GetLength() const override { return 100.0; }
    double Get2DLength() const override { return 100.0; }
    double Get3DLongitude(double longitude) const override { return longitude; }
    std::uint32_t GetSegmentCount() const override { return 0; }
    std::shared_ptr<TrackSegment> GetSegment(std::uint32_t) const override { return nullptr; }
    double GetSegmentLongitude(std::uint32_t) const override { return 0.0; }
    double GetSegment2DLongitude(std::uint32_t) const override { return 0.0; }
    std::shared_ptr<TrackSegment> FindSegment(double, double& offset) const override {
        offset = 0.0;
        return nullptr;
    }
    TrackPoint GetPoint(double longitude, double lateral) const override {
        return {std::cos(longitude) + lateral, std::sin(longitude), longitude / 10.0,
                longitude + lateral, 0.25, -0.5, 3};
    }
    void Write(const std::shared_ptr<Util::BinaryStream>&) const override {}
};

TEST(Track, PositionAndHeadingComeFromThePoint) {
    const HelixTrack track;
    for (const double longitude : {-3.0, 0.0, 1.5, 42.0}) {
        const TrackPoint point = track.GetPoint(longitude, 2.5);
        double x = 0.0, y = 0.0, z = 0.0;
        track.GetPosition(longitude, 2.5, x, y, z);
        EXPECT_EQ(x, point.x);
        EXPECT_EQ(y, point.y);
        EXPECT_EQ(z, point.z);
        EXPECT_EQ(track.GetHeading(longitude), track.GetPoint(longitude, 0.0).heading);
    }
}

}  // namespace
}  // namespace Tessel::Papy
