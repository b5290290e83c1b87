// The tick-box rule of both steam calculators, driven through the screens as a
// user clicks them.
#include "steamcalc/pair_selection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "shell/memory_app.h"

namespace entalix::steamcalc {
namespace {

using shell::ScreenId;

// A click sequence on the rows (0 p, 1 t, 2 h, 3 s, 4 v, 5 x) and what shows after it:
// one character per row for the tick boxes and the input boxes ('1' shown).
struct SelectionCase {
    const char* name;
    std::vector<int> clicks;
    const char* tick_boxes;
    const char* input_boxes;
    bool says_why;  // the message line says the two ticks give no state
};

const SelectionCase kSelectionCases[] = {
    {"FreshScreen", {}, "111111", "000000", false},
    {"HAlone", {2}, "111111", "001000", false},
    // h and s are a reading off the h-s chart; s with v, h with x are no pair.
    {"HThenS", {2, 3}, "001100", "001100", false},
    {"SThenV", {3, 4}, "000110", "000110", true},
    {"XThenH", {5, 2}, "001001", "001001", true},
    {"HThenSThenClearS", {2, 3, 3}, "111111", "001000", false},
    {"HThenSThenClearH", {2, 3, 2}, "111111", "000100", false},
    {"PThenX", {0, 5}, "100001", "100001", false},
    {"XThenP", {5, 0}, "100001", "100001", false},
    {"TThenH", {1, 2}, "011000", "011000", false},
    {"VThenXThenClearXThenT", {4, 5, 5, 1}, "010010", "010010", false},
    {"ClearTheOnlyTick", {4, 4}, "111111", "000000", false},
    {"PThenT", {0, 1}, "110000", "110000", false},
    {"SThenVThenClearBoth", {3, 4, 4, 3}, "111111", "000000", false},
    // A hidden tick box takes no click: the third click changes nothing.
    {"ThirdTickIsRefused", {0, 1, 2}, "110000", "110000", false},
};

std::string row_flags(const shell::MemoryApp& app, ScreenId screen, const char* prefix) {
    std::string flags;
    for (int row = 1; row <= kRowCount; ++row) flags += app.shown(screen, prefix + std::to_string(row)) ? '1' : '0';
    return flags;
}

class TickBoxRule : public ::testing::TestWithParam<std::tuple<ScreenId, SelectionCase>> {};

TEST_P(TickBoxRule, ShowsTheBoxesOfTheTickedRows) {
    const auto& [screen, c] = GetParam();
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    app.click(ScreenId::Form1, "Command6");
    app.click(ScreenId::Form10, screen == ScreenId::Form11 ? "Command1" : "Command2");
    for (int row : c.clicks) app.click(screen, "Check" + std::to_string(row + 1));
    EXPECT_EQ(row_flags(app, screen, "Check"), c.tick_boxes);
    EXPECT_EQ(row_flags(app, screen, "Text"), c.input_boxes);
    EXPECT_TRUE(app.shown(screen, "Command1"));
    EXPECT_EQ(app.text(screen, "Message"), c.says_why ? kPairWithoutPOrT : "");
    if (screen == ScreenId::Form12) {
        EXPECT_TRUE(app.shown(screen, "Text7"));
        EXPECT_EQ(app.text(screen, "Text7"), "0.0983");
    }
}

INSTANTIATE_TEST_SUITE_P(BothScreens, TickBoxRule,
                         ::testing::Combine(::testing::Values(ScreenId::Form11, ScreenId::Form12),
                                            ::testing::ValuesIn(kSelectionCases)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param) == ScreenId::Form11 ? "Form11_" : "Form12_") +
                                    std::get<1>(info.param).name;
                         });

TEST(TickBoxRule, TwoOfHSVXSayWhyAndSoDoesAPress) {
    for (int a = kRowH; a < kRowCount; ++a)
        for (int b = a + 1; b < kRowCount; ++b) {
            std::array<bool, kRowCount> ticks{};
            ticks[a] = ticks[b] = true;
            const bool h_and_s = a == kRowH && b == kRowS;
            EXPECT_EQ(UpdatePairSelection(ticks).note, h_and_s ? "" : kPairWithoutPOrT) << a << b;
            ticks[a] = false;
            ticks[kRowP] = true;  // with p any second value gives a state
            EXPECT_EQ(UpdatePairSelection(ticks).note, "") << b;
        }
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    app.click(ScreenId::Form1, "Command6");
    app.click(ScreenId::Form10, "Command1");
    app.click(ScreenId::Form11, "Check4");
    app.click(ScreenId::Form11, "Check5");
    app.type(ScreenId::Form11, "Text4", "6.5");
    app.type(ScreenId::Form11, "Text5", "0.2");
    app.enter(ScreenId::Form11, "Text5");
    EXPECT_EQ(app.text(ScreenId::Form11, "Message"), kPairWithoutPOrT);
}

TEST(TickBoxRule, HiddenBoxesKeepTheirText) {
    shell::MemoryApp app(catalog::screen_desc);
    app.start();
    app.click(ScreenId::Form1, "Command6");
    app.click(ScreenId::Form10, "Command1");
    app.click(ScreenId::Form11, "Check3");
    app.type(ScreenId::Form11, "Text3", "2800.5");
    app.click(ScreenId::Form11, "Check3");
    EXPECT_FALSE(app.shown(ScreenId::Form11, "Text3"));
    app.click(ScreenId::Form11, "Command3");
    app.click(ScreenId::Form10, "Command1");
    app.click(ScreenId::Form11, "Check3");
    EXPECT_TRUE(app.shown(ScreenId::Form11, "Text3"));
    EXPECT_EQ(app.text(ScreenId::Form11, "Text3"), "2800.5");
}

}  // namespace
}  // namespace entalix::steamcalc
