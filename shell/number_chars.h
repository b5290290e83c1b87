// Reading and writing doubles as decimal text, one way for every build: the
// desktop, the command line and the browser page give the same digits.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace entalix::shell {

// Reads a decimal number ("-12.5e+3", no leading '+', no blanks) from the start
// of [first, last), correctly rounded. Sets `end` to the first character not
// read. An overflow gives std::errc::result_out_of_range with `value` infinite,
// an underflow the same with `value` zero; no number gives invalid_argument.
struct ReadResult {
    const char* end;
    std::errc ec;
};
ReadResult read_double(const char* first, const char* last, double& value);

// The exact decimal value of a finite double: the significant digits without
// leading or trailing zeros ("0" for zero) and the power of ten of the first,
// so that the value is d.ddd × 10^exponent. The sign is left to the caller.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};
DecimalDigits exact_digits(double value);

// The digits of |value| rounded to `count` significant digits, an exact half
// to even (as printf rounds); `count` at least 1.
DecimalDigits rounded_digits(double value, int count);

// The shortest text that reads back to the same double, laid out as
// std::to_chars(first, last, value) lays it out: plain or with an exponent
// ("1e+20", "1.5e-07"), whichever is shorter, plain on a tie. "nan" and "inf"
// for what is not finite. The C++ library's std::to_chars where it writes
// doubles, else portable_shortest_text, which writes the same.
std::string shortest_text(double value);
// The same text added at the end of `out`, built in place.
void append_shortest_text(std::string& out, double value);
std::string portable_shortest_text(double value);

}  // namespace entalix::shell
