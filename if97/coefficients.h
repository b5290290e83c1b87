// Shapes of the IAPWS-IF97 coefficient tables, and the power sums that evaluate them.
// Each table is typed as the releases print it: exponents I, J and coefficient n.
#pragma once

#include <array>
#include <cstddef>

namespace entalix::if97 {

struct IJn {
    int I;
    int J;
    double n;
};

struct Jn {
    int J;
    double n;
};

struct In {
    int I;
    double n;
};

template <typename Row, std::size_t N>
constexpr int min_exponent(const std::array<Row, N>& table, int Row::*member) {
    int lo = 0;
    for (const Row& row : table) lo = row.*member < lo ? row.*member : lo;
    return lo;
}

template <typename Row, std::size_t N>
constexpr int max_exponent(const std::array<Row, N>& table, int Row::*member) {
    int hi = 0;
    for (const Row& row : table) hi = row.*member > hi ? row.*member : hi;
    return hi;
}

// x^k for every k in [Lo - 2, Hi] by repeated multiplication, which is several
// times faster than pow per term; the two extra powers below Lo serve the second
// derivatives. A table without negative exponents (Lo = 0) may meet x = 0: its
// slots for -1 and -2 then hold zero, as they only ever meet the zero weights
// k and k(k-1) of the terms with k = 0 and 1, and zero keeps 0 * inf out of the sums.
template <int Lo, int Hi>
class Powers {
    static_assert(Lo <= 0 && Hi >= 0);

public:
    explicit Powers(double x) {
        values_[index(0)] = 1.0;
        for (int k = 1; k <= Hi; ++k) values_[index(k)] = values_[index(k - 1)] * x;
        if constexpr (Lo < 0) {
            const double inverse = 1.0 / x;
            for (int k = -1; k >= Lo - 2; --k) values_[index(k)] = values_[index(k + 1)] * inverse;
        } else {
            values_[index(-1)] = 0.0;
            values_[index(-2)] = 0.0;
        }
    }
    double operator[](int k) const { return values_[index(k)]; }

private:
    static constexpr std::size_t index(int k) { return static_cast<std::size_t>(k - Lo + 2); }
    std::array<double, static_cast<std::size_t>(Hi - Lo + 3)> values_{};
};

// sum of n x^I y^J over a table: the shape of every backward and boundary equation.
template <const auto& Table>
double power_sum(double x, double y) {
    constexpr int i_lo = min_exponent(Table, &IJn::I);
    constexpr int i_hi = max_exponent(Table, &IJn::I);
    constexpr int j_lo = min_exponent(Table, &IJn::J);
    constexpr int j_hi = max_exponent(Table, &IJn::J);
    const Powers<i_lo, i_hi> xi(x);
    const Powers<j_lo, j_hi> yj(y);
    double sum = 0.0;
    for (const IJn& c : Table) sum += c.n * xi[c.I] * yj[c.J];
    return sum;
}

// The dimensionless derivatives of a Gibbs free energy g(pi, tau) or of a Helmholtz
// free energy f(delta, tau): value, first and second derivatives by the first (a) and
// second (b) reduced variable.
struct Derivatives {
    double f = 0.0;
    double fa = 0.0;
    double faa = 0.0;
    double fb = 0.0;
    double fbb = 0.0;
    double fab = 0.0;
};

// The sum n x^I y^J with all its derivatives, for the basic equations.
template <const auto& Table>
Derivatives derivative_sum(double x, double y) {
    constexpr int i_lo = min_exponent(Table, &IJn::I);
    constexpr int i_hi = max_exponent(Table, &IJn::I);
    constexpr int j_lo = min_exponent(Table, &IJn::J);
    constexpr int j_hi = max_exponent(Table, &IJn::J);
    const Powers<i_lo, i_hi> xi(x);
    const Powers<j_lo, j_hi> yj(y);
    Derivatives d;
    for (const IJn& c : Table) {
        const double i = c.I;
        const double j = c.J;
        const double xI = xi[c.I];
        const double xI1 = xi[c.I - 1];
        const double yJ = yj[c.J];
        const double yJ1 = yj[c.J - 1];
        d.f += c.n * xI * yJ;
        d.fa += c.n * i * xI1 * yJ;
        d.faa += c.n * i * (i - 1.0) * xi[c.I - 2] * yJ;
        d.fb += c.n * j * xI * yJ1;
        d.fbb += c.n * j * (j - 1.0) * xI * yj[c.J - 2];
        d.fab += c.n * i * j * xI1 * yJ1;
    }
    return d;
}

}  // namespace entalix::if97
