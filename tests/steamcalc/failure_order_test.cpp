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
        {ScreenId::Form11,
         {{"Check1", "1"}, {"Check6", "1"}, {"Text1", "abc"}, {"Text6", "xyz"}},
         "“干度”无法识别：“xyz”"},
        // (p, t) reads the pressure, then finds the saturation temperature, then
        // reads the temperature.
        {ScreenId::Form11,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "0"}, {"Text2", "xyz"}},
         "“压力”须大于0 MPa（现为“0”）"},
        {ScreenId::Form11,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "1e-13"}, {"Text2", "xyz"}},
         shell::kMsgOutOfFormulation},
        // (t, x) on the gauge screen: the dryness, then the atmosphere, then the temperature.
        {ScreenId::Form12,
         {{"Check2", "1"}, {"Check6", "1"}, {"Text7", "bad"}, {"Text6", "bad"}, {"Text2", "1"}},
         "“干度”无法识别：“bad”"},
        {ScreenId::Form12,
         {{"Check2", "1"}, {"Check6", "1"}, {"Text7", "bad"}, {"Text2", "bad"}, {"Text6", "1"}},
         "“大气压”无法识别：“bad”"},
        // The pairs with p read the gauge pressure before the atmosphere.
        {ScreenId::Form12,
         {{"Check1", "1"}, {"Check2", "1"}, {"Text1", "x"}, {"Text7", "bad"}, {"Text2", "bad"}},
         "“压力”无法识别：“x”"},
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
