// A minimal evaluation of v, h and s in regions 1 and 2 of IAPWS-IF97, for the
// benchmarks only: the floor that the library's (p, T) states are measured
// against. Each term's product n x^I y^J is formed once and serves the value and
// both first derivatives (times I and J, divided by x and y at the end); the
// terms are grouped by their power of x, as the tables are ordered by I. It rounds
// differently from the library and knows no range, no regions and no failures.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "if97/coefficients.h"
#include "if97/constants.h"
#include "if97/gibbs_tables.h"

namespace entalix::bench {

struct Vhs {
    double v;
    double h;
    double s;
};

// x^e for the exponents e a table needs, by a chain of products: x^1 to x^8 one
// by one, each further power from the largest one already held times one of
// those (with steps of x^8 across wide gaps). Negative exponents are the powers
// of 1/x.
constexpr int kBase = 8;
constexpr int kMaxSlots = 64;

struct Chain {
    int count = kBase + 1;
    int exponent[kMaxSlots]{};
    int left[kMaxSlots]{};
    int right[kMaxSlots]{};

    constexpr int slot(int e) const {
        for (int k = 0; k < count; ++k)
            if (exponent[k] == e) return k;
        return -1;
    }
    constexpr void add(int l, int r) {
        exponent[count] = exponent[l] + exponent[r];
        left[count] = l;
        right[count] = r;
        ++count;
    }
};

// The chain for the exponents sign * e > 0 of member in Table.
template <const auto& Table, int if97::IJn::*Member, int Sign>
constexpr Chain make_chain() {
    Chain c;
    for (int k = 0; k <= kBase; ++k) c.exponent[k] = k;
    for (int e = kBase + 1; e <= 64; ++e) {
        bool needed = false;
        for (const auto& row : Table) needed = needed || Sign * (row.*Member) == e;
        if (!needed) continue;
        for (int guard = 0; guard < 16 && c.slot(e) < 0; ++guard) {
            const int top = c.count - 1;
            if (e - c.exponent[top] <= kBase)
                c.add(top, e - c.exponent[top]);
            else
                c.add(top, kBase);
        }
    }
    return c;
}

template <const Chain& C>
struct ChainPowers {
    explicit ChainPowers(double x) {
        value[0] = 1.0;
        value[1] = x;
        for (int k = 2; k <= kBase; ++k) value[k] = value[k - 1] * x;
#if defined(__GNUC__)
#pragma GCC unroll 64
#endif
        for (int k = kBase + 1; k < C.count; ++k) value[k] = value[C.left[k]] * value[C.right[k]];
    }
    double value[kMaxSlots];
};

// sum n x^I y^J, and the same sums weighted by I and by J.
struct GroupedSums {
    double f = 0.0;
    double fi = 0.0;
    double fj = 0.0;
};

template <const auto& Table>
struct TableChains {
    static constexpr Chain x = make_chain<Table, &if97::IJn::I, 1>();
    static constexpr Chain y_up = make_chain<Table, &if97::IJn::J, 1>();
    static constexpr Chain y_down = make_chain<Table, &if97::IJn::J, -1>();
    // Per term, the slot of x^I and of y^J (in y_up, or in y_down as -1 - slot).
    static constexpr auto slots = [] {
        std::array<std::array<int, 2>, Table.size()> out{};
        for (std::size_t k = 0; k < Table.size(); ++k) {
            const int J = Table[k].J;
            out[k] = {x.slot(Table[k].I), J >= 0 ? y_up.slot(J) : -1 - y_down.slot(-J)};
        }
        return out;
    }();
};

template <const auto& Table>
GroupedSums grouped_sums(double x, double y) {
    using Chains = TableChains<Table>;
    const ChainPowers<Chains::x> xi(x);
    const ChainPowers<Chains::y_up> up(y);
    const ChainPowers<Chains::y_down> down(1.0 / y);
    GroupedSums out;
    double s = 0.0;
    double t = 0.0;
#if defined(__GNUC__)
#pragma GCC unroll 64
#endif
    for (std::size_t k = 0; k < Table.size(); ++k) {
        const int y_slot = Chains::slots[k][1];
        const double yJ = y_slot >= 0 ? up.value[y_slot] : down.value[-1 - y_slot];
        const double g = Table[k].n * yJ;
        s += g;
        t += Table[k].J * g;
        if (k + 1 == Table.size() || Table[k + 1].I != Table[k].I) {
            const double xI = xi.value[Chains::slots[k][0]];
            const double xs = xI * s;
            out.f += xs;
            out.fi += Table[k].I * xs;
            out.fj += xI * t;
            s = 0.0;
            t = 0.0;
        }
    }
    return out;
}

inline Vhs minimal_region1(double p, double T) {
    const double pi = p / 16.53;
    const double tau = 1386.0 / T;
    const double x = 7.1 - pi;
    const double y = tau - 1.222;
    const GroupedSums g = grouped_sums<if97::kRegion1>(x, y);
    const double rt = if97::kR * T;
    const double g_tau = g.fj / y;
    return {rt * pi * (-g.fi / x) / (1000.0 * p), rt * tau * g_tau, if97::kR * (tau * g_tau - g.f)};
}

inline Vhs minimal_region2(double p, double T) {
    const double tau = 540.0 / T;
    const double y = tau - 0.5;
    const GroupedSums r = grouped_sums<if97::kRegion2Residual>(p, y);
    const if97::Powers<-5, 3> t(tau);
    double ideal = std::log(p);
    double ideal_tau = 0.0;
    for (const if97::Jn& c : if97::kRegion2Ideal) {
        const double g = c.n * t[c.J];
        ideal += g;
        ideal_tau += c.J * g;
    }
    const double rt = if97::kR * T;
    const double tau_g_tau = ideal_tau + tau * r.fj / y;
    return {rt * (1.0 + r.fi) / (1000.0 * p), rt * tau_g_tau, if97::kR * (tau_g_tau - ideal - r.f)};
}

}  // namespace entalix::bench
