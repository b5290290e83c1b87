// The wet band of the h-s chart from the fitted saturated states. The dome's
// edge at entropy s (h and T of the saturated state of that entropy) tells a
// wet pair (below it) from a single-phase one; inside, at saturation
// temperature T the wet states of entropy s lie on the straight line
// h = h' + (s - s') (h'' - h') / (s'' - s'), which rises with T: Newton in
// u = sqrt(1 - T/Tc) on that line from the edge toward the triple point,
// within a bracket that bisects.
#include "if97/dome.h"

#include <cmath>

#include "if97/constants.h"
#include "if97/dome_coefficients.h"

namespace entalix::if97 {
namespace {

constexpr int kMaxSteps = 30;
// Farther from the dome than this (kJ/kg) a pair is clearly wet or clearly
// single-phase: the fits keep h within 1e-5 kJ/kg.
constexpr double kEdge = 1e-3;

double temperature(double u) { return kTc * (1.0 - u * u); }

// Clenshaw's sum of c_k T_k(x) for the W series of a piece, with its slope in
// x (T_k' = k U_(k-1)) where asked.
template <int W, typename Piece>
void chebyshev(const Piece& piece, double x, double (&f)[W], double (*df)[W]) {
    double b1[W] = {}, b2[W] = {}, d1[W] = {}, d2[W] = {};
    for (int k = kDomeTerms - 1; k >= 1; --k) {
        for (int q = 0; q < W; ++q) {
            const double c = piece.c[k][q];
            const double b = 2.0 * x * b1[q] - b2[q] + c;
            b2[q] = b1[q];
            b1[q] = b;
            if (df) {
                const double d = 2.0 * x * d1[q] - d2[q] + k * c;
                d2[q] = d1[q];
                d1[q] = d;
            }
        }
    }
    for (int q = 0; q < W; ++q) {
        f[q] = piece.c[0][q] + x * b1[q] - b2[q];
        if (df) (*df)[q] = d1[q];
    }
}

// The saturated states h', s', h'', s'' at u and their slopes in u.
void saturated(double u, double (&f)[4], double (&df)[4]) {
    const DomePiece* piece = &kDomePieces.back();
    for (const DomePiece& candidate : kDomePieces)
        if (u <= candidate.u_hi) {
            piece = &candidate;
            break;
        }
    const double scale = 2.0 / (piece->u_hi - piece->u_lo);
    chebyshev<4>(*piece, (u - piece->u_lo) * scale - 1.0, f, &df);
    for (double& d : df) d *= scale;
}

}  // namespace

// How far the wet line of temperature u passes above (h, s), and its slope in T.
struct Line {
    double miss;
    double slope;
};

Line line(double u, double h, double s) {
    double f[4], df[4];
    saturated(u, f, df);
    const double ds = f[3] - f[1];
    const double r = (f[2] - f[0]) / ds;
    const double dr = ((df[2] - df[0]) - r * (df[3] - df[1])) / ds;
    // dT/du = -2 Tc u.
    return {f[0] + (s - f[1]) * r - h, (df[0] - df[1] * r + (s - f[1]) * dr) / (-2.0 * kTc * u)};
}

DomeStart dome_start(double h, double s) {
    // No wet state of an entropy beyond the triple point's saturated states.
    if (!(s >= kDomeEdges.front().s_lo && s <= kDomeEdges.back().s_hi)) return {DomeStart::Kind::single, 0.0};
    const DomeEdge* edge = nullptr;
    for (const DomeEdge& candidate : kDomeEdges)
        if (s >= candidate.s_lo && s <= candidate.s_hi) {
            edge = &candidate;
            break;
        }
    double lo = kDomePieces.front().u_lo;
    double miss = 0.0;
    if (edge) {
        double top[2];
        chebyshev<2>(*edge, (2.0 * s - edge->s_lo - edge->s_hi) / (edge->s_hi - edge->s_lo), top, nullptr);
        miss = top[0] - h;
        lo = top[1];
    } else {
        // Between the branches' fitted ends, 1 mK below the critical point:
        // wet below the line there, else beyond the fits.
        miss = line(lo, h, s).miss;
        if (!(miss > kEdge)) return {DomeStart::Kind::unknown, 0.0};
    }
    if (miss < -kEdge) return {DomeStart::Kind::single, 0.0};
    if (!(miss > 0.0)) return {DomeStart::Kind::edge, temperature(lo)};
    const DomeStart::Kind kind = miss < kEdge ? DomeStart::Kind::edge : DomeStart::Kind::wet;
    const double edge_T = temperature(lo);
    // Newton in T (the wet lines' heights are nearly straight in T away from
    // the critical point) from where the chord to the triple point's line
    // crosses h.
    double hi = kDomePieces.back().u_hi;
    static const double triple_miss = line(hi, 0.0, 0.0).miss;
    static const double triple_slope = [hi] {
        double f[4], df[4];
        saturated(hi, f, df);
        return (f[2] - f[0]) / (f[3] - f[1]);
    }();
    const double cold = triple_miss + s * triple_slope - h;
    // Colder than the triple point: no state.
    if (cold > 0.0) return {DomeStart::Kind::single, 0.0};
    double u = lo + miss / (miss - cold) * (hi - lo);
    for (int step = 0; step < kMaxSteps; ++step) {
        const Line at = line(u, h, s);
        (at.miss > 0.0 ? lo : hi) = u;
        const double T = temperature(u);
        const double T_next = T - at.miss / at.slope;
        // The forward equations refine the start: a microkelvin is plenty.
        if (std::fabs(T_next - T) <= 1e-6) return {kind, T_next};
        double next = T_next < kTc ? std::sqrt(1.0 - T_next / kTc) : lo;
        // A step past the bracket goes halfway to its end: a pair at the
        // dome's edge settles there, where the wet lines flatten.
        if (!(next > lo)) next = 0.5 * (u + lo);
        if (!(next < hi)) next = 0.5 * (u + hi);
        if (!(hi - lo > 1e-13)) break;
        u = next;
    }
    return {kind == DomeStart::Kind::edge ? kind : DomeStart::Kind::unknown, edge_T};
}

}  // namespace entalix::if97
