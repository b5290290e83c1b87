// The steam state's one written form on the screen.
#include "shell/state_values.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "shell/numbers.h"

namespace entalix::shell {

ShownNumber shown_number(std::string text) {
    const std::optional<double> value = ParseStrictNumber(text);
    if (!value) throw std::logic_error("a shown result is not a number: " + text);
    return ShownNumber{*value, std::move(text)};
}

std::string state_caption(const StateValues& state) {
    std::string caption;
    const auto line = [&caption](const char* name, const ShownNumber& shown) {
        caption.append(name).append(shown.text).append("\r\n");
    };
    line("p=", state.p);
    line("t=", state.t);
    line("v=", state.v);
    line("h=", state.h);
    line("s=", state.s);
    caption.append("x=").append(state.x.text).append("%");
    return caption;
}

}  // namespace entalix::shell
