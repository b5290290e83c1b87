// What every screen does alike through the shared host policy, driven through
// the in-memory host: stale results, titles, copying, Enter in a shared field.
#include <gtest/gtest.h>

#include "catalog/catalog.h"
#include "props/validity.h"
#include "shell/memory_app.h"
#include "shell/tab_order.h"

namespace entalix {
namespace {

using shell::ScreenId;

class ScreenPolicy : public ::testing::Test {
protected:
    ScreenPolicy() : app(catalog::screen_desc) { app.start(); }
    int rows(ScreenId id, const std::string& quantity) const {
        const std::string text = app.copy_all(id);
        int n = 0;
        for (std::size_t at = text.find(quantity + '\t'); at != std::string::npos;
             at = text.find(quantity + '\t', at + 1))
            if (at == 0 || text[at - 1] == '\n') ++n;
        return n;
    }
    shell::MemoryApp app;
};

TEST_F(ScreenPolicy, SaturationScreenGreysAStaleResultButNotARetypedValue) {
    app.click(ScreenId::Form1, "Command4");
    app.type(ScreenId::Form8, "Text2", "0.9017");  // gauge, 1.0000 MPa absolute
    app.click(ScreenId::Form8, "Command2");
    EXPECT_TRUE(app.text(ScreenId::Form8, "Text1").starts_with("179.88"));  // steam tables: 179.88 degC at 1 MPa
    EXPECT_FALSE(app.stale(ScreenId::Form8, "Text1"));
    app.type(ScreenId::Form8, "Text7", "0.1013");
    EXPECT_TRUE(app.stale(ScreenId::Form8, "Text1"));
    app.type(ScreenId::Form8, "Text7", "0.0983");  // the value it stood on, typed again
    EXPECT_FALSE(app.stale(ScreenId::Form8, "Text1"));

    // A failed press greys what the press showed before.
    app.type(ScreenId::Form8, "Text2", "abc");
    app.click(ScreenId::Form8, "Command2");
    EXPECT_NE(app.text(ScreenId::Form8, "Message"), "");
    EXPECT_TRUE(app.text(ScreenId::Form8, "Text1").starts_with("179.88"));
    EXPECT_TRUE(app.stale(ScreenId::Form8, "Text1"));
}

TEST_F(ScreenPolicy, TitlesFollowTheFormulationAtOnceAndOldResultsGrey) {
    EXPECT_EQ(app.title(ScreenId::Form1), "主画面 · IFC-67");
    app.click(ScreenId::Form1, "Command4");
    EXPECT_EQ(app.title(ScreenId::Form8), "饱和参数");  // nothing computed with water yet
    app.click(ScreenId::Form8, "Command2");
    EXPECT_EQ(app.title(ScreenId::Form8), "饱和参数 · IFC-67");
    app.click(ScreenId::Form8, "Command3");
    app.choose(ScreenId::Form1, "Combo1", "IAPWS-IF97");
    EXPECT_EQ(app.title(ScreenId::Form1), "主画面 · IAPWS-IF97");
    EXPECT_EQ(app.title(ScreenId::Form8), "饱和参数 · IAPWS-IF97");
    EXPECT_TRUE(app.stale(ScreenId::Form8, "Text1"));
}

TEST_F(ScreenPolicy, CopyTakesOnlyThePressStillOnTheScreen) {
    app.click(ScreenId::Form1, "Command4");
    app.type(ScreenId::Form8, "Text1", "100");
    app.click(ScreenId::Form8, "Command1");  // pressure from temperature
    app.type(ScreenId::Form8, "Text2", "0.9017");
    app.click(ScreenId::Form8, "Command2");  // temperature from the pressure typed over the result
    EXPECT_EQ(rows(ScreenId::Form8, "饱和压力"), 1) << app.copy_all(ScreenId::Form8);
    EXPECT_EQ(rows(ScreenId::Form8, "饱和温度"), 1);
    EXPECT_NE(app.copy_all(ScreenId::Form8).find("饱和压力\t0.9017\t"), std::string::npos);
    // The other arrow writes over the field this press read: only it is left.
    app.click(ScreenId::Form8, "Command1");
    EXPECT_EQ(rows(ScreenId::Form8, "饱和压力"), 1) << app.copy_all(ScreenId::Form8);
    EXPECT_FALSE(app.stale(ScreenId::Form8, "Text1"));
    EXPECT_FALSE(app.stale(ScreenId::Form8, "Text2"));
}

TEST_F(ScreenPolicy, EnterInTheSharedAtmosphericPressureRecomputesEveryBlock) {
    app.click(ScreenId::Form1, "Command1");
    for (const auto& [field, text] : {std::pair{"gdzj", "100"},
                                      {"jzwd", "20"},
                                      {"jzyl", "1"},
                                      {"jzls", "2"},
                                      {"jzwd1", "20"},
                                      {"jzyl1", "1"},
                                      {"jzls1", "2"},
                                      {"jzll1", "50"}})
        app.type(ScreenId::Form2, field, text);
    app.click(ScreenId::Form2, "Command2");
    app.click(ScreenId::Form2, "Command3");
    app.type(ScreenId::Form2, "dqyz", "0.0900");
    EXPECT_TRUE(app.stale(ScreenId::Form2, "jzll"));
    EXPECT_TRUE(app.stale(ScreenId::Form2, "gdzj1"));
    app.enter(ScreenId::Form2, "dqyz");
    EXPECT_FALSE(app.stale(ScreenId::Form2, "jzll"));
    EXPECT_FALSE(app.stale(ScreenId::Form2, "gdzj1"));
    // Enter where nothing changed greys nothing and changes nothing.
    app.enter(ScreenId::Form2, "jzwd");
    EXPECT_FALSE(app.stale(ScreenId::Form2, "jzll"));
    EXPECT_FALSE(app.stale(ScreenId::Form2, "gdzj1"));
}

// The stream a field belongs to, from its name alone: "进汽" of "进汽温度",
// "减温" of "减温水压力"; empty for a quantity that names no stream.
std::string stream_of(const std::string& quantity) {
    constexpr std::size_t kChar = 3;  // bytes of a Chinese character in UTF-8
    if (quantity.size() < 4 * kChar) return {};
    for (const char* end : {"温度", "压力", "流量"})
        if (quantity.ends_with(end)) return quantity.substr(0, 2 * kChar);
    return {};
}

TEST(TabOrder, EveryScreenReadsEachStreamWholeBeforeTheNext) {
    for (ScreenId id : shell::all_screens()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        std::vector<std::string> visited;  // streams in the order Tab first reaches them
        for (const shell::ControlDesc* c : shell::tab_order(desc)) {
            const std::string stream = stream_of(c->meaning.quantity);
            if (stream.empty() || (!visited.empty() && visited.back() == stream)) continue;
            EXPECT_EQ(std::find(visited.begin(), visited.end(), stream), visited.end())
                << shell::screen_name(id) << ": Tab comes back to " << stream << " at " << c->name;
            visited.push_back(stream);
        }
    }
    // The desuperheater's inlet is typed "435 Tab 3.43" into its temperature and pressure.
    std::vector<std::string> names;
    for (const shell::ControlDesc* c : shell::tab_order(catalog::screen_desc(ScreenId::Form7)))
        names.push_back(c->name);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 3, names.begin() + 8),
              (std::vector<std::string>{"Text1", "Text2", "Text5", "Text6", "Text7"}));
}

