#pragma once

#include <cstdint>

// The fixed-point arithmetic of the TRK track formats and their unit conversions.
// Track units: 0.0000508 m. Angle units: 2^32 per turn, sums wrap modulo 2^32.
// Fractions and unit vectors: 2^30 = 1.0. Grades: 8192 = a rise equal to the distance.
// Results that leave 32 bits wrap modulo 2^32, as the formats' own arithmetic does.
namespace Tessel::Papy {

inline constexpr double TrackUnitMetres = 5.08e-05;
inline constexpr std::int32_t FixedOne = 1 << 30;
inline constexpr std::int32_t GradeOne = 8192;

// (dividend * 2^30) / divisor, truncated toward zero. Asserts 0 < divisor and
// dividend <= divisor.
std::int32_t Fraction(std::int32_t dividend, std::int32_t divisor);

// (a * b) >> 30, rounding toward minus infinity.
inline std::int32_t FixedMultiply(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(a) * b) >> 30);
}

// (numerator * 8192) / length, truncated toward zero. Asserts 0 < length.
std::int32_t GradeOf(std::int32_t numerator, std::int32_t length);

// atan2(dy, dx) as an angle, truncated toward zero.
std::int32_t AngleOf(std::int32_t dy, std::int32_t dx);

// sin and cos of an angle, times 2^30, truncated toward zero.
std::int32_t SinFixed(std::int32_t angle);
std::int32_t CosFixed(std::int32_t angle);

// Sum and difference with the wrap-around of 32-bit hardware arithmetic.
inline std::int32_t WrapAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
inline std::int32_t WrapSubtract(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

inline double ToMetres(std::int32_t units) { return units * TrackUnitMetres; }

// Track units of a length in metres, truncated toward zero. Throws XUsage for a length
// that no 32-bit track unit count can hold (or that is not a number).
std::int32_t ToUnits(double metres);

inline double ToRadians(std::int32_t angle) { return angle * 1.462918079266274e-09; }

// The radians of twice a half angle (the doubling wraps like the angle itself).
inline double HalfToRadians(std::int32_t halfAngle) {
    return ToRadians(WrapAdd(halfAngle, halfAngle));
}

// The slope angle of a grade (altitude change per surface distance): asin(grade / 8192), held
// to a quarter turn. This is the pitch of a track point.
double GradeToSlope(std::int32_t grade);

}  // namespace Tessel::Papy
