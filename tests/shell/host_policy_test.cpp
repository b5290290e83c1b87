// The field menu every host shows and where the "?" stands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/field_menu.h"
#include "shell/help_button.h"
#include "shell/menus.h"

namespace entalix::shell {
namespace {

// "剪切 (grey)", as the Windows self-test reports a menu.
std::vector<std::string> shown(const std::vector<FieldMenuItem>& items) {
    std::vector<std::string> out;
    for (const FieldMenuItem& item : items) out.push_back(std::string(item.text) + (item.enabled ? "" : " (grey)"));
    return out;
}

TEST(FieldMenu, ItemsFollowTheFieldAndWhatItHolds) {
    const ControlDesc pressure = with_meaning(text_box("Text7", "0.0983", {}), atmospheric());
    const ControlDesc typed = with_meaning(text_box("Text1", "1", {}), input("压力", "MPa"));
    const ControlDesc shown_result = with_meaning(label("Label1", "", {}), result("比焓", "kJ/kg", "0.00"));

    // An emptied atmospheric pressure with something on the clipboard, nothing computed yet.
    EXPECT_EQ(shown(field_menu(pressure, {.clipboard_has_text = true})),
              (std::vector<std::string>{"撤销 (grey)", "剪切 (grey)", "复制 (grey)", "粘贴", "删除 (grey)",
                                        "全选 (grey)", "复制全部结果 (grey)", "恢复默认"}));
    const std::vector<FieldMenuItem> full = field_menu(typed, {true, true, true, true, true});
    EXPECT_EQ(shown(full), (std::vector<std::string>{"撤销", "剪切", "复制", "粘贴", "删除", "全选", "复制全部结果"}));
    EXPECT_TRUE(full.at(1).separator_before && full.at(5).separator_before && full.at(6).separator_before);
    // A result is copied, never edited.
    EXPECT_EQ(shown(field_menu(shown_result, {})), (std::vector<std::string>{"复制", "复制全部结果 (grey)"}));
    EXPECT_TRUE(field_menu(label("Label2", "压力", {}), {}).empty());
    EXPECT_TRUE(field_menu(button("Command1", "计算", {}), {}).empty());
}

ControlDesc drawing(std::string name, Twips rect) {
    ControlDesc c = label(std::move(name), "heater", rect);
    c.kind = ControlKind::PictureBox;
    return c;
}

TEST(HelpButton, StandsInTheDrawingThatReachesIntoTheCorner) {
    ScreenDesc desc;
    desc.width = 6000;
    desc.height = 4000;
    desc.controls = {button("Command1", "计算", {4000, 3000, 900, 450})};
    EXPECT_EQ(help_button_holder(desc), nullptr);
    // A drawing short of the corner leaves the "?" to the screen; one reaching into it takes it.
    desc.controls.push_back(drawing("Picture1", {0, 0, 5600, 3000}));
    EXPECT_EQ(help_button_holder(desc), nullptr);
    desc.controls.push_back(drawing("Picture2", {3000, 100, 2950, 2000}));
    ASSERT_NE(help_button_holder(desc), nullptr);
    EXPECT_EQ(help_button_holder(desc)->name, "Picture2");
}

}  // namespace
}  // namespace entalix::shell
