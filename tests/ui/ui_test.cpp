// The real windows under the offscreen platform: navigation by clicking, one
// visible window, captions and sizes, typing and pressing on the saturation screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "catalog/catalog.h"
#include "ui/app_icon.h"
#include "ui/qt_host.h"

namespace entalix::ui {
namespace {

using shell::ScreenId;

class Windows : public ::testing::Test {
protected:
    Windows() : host(catalog::screen_desc) { host.controller().ShowScreen(ScreenId::Form1); }

    std::vector<ScreenId> visible() const {
        std::vector<ScreenId> ids;
        for (ScreenId id : shell::all_screens())
            if (host.window(id) != nullptr && host.window(id)->isVisible()) ids.push_back(id);
        return ids;
    }
    void click(ScreenId id, const char* button) {
        auto* push = qobject_cast<QPushButton*>(host.window(id)->control(button));
        ASSERT_NE(push, nullptr) << button;
        QTest::mouseClick(push, Qt::LeftButton);
    }
    QLineEdit* edit(ScreenId id, const char* name) { return qobject_cast<QLineEdit*>(host.window(id)->control(name)); }

    QtHost host;
};

TEST_F(Windows, MainMenuAloneAtStart) {
    EXPECT_EQ(visible(), std::vector<ScreenId>{ScreenId::Form1});
    EXPECT_EQ(host.window(ScreenId::Form1)->windowTitle(), QStringLiteral("主画面 · IFC-67"));
    EXPECT_EQ(host.window(ScreenId::Form1)->size(), QSize(320, 328));
}

TEST_F(Windows, EveryScreenOpensFromItsMenuWithItsCaptionAndSize) {
    const struct {
        ScreenId menu;
        const char* button;
        ScreenId screen;
        const char* back;
    } paths[] = {
        {ScreenId::Form1, "Command1", ScreenId::Form2, "Command1"},
        {ScreenId::Form1, "Command3", ScreenId::Form4, "Command1"},
        {ScreenId::Form1, "Command4", ScreenId::Form8, "Command3"},
    };
    for (const auto& path : paths) {
        click(path.menu, path.button);
        EXPECT_EQ(visible(), std::vector<ScreenId>{path.screen});
        const auto& desc = catalog::screen_desc(path.screen);
        ScreenWindow* w = host.window(path.screen);
        EXPECT_EQ(w->windowTitle().toStdString(), desc.caption);
        EXPECT_EQ(w->size(), QSize(px(desc.width), px(desc.height)));
        click(path.screen, path.back);
        EXPECT_EQ(visible(), std::vector<ScreenId>{path.menu});
    }
}

TEST_F(Windows, DeepPathsAndTheirReturns) {
    const std::pair<ScreenId, const char*> clicks[] = {
        {ScreenId::Form1, "Command2"},  {ScreenId::Form3, "Command5"},  {ScreenId::Form15, "Command3"},
        {ScreenId::Form3, "Command4"},  {ScreenId::Form5, "Command1"},  {ScreenId::Form3, "Command2"},
        {ScreenId::Form6, "Command1"},  {ScreenId::Form3, "Command3"},  {ScreenId::Form7, "Command1"},
        {ScreenId::Form3, "Command1"},  {ScreenId::Form1, "Command6"},  {ScreenId::Form10, "Command1"},
        {ScreenId::Form11, "Command3"}, {ScreenId::Form10, "Command2"}, {ScreenId::Form12, "Command3"},
        {ScreenId::Form10, "Command3"}, {ScreenId::Form1, "Command5"},  {ScreenId::Form13, "Command1"},
        {ScreenId::Form9, "Command3"},  {ScreenId::Form13, "Command2"}, {ScreenId::Form14, "Command3"},
        {ScreenId::Form13, "Command3"},
    };
    for (const auto& [screen, button] : clicks) {
        ASSERT_EQ(visible(), std::vector<ScreenId>{screen}) << button;
        click(screen, button);
        EXPECT_EQ(visible().size(), 1u);
    }
    EXPECT_EQ(visible(), std::vector<ScreenId>{ScreenId::Form1});
    EXPECT_EQ(host.window(ScreenId::Form2), nullptr);  // created on first use only
}

TEST_F(Windows, TypingAndPressingOnTheSaturationScreenSurvivesAReturn) {
    click(ScreenId::Form1, "Command4");
    QLineEdit* temperature = edit(ScreenId::Form8, "Text1");
    temperature->clear();
    QTest::keyClicks(temperature, QStringLiteral("100"));
    click(ScreenId::Form8, "Command1");
    EXPECT_EQ(edit(ScreenId::Form8, "Text2")->text(), QStringLiteral("0.0030"));
    host.window(ScreenId::Form8)->close();  // the frame's close control goes back
    EXPECT_EQ(visible(), std::vector<ScreenId>{ScreenId::Form1});
    click(ScreenId::Form1, "Command4");
    EXPECT_EQ(edit(ScreenId::Form8, "Text1")->text(), QStringLiteral("100"));
    EXPECT_EQ(edit(ScreenId::Form8, "Text2")->text(), QStringLiteral("0.0030"));
}

TEST_F(Windows, FailedPressSaysWhyAndKeepsTheOutput) {
    click(ScreenId::Form1, "Command4");
    edit(ScreenId::Form8, "Text1")->setText(QStringLiteral("1e999"));
    click(ScreenId::Form8, "Command1");
    EXPECT_EQ(edit(ScreenId::Form8, "Text2")->text(), QStringLiteral("0"));
    auto* message = qobject_cast<QLabel*>(host.window(ScreenId::Form8)->control("Message"));
    EXPECT_EQ(label_text(message), QStringLiteral("“饱和温度”的数值太大：“1e999”"));
}

TEST_F(Windows, WarningShowsInItsOwnColourAndAFailureInRed) {
    click(ScreenId::Form1, "Command4");
    auto* message = qobject_cast<QLabel*>(host.window(ScreenId::Form8)->control("Message"));
    // Just above the critical pressure the saturation line is only continued.
    edit(ScreenId::Form8, "Text2")->setText(QStringLiteral("22.025"));
    click(ScreenId::Form8, "Command2");
    EXPECT_EQ(edit(ScreenId::Form8, "Text1")->text(), QStringLiteral("374.1629"));
    EXPECT_TRUE(label_text(message).startsWith(QStringLiteral("外推结果")));
    const QColor warning = message->palette().color(QPalette::WindowText);
    EXPECT_NE(warning, QColor(Qt::red));
    EXPECT_GT(warning.red(), warning.blue());  // amber, not a neutral or a blue
    edit(ScreenId::Form8, "Text2")->setText(QStringLiteral("1e999"));
    click(ScreenId::Form8, "Command2");
    EXPECT_EQ(label_text(message), QStringLiteral("“饱和压力”的数值太大：“1e999”"));
    EXPECT_EQ(message->palette().color(QPalette::WindowText), QColor(Qt::red));
}

TEST_F(Windows, AllPropertiesOfTheShownStateAreFormSixteensOwnResults) {
    click(ScreenId::Form1, "Command6");
    click(ScreenId::Form10, "Command1");
    for (const char* tick : {"Check1", "Check2"})
        QTest::mouseClick(qobject_cast<QWidget*>(host.window(ScreenId::Form11)->control(tick)), Qt::LeftButton, {},
                          QPoint(4, 4));
    edit(ScreenId::Form11, "Text1")->setText(QStringLiteral("1"));
    edit(ScreenId::Form11, "Text2")->setText(QStringLiteral("300"));
    click(ScreenId::Form11, "Command1");
    click(ScreenId::Form11, "Command2");
    ASSERT_EQ(visible(), std::vector<ScreenId>{ScreenId::Form16});
    ScreenWindow* w = host.window(ScreenId::Form16);
    EXPECT_EQ(edit(ScreenId::Form16, "Text1")->text(), QStringLiteral("0.9017"));
    // Copied as a press of its own (p, t) row, and not greyed.
    EXPECT_TRUE(w->results_text().contains(QStringLiteral("300.0000"))) << w->results_text().toStdString();
    EXPECT_FALSE(w->stale("h"));
}

TEST_F(Windows, NotesShowFiveLines) {
    click(ScreenId::Form1, "Command3");
    auto* notes = qobject_cast<QLabel*>(host.window(ScreenId::Form4)->control("Label1"));
    EXPECT_EQ(label_text(notes).count(QLatin1Char('\n')), 4);
    EXPECT_FALSE(notes->text().contains(QLatin1Char('\r')));
}

// The window icon is the drawing of data/entalix.svg at every size, from 16 to 256 px:
// a transparent corner outside the rounded tile, the tile's blue beside the thermometer.
TEST(ApplicationIcon, EverySizeShowsTheDrawing) {
    const QIcon icon = application_icon();
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage image = icon.pixmap(QSize(size, size)).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(image.pixelColor(size * 6 / 64, size / 2).name(), QStringLiteral("#1f4e79")) << size;
    }
}

}  // namespace
}  // namespace entalix::ui

int main(int argc, char** argv) {
    // No display is needed: the windows render offscreen unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    entalix::ui::install_application_font();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Qt and the font libraries keep caches until exit by design; leak reports from
// them would drown our own, so the window tests run without leak detection.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }
