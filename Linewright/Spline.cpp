#include "Linewright/Spline.h"

#include "Util/Exception.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace Linewright {

namespace {

// Newton's method converges in a handful of steps on a monotonic segment; this many without
// settling means it never will.
constexpr int MaxNewtonSteps = 50;
constexpr double NewtonTolerance = 1e-10;

}  // namespace

double SplineValue(double y0, double dy, double M0, double M1, double t) {
    const double c3 = (M1 - M0) / 6.0;
    const double c2 = M0 * 0.5;
    const double c1 = dy - (M0 + M0 + M1) / 6.0;
    return ((c3 * t + c2) * t + c1) * t + y0;
}

double SplineSlope(double dy, double M0, double M1, double t) {
    const double d2 = (M1 - M0) * 0.5;
    const double d1 = M0;
    const double d0 = dy - (M0 + M0 + M1) / 6.0;
    return (d2 * t + d1) * t + d0;
}

double SplineInverse(double y0, double dy, double M0, double M1, double target, double start) {
    double t = start;
    for (int step = 0; step < MaxNewtonSteps; ++step) {
        const double slope = SplineSlope(dy, M0, M1, t);
        if (slope == 0.0 || !std::isfinite(slope))
            break;
        const double next = t - (SplineValue(y0, dy, M0, M1, t) - target) / slope;
        if (!(std::abs(next - t) >= NewtonTolerance))
            return next;  // settled (a NaN step falls through here and is returned as NaN)
        t = next;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double WrapAngle(double a, double b) {
    const double difference = a - b;
    if (difference > std::numbers::pi)
        return difference - 2.0 * std::numbers::pi;
    if (difference < -std::numbers::pi)
        return difference + 2.0 * std::numbers::pi;
    return difference;
}

BandedMatrix SplineMatrix(std::size_t n) {
    BandedMatrix A(n, n, 1, 1);
    for (std::size_t i = 0; i < n; ++i) {
        A(i, i) = 2.0 / 3.0;
        if (i > 0)
            A(i, i - 1) = 1.0 / 6.0;
        if (i + 1 < n)
            A(i, i + 1) = 1.0 / 6.0;
    }
    return A;
}

void SolveTridiagonal(const BandedMatrix& input_matrix_A, const Vector& vector_b, Vector& vector_x) {
    const std::size_t n = vector_b.size();
    TESSEL_CHECK(input_matrix_A.size1() == n);
    TESSEL_CHECK(input_matrix_A.size2() == n);
    TESSEL_CHECK(vector_x.size() == n);
    if (n == 0)
        return;
    BandedMatrix matrix_A = input_matrix_A;
    Vector b = vector_b;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        TESSEL_CHECK(matrix_A(i, i) != 0.0);
        matrix_A(i, i + 1) = matrix_A(i, i + 1) / matrix_A(i, i);
        b[i] = b[i] / matrix_A(i, i);
        matrix_A(i + 1, i + 1) = matrix_A(i + 1, i + 1) - matrix_A(i, i + 1) * matrix_A(i + 1, i);
        b[i + 1] = b[i + 1] - matrix_A(i + 1, i) * b[i];
    }
    vector_x[n - 1] = b[n - 1] / matrix_A(n - 1, n - 1);
    for (std::size_t i = n - 1; i >= 1; --i)
        vector_x[i - 1] = b[i - 1] - vector_x[i] * matrix_A(i - 1, i);
}

}  // namespace Linewright
