#include "testing/GPLTrkWriter.h"

#include <cmath>
#include <numbers>

namespace Linewright::Testing {

namespace {

constexpr double Unit = 5.08e-05;  // metres per track unit
constexpr double Turn = 2.0 * std::numbers::pi;

std::int32_t Units(double metres) { return static_cast<std::int32_t>(std::lround(metres / Unit)); }

// Angle units: 2^32 per turn, as a signed 32-bit value.
std::int32_t Angle(double radians) {
    const double turns = radians / Turn;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(
        std::llround((turns - std::floor(turns)) * 4294967296.0))));
}

std::int32_t Fixed(double value) { return static_cast<std::int32_t>(std::lround(value * 1073741824.0)); }

class Bytes {
public:
    void Put(std::int32_t value) {
        for (int i = 0; i < 4; ++i)
            text.push_back(static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xff));
    }
    std::string text;
};

struct Line {
    std::int32_t c0, c1, c2, c3;
    std::int32_t position, y;  // straight: x, y of the line at the start; arc: radius, 0
};

struct Section {
    std::int32_t type, start, length, heading, flags, a, b, c, d, extra, firstXSection, boundaryCount,
        firstBoundary;
};

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

std::string WriteGPLTrk(const TrkShape& shape) {
    const auto lineCount = static_cast<std::int32_t>(shape.xSectionOffsets.size());
    std::vector<Section> sections;
    std::vector<Line> lines;
    std::vector<TrkBoundary> boundaries;
    double x = shape.startX, y = shape.startY, heading = shape.startHeading;
    std::int32_t start = 0;
    for (const TrkPiece& piece : shape.pieces) {
        std::vector<TrkAltitude> altitudes = piece.altitudes;
        altitudes.resize(shape.xSectionOffsets.size(), TrkAltitude{});
        const std::int32_t length = Units(SurfaceLength(shape, piece, altitudes));
        const std::vector<TrkBoundary> own = BoundariesOf(piece);
        Section section{piece.IsArc() ? 2 : 1, start, length, Angle(heading), piece.flags, 0, 0, 0, 0,
                        piece.extra, static_cast<std::int32_t>(lines.size()), static_cast<std::int32_t>(own.size()),
                        static_cast<std::int32_t>(boundaries.size())};
        const double side = piece.angle >= 0.0 ? 1.0 : -1.0;  // the centre lies on the turn's side
        const double centreX = x - side * piece.radius * std::sin(heading);
        const double centreY = y + side * piece.radius * std::cos(heading);
        if (piece.IsArc()) {
            section.a = Units(centreX);
            section.b = Units(centreY);
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
            Line line{Units(c[0]), Units(c[1]), Units(c[2]), Units(c[3]), 0, 0};
            if (piece.IsArc()) {
                line.position = Units(side * piece.radius - offset);
            } else {
                line.position = Units(x - offset * std::sin(heading));
                line.y = Units(y + offset * std::cos(heading));
            }
            lines.push_back(line);
        }
        boundaries.insert(boundaries.end(), own.begin(), own.end());
        sections.push_back(section);
        start += length;
        if (piece.IsArc()) {
            heading += piece.angle;
            x = centreX + side * piece.radius * std::sin(heading);
            y = centreY - side * piece.radius * std::cos(heading);
        } else {
            x += piece.length * std::cos(heading);
            y += piece.length * std::sin(heading);
        }
    }

    Bytes out;
    const auto sectionCount = static_cast<std::int32_t>(sections.size());
    const auto boundaryCount = static_cast<std::int32_t>(boundaries.size());
    for (std::int32_t value : {0x5452414B, 3000, start, lineCount, sectionCount, 32 * boundaryCount, 52 * sectionCount})
        out.Put(value);
    for (std::int32_t k = 0; k < 16; ++k)
        out.Put(k < lineCount ? Units(shape.xSectionOffsets[k]) : 0);
    for (std::int32_t i = 0; i < sectionCount; ++i)
        out.Put(52 * i);
    for (const Line& line : lines) {
        for (std::int32_t value : {line.c3, line.c2, line.c1, line.c0, 3 * line.c3, 2 * line.c2, line.position, line.y})
            out.Put(value);
    }
    for (std::int32_t j = 0; j < boundaryCount; ++j) {
        const TrkBoundary& b = boundaries[j];
        // The file's last boundary, the right edge of the track, has kind 10.
        const std::int32_t kind = j + 1 == boundaryCount ? 10 : (b.code | (b.wall ? 0x800 : 0));
        for (std::int32_t value : {Units(b.start), Units(b.end), kind, b.attribute0, b.value, b.attribute1, 0, 0})
            out.Put(value);
    }
    for (const Section& s : sections) {
        for (std::int32_t value : {s.type, s.start, s.length, s.heading, s.flags, s.a, s.b, s.c, s.d, s.extra,
                                   s.firstXSection, s.boundaryCount, s.firstBoundary})
            out.Put(value);
    }
    return out.text;
}

TrkShape SampleTrkShape() {
    constexpr double pi = std::numbers::pi;
    const std::vector<TrkBoundary> edges = {
        {-12.0, -12.0, 2, true, Units(1.0), 0, 0},  // a wall on the right
        {-10.0, -10.0, 3, false, 7, 1, 2},          // grass
        {-8.0, -8.0, 2, false, 0, 0, 0},            // road
        {8.0, 8.0, 4, false, 0, 0, 0},              // gravel
        {10.0, 10.0, 5, true, Units(0.75), 0, 0},   // a wall on the left
        {12.0, 12.0, 1, false, 0, 0, 0}};
    TrkShape shape;
    shape.startX = 100.0;
    shape.startY = -50.0;
    shape.xSectionOffsets = {-12.0, -4.0, 0.0, 4.0, 12.0};
    const auto level = [&](double altitude) { return std::vector<TrkAltitude>(5, TrkAltitude{altitude, 0, 0, 0}); };
    // Quarter turns that climb (or fall) by 2 m each and bank by 0.05 m per metre midway.
    const auto turn = [&](double a0, double a1, bool banked) {
        TrkPiece piece = TrkPiece::Arc(100.0, pi / 2.0);
        for (double offset : shape.xSectionOffsets) {
            const double bankAtStart = banked ? 0.0 : 0.05 * offset;
            const double bankAtEnd = banked ? 0.05 * offset : 0.0;
            piece.altitudes.push_back(SmoothAltitude(a0 + bankAtStart, a1 + bankAtEnd));
        }
        return piece;
    };
    const auto straight = [&](double altitude) {
        TrkPiece piece = TrkPiece::Straight(200.0);
        piece.altitudes = level(altitude);
        return piece;
    };
    const auto chicaneArc = [&](double angle, double altitude) {
        TrkPiece piece = TrkPiece::Arc(80.0, angle);
        piece.altitudes = level(altitude);
        return piece;
    };
    shape.pieces = {straight(0.0),          chicaneArc(-pi / 6.0, 0.0), chicaneArc(pi / 6.0, 0.0),
                    straight(0.0),          turn(0.0, 2.0, true),        turn(2.0, 4.0, false),
                    straight(4.0),          chicaneArc(-pi / 6.0, 4.0), chicaneArc(pi / 6.0, 4.0),
                    straight(4.0),          turn(4.0, 2.0, true),        turn(2.0, 0.0, false)};
    for (TrkPiece& piece : shape.pieces)
        piece.boundaries = edges;
    shape.pieces[2].flags = 3;
    shape.pieces[5].extra = 42;
    return shape;
}

}  // namespace Linewright::Testing
