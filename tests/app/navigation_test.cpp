// Navigation through the menus, one visible screen, state kept across a return.
#include <gtest/gtest.h>

#include "catalog/catalog.h"
#include "shell/memory_app.h"
#include "shell/menus.h"

namespace entalix {
namespace {

using shell::ScreenId;

class Navigation : public ::testing::Test {
protected:
    Navigation() : app(catalog::screen_desc) { app.start(); }
    std::vector<ScreenId> only(ScreenId id) { return {id}; }
    shell::MemoryApp app;
};

TEST_F(Navigation, StartShowsOnlyTheMainMenu) {
    EXPECT_EQ(app.visible_screens(), only(ScreenId::Form1));
    EXPECT_EQ(app.controller().desc(ScreenId::Form1).caption, "主画面");
    EXPECT_FALSE(app.host().created(ScreenId::Form2));
}

struct Step {
    ScreenId from;
    const char* button;
    ScreenId to;
};

// Every menu button and every "返回", each followed from the screen it stands on.
const Step kTree[] = {
    {ScreenId::Form1, "Command1", ScreenId::Form2},   {ScreenId::Form2, "Command1", ScreenId::Form1},
    {ScreenId::Form1, "Command2", ScreenId::Form3},   {ScreenId::Form3, "Command4", ScreenId::Form5},
    {ScreenId::Form5, "Command1", ScreenId::Form3},   {ScreenId::Form3, "Command2", ScreenId::Form6},
    {ScreenId::Form6, "Command1", ScreenId::Form3},   {ScreenId::Form3, "Command3", ScreenId::Form7},
    {ScreenId::Form7, "Command1", ScreenId::Form3},   {ScreenId::Form3, "Command5", ScreenId::Form15},
    {ScreenId::Form15, "Command3", ScreenId::Form3},  {ScreenId::Form3, "Command1", ScreenId::Form1},
    {ScreenId::Form1, "Command3", ScreenId::Form4},   {ScreenId::Form4, "Command1", ScreenId::Form1},
    {ScreenId::Form1, "Command4", ScreenId::Form8},   {ScreenId::Form8, "Command3", ScreenId::Form1},
    {ScreenId::Form1, "Command6", ScreenId::Form10},  {ScreenId::Form10, "Command1", ScreenId::Form11},
    {ScreenId::Form11, "Command3", ScreenId::Form10}, {ScreenId::Form10, "Command2", ScreenId::Form12},
    {ScreenId::Form12, "Command3", ScreenId::Form10}, {ScreenId::Form10, "Command4", ScreenId::Form16},
    {ScreenId::Form16, "Command3", ScreenId::Form10}, {ScreenId::Form10, "Command5", ScreenId::Form17},
    {ScreenId::Form17, "Command3", ScreenId::Form10}, {ScreenId::Form10, "Command6", ScreenId::Form19},
    {ScreenId::Form19, "Command2", ScreenId::Form10}, {ScreenId::Form10, "Command3", ScreenId::Form1},
    {ScreenId::Form1, "Command5", ScreenId::Form13},  {ScreenId::Form13, "Command1", ScreenId::Form9},
    {ScreenId::Form9, "Command3", ScreenId::Form13},  {ScreenId::Form13, "Command2", ScreenId::Form14},
    {ScreenId::Form14, "Command3", ScreenId::Form13}, {ScreenId::Form13, "Command3", ScreenId::Form1},
    {ScreenId::Form1, "Command7", ScreenId::Form18},  {ScreenId::Form18, "Command3", ScreenId::Form1},
    {ScreenId::Form1, "Command8", ScreenId::Form20},  {ScreenId::Form20, "Command3", ScreenId::Form1},
};

TEST_F(Navigation, EveryButtonLeadsWhereTheTreeSaysAndLeavesOneScreenVisible) {
    for (const Step& step : kTree) {
        ASSERT_EQ(app.visible_screens(), only(step.from));
        app.click(step.from, step.button);
        EXPECT_EQ(app.visible_screens(), only(step.to)) << shell::screen_name(step.from) << ' ' << step.button;
    }
    for (ScreenId id : shell::all_screens()) EXPECT_TRUE(app.host().created(id));
}

TEST_F(Navigation, CloseControlActsLikeReturnAndEndsTheApplicationOnTheMainMenu) {
    app.click(ScreenId::Form1, "Command2");
    app.click(ScreenId::Form3, "Command5");
    EXPECT_TRUE(app.close(ScreenId::Form15));
    EXPECT_EQ(app.visible_screens(), only(ScreenId::Form3));
    EXPECT_TRUE(app.close(ScreenId::Form3));
    EXPECT_EQ(app.visible_screens(), only(ScreenId::Form1));
    EXPECT_FALSE(app.close(ScreenId::Form1));
}

TEST_F(Navigation, EveryScreenButTheMainMenuHasExactlyOneReturnButton) {
    for (ScreenId id : shell::all_screens()) {
        const auto& desc = catalog::screen_desc(id);
        int returns = 0;
        for (const auto& c : desc.controls) returns += c.text == "返回";
        EXPECT_EQ(returns, id == ScreenId::Form1 ? 0 : 1) << shell::screen_name(id);
        EXPECT_EQ(desc.close_event.empty(), id == ScreenId::Form1);
    }
}

TEST_F(Navigation, ControlsLieInsideTheirClientArea) {
    for (ScreenId id : shell::all_screens()) {
        const auto& desc = catalog::screen_desc(id);
        for (const auto& c : desc.controls) {
            if (!c.parent.empty()) continue;
            EXPECT_LE(c.rect.left + c.rect.width, desc.width) << shell::screen_name(id) << ' ' << c.name;
            EXPECT_LE(c.rect.top + c.rect.height, desc.height) << shell::screen_name(id) << ' ' << c.name;
        }
    }
}

TEST_F(Navigation, ScreenShowsAgainAsItWasLeft) {
    app.click(ScreenId::Form1, "Command4");
    app.type(ScreenId::Form8, "Text1", "100");
    app.click(ScreenId::Form8, "Command1");
    app.click(ScreenId::Form8, "Command3");
    app.click(ScreenId::Form1, "Command4");
    EXPECT_EQ(app.text(ScreenId::Form8, "Text1"), "100");
    EXPECT_EQ(app.text(ScreenId::Form8, "Text2"), "0.0030");
}

TEST_F(Navigation, NotesAreWrittenAtEachOpeningOnce) {
    app.click(ScreenId::Form1, "Command3");
    const std::string first = app.text(ScreenId::Form4, "Label1");
    EXPECT_EQ(first, shell::NotesText());
    app.click(ScreenId::Form4, "Command1");
    app.click(ScreenId::Form1, "Command3");
    EXPECT_EQ(app.text(ScreenId::Form4, "Label1"), first);
}

TEST(Notes, FiveNumberedLinesJoinedByCrLf) {
    const std::string text = shell::NotesText();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(std::to_string(i + 1) + "、", 0), 0u) << lines[i];
        EXPECT_EQ(lines[i].find('\n'), std::string::npos);
        EXPECT_EQ(lines[i].find('\r'), std::string::npos);
    }
    EXPECT_EQ(lines[0], "1、为了方便生产现场计算，该程序需要输入的压力为表压力（特殊说明除外）。");
    EXPECT_EQ(lines[1], "2、大气压的默认值是根据吉林市全年平均值设定，在计算时可根据需要修正。");
    EXPECT_EQ(lines[4], "5、该程序涉及水与水蒸气性质的公式是依据“IFC-67公式”编写。");
}

// The last note names the formulation the main menu has chosen, not a fixed one.
TEST_F(Navigation, NotesNameTheFormulationInUse) {
    app.choose(ScreenId::Form1, "Combo1", "IAPWS-IF97");
    app.click(ScreenId::Form1, "Command3");
    EXPECT_NE(app.text(ScreenId::Form4, "Label1").find("依据“IAPWS-IF97公式”编写"), std::string::npos);
    app.click(ScreenId::Form4, "Command1");
    app.choose(ScreenId::Form1, "Combo1", "IFC-67");
    app.click(ScreenId::Form1, "Command3");
    EXPECT_NE(app.text(ScreenId::Form4, "Label1").find("依据“IFC-67公式”编写"), std::string::npos);
}

}  // namespace
}  // namespace entalix
