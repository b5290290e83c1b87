// Every screen says what its fields mean and what each event reads and writes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "catalog/catalog.h"
#include "shell/controller.h"
#include "shell/field_ranges.h"

namespace entalix {
namespace {

using shell::Role;

std::string where(const shell::ScreenDesc& desc, const std::string& name) {
    return shell::screen_name(desc.id) + ' ' + name;
}

TEST(ScreenMeaning, EveryFieldHasQuantityAndUnit) {
    for (shell::ScreenId id : shell::all_screens()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        for (const shell::ControlDesc& c : desc.controls) {
            const shell::Meaning& m = c.meaning;
            if (m.role == Role::Input || m.role == Role::Result || m.role == Role::Atmospheric) {
                EXPECT_FALSE(m.quantity.empty()) << where(desc, c.name);
                EXPECT_FALSE(m.unit.empty()) << where(desc, c.name);
            }
            if (m.role == Role::Result) {
                EXPECT_FALSE(m.format.empty()) << where(desc, c.name);
            }
            // A pressure someone types is gauge or absolute, never left unsaid.
            if (m.role == Role::Input && m.unit == "MPa") {
                EXPECT_NE(m.pressure, shell::PressureKind::None) << where(desc, c.name);
            }
            // Whatever a person types into is declared.
            if (c.kind == shell::ControlKind::TextBox || c.kind == shell::ControlKind::CheckBox) {
                EXPECT_NE(m.role, Role::None) << where(desc, c.name);
            }
        }
    }
}

TEST(ScreenMeaning, EventsNameFieldsOfTheirScreen) {
    for (shell::ScreenId id : shell::all_screens()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        for (const shell::EventBinding& e : desc.events) {
            for (const std::string& name : e.reads) EXPECT_NE(desc.find(name), nullptr) << where(desc, e.event);
            for (const std::string& name : e.writes) EXPECT_NE(desc.find(name), nullptr) << where(desc, e.event);
            if (e.kind == shell::EventKind::Navigate) {
                EXPECT_TRUE(e.reads.empty() && e.writes.empty()) << where(desc, e.event);
                continue;
            }
            EXPECT_FALSE(e.reads.empty()) << where(desc, e.event);
            EXPECT_FALSE(e.writes.empty()) << where(desc, e.event);
        }
    }
}

// A press given only the fields its event declares must not look for any other:
// the handler would meet a missing field and throw out_of_range. A navigation
// event writes nothing on its screen: it navigates, or says why it cannot.
TEST(ScreenMeaning, EventsReadOnlyWhatTheyDeclare) {
    for (shell::ScreenId id : shell::all_screens()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        for (const shell::EventBinding& e : desc.events) {
            shell::Fields only;
            for (const std::string& name : e.reads) {
                const shell::ControlDesc* c = desc.find(name);
                ASSERT_NE(c, nullptr);
                only.set(name, c->meaning.role == Role::Atmospheric ? "0.0983" : "1");
            }
            std::optional<shell::Outcome> outcome;
            EXPECT_NO_THROW(outcome = shell::run_event(desc, e.event, only)) << where(desc, e.event);
            if (e.kind == shell::EventKind::Navigate && outcome) {
                EXPECT_NE(outcome->navigate.has_value(), !outcome->message.empty()) << where(desc, e.event);
                EXPECT_TRUE(outcome->texts.empty()) << where(desc, e.event);
            }
        }
    }
}

// A field bounded above only, or allowed below its unit's usual range (the
// rise of a line, the air's temperature), states its range in finite figures.
TEST(ScreenMeaning, EveryTypedFieldStatesItsRange) {
    for (shell::ScreenId id : shell::all_screens()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        for (const shell::ControlDesc* c : desc.typed_fields()) {
            for (auto formulation : {props::Formulation::IFC67, props::Formulation::IF97}) {
                std::string tip;
                EXPECT_NO_THROW(tip = shell::field_tooltip(*c, formulation)) << where(desc, c->name);
                EXPECT_EQ(tip.find("inf"), std::string::npos) << where(desc, c->name) << ' ' << tip;
            }
        }
    }
    const shell::ScreenDesc& line = catalog::screen_desc(shell::ScreenId::Form18);
    EXPECT_EQ(shell::range_text(line.find("Text10")->meaning), "-5000 ~ 5000 m");
    EXPECT_EQ(shell::range_text(line.find("Text14")->meaning), "-60 ~ 60 ℃");
    EXPECT_EQ(shell::range_text(line.find("Text12")->meaning), "0 ~ 100 W/(m·K)");
}

TEST(ScreenMeaning, EnterPressesTheBlockOfTheField) {
    const shell::ScreenDesc& pipe = catalog::screen_desc(shell::ScreenId::Form2);
    EXPECT_EQ(pipe.event_for_enter("gdzj")->event, "Command2_Click");
    EXPECT_EQ(pipe.event_for_enter("jzll1")->event, "Command3_Click");
    const shell::ScreenDesc& saturation = catalog::screen_desc(shell::ScreenId::Form8);
    EXPECT_EQ(saturation.event_for_enter("Text2")->event, "Command2_Click");
    EXPECT_EQ(saturation.event_for_enter("Text1")->event, "Command1_Click");
    EXPECT_EQ(saturation.back_button()->text, "返回");
    EXPECT_EQ(catalog::screen_desc(shell::ScreenId::Form1).back_button(), nullptr);
    // The line's inlet: the temperature row or the dryness row.
    const shell::ScreenDesc& line = catalog::screen_desc(shell::ScreenId::Form18);
    EXPECT_EQ(line.event_for_enter("Text2")->event, "Command1_Click");
    EXPECT_EQ(line.event_for_enter("Text3")->event, "Command2_Click");
}

}  // namespace
}  // namespace entalix
