// F1's section of the guide and the buttons' tooltips, for every screen.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "catalog/catalog.h"
#include "shell/button_tooltip.h"
#include "shell/guide_sections.h"

namespace entalix::shell {
namespace {

std::string guide() {
    std::ifstream file(ENTALIX_GUIDE, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(GuideSections, EveryScreenHasASectionTheContentsLinkTo) {
    const std::string text = guide();
    ASSERT_FALSE(text.empty());
    for (ScreenId id : all_screens()) {
        const std::string heading(guide_heading(id));
        ASSERT_FALSE(heading.empty()) << screen_name(id);
        // A heading line of the guide, and the link its own contents has to it.
        EXPECT_NE(text.find("## " + heading + "\n"), std::string::npos) << heading;
        EXPECT_NE(text.find("(#" + guide_anchor(heading) + ")"), std::string::npos) << heading;
    }
}

TEST(GuideSections, AnchorsAsAMarkdownSiteMakesThem) {
    EXPECT_EQ(guide_anchor("6.2 加热器计算（菜单）"), "62-加热器计算菜单");
    EXPECT_EQ(guide_anchor("8 两种性质公式：IFC-67 和 IAPWS-IF97"), "8-两种性质公式ifc-67-和-iapws-if97");
    EXPECT_EQ(guide_anchor("4 单位、表压和大气压值"), "4-单位表压和大气压值");
}

TEST(ButtonTooltips, EveryButtonSaysWhatItDoes) {
    for (ScreenId id : all_screens()) {
        const ScreenDesc& desc = catalog::screen_desc(id);
        for (const ControlDesc& c : desc.controls) {
            if (c.kind != ControlKind::Button) continue;
            EXPECT_FALSE(button_tooltip(desc, c, catalog::screen_desc).empty()) << screen_name(id) << " " << c.name;
        }
    }
    const ScreenDesc& menu = catalog::screen_desc(ScreenId::Form1);
    EXPECT_EQ(button_tooltip(menu, *menu.find("Command4"), catalog::screen_desc), "打开“饱和参数”");
    const ScreenDesc& saturation = catalog::screen_desc(ScreenId::Form8);
    EXPECT_EQ(button_tooltip(saturation, *saturation.back_button(), catalog::screen_desc), "返回“主画面”（Esc）");
    EXPECT_EQ(button_tooltip(saturation, *saturation.find("Command1"), catalog::screen_desc), "计算：饱和压力");
    // Not a button: nothing.
    EXPECT_EQ(button_tooltip(menu, *menu.find("Label2"), catalog::screen_desc), "");
}

}  // namespace
}  // namespace entalix::shell
