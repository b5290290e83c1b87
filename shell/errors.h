// The failures a press can meet, each with the short message the screen shows.
#pragma once

#include <stdexcept>
#include <string>

namespace entalix::shell {

// A failure of one press: nothing is written, the message says why.
class CalculationError : public std::runtime_error {
public:
    explicit CalculationError(const std::string& message) : std::runtime_error(message) {}
};

// A text that is not a number where a number is read.
class NotANumber : public CalculationError {
public:
    explicit NotANumber(const std::string& field_caption) : CalculationError("“" + field_caption + "”不是数字") {}

protected:
    struct Worded {};
    NotANumber(Worded, const std::string& message) : CalculationError(message) {}
};

// A typed field that holds no number: empty, or a text that is not one number.
class UnreadableField : public NotANumber {
public:
    explicit UnreadableField(const std::string& message) : NotANumber(Worded{}, message) {}
};

// A typed number beyond the range of a double (such as 1e999).
class NumberTooLarge : public CalculationError {
public:
    NumberTooLarge() : CalculationError("输入的数值太大") {}
    explicit NumberTooLarge(const std::string& message) : CalculationError(message) {}
};

// A typed number outside what its quantity can physically be: a negative
// diameter, an efficiency above 100 %, water below 0 degC.
class OutOfDomain : public CalculationError {
public:
    explicit OutOfDomain(const std::string& message) : CalculationError(message) {}
};

// A result that cannot exist: a negative flow, power or area, a heat balance
// that no plant can run. The message says why.
class ImpossibleResult : public CalculationError {
public:
    explicit ImpossibleResult(const std::string& message) : CalculationError(message) {}
};

// A division by zero, a negative square root, a result that is not finite.
class ArithmeticFault : public CalculationError {
public:
    explicit ArithmeticFault(const std::string& message) : CalculationError(message) {}
};

// Messages shared by every screen.
inline constexpr const char* kMsgOutOfFormulation = "超出公式适用范围";
inline constexpr const char* kMsgDivideByZero = "分母为零，无法计算";
inline constexpr const char* kMsgNegativeRoot = "负数不能开平方，无法计算";
inline constexpr const char* kMsgNegativePower = "负数不能开非整数次方，无法计算";
inline constexpr const char* kMsgNotFinite = "计算结果不是有限数";
// A fault of the program itself, not of the input.
inline constexpr const char* kMsgInternalError = "程序内部错误，本次计算未完成";

// The words for the failure being handled, called inside a catch block: a
// failure of the press or a refusal of the property library its own message,
// any other property failure kMsgOutOfFormulation, anything else
// kMsgInternalError.
std::string current_failure_message();

// Checked arithmetic for the screens' formulas: a fault stops the press.
double checked_div(double numerator, double denominator);
double checked_sqrt(double value);
double checked_pow(double base, double exponent);
double checked_finite(double value);

}  // namespace entalix::shell
