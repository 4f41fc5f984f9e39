#include "Papy/Tracks/Trk/TrkFixedPoint.h"

#include "Util/Exception.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

namespace Tessel::Papy {

namespace {

// Angle units per radian.
constexpr double AnglePerRadian = 683565275.5768453;

// Truncates toward zero, wrapping to 32 bits; the argument lies within +-2^62.
std::int32_t TruncateWrapped(double value) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(value));
}

}  // namespace

std::int32_t Fraction(std::int32_t dividend, std::int32_t divisor) {
    TESSEL_CHECK(divisor > 0);
    TESSEL_CHECK(dividend <= divisor);
    return static_cast<std::int32_t>((static_cast<std::int64_t>(dividend) << 30) / divisor);
}

std::int32_t GradeOf(std::int32_t numerator, std::int32_t length) {
    TESSEL_CHECK(length > 0);
    return static_cast<std::int32_t>(static_cast<std::int64_t>(numerator) * GradeOne / length);
}

std::int32_t AngleOf(std::int32_t dy, std::int32_t dx) {
    // atan2 reaches pi, one unit past the 32-bit range: it wraps to the same heading.
    return TruncateWrapped(std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * AnglePerRadian);
}

std::int32_t SinFixed(std::int32_t angle) {
    return static_cast<std::int32_t>(std::sin(ToRadians(angle)) * FixedOne);
}

std::int32_t CosFixed(std::int32_t angle) {
    return static_cast<std::int32_t>(std::cos(ToRadians(angle)) * FixedOne);
}

std::int32_t ToUnits(double metres) {
    const double units = std::trunc(metres / TrackUnitMetres);
    // Written so that a NaN fails too.
    if (!(units >= -2147483648.0 && units <= 2147483647.0)) {
        std::ostringstream text;
        text << metres << " m is out of the range of a track";
        throw Util::XUsage(text.str());
    }
    return static_cast<std::int32_t>(units);
}

double GradeToSlope(std::int32_t grade) {
    return std::asin(std::clamp(static_cast<double>(grade) / GradeOne, -1.0, 1.0));
}

}  // namespace Tessel::Papy
