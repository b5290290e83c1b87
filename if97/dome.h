// Where an (h, s) pair lies against the saturation dome of the h-s chart, and
// the saturation temperature of a wet pair, from Chebyshev fits of the
// saturated states (if97/dome_coefficients.h): a start within a few
// microkelvin, which the forward equations then refine.
#pragma once

namespace entalix::if97 {

struct DomeStart {
    enum class Kind {
        wet,     // inside the dome, clear of its edges: T is the start
        edge,    // within a hair of the dome: wet at T, or single-phase beside it
        single,  // clear of the dome, or no wet state of that s
        unknown  // the last millikelvin below the critical point, beyond the fits
    };
    Kind kind = Kind::unknown;
    double T = 0.0;  // K, for wet and edge
};

DomeStart dome_start(double h, double s);

}  // namespace entalix::if97
