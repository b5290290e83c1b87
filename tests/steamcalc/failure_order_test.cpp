// With two bad fields, a press stops at the one its steps read first.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "catalog/catalog.h"
#include "shell/controller.h"
#include "shell/errors.h"

namespace entalix::steamcalc {
namespace {

struct Case {
    shell::ScreenId screen;
    std::map<std::string, std::string> fields;
    std::string message;
};

TEST(FailureOrder, TheFirstFieldReadStopsThePress) {
    using shell::ScreenId;
    const Case cases[] = {
        // (p, x) reads the dryness strictly before it needs the pressure as a number.
        {ScreenId::Form11, {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "abc"}, {"Text6", "xyz"}}, "“干度”不是数字"},
        // (p, t) checks the pressure before it reads the temperature.
        {ScreenId::Form11,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "0"}, {"Text2", "xyz"}},
         "“压力”须大于0且不超过100 MPa（IFC-67适用范围）"},
        // (t, x) on the gauge screen: the dryness, then the atmosphere, then the temperature.
        {ScreenId::Form12,
         {{"Check2", "1"}, {"Check6", "1"}, {"Text7", "bad"}, {"Text6", "bad"}, {"Text2", "1"}},
         "“干度”不是数字"},
        {ScreenId::Form12,
         {{"Check2", "1"}, {"Check6", "1"}, {"Text7", "bad"}, {"Text2", "bad"}, {"Text6", "1"}},
         "“大气压”不是数字"},
        // The pairs with p read the gauge pressure before the atmosphere.
        {ScreenId::Form12,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "x"}, {"Text7", "bad"}, {"Text2", "bad"}},
         "“压力”不是数字"},
    };
    for (const Case& c : cases) {
        const shell::ScreenDesc& desc = catalog::screen_desc(c.screen);
        shell::Fields fields = desc.default_fields();
        for (const auto& [name, text] : c.fields) fields.set(name, text);
        const auto outcome = shell::run_event(desc, "Command1_Click", fields);
        ASSERT_TRUE(outcome.has_value());
        EXPECT_TRUE(outcome->failed);
        EXPECT_EQ(outcome->message, c.message) << shell::screen_name(c.screen);
    }
}

}  // namespace
}  // namespace entalix::steamcalc
