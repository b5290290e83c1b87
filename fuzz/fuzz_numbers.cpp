// Fuzzes the reading and writing of numbers and checks their promises.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "shell/errors.h"
#include "shell/numbers.h"
#include "shell/reading.h"

namespace {

using namespace entalix::shell;

[[noreturn]] void fail(const char* what) {
    std::fputs(what, stderr);
    std::fputc('\n', stderr);
    std::abort();
}

bool is_plain_decimal(const std::string& text, std::size_t decimals) {
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t point = text.find('.');
    if (decimals == 0) return point == std::string::npos && text.size() > i;
    if (point == std::string::npos || point == i || text.size() - point - 1 != decimals) return false;
    for (std::size_t k = i; k < text.size(); ++k)
        if (k != point && (text[k] < '0' || text[k] > '9')) return false;
    return true;
}

void check_format(double value) {
    static const char* const patterns[] = {"0", "0.00", "0.0000", "0.000000"};
    for (std::size_t n = 0; n < 4; ++n) {
        const std::size_t decimals = n == 0 ? 0 : 2 * n;
        std::string text;
        try {
            text = FormatWithPattern(value, patterns[n]);
        } catch (const ArithmeticFault&) {
            if (std::isfinite(value)) fail("a finite value was refused");
            continue;
        }
        if (!std::isfinite(value)) fail("a non-finite value was written");
        if (!is_plain_decimal(text, decimals)) fail("pattern written with the wrong shape");
        if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') fail("negative zero written");
        // The written value lies within half a unit of the last decimal of the value.
        const double back = std::strtod(text.c_str(), nullptr);
        const double unit = std::pow(10.0, -static_cast<double>(decimals));
        if (std::fabs(value) < 1e15 && std::fabs(back - value) > 0.5 * unit * (1 + 1e-9) + std::fabs(value) * 1e-15)
            fail("rounded value too far from the value");
    }
    try {
        const std::string general = FormatGeneralNumber(value);
        if (general.find("nan") != std::string::npos || general.find("inf") != std::string::npos)
            fail("non-finite general number");
        // Read back wider than a double: fifteen digits of the largest double round above it.
        const long double back = std::strtold(general.c_str(), nullptr);
        if (std::fabs(back - static_cast<long double>(value)) > std::fabs(static_cast<long double>(value)) * 1e-14L)
            fail("general number loses more than 15 digits");
    } catch (const ArithmeticFault&) {
        if (std::isfinite(value)) fail("a finite value was refused by the general writing");
    }
}

// The same text typed with a Chinese input method: ASCII digits, signs, point
// and exponent letters in their full-width forms.
std::string full_width(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c >= '!' && c <= '~') {
            const unsigned code = 0xFF01u + static_cast<unsigned>(c - '!');
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += c;
        }
    }
    return out;
}

// The field reader gives a finite number or a failure that names the field;
// it reads whatever the strict reading reads, and the same in full width.
void check_field_reading(const std::string& text, std::optional<double> strict) {
    std::optional<double> read;
    for (const char* unit : {"1", "MPa", "%", "℃"}) {
        try {
            const double value = read_typed_number(text, "量", unit);
            if (!std::isfinite(value)) fail("the field reader gave a non-finite number");
            if (*unit == '1') read = value;
        } catch (const CalculationError& e) {
            if (std::string(e.what()).rfind("“量”", 0) != 0) fail("a reading failure does not name its field");
        }
    }
    if (fold_typed_text(fold_typed_text(text)) != fold_typed_text(text)) fail("folding is not idempotent");
    if (!strict) return;
    if (!read || *read != *strict) fail("the field reader disagrees with the strict reading");
    if (read_typed_number(full_width(text), "量", "1") != *strict) fail("full-width digits read differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    double lenient = 0.0;
    bool lenient_ok = true;
    try {
        lenient = ParseLeadingNumber(text);
        if (!std::isfinite(lenient)) fail("lenient reading gave a non-finite number");
    } catch (const NumberTooLarge&) {
        lenient_ok = false;
    }
    std::optional<double> strict;
    try {
        strict = ParseStrictNumber(text);
        // Strictly accepted only what the lenient reading reads the same.
        if (strict && (!lenient_ok || *strict != lenient)) fail("strict reading disagrees with the lenient one");
    } catch (const NumberTooLarge&) {
        if (lenient_ok) fail("strict reading overflowed where the lenient one did not");
    }
    check_field_reading(text, strict);
    if (lenient_ok) check_format(lenient);
    if (size == sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        check_format(raw);
    }
    return 0;
}
