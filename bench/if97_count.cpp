// One pass of an IAPWS-IF97 procedure over the states of one class, for
// counting instructions per call under callgrind (a steady measure on a shared
// machine; see README.md):
//   valgrind --tool=callgrind --collect-atstart=no --toggle-collect=pass if97_count ph3
// then the total cost divided by the number of calls printed.
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/if97_grid.h"
#include "bench/if97_minimal.h"
#include "if97/point.h"

namespace {

using entalix::if97::State;

[[gnu::noinline]] double pass(const char* what, const std::vector<State>& states) {
    double sum = 0.0;
    const char kind = what[1];
    for (const State& g : states) {
        State out;
        if (what[0] == 'm') {
            // The minimal evaluation of the same equation, the floor.
            const entalix::bench::Vhs m = what[2] == '1' ? entalix::bench::minimal_region1(g.p, g.t + 273.15)
                                                         : entalix::bench::minimal_region2(g.p, g.t + 273.15);
            out = {g.p, g.t, m.v, m.h, m.s};
        } else if (what[0] == 'w') {
            // Every property of the state: cp, cv, w, alpha_v and kappa_t too.
            const entalix::if97::Point d = entalix::if97::point_pt(g.p, g.t + 273.15, entalix::if97::Phase::liquid);
            out = {g.p, g.t, d.v, d.h, d.s + d.cp + d.cv + d.w + d.alpha_v + d.kappa_t};
        } else if (kind == 't')
            out = entalix::if97::state_pt(g.p, g.t);
        else if (kind == 'h')
            out = entalix::if97::state_ph(g.p, g.h);
        else
            out = entalix::if97::state_ps(g.p, g.s);
        sum += out.v + out.h + out.s + out.t;
    }
    return sum;
}

}  // namespace

int main(int argc, char** argv) {
    // pt1 pt2 pt3 pt5, ph1 ph2 ph3 ph4 ph5, ps1 ... ps5; ph2hp for region 2 above
    // 10 MPa, ph3lp for region 3 below the critical pressure, ph4lp for the wet
    // states there; mt1 and mt2 for the minimal evaluation of v, h and s in
    // regions 1 and 2 (bench/if97_minimal.h); wt1, wt2, wt3, wt5 for the whole
    // Point at (p, T), with cp, cv, w, alpha_v and kappa_t.
    if (argc != 2 || std::strlen(argv[1]) < 3) {
        std::fprintf(stderr, "usage: if97_count pt1|ph3|ps4|ph2hp...\n");
        return 2;
    }
    const entalix::bench::If97Grid& grid = entalix::bench::if97_grid();
    const int region = argv[1][2] - '0';
    if (region < 1 || region > 5) return 2;
    const bool high = std::strcmp(argv[1] + 3, "hp") == 0;
    const bool low = std::strcmp(argv[1] + 3, "lp") == 0;
    const std::vector<State>& states = high                 ? grid.region2_high
                                       : low && region == 4 ? grid.wet_above_623K
                                       : low                ? grid.region3_below_critical
                                                            : grid.by_region[region];
    // Whatever a procedure sets up once is not counted.
    entalix::if97::state_ph(50.0, 2000.0);
    entalix::if97::state_ps(50.0, 4.5);
    const double sum = pass(argv[1], states);
    std::printf("%zu calls (%g)\n", states.size(), sum);
    return 0;
}