// The pipe screen's two calculations stand side by side: a narrow page stacks
// them whole, the flow from the diameter first. No other screen splits so.
TEST(TabOrder, OnlyThePipeScreenHasBlocksSideBySide) {
    for (ScreenId id : shell::all_screens()) {
        std::vector<std::vector<std::string>> blocks;
        for (const auto& block : shell::side_by_side_blocks(catalog::screen_desc(id))) {
            blocks.emplace_back();
            for (const shell::ControlDesc* c : block) blocks.back().push_back(c->name);
        }
        if (id != ScreenId::Form2) {
            EXPECT_TRUE(blocks.empty()) << shell::screen_name(id);
            continue;
        }
        EXPECT_EQ(blocks, (std::vector<std::vector<std::string>>{{"gdzj", "jzwd", "jzyl", "jzls", "Command2"},
                                                                 {"jzwd1", "jzyl1", "jzls1", "jzll1", "Command3"}}));
    }
}

// Pixels a line of the screens' 12 px type takes: a Chinese character or
// full-width sign 12, any other character at most 7.
int text_pixels(std::string_view utf8) {
    int pixels = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        pixels += length >= 3 ? 12 : 7;
        i += length;
    }
    return pixels;
}

// The message line holds a field's height at least, stands inside the window
// clear of every other control, and has room for the longest message the
// screens say (the near-critical refusal) in lines of 16 px at 96 dpi.
TEST(MessageLine, IsAsLegibleAsAFieldAndHoldsTheLongestMessage) {
    constexpr int kTwipsPerPixel = 15;
    constexpr int kLinePixels = 16;
    for (ScreenId id : shell::all_screens()) {
        const shell::ScreenDesc& desc = catalog::screen_desc(id);
        int field = 0;
        for (const shell::ControlDesc& c : desc.controls)
            if (c.kind == shell::ControlKind::TextBox) field = std::max(field, c.rect.height);
        for (const shell::ControlDesc& m : desc.controls) {
            if ((m.style & shell::kMessage) == 0) continue;
            const shell::Twips r = shell::window_rect(desc, m);
            const std::string name = shell::screen_name(id);
            EXPECT_GE(r.height, field) << name;
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= desc.width && r.top + r.height <= desc.height)
                << name;
            for (const shell::ControlDesc& c : desc.controls) {
                if (&c == &m || c.kind == shell::ControlKind::PictureBox || !c.parent.empty()) continue;
                const shell::Twips q = shell::window_rect(desc, c);
                const bool meet = q.left < r.left + r.width && r.left < q.left + q.width && q.top < r.top + r.height &&
                                  r.top < q.top + q.height;
                EXPECT_FALSE(meet) << name << ": the message line covers " << c.name;
            }
            // The motor, pump and heating-area screens compute without water and steam.
            if (id == ScreenId::Form9 || id == ScreenId::Form14 || id == ScreenId::Form15) continue;
            const int width = r.width / kTwipsPerPixel - 4;
            const int lines = (text_pixels(props::kMsgNearCritical) + width - 1) / width;
            EXPECT_GE(r.height / kTwipsPerPixel, lines * kLinePixels) << name << ": " << lines << " lines";
        }
    }
}

}  // namespace
}  // namespace entalix
