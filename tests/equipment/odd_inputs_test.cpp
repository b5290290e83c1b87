// Whatever is typed into any field, a press writes all its results as plain
// numbers, or writes none and says why.
#include <gtest/gtest.h>


#include "catalog/catalog.h"
#include "equipment/pipe_screen.h"
#include "shell/controller.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;

// "-?digits.dddd" with exactly `decimals` digits after the point.
bool plain_number(const std::string& text, std::size_t decimals) {
    std::size_t i = text.rfind('-', 0) == 0 ? 1 : 0;
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point == i || text.size() - point - 1 != decimals) return false;
    for (; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9')) return false;
    return true;
}

const char* const kOddTexts[] = {"",      "-",       "abc",    ".",      "1e308", "-1e308", "1e309",  "1e-320",
                                 "-0",    "0",       "99999",  "-99999", "374.15", "22.12", "-0.0983", "-273.15",
                                 "1e5",   "-1e5",    "0.0983", "1 000",  "3,5",   "1.5.5",  "1e+3x",  "１２"};

struct Press {
    ScreenId id;
    const char* event;
    std::vector<const char*> results;
    std::vector<std::pair<const char*, const char*>> working;  // a press that succeeds
};

const Press kPresses[] = {
    {ScreenId::Form2, "Command2_Click", {"jzll"}, {{"gdzj", "100"}, {"jzwd", "150"}, {"jzyl", "1"}, {"jzls", "2"}}},
    {ScreenId::Form2, "Command3_Click", {"gdzj1"}, {{"jzwd1", "150"}, {"jzyl1", "1"}, {"jzls1", "2"}, {"jzll1", "50"}}},
    {ScreenId::Form5, "Command2_Click", {"jqll", "csll"},
     {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "100"}, {"Text4", "1"}, {"Text5", "100"}, {"Text6", "0.5"}}},
    {ScreenId::Form6, "Command2_Click", {"jqll"},
     {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "1"}, {"Text4", "100"}, {"Text5", "1"}, {"Text6", "150"},
      {"Text7", "200"}, {"Text8", "160"}}},
    {ScreenId::Form7, "Command2_Click", {"jqll", "jwsll"},
     {{"Text1", "400"}, {"Text2", "3"}, {"Text3", "100"}, {"Text4", "4"}, {"Text5", "250"}, {"Text6", "1"},
      {"Text7", "50"}}},
};

TEST(OddInputs, EveryPressWritesAllItsResultsOrNone) {
    for (const Press& press : kPresses) {
        const shell::ScreenDesc& desc = catalog::screen_desc(press.id);
        shell::Fields base = desc.default_fields();
        for (const auto& [field, text] : press.working) base.set(field, text);
        const auto good = shell::run_event(desc, press.event, base);
        ASSERT_TRUE(good && good->message.empty()) << shell::screen_name(press.id) << ' ' << press.event;
        for (const shell::ControlDesc& c : desc.controls) {
            if (c.kind != shell::ControlKind::TextBox) continue;
            for (const char* odd : kOddTexts) {
                shell::Fields fields = base;
                fields.set(c.name, odd);
                const auto outcome = shell::run_event(desc, press.event, fields);
                ASSERT_TRUE(outcome);
                const std::string where = shell::screen_name(press.id) + ' ' + press.event + ' ' + c.name + "=\"" + odd + '"';
                if (!outcome->message.empty()) {
                    EXPECT_TRUE(outcome->texts.empty()) << where;
                    continue;
                }
                ASSERT_EQ(outcome->texts.size(), press.results.size()) << where;
                for (std::size_t i = 0; i < press.results.size(); ++i) {
                    EXPECT_EQ(outcome->texts[i].first, press.results[i]) << where;
                    EXPECT_TRUE(plain_number(outcome->texts[i].second, 4))
                        << where << " wrote " << outcome->texts[i].second;
                }
            }
        }
    }
}

TEST(OddInputs, TheHintShowsAListOrAPromptOrKeepsItsText) {
    const shell::ScreenDesc& desc = catalog::screen_desc(ScreenId::Form2);
    const std::string allowed[] = {kWaterVelocities, kSteamVelocities, kAskPressure, kAskTemperature};
    for (const char* changed : {"jzwd", "jzyl", "jzwd1", "jzyl1"}) {
        for (const char* field : {"jzwd", "jzyl", "jzwd1", "jzyl1", "dqyz"}) {
            for (const char* odd : kOddTexts) {
                for (const char* other : {"0", "1", "150"}) {
                    shell::Fields fields = desc.default_fields();
                    for (const char* f : {"jzwd", "jzyl", "jzwd1", "jzyl1"}) fields.set(f, other);
                    fields.set(field, odd);
                    const auto outcome = shell::run_event(desc, std::string(changed) + "_Change", fields);
                    ASSERT_TRUE(outcome);
                    if (!outcome->message.empty() || outcome->texts.empty()) {
                        EXPECT_TRUE(outcome->texts.empty());
                        continue;
                    }
                    ASSERT_EQ(outcome->texts.size(), 1u);
                    EXPECT_EQ(outcome->texts[0].first, "Label3");
                    EXPECT_NE(std::find(std::begin(allowed), std::end(allowed), outcome->texts[0].second), std::end(allowed));
                }
            }
        }
    }
}

}  // namespace
}  // namespace entalix::equipment
