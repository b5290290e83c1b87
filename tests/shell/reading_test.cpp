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

}  // namespace
}  // namespace entalix::shell
