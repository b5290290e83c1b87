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
    bool compute_button;
};

const SelectionCase kSelectionCases[] = {
    {"FreshScreen", {}, "111111", "000000", true},
    {"HAlone", {2}, "111111", "001000", true},
    // h and s are a reading off the h-s chart; s with v, h with x are no pair.
    {"HThenS", {2, 3}, "001100", "001100", true},
    {"SThenV", {3, 4}, "000110", "000110", false},
    {"XThenH", {5, 2}, "001001", "001001", false},
    {"HThenSThenClearS", {2, 3, 3}, "111111", "001000", true},
    {"HThenSThenClearH", {2, 3, 2}, "111111", "000100", true},
    {"PThenX", {0, 5}, "100001", "100001", true},
    {"XThenP", {5, 0}, "100001", "100001", true},
    {"TThenH", {1, 2}, "011000", "011000", true},
    {"VThenXThenClearXThenT", {4, 5, 5, 1}, "010010", "010010", true},
    {"ClearTheOnlyTick", {4, 4}, "111111", "000000", true},
    {"PThenT", {0, 1}, "110000", "110000", true},
    {"SThenVThenClearBoth", {3, 4, 4, 3}, "111111", "000000", true},
    // A hidden tick box takes no click: the third click changes nothing.
    {"ThirdTickIsRefused", {0, 1, 2}, "110000", "110000", true},
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
    EXPECT_EQ(app.shown(screen, "Command1"), c.compute_button);
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

TEST(TickBoxRule, ClickOnPOrTLeavesTheComputeButtonAsItIs) {
    const std::array<bool, kRowCount> ticks{true, false, false, false, false, false};
    EXPECT_FALSE(UpdatePairSelection(ticks, kRowP).compute_button_shown.has_value());
    EXPECT_FALSE(UpdatePairSelection(ticks, kRowT).compute_button_shown.has_value());
    const std::array<bool, kRowCount> sv{false, false, false, true, true, false};
    EXPECT_EQ(UpdatePairSelection(sv, kRowV).compute_button_shown, false);
    // The button follows the clicked row: with its box hidden, it shows again.
    const std::array<bool, kRowCount> s_only{false, false, false, true, false, false};
    EXPECT_EQ(UpdatePairSelection(s_only, kRowV).compute_button_shown, true);
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
