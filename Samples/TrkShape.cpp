#include "Samples/TrkShape.h"

#include <cmath>
#include <numbers>

namespace Linewright::Samples {

namespace {

constexpr double Unit = 5.08e-05;  // metres per track unit
constexpr double Turn = 2.0 * std::numbers::pi;

// Angle units: 2^32 per turn, as a signed 32-bit value.
std::int32_t Angle(double radians) {
    const double turns = radians / Turn;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(
        std::llround((turns - std::floor(turns)) * 4294967296.0))));
}

std::int32_t Fixed(double value) { return static_cast<std::int32_t>(std::lround(value * 1073741824.0)); }

// The altitude of the reference line (lateral 0), interpolated between the lines around it.
double ReferenceAltitudeSlope(const TrkShape& shape, const std::vector<TrkAltitude>& altitudes, double f) {
    const auto slope = [&](std::size_t k) {
        const TrkAltitude& c = altitudes[k];
        return c[1] + 2.0 * c[2] * f + 3.0 * c[3] * f * f;
    };
    const std::vector<double>& offsets = shape.xSectionOffsets;
    std::size_t k = 0;
    while (k + 1 < offsets.size() && offsets[k + 1] <= 0.0)
        ++k;
    if (k + 1 >= offsets.size() || offsets[k] > 0.0)
        return slope(k);
    const double t = -offsets[k] / (offsets[k + 1] - offsets[k]);
    return slope(k) + t * (slope(k + 1) - slope(k));
}

// The surface length: the integral of sqrt(h^2 + a'(f)^2) over the piece, by Simpson's rule.
double SurfaceLength(const TrkShape& shape, const TrkPiece& piece, const std::vector<TrkAltitude>& altitudes) {
    const double h = piece.Get2DLength();
    const int steps = 1000;
    double sum = 0.0;
    for (int i = 0; i <= steps; ++i) {
        const double slope = ReferenceAltitudeSlope(shape, altitudes, static_cast<double>(i) / steps);
        const double weight = (i == 0 || i == steps) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
        sum += weight * std::sqrt(h * h + slope * slope);
    }
    return sum / (3.0 * steps);
}

std::vector<TrkBoundary> BoundariesOf(const TrkPiece& piece) {
    if (!piece.boundaries.empty())
        return piece.boundaries;
    return {{-8.0, -8.0, 1, false, 0, 0, 0}, {8.0, 8.0, 1, false, 0, 0, 0}};
}

}  // namespace

TrkAltitude SmoothAltitude(double a0, double a1) { return {a0, 0.0, 3.0 * (a1 - a0), -2.0 * (a1 - a0)}; }

double TrkPiece::Get2DLength() const { return IsArc() ? radius * std::fabs(angle) : length; }

double TrkShape::Get2DLength() const {
    double total = 0.0;
    for (const TrkPiece& piece : pieces)
        total += piece.Get2DLength();
    return total;
}

TrkShape RingShape() {
    TrkShape shape;
    shape.xSectionOffsets = {0.0};
    for (int i = 0; i < 4; ++i)
        shape.pieces.push_back(TrkPiece::Arc(50.0, std::numbers::pi / 2.0));
    return shape;
}

std::int32_t TrkUnits(double metres) { return static_cast<std::int32_t>(std::lround(metres / Unit)); }

TrkLayout LayOutTrk(const TrkShape& shape) {
    const auto lineCount = static_cast<std::int32_t>(shape.xSectionOffsets.size());
    TrkLayout layout;
    double x = shape.startX, y = shape.startY, heading = shape.startHeading;
    for (const TrkPiece& piece : shape.pieces) {
        std::vector<TrkAltitude> altitudes = piece.altitudes;
        altitudes.resize(shape.xSectionOffsets.size(), TrkAltitude{});
        const std::int32_t length = TrkUnits(SurfaceLength(shape, piece, altitudes));
        const std::vector<TrkBoundary> own = BoundariesOf(piece);
        TrkLayout::Section section{piece.IsArc() ? 2 : 1, layout.trackLength, length, Angle(heading), piece.flags,
                                   0, 0, 0, 0, piece.extra, static_cast<std::int32_t>(layout.lines.size()),
                                   static_cast<std::int32_t>(own.size()),
                                   static_cast<std::int32_t>(layout.boundaries.size())};
        const double side = piece.angle >= 0.0 ? 1.0 : -1.0;  // the centre lies on the turn's side
        const double centreX = x - side * piece.radius * std::sin(heading);
        const double centreY = y + side * piece.radius * std::cos(heading);
        if (piece.IsArc()) {
            section.a = TrkUnits(centreX);
            section.b = TrkUnits(centreY);
            section.c = Angle(piece.angle / 2.0);
        } else {
            section.a = Fixed(std::cos(heading));
            section.b = Fixed(std::sin(heading));
            section.c = Fixed(-std::sin(heading));
            section.d = Fixed(std::cos(heading));
        }
        for (std::int32_t k = 0; k < lineCount; ++k) {
            const double offset = shape.xSectionOffsets[k];
            const TrkAltitude& c = altitudes[k];
            TrkLayout::Line line{TrkUnits(c[0]), TrkUnits(c[1]), TrkUnits(c[2]), TrkUnits(c[3]), 0, 0};
            if (piece.IsArc()) {
                line.position = TrkUnits(side * piece.radius - offset);
            } else {
                line.position = TrkUnits(x - offset * std::sin(heading));
                line.y = TrkUnits(y + offset * std::cos(heading));
            }
            layout.lines.push_back(line);
        }
        layout.boundaries.insert(layout.boundaries.end(), own.begin(), own.end());
        layout.sections.push_back(section);
        layout.trackLength += length;
        if (piece.IsArc()) {
            heading += piece.angle;
            x = centreX + side * piece.radius * std::sin(heading);
            y = centreY - side * piece.radius * std::cos(heading);
        } else {
            x += piece.length * std::cos(heading);
            y += piece.length * std::sin(heading);
        }
    }
    return layout;
}

}  // namespace Linewright::Samples
