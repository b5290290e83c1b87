// Reads lines "function x y" (x and y as C floating literals, y unused by the
// functions of one argument) and writes, per line, the core's result and the C
// library's in hexadecimal; tests/base/elementary_check.py compares them with
// values worked out to 160 bits.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/elementary.h"

namespace el = entalix::elementary;

int main() {
    char name[16];
    char a[64];
    char b[64];
    while (std::scanf("%15s %63s %63s", name, a, b) == 3) {
        const double x = std::strtod(a, nullptr);
        const double y = std::strtod(b, nullptr);
        double mine = std::nan("");
        double libc = std::nan("");
        if (std::strcmp(name, "exp") == 0) {
            mine = el::exp(x), libc = std::exp(x);
        } else if (std::strcmp(name, "log") == 0) {
            mine = el::log(x), libc = std::log(x);
        } else if (std::strcmp(name, "log10") == 0) {
            mine = el::log10(x), libc = std::log10(x);
        } else if (std::strcmp(name, "pow") == 0) {
            mine = el::pow(x, y), libc = std::pow(x, y);
        } else if (std::strcmp(name, "sin") == 0) {
            mine = el::sin(x), libc = std::sin(x);
        } else if (std::strcmp(name, "cos") == 0) {
            mine = el::cos(x), libc = std::cos(x);
        } else if (std::strcmp(name, "atan") == 0) {
            mine = el::atan(x), libc = std::atan(x);
        } else if (std::strcmp(name, "hypot") == 0) {
            mine = el::hypot(x, y), libc = std::hypot(x, y);
        }
        std::printf("%a %a\n", mine, libc);
    }
    return 0;
}
