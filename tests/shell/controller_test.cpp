// A press that warns writes everything and shows its warning where a failure would
// stand; a failure or a note keeps the line for itself.
#include <gtest/gtest.h>

#include "base/property_error.h"
#include "shell/controller.h"
#include "shell/memory_app.h"
#include "shell/menus.h"

namespace entalix::shell {
namespace {

const ScreenDesc& warning_screen() {
    static const ScreenDesc desc{
        ScreenId::Form2,
        "test",
        3000,
        3000,
        {
            with_meaning(text_box("Text1", "0", {0, 0, 900, 375}), input("压力", "MPa")),
            with_meaning(label("Label1", "", {0, 480, 900, 375}), result("结果", "1", "general")),
            message_line({0, 960, 2000, 600}),
        },
        {
            compute("Command1_Click", {"Text1"}, {"Label1"},
                    [](const Fields& f) {
                        const std::string& typed = f.text("Text1");
                        if (typed == "fail") throw props::PropertyError("test");
                        Outcome out;
                        out.texts = {{"Label1", "42"}};
                        if (typed == "warn" || typed == "both") out.warning = "外推结果";
                        if (typed == "both") out.message = "说明";
                        return out;
                    }),
        },
        {},
    };
    return desc;
}

TEST(Warning, TravelsWithTheWrittenResultAndGivesWayToAMessage) {
    struct Case {
        const char* typed;
        const char* label;  // after the press
        const char* line;   // the message line after the press
        bool failed;
    };
    const Case cases[] = {
        {"warn", "42", "外推结果", false},
        {"both", "42", "说明", false},
        {"0", "42", "", false},
        {"fail", "", "超出公式适用范围", true},
    };
    for (const Case& c : cases) {
        MemoryHost host;
        host.create_screen(warning_screen());
        Fields fields = host.fields(ScreenId::Form2);
        fields.set("Text1", c.typed);
        const std::optional<Outcome> outcome = run_event(warning_screen(), "Command1_Click", fields);
        ASSERT_TRUE(outcome) << c.typed;
        EXPECT_EQ(outcome->failed, c.failed) << c.typed;
        host.apply(ScreenId::Form2, *outcome);
        EXPECT_EQ(host.model(ScreenId::Form2).texts.at("Label1"), c.label) << c.typed;
        EXPECT_EQ(host.model(ScreenId::Form2).texts.at("Message"), c.line) << c.typed;
    }
}

}  // namespace
}  // namespace entalix::shell
