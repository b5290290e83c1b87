// Compares IAPWS-IF97 states with those of an independent implementation
// (python3-iapws, written by oracle.py): forward values at (p, T), the inverses
// back to T or p, the saturated states, and the states found from (h, s).
// Prints the worst difference and exits non-zero where any value differs by
// more than kTolerance.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/property_error.h"
#include "if97/point.h"
#include "if97/regions.h"
#include "if97/state.h"

namespace {

using namespace entalix::if97;

constexpr double kTolerance = 1e-8;

struct Tally {
    int compared = 0;
    int failed = 0;
    double worst = 0.0;
    std::string worst_at;

    void check(const std::string& what, double ours, double theirs) {
        ++compared;
        // Values near zero (h and s at the triple point) are compared to 1e-3 of their unit.
        const double diff = std::fabs(ours - theirs) / std::fmax(std::fabs(theirs), 1e-3);
        if (!(diff <= kTolerance)) {
            ++failed;
            std::printf("MISMATCH %s: %.12g, oracle %.12g (%.2g)\n", what.c_str(), ours, theirs, diff);
        }
        if (diff > worst) {
            worst = diff;
            worst_at = what;
        }
    }
    void fail(const std::string& what, const char* error) {
        ++compared;
        ++failed;
        std::printf("FAILED %s: %s\n", what.c_str(), error);
    }
};

std::vector<double> fields(const std::string& line) {
    std::vector<double> out;
    std::stringstream in(line.substr(line.find(',') + 1));
    std::string cell;
    while (std::getline(in, cell, ',')) out.push_back(std::stod(cell));
    return out;
}

std::string at(const char* kind, double a, double b) {
    char text[96];
    std::snprintf(text, sizeof text, "%s (%.6g, %.6g)", kind, a, b);
    return text;
}

// p, T, v, h, s, cp, w, region
void single_phase(Tally& tally, const std::vector<double>& f) {
    const double p = f[0];
    const double T = f[1];
    const double t = T - 273.15;
    const std::string where = at("p,T", p, T);
    try {
        Region region = Region::one;
        const Point point = point_pt(p, T, Phase::liquid, &region);
        tally.check(where + " region", static_cast<int>(region), f[7]);
        tally.check(where + " v", point.v, f[2]);
        tally.check(where + " h", point.h, f[3]);
        tally.check(where + " s", point.s, f[4]);
        tally.check(where + " cp", point.cp, f[5]);
        tally.check(where + " w", point.w, f[6]);
        tally.check(where + " T(p,h)", state_ph(p, f[3]).t, t);
        tally.check(where + " T(p,s)", state_ps(p, f[4]).t, t);
        // The density maximum of cold water makes T(p,v) twofold below 8 degC.
        if (t > 8.0) tally.check(where + " T(p,v)", state_pv(p, f[2]).t, t);
        tally.check(where + " p(T,v)", state_tv(t, f[2]).p, p);
    } catch (const entalix::props::PropertyError& e) {
        tally.fail(where, e.what());
    }
}

// T, p, v', v'', h', h'', s', s''
void saturated(Tally& tally, const std::vector<double>& f) {
    const double T = f[0];
    const double t = T - 273.15;
    const std::string where = at("sat T", T, f[1]);
    try {
        tally.check(where + " psat", saturation_pressure(T), f[1]);
        tally.check(where + " Tsat", saturation_temperature(f[1]), T);
        const State liquid = state_tx(t, 0.0);
        const State vapour = state_tx(t, 1.0);
        tally.check(where + " v'", liquid.v, f[2]);
        tally.check(where + " v''", vapour.v, f[3]);
        tally.check(where + " h'", liquid.h, f[4]);
        tally.check(where + " h''", vapour.h, f[5]);
        tally.check(where + " s'", liquid.s, f[6]);
        tally.check(where + " s''", vapour.s, f[7]);
    } catch (const entalix::props::PropertyError& e) {
        tally.fail(where, e.what());
    }
}

// h, s, p, T, x, region
void from_hs(Tally& tally, const std::vector<double>& f) {
    const std::string where = at("h,s", f[0], f[1]);
    try {
        const State state = state_hs(f[0], f[1]);
        tally.check(where + " region", static_cast<int>(state.region), f[5]);
        tally.check(where + " p", state.p, f[2]);
        tally.check(where + " T", state.t + 273.15, f[3]);
        // The oracle's x is 1 of every single-phase state, ours 0 of water.
        if (state.region == Region::four) tally.check(where + " x", state.x, f[4]);
    } catch (const entalix::props::PropertyError& e) {
        tally.fail(where, e.what());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: oracle_check STATES.csv\n");
        return 2;
    }
    std::ifstream in(argv[1]);
    Tally tally;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("pt,", 0) == 0) single_phase(tally, fields(line));
        if (line.rfind("sat,", 0) == 0) saturated(tally, fields(line));
        if (line.rfind("hs,", 0) == 0) from_hs(tally, fields(line));
    }
    std::printf("%d values compared with python3-iapws, worst relative difference %.2g at %s\n", tally.compared,
                tally.worst, tally.worst_at.c_str());
    // Fewer than the grid holds means the file was cut short.
    if (tally.compared < 5000) {
        std::printf("too few states in %s\n", argv[1]);
        return 1;
    }
    return tally.failed == 0 ? 0 : 1;
}
