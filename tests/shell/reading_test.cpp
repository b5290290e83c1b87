// Reading what a person typed: the number read whole, or a failure that names
// the field and the text.
#include "shell/reading.h"

#include <gtest/gtest.h>

#include "shell/errors.h"

namespace entalix::shell {
namespace {

struct Typed {
    const char* text;
    const char* unit;
    double value;
};

class ReadsAsTyped : public ::testing::TestWithParam<Typed> {};

TEST_P(ReadsAsTyped, TheNumberAPersonMeant) {
    const Typed& c = GetParam();
    EXPECT_EQ(read_typed_number(c.text, "额定电流", c.unit), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, ReadsAsTyped,
                         ::testing::Values(Typed{"12", "A", 12}, Typed{" -0.09 ", "MPa", -0.09}, Typed{".5", "m", 0.5},
                                           Typed{"5.", "m", 5}, Typed{"+7", "m", 7},
                                           // blanks of every kind, wherever they stand
                                           Typed{"\t5\n", "A", 5}, Typed{"1 000", "A", 1000},
                                           Typed{"1\u00a0200", "A", 1200}, Typed{"\u30005\u3000", "A", 5},
                                           Typed{"1\u2009000", "A", 1000}, Typed{"\ufeff3", "A", 3},
                                           Typed{"- 5", "A", -5},
                                           // full-width forms, as a Chinese input method types them
                                           Typed{"１０", "A", 10}, Typed{"１０．５", "A", 10.5}, Typed{"－５", "A", -5},
                                           Typed{"１ｅ３", "A", 1000}, Typed{"８５％", "%", 85},
                                           // the field's own unit after the number
                                           Typed{"100mm", "mm", 100}, Typed{"100 MM", "mm", 100}, Typed{"85%", "%", 85},
                                           Typed{"0.5MPa", "MPa", 0.5}, Typed{"0.5mpa", "MPa", 0.5},
                                           Typed{"0.5ＭＰａ", "MPa", 0.5}, Typed{"150℃", "℃", 150},
                                           Typed{"150°C", "℃", 150}, Typed{"2.5m/s", "m/s", 2.5},
                                           Typed{"0.0012m3/kg", "m³/kg", 0.0012}, Typed{"6.5kj/kg*℃", "kJ/(kg·K)", 6.5},
                                           Typed{"1e5m", "m", 100000}, Typed{"11", "1", 11},
                                           // exponents E, e, D, d; an exponent far below a double reads zero
                                           Typed{"1.5E3", "A", 1500}, Typed{"2d2", "A", 200}, Typed{"2D+1", "A", 20},
                                           Typed{"1e-999", "A", 0}));

struct Refused {
    const char* text;
    const char* unit;
    const char* message;
};

class RefusedWithFieldAndText : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedWithFieldAndText, NamesTheFieldAndTheText) {
    const Refused& c = GetParam();
    try {
        read_typed_number(c.text, "运行电压", c.unit);
        ADD_FAILURE() << '"' << c.text << "\" was read";
    } catch (const CalculationError& e) {
        EXPECT_STREQ(e.what(), c.message) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedWithFieldAndText,
    ::testing::Values(
        Refused{"", "kV", "“运行电压”为空"}, Refused{" \t\u3000", "kV", "“运行电压”为空"},
        Refused{"10,5", "kV", "“运行电压”无法识别：“10,5”（小数点请用“.”）"},
        Refused{"10，5", "kV", "“运行电压”无法识别：“10，5”（小数点请用“.”）"},
        Refused{"10。5", "kV", "“运行电压”无法识别：“10。5”（小数点请用“.”）"},
        Refused{"12abc", "kV", "“运行电压”无法识别：“12abc”"}, Refused{" 1.2.3 ", "kV", "“运行电压”无法识别：“1.2.3”"},
        Refused{"错误", "kV", "“运行电压”无法识别：“错误”"}, Refused{"kV", "kV", "“运行电压”无法识别：“kV”"},
        Refused{"10V", "kV", "“运行电压”无法识别：“10V”"}, Refused{"10kV", "MPa", "“运行电压”无法识别：“10kV”"},
        Refused{"1e", "kV", "“运行电压”无法识别：“1e”"}, Refused{"nan", "kV", "“运行电压”无法识别：“nan”"},
        Refused{"0x10", "kV", "“运行电压”无法识别：“0x10”"},
        Refused{"−5", "kV", "“运行电压”无法识别：“−5”"},  // a typeset minus sign, not a typed one
        Refused{"1\xff", "kV", "“运行电压”无法识别：“1\uFFFD”"},
        // broken bytes around a blank do not join into a full-width "1"
        Refused{"\xef\t\xbc\x91", "kV", "“运行电压”无法识别：“\uFFFD \uFFFD\uFFFD”"},
        Refused{"1234567890123456789012345x", "kV", "“运行电压”无法识别：“123456789012345678901234…”"},
        Refused{"1e999", "kV", "“运行电压”的数值太大：“1e999”"},
        Refused{"-1d309", "kV", "“运行电压”的数值太大：“-1d309”"}));

TEST(Reading, FieldTextKeepsTheTypedDigitsForExactArithmetic) {
    EXPECT_EQ(field_number_text(" ０.０９８３ＭＰａ", "大气压", "MPa"), "0.0983");
    EXPECT_EQ(field_number_text("1\u00a0000.000000000000000001", "压力", "MPa"), "1000.000000000000000001");
}

// A spreadsheet cell arrives with its tab or line break; what the field then
// shows is the number that will be read. Typed text is left as it stands.
TEST(Reading, PastedCellIsCleanedToItsNumber) {
    const struct {
        const char *pasted, *shown;
    } cases[] = {
        {"80\t", "80"},
        {"80\r\n", "80"},
        {"\t 0.0983 MPa\n", "0.0983 MPa"},
        {"80\t90", "80 90"},  // two cells stay two numbers in sight
        {"\xE3\x80\x80"
         "80\t",
         "80"},  // an ideographic space before it
        {"\t\r\n", ""},
        {"80 ", "80 "},  // typing a blank changes nothing
        {"\xE2\x80\xA8"
         "15\xE2\x80\xA9",
         "15"},  // Unicode line and paragraph separators
    };
    for (const auto& c : cases) EXPECT_EQ(clean_pasted_number(c.pasted), c.shown) << c.pasted;
    EXPECT_EQ(read_typed_number(clean_pasted_number("80\t"), "运行电流", "A"), 80.0);
}

// A plausible range narrows the domain, and the refusal names the field and both ends.
TEST(Reading, PlausibleLimitsNameTheFieldAndTheLimit) {
    Meaning voltage = input("运行电压", "kV");
    voltage.domain = Domain::Positive;
    voltage.plausible_high = 50.0;
    EXPECT_NO_THROW(check_domain(voltage, 50.0, "50"));
    try {
        check_domain(voltage, 1e6, "1e6");
        ADD_FAILURE() << "a motor of 10^6 kV was taken";
    } catch (const OutOfDomain& e) {
        EXPECT_STREQ(e.what(), "“运行电压”须大于0且不大于50 kV（现为“1e6”）");
    }
    Meaning power = input("单位面积功率", "w");
    power.domain = Domain::Positive;
    power.plausible_low = 10.0;
    power.plausible_high = 1000.0;
    EXPECT_EQ(allowed_range(power), "不小于10且不大于1000 w");
    EXPECT_THROW(check_domain(power, 9.99, "9.99"), OutOfDomain);
    EXPECT_NO_THROW(check_domain(power, 10.0, "10"));
}

}  // namespace
}  // namespace entalix::shell
