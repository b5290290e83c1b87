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
        fill_up(x, Hi, +1);
        if constexpr (Lo < 0) {
            fill_up(1.0 / x, 2 - Lo, -1);
        } else {
            values_[index(-1)] = 0.0;
            values_[index(-2)] = 0.0;
        }
    }
    double operator[](int k) const { return values_[index(k)]; }

private:
    static constexpr std::size_t index(int k) { return static_cast<std::size_t>(k - Lo + 2); }

    // x^1 .. x^top into the slots of sign * k: four interleaved chains of
    // multiplications by x^4, so that the products need not wait on each other.
    void fill_up(double x, int top, int sign) {
        const double x2 = x * x;
        const double step[4] = {x, x2, x2 * x, x2 * x2};
        for (int k = 1; k <= top && k <= 4; ++k) values_[index(sign * k)] = step[k - 1];
        for (int k = 5; k <= top; ++k) values_[index(sign * k)] = values_[index(sign * (k - 4))] * step[3];
    }
    // Every slot is written by the constructor.
    std::array<double, static_cast<std::size_t>(Hi - Lo + 3)> values_;
};

// w a b, where a factor known to be a zeroth power is left out: w times 1 is w
// to the last bit. Unrolled over a table the knowledge is a constant, and the
// choice costs nothing.
inline double product(double w, double a, bool a_is_one, double b, bool b_is_one) {
    const double wa = a_is_one ? w : w * a;
    return b_is_one ? wa : wa * b;
}

// sum of n x^I y^J over a table: the shape of every backward and boundary equation.
template <const auto& Table>
double power_sum(double x, double y) {
    constexpr int i_lo = min_exponent(Table, &IJn::I);
    constexpr int i_hi = max_exponent(Table, &IJn::I);
    constexpr int j_lo = min_exponent(Table, &IJn::J);
    constexpr int j_hi = max_exponent(Table, &IJn::J);
    const Powers<i_lo, i_hi> xi(x);
    const Powers<j_lo, j_hi> yj(y);
    // Two partial sums halve the chain of dependent additions.
    double sum[2] = {0.0, 0.0};
#if defined(__GNUC__)
#pragma GCC unroll 64
#endif
    for (std::size_t k = 0; k < Table.size(); ++k)
        sum[k & 1] += product(Table[k].n, xi[Table[k].I], Table[k].I == 0, yj[Table[k].J], Table[k].J == 0);
    return sum[0] + sum[1];
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

// A term of a basic equation with its derivative weights n i, n j, n i (i - 1),
// n j (j - 1) and n i j, worked out once at compile time.
struct Weighted {
    int I;
    int J;
    double n, ni, nj, nii, njj, nij;
};

template <std::size_t N>
constexpr std::array<Weighted, N> weighted(const std::array<IJn, N>& table) {
    std::array<Weighted, N> out{};
    for (std::size_t k = 0; k < N; ++k) {
        const double n = table[k].n;
        const double i = table[k].I;
        const double j = table[k].J;
        out[k] = {table[k].I, table[k].J, n, n * i, n * j, n * i * (i - 1.0), n * j * (j - 1.0), n * i * j};
    }
    return out;
}

// Which members of Derivatives a sum works out.
enum DerivativeSet : unsigned {
    kF = 1,
    kFa = 2,
    kFaa = 4,
    kFb = 8,
    kFbb = 16,
    kFab = 32,
    kAllDerivatives = 63,
    kThermalSet = kF | kFb | kFbb,             // h, s and cp of a Gibbs free energy
    kPressureSet = kFa | kFaa,                 // p and its slope of a Helmholtz free energy
    kVolumeHeatSet = kF | kFa | kFb,           // v (p), h and s of a Gibbs (Helmholtz) free energy
    kNewtonSet = kF | kFa | kFb | kFbb | kFab  // v, h, s, cp and alpha_v of a Gibbs free energy
};

// sum += term, the first term of a sum being its start.
inline void add_term(double& sum, bool& started, double term) {
    sum = started ? sum + term : term;
    started = true;
}

// The sum n x^I y^J with the derivatives Want asks for (the others stay zero),
// for the basic equations.
template <const auto& Table, unsigned Want = kAllDerivatives>
Derivatives derivative_sum(double x, double y) {
    static constexpr auto terms = weighted(Table);
    constexpr int i_lo = min_exponent(Table, &IJn::I);
    constexpr int i_hi = max_exponent(Table, &IJn::I);
    constexpr int j_lo = min_exponent(Table, &IJn::J);
    constexpr int j_hi = max_exponent(Table, &IJn::J);
    const Powers<i_lo, i_hi> xi(x);
    const Powers<j_lo, j_hi> yj(y);
    // Unrolled, every exponent is a constant and every power a fixed slot; two
    // partial sums halve the chains of dependent additions. A term whose weight
    // is zero (the derivative of a zeroth power) adds nothing and is left out.
    // Each sum starts from its first term rather than from zero: 0 + t is t for
    // every nonzero t, one addition fewer per sum.
    double f[2]{}, fa[2]{}, faa[2]{}, fb[2]{}, fbb[2]{}, fab[2]{};
    std::array<bool, 12> started{};
#if defined(__GNUC__)
#pragma GCC unroll 64
#endif
    for (std::size_t k = 0; k < terms.size(); ++k) {
        const Weighted& c = terms[k];
        const std::size_t q = k & 1;
        const double xI = xi[c.I];
        const double xI1 = xi[c.I - 1];
        const double yJ = yj[c.J];
        const double yJ1 = yj[c.J - 1];
        const bool i0 = c.I == 0, i1 = c.I == 1, i2 = c.I == 2;
        const bool j0 = c.J == 0, j1 = c.J == 1, j2 = c.J == 2;
        if constexpr ((Want & kF) != 0) add_term(f[q], started[q], product(c.n, xI, i0, yJ, j0));
        if constexpr ((Want & kFa) != 0)
            if (c.ni != 0.0) add_term(fa[q], started[2 + q], product(c.ni, xI1, i1, yJ, j0));
        if constexpr ((Want & kFaa) != 0)
            if (c.nii != 0.0) add_term(faa[q], started[4 + q], product(c.nii, xi[c.I - 2], i2, yJ, j0));
        if constexpr ((Want & kFb) != 0)
            if (c.nj != 0.0) add_term(fb[q], started[6 + q], product(c.nj, xI, i0, yJ1, j1));
        if constexpr ((Want & kFbb) != 0)
            if (c.njj != 0.0) add_term(fbb[q], started[8 + q], product(c.njj, xI, i0, yj[c.J - 2], j2));
        if constexpr ((Want & kFab) != 0)
            if (c.nij != 0.0) add_term(fab[q], started[10 + q], product(c.nij, xI1, i1, yJ1, j1));
    }
    const auto total = [&](const double(&part)[2], std::size_t which) {
        return started[which] ? (started[which + 1] ? part[0] + part[1] : part[0])
                              : (started[which + 1] ? part[1] : 0.0);
    };
    return {total(f, 0), total(fa, 2), total(faa, 4), total(fb, 6), total(fbb, 8), total(fab, 10)};
}

}  // namespace entalix::if97
