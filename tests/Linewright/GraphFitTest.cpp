#include "Linewright/GraphFit.h"

#include <gtest/gtest.h>

using Linewright::GraphFit;

TEST(GraphFit, DistanceTicksAreRoundAndFit) {
    const struct {
        double lapEnd;
        int most;
        std::vector<double> ticks;
    } cases[] = {
        {1599.0, 9, {0, 200, 400, 600, 800, 1000, 1200, 1400}},
        {1600.0, 9, {0, 200, 400, 600, 800, 1000, 1200, 1400, 1600}},
        {5800.0, 4, {0, 2000, 4000}},
        {4.5, 10, {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5}},
        {3000.0, 1, {0}},
        {0.0, 5, {0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GraphFit::DistanceTicks(c.lapEnd, c.most), c.ticks) << c.lapEnd << " " << c.most;
}

TEST(GraphFit, LongitudeAtAViewXInvertsToView) {
    const GraphFit fit(2000.0, 0.0, 10.0, {40, 0, 400, 100});
    for (const double longitude : {0.0, 123.0, 2000.0})
        EXPECT_NEAR(fit.ToLongitude(fit.ToView(longitude, 5.0).x), longitude, 1e-9);
}
