// Windows enlarged by hand, their kept sizes and places, F1 at the screen's
// section, Tab in a screen larger than its monitor, and the buttons' tooltips.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "catalog/catalog.h"
#include "shell/tab_order.h"
#include "ui/guide_window.h"
#include "ui/qt_host.h"

namespace entalix::ui {
namespace {

using shell::ScreenId;

class Sizes : public ::testing::Test {
protected:
    Sizes() : settings(folder.filePath(QStringLiteral("Entalix.ini")), QSettings::IniFormat) {}
    QTemporaryDir folder;
    QSettings settings;
};

TEST_F(Sizes, AnEnlargedWindowDrawsItsScreenLargerAndKeepsItsSize) {
    {
        QtHost host(catalog::screen_desc, &settings);
        host.controller().ShowScreen(ScreenId::Form2);
        ScreenWindow* w = host.window(ScreenId::Form2);
        const QRect field = w->control("gdzj")->geometry();
        const QPushButton* help = w->findChild<QPushButton*>(QStringLiteral("Help"));
        const QRect help_place = help->geometry();
        const QSize own = w->size();  // the screen drawn at its own size
        w->resize(own * 2);
        EXPECT_DOUBLE_EQ(w->scale(), 2.0);
        EXPECT_EQ(w->page()->size(), own * 2);
        EXPECT_EQ(w->control("gdzj")->geometry(),
                  QRect(field.left() * 2, field.top() * 2, field.width() * 2, field.height() * 2));
        EXPECT_EQ(w->control("gdzj")->font().pixelSize(), 24);
        EXPECT_EQ(help->width(), 2 * help_place.width());
        EXPECT_EQ(help->geometry().right(), 2 * own.width() - 1 - 2 * 3);
        // Wider than tall: the height decides.
        w->resize(own.width() * 3, own.height() * 2);
        EXPECT_DOUBLE_EQ(w->scale(), 2.0);
        // Back to its own size: exactly as it was drawn first.
        w->resize(own);
        EXPECT_DOUBLE_EQ(w->scale(), 1.0);
        EXPECT_EQ(w->control("gdzj")->geometry(), field);
        w->resize(own * 1.5);
        host.controller().ShowScreen(ScreenId::Form1);
    }
    QtHost again(catalog::screen_desc, &settings);
    again.controller().ShowScreen(ScreenId::Form2);
    const QSize kept = again.window(ScreenId::Form2)->size();
    EXPECT_GT(kept.width(), 0);  // one and a half times its own size, as left
    EXPECT_NEAR(again.window(ScreenId::Form2)->scale(), 1.5, 0.01);
}

// The pipe line screen, larger than the main menu, cannot open at the menu's
// place near the monitor's corner and is moved onto it; the menu does not follow.
TEST_F(Sizes, TheMainMenuComesBackWhereItWasLeft) {
    QtHost host(catalog::screen_desc, &settings);
    host.controller().ShowScreen(ScreenId::Form1);
    // Near the monitor's bottom right corner (Qt 5 and Qt 6 offscreen monitors differ in size).
    ScreenWindow* menu = host.window(ScreenId::Form1);
    const QRect room = menu->screen()->availableGeometry();
    const QPoint left(room.right() - menu->width() - 8, room.bottom() - menu->height() - 8);
    menu->move(left);
    host.controller().ShowScreen(ScreenId::Form18);
    const QPoint moved = host.window(ScreenId::Form18)->pos();
    EXPECT_LT(moved.x(), left.x());
    EXPECT_LT(moved.y(), left.y());
    host.controller().ShowScreen(ScreenId::Form1);
    EXPECT_EQ(host.window(ScreenId::Form1)->pos(), left);
    // A screen opened from it still opens where it stands.
    host.controller().ShowScreen(ScreenId::Form8);
    EXPECT_EQ(host.window(ScreenId::Form8)->pos(), left);
}

TEST_F(Sizes, TabScrollsAFieldWhollyIntoSight) {
    QtHost host(catalog::screen_desc, &settings);
    host.controller().ShowScreen(ScreenId::Form18);
    ScreenWindow* w = host.window(ScreenId::Form18);
    // 200 % on 1024 x 768: half the logical room.
    w->fit_within(QSize(512 - 8, 384 - 32));
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto* scroll = w->findChild<QScrollArea*>();
    const std::vector<const shell::ControlDesc*> order = shell::tab_order(w->desc());
    int reached_right = 0;
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget* before = w->control(order[i - 1]->name);
        QWidget* next = w->control(order[i]->name);
        if (!before->isVisible() || !next->isVisible() || !before->isEnabled()) continue;
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        if (QApplication::focusWidget() != next) continue;
        const QRect seen(next->mapTo(scroll->viewport(), QPoint(0, 0)), next->size());
        EXPECT_TRUE(scroll->viewport()->rect().contains(seen)) << order[i]->name;
        if (next->geometry().right() > 512) ++reached_right;
    }
    EXPECT_GT(reached_right, 0);
}

TEST_F(Sizes, F1OpensTheGuideAtTheScreensSection) {
    QtHost host(catalog::screen_desc, &settings);
    host.controller().ShowScreen(ScreenId::Form18);
    ScreenWindow* w = host.window(ScreenId::Form18);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->focusWidget() != nullptr ? w->focusWidget() : w, Qt::Key_F1);
    GuideWindow* guide = host.guide();
    ASSERT_NE(guide, nullptr);
    EXPECT_GT(guide->verticalScrollBar()->value(), 0);
    const QTextBlock top = guide->cursorForPosition(QPoint(20, 20)).block();
    EXPECT_TRUE(top.text().startsWith(QStringLiteral("6.17"))) << top.text().toStdString();
    // The guide fits its window's width: nothing to scroll sideways.
    EXPECT_EQ(guide->horizontalScrollBar()->maximum(), 0);
}

TEST_F(Sizes, ButtonsSayWhatTheyDo) {
    QtHost host(catalog::screen_desc, &settings);
    host.controller().ShowScreen(ScreenId::Form8);
    EXPECT_EQ(host.window(ScreenId::Form8)->control("Command3")->toolTip(), QStringLiteral("返回“主画面”（Esc）"));
    EXPECT_TRUE(host.window(ScreenId::Form8)->control("Command1")->toolTip().contains(QStringLiteral("饱和压力")));
}

}  // namespace
}  // namespace entalix::ui
