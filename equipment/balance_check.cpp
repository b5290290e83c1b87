// Second-law checks shared by the mixing heater, the surface heater and the desuperheater.
#include "equipment/balance_check.h"

#include <cmath>

#include "shell/errors.h"
#include "shell/numbers.h"

namespace entalix::equipment {

// The IFC-67 equations agree with each other and with measurements to about
// five significant figures; a production below that share of the entropy
// carried through the balance is rounding, not a violation.
constexpr double kEntropyRounding = 1e-5;

void refuse_balance(const std::vector<std::string>& causes) {
    if (causes.empty()) return;
    std::string message = kNoBalance;
    for (std::size_t i = 0; i < causes.size(); ++i) message += (i == 0 ? "" : "；") + causes[i];
    throw shell::ImpossibleResult(message);
}

double entropy_production(std::initializer_list<EntropyFlow> in, std::initializer_list<EntropyFlow> out) {
    double production = 0.0;
    double carried = 0.0;
    for (const EntropyFlow& f : out) {
        production += f.flow * f.s;
        carried += std::fabs(f.flow * f.s);
    }
    for (const EntropyFlow& f : in) {
        production -= f.flow * f.s;
        carried += std::fabs(f.flow * f.s);
    }
    shell::checked_finite(production);
    if (production < -kEntropyRounding * carried) throw shell::ImpossibleResult(kInconsistentBalance);
    return production;
}

std::string celsius(double t) { return shell::FormatGeneralNumber(t) + " ℃"; }
std::string megapascal(double p) { return shell::FormatGeneralNumber(p) + " MPa"; }

}  // namespace entalix::equipment
