// The second law for the heater balances: what makes a balance impossible,
// said in plant words, and the entropy production as the final guard.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace entalix::equipment {

inline constexpr const char* kNoBalance = "热平衡无解：";
inline constexpr const char* kInconsistentBalance =
    "热平衡无解：各股汽水的参数在热力学上互相矛盾（熵产为负），请核对输入";

// Refuses the balance with "热平衡无解：" and the causes, when there is any.
void refuse_balance(const std::vector<std::string>& causes);

// One stream of a balance: flow (t/h) and specific entropy (kJ/(kg K)).
struct EntropyFlow {
    double flow;
    double s;
};

// The entropy production of a balance (kJ/(K h) x 1000): what leaves less what
// enters. A negative production beyond the rounding of the property equations
// refuses the balance with kInconsistentBalance.
double entropy_production(std::initializer_list<EntropyFlow> in, std::initializer_list<EntropyFlow> out);

// A temperature or a typed pressure as a message shows it: "150 ℃", "0.5 MPa".
std::string celsius(double t);
std::string megapascal(double p);

}  // namespace entalix::equipment
