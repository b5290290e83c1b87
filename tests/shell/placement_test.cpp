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

}  // namespace
}  // namespace entalix::shell
