// A window put wholly on a monitor: a 1366x768 laptop whose taskbar takes the
// bottom 40 pixels, and a second monitor left of it at negative coordinates.
#include <gtest/gtest.h>

#include "shell/placement.h"

namespace entalix::shell {
namespace {

constexpr ScreenRect kLaptop{0, 0, 1366, 728};
constexpr ScreenRect kLeftMonitor{-1920, -200, 1920, 1040};

TEST(PlacementTest, FrameMovesTheLeastOntoTheWorkArea) {
    // Already on it: stays.
    EXPECT_EQ(fit_on_monitor({100, 50, 622, 397}, kLaptop), (ScreenRect{100, 50, 622, 397}));
    // Past the right edge and under the taskbar: back by what sticks out.
    EXPECT_EQ(fit_on_monitor({1000, 600, 622, 397}, kLaptop), (ScreenRect{744, 331, 622, 397}));
    // Above and left of the area.
    EXPECT_EQ(fit_on_monitor({-30, -10, 326, 271}, kLaptop), (ScreenRect{0, 0, 326, 271}));
    // Exactly filling it.
    EXPECT_EQ(fit_on_monitor({5, 5, 1366, 728}, kLaptop), (ScreenRect{0, 0, 1366, 728}));
    // On a monitor at negative coordinates, from a corner of the primary one.
    EXPECT_EQ(fit_on_monitor({-100, 900, 622, 397}, kLeftMonitor), (ScreenRect{-622, 443, 622, 397}));
}

TEST(PlacementTest, FrameLargerThanTheAreaKeepsItsTitleBarOnIt) {
    // 200 % on 1366x768: taller than the area (kept at its top), narrow enough to be moved in.
    EXPECT_EQ(fit_on_monitor({300, 200, 1244, 794}, kLaptop), (ScreenRect{122, 0, 1244, 794}));
    EXPECT_EQ(fit_on_monitor({300, 200, 1500, 794}, kLaptop), (ScreenRect{0, 0, 1500, 794}));
    EXPECT_EQ(fit_on_monitor({-3000, -900, 2000, 1200}, kLeftMonitor), (ScreenRect{-1920, -200, 2000, 1200}));
}

// The main menu placed at (941, 780) near the corner of a 1920x1040 area opens
// a larger screen, which is moved in to fit; coming back, the menu is where it was.
TEST(PlacementTest, MainMenuComesBackWhereItWasLeft) {
    constexpr ScreenRect kArea{0, 0, 1920, 1040};
    const WindowPlace menu{941, 780};
    const std::optional<WindowPlace> opened = opening_place(false, std::nullopt, menu);
    ASSERT_EQ(opened, menu);
    const ScreenRect pipes = fit_on_monitor({opened->left, opened->top, 1258, 409}, kArea);
    EXPECT_EQ(pipes, (ScreenRect{662, 631, 1258, 409}));
    const WindowPlace left_at{pipes.left, pipes.top};
    EXPECT_EQ(opening_place(true, menu, left_at), menu);
    // Another screen follows the one it replaces, not a place of its own.
    EXPECT_EQ(opening_place(false, WindowPlace{10, 10}, left_at), left_at);
    // First opening of the program: the kept place, else the monitor's middle.
    EXPECT_EQ(opening_place(true, menu, std::nullopt), menu);
    EXPECT_EQ(opening_place(true, std::nullopt, std::nullopt), std::nullopt);
}

TEST(PlacementTest, EnlargedWindowScalesByTheTighterRatio) {
    constexpr WindowSize kPipes{525, 299};  // 7875 x 4485 twips
    EXPECT_DOUBLE_EQ(layout_scale(kPipes, kPipes), 1.0);
    EXPECT_DOUBLE_EQ(layout_scale({1050, 598}, kPipes), 2.0);
    // Wider than tall: the height decides, and the rest stays blank.
    EXPECT_DOUBLE_EQ(layout_scale({1600, 598}, kPipes), 2.0);
    EXPECT_DOUBLE_EQ(layout_scale({787, 900}, kPipes), 787.0 / 525);
    // Smaller than the screen (a small monitor): it scrolls at its own size.
    EXPECT_DOUBLE_EQ(layout_scale({400, 200}, kPipes), 1.0);
    EXPECT_DOUBLE_EQ(layout_scale({0, 0}, {0, 0}), 1.0);
    // Without scroll bars, at 200 % on 1024 x 768: drawn smaller to fit, down to 96 dpi.
    EXPECT_DOUBLE_EQ(layout_scale({1000, 500}, {1050, 598}, 0.5), 500.0 / 598);
    EXPECT_DOUBLE_EQ(layout_scale({400, 200}, {1050, 598}, 0.5), 0.5);
}

TEST(PlacementTest, KeptSizeIsBoundedByTheMonitorAndTheScreen) {
    constexpr WindowSize kDesign{525, 299};
    constexpr WindowSize kRoom{1366, 728};
    EXPECT_EQ(opening_size(std::nullopt, kDesign, kRoom), kDesign);
    EXPECT_EQ(opening_size(WindowSize{800, 450}, kDesign, kRoom), (WindowSize{800, 450}));
    // Left larger on a larger monitor; a smaller one now.
    EXPECT_EQ(opening_size(WindowSize{1800, 1000}, kDesign, kRoom), kRoom);
    // Never below the screen's own size, even where the monitor is smaller still.
    EXPECT_EQ(opening_size(WindowSize{100, 100}, kDesign, kRoom), kDesign);
    EXPECT_EQ(opening_size(WindowSize{800, 450}, kDesign, {400, 200}), kDesign);
}

}  // namespace
}  // namespace entalix::shell
