// What outlives the program, through an in-memory store: every value comes
// back as it was left, and a value that cannot be right is ignored.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "shell/menus.h"
#include "shell/remembered.h"

namespace entalix::shell {
namespace {

using Texts = std::map<std::string, std::string, std::less<>>;

ScreenDesc screen(ScreenId id, std::string close_event) {
    ControlDesc tick;
    tick.name = "Check1";
    tick.kind = ControlKind::CheckBox;
    tick.meaning.role = Role::TickBox;
    ControlDesc later_tick = tick;
    later_tick.name = "Check2";
    return ScreenDesc{id,
                      "test",
                      3000,
                      3000,
                      {
                          with_meaning(text_box("Text1", "1", {0, 0, 900, 375}), input("压力", "MPa")),
                          with_meaning(text_box("Text7", "0.0983", {0, 480, 900, 375}), atmospheric()),
                          with_meaning(label("Label1", "", {1000, 0, 900, 375}), result("比焓", "kJ/kg", "0.00")),
                          tick,
                          later_tick,
                      },
                      {},
                      std::move(close_event)};
}

// A store that refuses what an .ini line cannot hold.
class ShortLineStore : public MemoryStore {
public:
    bool set(std::string_view group, std::string_view key, const std::string& value) override {
        return value.size() <= 20 && MemoryStore::set(group, key, value);
    }
};

TEST(Remembered, WhatAScreenLeftComesBack) {
    MemoryStore store;
    Remembered remembered(store);
    EXPECT_FALSE(remembered.atmospheric());
    EXPECT_FALSE(remembered.formulation());
    EXPECT_FALSE(remembered.main_place());

    remembered.atmospheric_typed("0.1013");
    remembered.atmospheric_typed("");  // emptied to type anew: the number before stays
    remembered.set_formulation(props::Formulation::IF97);
    const ScreenDesc menu = screen(ScreenId::Form1, "");
    const Fields fields(
        {{"Text1", "１０．５"}, {"Text7", "0.2"}, {"Label1", "2777.12"}, {"Check1", "0"}, {"Check2", "1"}});
    remembered.screen_left(menu, fields, WindowPlace{-1200, 40});

    Remembered next(store);
    EXPECT_EQ(next.atmospheric(), "0.1013");
    EXPECT_EQ(next.formulation(), props::Formulation::IF97);
    EXPECT_EQ(next.main_place(), (WindowPlace{-1200, 40}));
    // Only the typed number; the atmospheric pressure is the site's, results are computed again.
    EXPECT_EQ(next.inputs(menu), (std::vector<std::pair<std::string, std::string>>{{"Text1", "１０．５"}}));
    EXPECT_EQ(next.ticks(menu), std::vector<std::string>{"Check2"});
    EXPECT_EQ(store.get("inputs Form1", "Check1"), "0");

    // Another screen keeps its own inputs, and its place is not the main menu's.
    const ScreenDesc other = screen(ScreenId::Form2, "Command1_Click");
    remembered.screen_left(other, Fields(Texts{{"Text1", "3"}}), WindowPlace{5, 5}, WindowSize{1050, 600});
    EXPECT_EQ(next.inputs(other).at(0).second, "3");
    // Each window its own size.
    EXPECT_EQ(next.window_size(ScreenId::Form2), (WindowSize{1050, 600}));
    EXPECT_FALSE(next.window_size(ScreenId::Form1));
    EXPECT_EQ(next.inputs(menu).at(0).second, "１０．５");
    EXPECT_EQ(next.main_place(), (WindowPlace{-1200, 40}));
}

TEST(Remembered, ValuesThatCannotBeRightAreIgnored) {
    MemoryStore store;
    const Remembered remembered(store);
    const auto read_back = [&](std::string_view key, const std::string& value) {
        store.set(kProgramGroup, key, value);
    };
    for (const std::string bad : {"", "abc", "0.1x", "nan", "inf"}) {
        read_back(kAtmosphericKey, bad);
        EXPECT_FALSE(remembered.atmospheric()) << bad;
    }
    for (const std::string bad : {"", "IFC-68", "IAPWS-IF98", " IFC-67"}) {
        read_back(kFormulationKey, bad);
        EXPECT_FALSE(remembered.formulation()) << bad;
    }
    read_back(kMainTopKey, "10");
    for (const std::string bad : {"", "12px", " 12", "1.5", "100001", "-100001", "99999999999"}) {
        read_back(kMainLeftKey, bad);
        EXPECT_FALSE(remembered.main_place()) << bad;
    }
    read_back(kMainLeftKey, "-100000");
    EXPECT_EQ(remembered.main_place(), (WindowPlace{-100000, 10}));
    // A size must be a positive whole number of pixels.
    store.set("window Form2", "height", "600");
    for (const std::string bad : {"0", "-5", "1e3", "wide"}) {
        store.set("window Form2", "width", bad);
        EXPECT_FALSE(remembered.window_size(ScreenId::Form2)) << bad;
    }
    // A tick box reads back ticked only from "1".
    store.set("inputs Form1", "Check1", "yes");
    EXPECT_TRUE(remembered.ticks(screen(ScreenId::Form1, "")).empty());
}

TEST(Remembered, AnInputTheStoreCannotKeepIsForgottenNotBroughtBackOlder) {
    ShortLineStore store;
    Remembered remembered(store);
    const ScreenDesc desc = screen(ScreenId::Form2, "Command1_Click");
    remembered.screen_left(desc, Fields(Texts{{"Text1", "12.5"}}), std::nullopt);
    remembered.screen_left(desc, Fields(Texts{{"Text1", std::string(300, '9')}}), std::nullopt);
    EXPECT_TRUE(remembered.inputs(desc).empty());
}

}  // namespace
}  // namespace entalix::shell
