// Checked arithmetic: every fault becomes an ArithmeticFault with its message.
#include "shell/errors.h"

#include <cmath>

#include "base/elementary.h"
#include "props/validity.h"

namespace entalix::shell {

std::string current_failure_message() {
    try {
        throw;
    } catch (const CalculationError& e) {
        return e.what();
    } catch (const props::PropertyRefusal& e) {
        return e.what();
    } catch (const props::PropertyError&) {
        return kMsgOutOfFormulation;
    } catch (...) {
        return kMsgInternalError;
    }
}

double checked_finite(double value) {
    if (!std::isfinite(value)) throw ArithmeticFault(kMsgNotFinite);
    return value;
}

double checked_div(double numerator, double denominator) {
    if (denominator == 0.0) throw ArithmeticFault(kMsgDivideByZero);
    return checked_finite(numerator / denominator);
}

double checked_sqrt(double value) {
    if (value < 0.0) throw ArithmeticFault(kMsgNegativeRoot);
    return checked_finite(std::sqrt(value));
}

double checked_pow(double base, double exponent) {
    if (base < 0.0 && std::trunc(exponent) != exponent) throw ArithmeticFault(kMsgNegativePower);
    return checked_finite(elementary::pow(base, exponent));
}

}  // namespace entalix::shell
