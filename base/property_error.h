// The one failure of the property library, and the checks that raise it.
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

#include "base/elementary.h"

namespace entalix::props {

// Raised when an intermediate value is not finite, a fractional power has a
// negative base, or an iteration exceeds its limit. The text is for developers;
// screens show their own words.
class PropertyError : public std::runtime_error {
public:
    explicit PropertyError(const std::string& what) : std::runtime_error(what) {}
};

// Kept out of line and cold, so that the checks on the property paths stay a
// compare and a branch each.
[[noreturn, gnu::cold, gnu::noinline]] inline void throw_not_finite(const char* what) {
    throw PropertyError(std::string("not finite: ") + what);
}

// Every value that feeds a later step or a comparison goes through here first:
// a NaN would silently take the wrong branch of a region test.
inline double finite(double value, const char* what) {
    if (!std::isfinite(value)) [[unlikely]]
        throw_not_finite(what);
    return value;
}

// A power with a fractional exponent is defined only for a non-negative base.
inline double fractional_pow(double base, double exponent, const char* what) {
    if (!(base >= 0.0)) throw PropertyError(std::string("negative base of a fractional power: ") + what);
    return finite(elementary::pow(base, exponent), what);
}

// Limit of corrections for every iteration of the library.
inline constexpr int kMaxCorrections = 1000;

}  // namespace entalix::props
