// Whatever is typed into any field, a press writes all its results as plain
// numbers, or writes none and says why.
#include <gtest/gtest.h>

#include "catalog/catalog.h"
#include "shell/controller.h"

namespace entalix::equipment {
namespace {

using shell::ScreenId;

const char* const kOdd[] = {"",        "-",   "abc",   ".",      "1e308",  "-1e308", "1e309",
                            "1e-320",  "-0",  "0",     "-99999", "374.15", "22.12",  "-0.0983",
                            "-273.15", "1e5", "1 000", "3,5",    "1.5.5",  "１２"};

bool plain_number(const std::string& text) {  // "-?digits.dddd"
    const std::size_t point = text.find('.');
    std::size_t i = text.rfind('-', 0) == 0 ? 1 : 0;
    if (point == std::string::npos || point == i || text.size() - point != 5) return false;
    for (; i < text.size(); ++i)
        if (i != point && (text[i] < '0' || text[i] > '9')) return false;
    return true;
}

TEST(OddInputs, EveryPressWritesAllItsResultsOrNone) {
    const struct {
        ScreenId id;
        const char* event;
        std::size_t results;
        std::vector<std::pair<const char*, const char*>> working;
    } presses[] = {
        {ScreenId::Form2, "Command2_Click", 1, {{"gdzj", "100"}, {"jzwd", "150"}, {"jzyl", "1"}, {"jzls", "2"}}},
        {ScreenId::Form2, "Command3_Click", 1, {{"jzwd1", "150"}, {"jzyl1", "1"}, {"jzls1", "2"}, {"jzll1", "50"}}},
        {ScreenId::Form5,
         "Command2_Click",
         2,
         {{"Text1", "300"}, {"Text2", "1"}, {"Text3", "100"}, {"Text4", "1"}, {"Text5", "100"}, {"Text6", "0.5"}}},
        {ScreenId::Form6,
         "Command2_Click",
         1,
         {{"Text1", "300"},
          {"Text2", "1"},
          {"Text3", "1"},
          {"Text4", "100"},
          {"Text5", "1"},
          {"Text6", "150"},
          {"Text7", "200"},
          {"Text8", "160"}}},
        {ScreenId::Form7,
         "Command2_Click",
         2,
         {{"Text1", "400"},
          {"Text2", "3"},
          {"Text3", "100"},
          {"Text4", "4"},
          {"Text5", "250"},
          {"Text6", "1"},
          {"Text7", "50"}}},
    };
    for (const auto& press : presses) {
        const shell::ScreenDesc& desc = catalog::screen_desc(press.id);
        shell::Fields base = desc.default_fields();
        for (const auto& [field, text] : press.working) base.set(field, text);
        for (const shell::ControlDesc& c : desc.controls) {
            if (c.kind != shell::ControlKind::TextBox) continue;
            for (const char* odd : kOdd) {
                shell::Fields fields = base;
                fields.set(c.name, odd);
                const auto outcome = shell::run_event(desc, press.event, fields);
                const std::string where = shell::screen_name(press.id) + ' ' + c.name + "=\"" + odd + '"';
                ASSERT_TRUE(outcome) << where;
                if (!outcome->message.empty()) {
                    EXPECT_TRUE(outcome->texts.empty()) << where;
                    continue;
                }
                ASSERT_EQ(outcome->texts.size(), press.results) << where;
                for (const auto& [control, text] : outcome->texts)
                    EXPECT_TRUE(plain_number(text)) << where << ' ' << text;
            }
        }
    }
}

}  // namespace
}  // namespace entalix::equipment
