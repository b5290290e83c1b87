// The functions of entalix.dll: each finds its place in entalix-calc's table
// once and calls it with the numbers as given, so a spreadsheet cell and the
// command line compute the same thing the same way. Nothing thrown leaves a
// function; the status, the reason and the warning stay with the thread.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/calls.h"
#include "cli/usage.h"
#include "dll/entalix_dll.h"
#include "props/formulation.h"
#include "shell/errors.h"
#include "shell/utf16.h"

namespace {

using namespace entalix;

constexpr std::size_t kNoFunction = static_cast<std::size_t>(-1);
// Room for a reason or a warning in UTF-8; each is a line or two.
constexpr std::size_t kTextRoom = 1024;

// What the last call on this thread left behind. Trivially destructible, so a
// thread that ends owes the DLL nothing.
struct LastCall {
    int32_t status = 0;
    std::size_t error_length = 0;
    std::size_t warning_length = 0;
    char error[kTextRoom];
    char warning[kTextRoom];
};
thread_local LastCall t_last;

// Copies text into room, cut at a whole UTF-8 character if it does not fit.
std::size_t keep(char (&room)[kTextRoom], std::string_view text) {
    std::size_t n = std::min(text.size(), kTextRoom);
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(room, text.data(), n);
    return n;
}

double failed(LastCall& last, int32_t status, std::string_view reason) {
    last.status = status;
    last.error_length = keep(last.error, reason);
    last.warning_length = 0;
    return std::numeric_limits<double>::quiet_NaN();
}

std::size_t function_at(std::string_view name) noexcept {
    try {
        return cli::function_index(name).value_or(kNoFunction);
    } catch (...) {
        return kNoFunction;
    }
}

// The formulation of a call: none given, IFC-67. A sheet repeats one spelling
// in every cell, so the usual ones are matched as written before any other case.
std::optional<props::Formulation> formulation_of(const char* text) {
    if (text == nullptr || *text == '\0') return props::Formulation::IFC67;
    const std::string_view given(text);
    if (given == "IFC-67") return props::Formulation::IFC67;
    if (given == "IAPWS-IF97" || given == "IF97") return props::Formulation::IF97;
    return props::parse_formulation(given);
}

double call(std::size_t index, const char* name, std::span<const double> numbers, const char* formulation) noexcept {
    LastCall& last = t_last;
    try {
        const std::optional<props::Formulation> chosen = formulation_of(formulation);
        if (!chosen)
            return failed(last, 2, "不认识的公式：" + cli::quote_input(formulation) + "（可用 IFC-67 或 IAPWS-IF97）");
        if (index == kNoFunction) return failed(last, 1, shell::kMsgInternalError);
        // A spreadsheet cannot hand over a number that is not finite; another caller might.
        for (std::size_t i = 0; i < numbers.size(); ++i)
            if (!std::isfinite(numbers[i])) {
                std::size_t seen = 0;
                for (const cli::Argument& a : cli::functions()[index].arguments)
                    if (!a.unit.empty() && seen++ == i) throw shell::NotANumber(a.name);
                throw shell::NotANumber("?");
            }
        const cli::CallResult result =
            cli::call_numbers(index, name != nullptr ? std::string_view(name) : std::string_view(), numbers, *chosen);
        if (const std::string* text = std::get_if<std::string>(&result.value)) return failed(last, 2, *text);
        last.status = 0;
        last.error_length = 0;
        last.warning_length = result.warning.empty() ? 0 : keep(last.warning, result.warning);
        return std::get<double>(result.value);
    } catch (...) {
        try {
            return failed(last, 1, shell::current_failure_message());
        } catch (...) {
            return failed(last, 1, shell::kMsgInternalError);
        }
    }
}

int32_t hand_over(const char* text, std::size_t length, uint16_t* buffer, int32_t capacity) noexcept {
    try {
        const std::u16string wide = shell::utf8_to_utf16(std::string_view(text, length));
        if (buffer != nullptr && capacity > 0) {
            const std::size_t room = static_cast<std::size_t>(capacity);
            const std::size_t n = std::min(wide.size(), room);
            for (std::size_t i = 0; i < n; ++i) buffer[i] = static_cast<uint16_t>(wide[i]);
            if (n < room) buffer[n] = 0;
        }
        return static_cast<int32_t>(wide.size());
    } catch (...) {
        return 0;
    }
}

}  // namespace

#define ENTALIX_DEFINE_N1(fn)                                   \
    double ENTALIX_CALL fn(double a, const char* formulation) { \
        static const std::size_t index = function_at(#fn);      \
        const double numbers[]{a};                              \
        return call(index, nullptr, numbers, formulation);      \
    }
#define ENTALIX_DEFINE_N2(fn)                                             \
    double ENTALIX_CALL fn(double a, double b, const char* formulation) { \
        static const std::size_t index = function_at(#fn);                \
        const double numbers[]{a, b};                                     \
        return call(index, nullptr, numbers, formulation);                \
    }
#define ENTALIX_DEFINE_N4(fn)                                                                 \
    double ENTALIX_CALL fn(double a, double b, double c, double d, const char* formulation) { \
        static const std::size_t index = function_at(#fn);                                    \
        const double numbers[]{a, b, c, d};                                                   \
        return call(index, nullptr, numbers, formulation);                                    \
    }
#define ENTALIX_DEFINE_S1(fn)                                                     \
    double ENTALIX_CALL fn(const char* name, double a, const char* formulation) { \
        static const std::size_t index = function_at(#fn);                        \
        const double numbers[]{a};                                                \
        return call(index, name, numbers, formulation);                           \
    }
#define ENTALIX_DEFINE_S2(fn)                                                               \
    double ENTALIX_CALL fn(const char* name, double a, double b, const char* formulation) { \
        static const std::size_t index = function_at(#fn);                                  \
        const double numbers[]{a, b};                                                       \
        return call(index, name, numbers, formulation);                                     \
    }

extern "C" {

ENTALIX_SPREADSHEET_FUNCTIONS(ENTALIX_DEFINE_N1, ENTALIX_DEFINE_N2, ENTALIX_DEFINE_N4, ENTALIX_DEFINE_S1,
                              ENTALIX_DEFINE_S2)

int32_t ENTALIX_CALL psw_status(void) { return t_last.status; }

int32_t ENTALIX_CALL psw_error(uint16_t* buffer, int32_t capacity) {
    const LastCall& last = t_last;
    return hand_over(last.error, last.error_length, buffer, capacity);
}

int32_t ENTALIX_CALL psw_warning(uint16_t* buffer, int32_t capacity) {
    const LastCall& last = t_last;
    return hand_over(last.warning, last.warning_length, buffer, capacity);
}

}  // extern "C"
