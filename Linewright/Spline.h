#pragma once

#include <boost/numeric/ublas/banded.hpp>
#include <boost/numeric/ublas/vector.hpp>

#include <memory>

// The cubic splines of the lap conversion. A segment runs between two samples one knot apart:
// the local parameter t goes from 0 at the first sample to 1 at the second, y0 is the first
// value, dy the change over the segment and M0, M1 the second derivatives at its ends.
namespace Linewright {

double SplineValue(double y0, double dy, double M0, double M1, double t);
// dS/dt: the change per knot, not per second.
double SplineSlope(double dy, double M0, double M1, double t);

// The t at which the segment's value equals target, by Newton's method from start. Returns NaN
// when the slope on the way is zero or not finite, or when the steps do not settle within a
// fixed bound (a car standing still over the target), so that a caller's check of 0 <= t <= 1
// refuses it.
double SplineInverse(double y0, double dy, double M0, double M1, double target, double start);

// a - b brought into -pi..pi by at most one correction of 2 pi.
double WrapAngle(double a, double b);

// uBLAS 1.74 still constructs its elements through allocator::construct, which C++20 took out of
// std::allocator; this allocator puts it back.
template <class T>
struct UblasAllocator : std::allocator<T> {
    using value_type = T;
    UblasAllocator() = default;
    template <class U>
    UblasAllocator(const UblasAllocator<U>&) {}
    template <class U>
    struct rebind {
        using other = UblasAllocator<U>;
    };
    void construct(T* place, const T& value) { ::new (static_cast<void*>(place)) T(value); }
    void destroy(T* place) { place->~T(); }
};

using UblasStorage = boost::numeric::ublas::unbounded_array<double, UblasAllocator<double>>;
// banded_matrix<double> and vector<double> over that allocator.
using BandedMatrix =
    boost::numeric::ublas::banded_matrix<double, boost::numeric::ublas::row_major, UblasStorage>;
using Vector = boost::numeric::ublas::vector<double, UblasStorage>;

// The n-by-n system of a cubic spline through n samples one knot apart with free ends: 2/3 on
// the diagonal and 1/6 beside it in every row, the first and the last included.
BandedMatrix SplineMatrix(std::size_t n);

// The parameter names are those the assertion texts print ("input_matrix_A.size1() == n");
// keep them. Solves input_matrix_A · vector_x = vector_b for a tridiagonal matrix (the Thomas algorithm,
// without pivoting); the inputs are left unchanged. Throws XAssertion when the sizes disagree or
// a pivot is exactly zero.
void SolveTridiagonal(const BandedMatrix& input_matrix_A, const Vector& vector_b, Vector& vector_x);

}  // namespace Linewright
