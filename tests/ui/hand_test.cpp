// The windows in a person's hands: keys, tab order, copying, stale results, the
// shared and remembered atmospheric pressure, placement, and the guide.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "catalog/catalog.h"
#include "entalix_version.h"
#include "ui/guide_window.h"
#include "ui/qt_host.h"

namespace entalix::ui {
namespace {

using shell::ScreenId;

class Hand : public ::testing::Test {
protected:
    explicit Hand(QSettings* settings = nullptr) : host(catalog::screen_desc, settings) {}

    ScreenWindow* open(ScreenId id) {
        host.controller().ShowScreen(id);
        return host.window(id);
    }
    QLineEdit* edit(ScreenId id, const char* name) { return qobject_cast<QLineEdit*>(host.window(id)->control(name)); }
    QString text(ScreenId id, const char* name) {
        QWidget* w = host.window(id)->control(name);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        return label_text(qobject_cast<QLabel*>(w));
    }
    // Types as a person does: the old text selected and replaced.
    void type(ScreenId id, const char* name, const char* typed) {
        QLineEdit* e = edit(id, name);
        e->selectAll();
        QTest::keyClicks(e, QString::fromUtf8(typed));
    }
    void click(ScreenId id, const char* name) {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(host.window(id)->control(name)), Qt::LeftButton);
    }
    // A key to the window's focus, through its shortcuts as a person's would go.
    void key(ScreenId id, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ScreenWindow* w = host.window(id);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->focusWidget() != nullptr ? w->focusWidget() : w, key, modifiers);
    }
    ScreenId shown() const {
        for (ScreenId id : shell::all_screens())
            if (host.window(id) != nullptr && host.window(id)->isVisible()) return id;
        return ScreenId::Form1;
    }

    QtHost host;
};

TEST_F(Hand, EnterPressesTheCalculationOfTheField) {
    const struct {
        ScreenId screen;
        std::vector<std::pair<const char*, const char*>> typed;  // Enter in the last
        const char* result;
        const char* expected;  // empty: any text but the one before
    } cases[] = {
        // 100 ℃ saturates at 0.101325 MPa absolute, 0.0030 MPa over the default atmosphere.
        {ScreenId::Form8, {{"Text1", "100"}}, "Text2", "0.0030"},
        {ScreenId::Form8, {{"Text2", "1"}}, "Text1", ""},
        {ScreenId::Form2, {{"jzwd1", "250"}, {"jzyl1", "1"}, {"jzls1", "30"}, {"jzll1", "20"}}, "gdzj1", ""},
    };
    for (const auto& c : cases) {
        open(c.screen);
        const QString before = text(c.screen, c.result);
        for (const auto& [field, typed] : c.typed) type(c.screen, field, typed);
        QTest::keyClick(edit(c.screen, c.typed.back().first), Qt::Key_Return);
        if (*c.expected != '\0')
            EXPECT_EQ(text(c.screen, c.result), QString::fromUtf8(c.expected));
        else
            EXPECT_NE(text(c.screen, c.result), before) << c.result;
    }
    EXPECT_TRUE(text(ScreenId::Form2, "jzll").isEmpty());  // the other block did not compute
}

TEST_F(Hand, EnterLeavesAHiddenButtonAlone) {
    open(ScreenId::Form11);
    click(ScreenId::Form11, "Check1");  // one tick: the press only asks for a second
    type(ScreenId::Form11, "Text1", "1");
    QTest::keyClick(edit(ScreenId::Form11, "Text1"), Qt::Key_Return);
    EXPECT_TRUE(text(ScreenId::Form11, "Label3").isEmpty());
    EXPECT_EQ(text(ScreenId::Form11, "Message"), QStringLiteral("请勾选两个已知参数"));
}

TEST_F(Hand, DoubleClickSelectsTheWholeNumber) {
    open(ScreenId::Form8);
    type(ScreenId::Form8, "Text2", "1130.90");
    QLineEdit* e = edit(ScreenId::Form8, "Text2");
    // On the "1" of "1130", before the point where Qt's own word ends.
    QTest::mouseDClick(e, Qt::LeftButton, Qt::NoModifier, QPoint(8, e->height() / 2));
    QCoreApplication::processEvents();
    EXPECT_EQ(e->selectedText(), QStringLiteral("1130.90"));
}

TEST_F(Hand, EscGoesBackAndCtrlQEndsOnlyTheMainMenu) {
    const std::pair<ScreenId, ScreenId> backs[] = {
        {ScreenId::Form8, ScreenId::Form1}, {ScreenId::Form5, ScreenId::Form3},  {ScreenId::Form12, ScreenId::Form10},
        {ScreenId::Form4, ScreenId::Form1}, {ScreenId::Form13, ScreenId::Form1},
    };
    for (const auto& [screen, back] : backs) {
        open(screen);
        key(screen, Qt::Key_Escape);
        EXPECT_EQ(shown(), back) << shell::screen_name(screen);
    }
    open(ScreenId::Form1);
    key(ScreenId::Form1, Qt::Key_Escape);
    EXPECT_TRUE(host.window(ScreenId::Form1)->isVisible());
    key(ScreenId::Form1, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(host.window(ScreenId::Form1)->isVisible());
}

// Tab from the first field, which has the keyboard when the screen opens.
TEST_F(Hand, TabFollowsTheVisualOrder) {
    const struct {
        ScreenId screen;
        std::vector<const char*> ticks;
        std::vector<const char*> order;
    } screens[] = {
        {ScreenId::Form2,  // two blocks side by side, then what they share
         {},
         {"gdzj", "jzwd", "jzyl", "jzls", "Command2", "jzwd1", "jzyl1", "jzls1", "jzll1", "Command3", "dqyz",
          "Command1"}},
        {ScreenId::Form5,
         {},
         {"Text7", "Text1", "Text2", "Text6", "Text3", "Text4", "Text5", "Command3", "Command2", "Command1"}},
        {ScreenId::Form8, {}, {"Text2", "Text7", "Command2", "Command1", "Command4", "Text1", "Command3"}},
        {ScreenId::Form7,  // each stream whole: the inlet's temperature, then its pressure
         {},
         {"Text3", "Text4", "Text9", "Text1", "Text2", "Text5", "Text6", "Text7", "Command3", "Command2", "Command1"}},
        {ScreenId::Form9, {}, {"Text1", "Text5", "Text6", "Text7", "Command2", "Command3"}},
        {ScreenId::Form11, {"Check1", "Check2"}, {"Check1", "Text1", "Check2", "Text2", "Command1", "Command3"}},
        {ScreenId::Form3, {}, {"Command4", "Command2", "Command3", "Command5", "Command1"}},
    };
    for (const auto& s : screens) {
        ScreenWindow* w = open(s.screen);
        for (const char* tick : s.ticks) click(s.screen, tick);
        if (!s.ticks.empty()) w->focus_first_field();
        std::vector<std::string> seen;
        for (std::size_t i = 0; i < s.order.size() && w->focusWidget() != nullptr; ++i) {
            seen.push_back(w->focusWidget()->objectName().toStdString());
            QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(seen, std::vector<std::string>(s.order.begin(), s.order.end())) << shell::screen_name(s.screen);
        open(ScreenId::Form1);
    }
}

TEST_F(Hand, CopyGivesResultsWithTheirInputsAsATable) {
    open(ScreenId::Form9);
    for (const auto& [field, typed] : {std::pair{"Text1", "10"}, {"Text5", "80"}, {"Text6", "100"}, {"Text7", "0.85"}})
        type(ScreenId::Form9, field, typed);
    click(ScreenId::Form9, "Command2");
    type(ScreenId::Form9, "Text1", "6");  // after the press: the copy keeps the inputs that produced it
    QGuiApplication::clipboard()->clear();
    key(ScreenId::Form9, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("运行电压\t10\tkV\n运行电流\t80\tA\n额定电流\t100\tA\n"
                             "额定功率因数\t0.85\t\n运行功率\t%1\tkW\n")
                  .arg(text(ScreenId::Form9, "yxgl")));

    // A steam state: a line per quantity, the gauge pressure marked, only the ticked inputs.
    open(ScreenId::Form12);
    click(ScreenId::Form12, "Check2");
    click(ScreenId::Form12, "Check6");
    type(ScreenId::Form12, "Text2", "150");
    type(ScreenId::Form12, "Text6", "90");
    click(ScreenId::Form12, "Command1");
    const QStringList lines = host.window(ScreenId::Form12)->results_text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3 + 1 + 6 + 1);
    EXPECT_EQ(lines.mid(0, 4),
              (QStringList{QStringLiteral("温度\t150\t℃"), QStringLiteral("干度\t90\t%"),
                           QStringLiteral("大气压值\t0.0983\tMPa"), QStringLiteral("物性公式\tIFC-67\t")}));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("压力\t0.")) && lines[4].endsWith(QStringLiteral("\tMPa（表压）")));
    EXPECT_EQ(lines[9], QStringLiteral("干度\t90\t%"));

    // The right-click menu of a result, in Chinese.
    std::unique_ptr<QMenu> menu(host.window(ScreenId::Form12)->field_menu("Label3"));
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) items << a->text();
    EXPECT_EQ(items, (QStringList{QStringLiteral("复制"), QStringLiteral("复制全部结果")}));
    menu->actions().first()->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("p=0.")));
}

TEST_F(Hand, ResultsGreyAfterAnInputChangesOrAPressFailsUntilTheNextSuccess) {
    ScreenWindow* w = open(ScreenId::Form9);
    for (const auto& [field, typed] : {std::pair{"Text1", "10"}, {"Text5", "80"}, {"Text6", "100"}, {"Text7", "0.85"}})
        type(ScreenId::Form9, field, typed);
    click(ScreenId::Form9, "Command2");
    const QString shown = text(ScreenId::Form9, "yxgl");
    EXPECT_FALSE(w->stale("yxgl"));
    type(ScreenId::Form9, "Text5", "90");
    EXPECT_TRUE(w->stale("yxgl"));
    EXPECT_EQ(w->control("yxgl")->palette().color(QPalette::WindowText), QColor(Qt::gray));
    click(ScreenId::Form9, "Command2");
    EXPECT_FALSE(w->stale("yxgl"));
    type(ScreenId::Form9, "Text5", "1e999");
    click(ScreenId::Form9, "Command2");
    EXPECT_TRUE(w->stale("yxgl"));
    EXPECT_NE(text(ScreenId::Form9, "yxgl"), shown);  // the text of the last success stays
}

// A spreadsheet cell pastes as "80<TAB>": the field shows 80 at once, and 80 is
// what the press reads.
TEST_F(Hand, APastedCellIsCleanedInSight) {
    open(ScreenId::Form9);
    for (const auto& [field, typed] : {std::pair{"Text1", "10"}, {"Text6", "100"}, {"Text7", "0.85"}})
        type(ScreenId::Form9, field, typed);
    QGuiApplication::clipboard()->setText(QStringLiteral("80\t"));
    QLineEdit* e = edit(ScreenId::Form9, "Text5");
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(e->text(), QStringLiteral("80"));
    click(ScreenId::Form9, "Command2");
    EXPECT_EQ(text(ScreenId::Form9, "yxgl"), QStringLiteral("1130.90"));  // 10 kV, 80 of 100 A, 0.85
}

// A result wider than its box in the smallest type is shown whole, never cut
// into a different-looking number.
TEST_F(Hand, AResultWiderThanItsBoxIsShownWhole) {
    ScreenWindow* w = open(ScreenId::Form9);
    const QString wide = QStringLiteral("1396173043699930747633664.00");
    shell::Outcome outcome;
    outcome.texts = {{"yxgl", wide.toStdString()}};
    w->apply(outcome);
    auto* result = qobject_cast<QLabel*>(w->control("yxgl"));
    EXPECT_EQ(result->text(), wide);
    EXPECT_GE(result->contentsRect().width(), QFontMetrics(result->font()).horizontalAdvance(wide));
    EXPECT_TRUE(w->page()->rect().contains(result->geometry()));
    outcome.texts = {{"yxgl", "1130.90"}};  // a short one goes back into its own box
    w->apply(outcome);
    EXPECT_EQ(result->geometry().width(), w->control("Text5")->width());
}

TEST_F(Hand, AScreenTallerThanItsMonitorScrolls) {
    ScreenWindow* w = open(ScreenId::Form5);
    w->fit_within(QSize(683 - 8, 384 - 32));
    EXPECT_LE(w->height(), 384 - 32);
    EXPECT_EQ(w->page()->size(), QSize(616, 372));
    w->fit_within(QSize(2000, 2000));
    EXPECT_EQ(w->size(), QSize(616, 372));
}

// Every screen: tooltips on its inputs, no box over another.
TEST_F(Hand, EveryScreenIsReadable) {
    for (ScreenId id : shell::all_screens()) {
        ScreenWindow* w = open(id);
        for (const shell::ControlDesc* c : w->desc().typed_fields()) {
            const QString tip = w->control(c->name)->toolTip();
            EXPECT_TRUE(tip.contains(QString::fromStdString(c->meaning.quantity))) << c->name;
            EXPECT_EQ(tip.contains(QStringLiteral("表压")), c->meaning.pressure == shell::PressureKind::Gauge);
            EXPECT_EQ(tip.contains(QStringLiteral("允许范围")), c->meaning.role != shell::Role::TickBox);
        }
        QList<QWidget*> boxes;
        for (QWidget* b : w->page()->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(b);
            if ((label == nullptr || label->frameWidth() > 0) && !b->isHidden()) boxes.append(b);
        }
        for (QWidget* a : boxes)
            for (QWidget* b : boxes)
                if (a < b && a->parentWidget() == b->parentWidget()) {
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << shell::screen_name(id) << ' ' << a->objectName().toStdString() << " over "
                        << b->objectName().toStdString();
                }
    }
}

TEST_F(Hand, F1AndTheQuestionMarkOpenTheGuideWithVersionAndFormulation) {
    open(ScreenId::Form8);
    key(ScreenId::Form8, Qt::Key_F1);
    ASSERT_NE(host.guide(), nullptr);
    EXPECT_TRUE(host.guide()->isVisible());
    const QString text = host.guide()->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("版本 ") + QString::fromLatin1(kVersion)));
    EXPECT_TRUE(text.contains(QStringLiteral("IFC-67")));
    EXPECT_FALSE(host.guide()
                     ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/Form2.png")))
                     .value<QImage>()
                     .isNull());
    host.guide()->close();
    open(ScreenId::Form1);
    QTest::mouseClick(host.window(ScreenId::Form1)->page()->findChild<QPushButton*>(QStringLiteral("Help")),
                      Qt::LeftButton);
    EXPECT_TRUE(host.guide()->isVisible());
}

// Every screen has the "?", inside what holds it and clear of every control
// there, also those a screen shows only at times.
TEST_F(Hand, HelpButtonOnEveryScreenStandsClearOfItsControls) {
    for (ScreenId id : shell::all_screens()) {
        const auto* help = open(id)->findChild<QPushButton*>(QStringLiteral("Help"));
        ASSERT_NE(help, nullptr) << shell::screen_name(id);
        const QWidget* holder = help->parentWidget();
        EXPECT_TRUE(holder->rect().contains(help->geometry())) << shell::screen_name(id);
        for (const QObject* object : holder->children()) {
            const auto* other = qobject_cast<const QWidget*>(object);
            if (other == nullptr || other == help) continue;
            EXPECT_FALSE(other->geometry().intersects(help->geometry()))
                << shell::screen_name(id) << " " << other->objectName().toStdString();
        }
    }
}

TEST(QtTexts, AreInChinese) {
    install_qt_translation();
    EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("复制(&C)"));
}

// A host with its settings in a temporary folder.
class Remembering : public ::testing::Test {
protected:
    Remembering() : settings(folder.filePath(QStringLiteral("Entalix.ini")), QSettings::IniFormat) {}
    QTemporaryDir folder;
    QSettings settings;
};

TEST_F(Remembering, TheAtmosphericPressureIsOneSiteValueKeptAcrossStarts) {
    {
        QtHost host(catalog::screen_desc, &settings);
        host.controller().ShowScreen(ScreenId::Form8);
        host.controller().ShowScreen(ScreenId::Form2);
        auto* dqyz = qobject_cast<QLineEdit*>(host.window(ScreenId::Form2)->control("dqyz"));
        dqyz->selectAll();
        QTest::keyClicks(dqyz, QStringLiteral("0.1013"));
        auto* gdzj = qobject_cast<QLineEdit*>(host.window(ScreenId::Form2)->control("gdzj"));
        gdzj->selectAll();
        QTest::keyClicks(gdzj, QStringLiteral("150"));
        EXPECT_EQ(qobject_cast<QLineEdit*>(host.window(ScreenId::Form8)->control("Text7"))->text(), "0.1013");
        host.controller().ShowScreen(ScreenId::Form1);
        host.window(ScreenId::Form1)->move(120, 90);
    }
    QtHost host(catalog::screen_desc, &settings);
    host.controller().ShowScreen(ScreenId::Form1);
    EXPECT_EQ(host.window(ScreenId::Form1)->pos(), QPoint(120, 90));
    for (const auto& [screen, field] : {std::pair{ScreenId::Form2, "dqyz"}, {ScreenId::Form12, "Text7"}}) {
        host.controller().ShowScreen(screen);
        EXPECT_EQ(qobject_cast<QLineEdit*>(host.window(screen)->control(field))->text(), "0.1013");
    }
    EXPECT_EQ(qobject_cast<QLineEdit*>(host.window(ScreenId::Form2)->control("gdzj"))->text(), "150");

    // "恢复默认" brings the default back on every screen, and keeps it.
    std::unique_ptr<QMenu> menu(host.window(ScreenId::Form2)->field_menu("dqyz"));
    menu->actions().last()->trigger();
    EXPECT_EQ(menu->actions().last()->text(), QStringLiteral("恢复默认"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(host.window(ScreenId::Form12)->control("Text7"))->text(), "0.0983");
    EXPECT_EQ(settings.value(QStringLiteral("site/atmospheric")).toString(), "0.0983");

    // A field left empty is shared but not kept: a later start would read it as 0 MPa.
    auto* text7 = qobject_cast<QLineEdit*>(host.window(ScreenId::Form12)->control("Text7"));
    text7->selectAll();
    QTest::keyClick(text7, Qt::Key_Delete);
    EXPECT_TRUE(qobject_cast<QLineEdit*>(host.window(ScreenId::Form2)->control("dqyz"))->text().isEmpty());
    EXPECT_EQ(settings.value(QStringLiteral("site/atmospheric")).toString(), "0.0983");
}

// A steam calculator comes back as it was left: its two ticks, the rows they
// show with their numbers, and the compute button.
TEST_F(Remembering, TheTicksOfASteamCalculatorAreKeptWithItsInputs) {
    {
        QtHost host(catalog::screen_desc, &settings);
        host.controller().ShowScreen(ScreenId::Form11);
        ScreenWindow* w = host.window(ScreenId::Form11);
        for (const char* tick : {"Check2", "Check1"})
            QTest::mouseClick(qobject_cast<QCheckBox*>(w->control(tick)), Qt::LeftButton);
        for (const auto& [field, typed] : {std::pair{"Text1", "3.5"}, {"Text2", "435"}}) {
            auto* e = qobject_cast<QLineEdit*>(w->control(field));
            e->selectAll();
            QTest::keyClicks(e, QString::fromLatin1(typed));
        }
        host.controller().ShowScreen(ScreenId::Form10);
    }
    QtHost host(catalog::screen_desc, &settings);
    host.controller().ShowScreen(ScreenId::Form11);
    ScreenWindow* w = host.window(ScreenId::Form11);
    EXPECT_TRUE(qobject_cast<QCheckBox*>(w->control("Check1"))->isChecked());
    EXPECT_TRUE(qobject_cast<QCheckBox*>(w->control("Check2"))->isChecked());
    EXPECT_FALSE(qobject_cast<QCheckBox*>(w->control("Check3"))->isChecked());
    EXPECT_TRUE(w->control("Text1")->isVisible());
    QTest::mouseClick(qobject_cast<QPushButton*>(w->control("Command1")), Qt::LeftButton);
    EXPECT_TRUE(
        label_text(qobject_cast<QLabel*>(w->control("Label3"))).startsWith(QStringLiteral("p=3.500000\nt=435.000000")));
}

// The main menu's choice of formulation: every later press computes with it,
// the screen's title says which one its result used, the tooltips give its
// ranges, results of the other one turn grey, and the next start keeps it.
TEST_F(Remembering, TheFormulationChosenOnTheMainMenuIsUsedShownAndKept) {
    {
        QtHost host(catalog::screen_desc, &settings);
        const auto type = [&host](ScreenId id, const char* name, const char* typed) {
            auto* e = qobject_cast<QLineEdit*>(host.window(id)->control(name));
            e->selectAll();
            QTest::keyClicks(e, QString::fromUtf8(typed));
        };
        const auto click = [&host](ScreenId id, const char* name) {
            QTest::mouseClick(qobject_cast<QPushButton*>(host.window(id)->control(name)), Qt::LeftButton);
        };
        host.controller().ShowScreen(ScreenId::Form1);
        auto* combo = qobject_cast<QComboBox*>(host.window(ScreenId::Form1)->control("Combo1"));
        ASSERT_NE(combo, nullptr);
        QTest::keyClick(combo, Qt::Key_Down);
        EXPECT_EQ(host.formulation(), props::Formulation::IF97);

        host.controller().ShowScreen(ScreenId::Form8);
        ScreenWindow* form8 = host.window(ScreenId::Form8);
        type(ScreenId::Form8, "Text1", "326.85");
        click(ScreenId::Form8, "Command1");
        // IAPWS-IF97's verification table: 12.3443146 MPa at 600 K, less the site's 0.0983 MPa.
        EXPECT_EQ(qobject_cast<QLineEdit*>(form8->control("Text2"))->text(), "12.2460");
        EXPECT_EQ(form8->windowTitle(), QStringLiteral("饱和参数 · IAPWS-IF97"));
        EXPECT_TRUE(form8->control("Text1")->toolTip().contains(QStringLiteral("373.946")));

        host.controller().ShowScreen(ScreenId::Form2);
        for (const auto& [field, typed] : {std::pair{"jzyl", "1"}, {"jzwd", "250"}, {"gdzj", "100"}, {"jzls", "30"}})
            type(ScreenId::Form2, field, typed);
        click(ScreenId::Form2, "Command2");
        EXPECT_FALSE(host.window(ScreenId::Form2)->stale("jzll"));

        host.controller().ShowScreen(ScreenId::Form1);
        QTest::keyClick(combo, Qt::Key_Up);
        EXPECT_TRUE(host.window(ScreenId::Form2)->stale("jzll"));
        EXPECT_TRUE(form8->control("Text1")->toolTip().contains(QStringLiteral("374.15")));
        // The saturation screen's written field greys in its box, and every title follows the switch at once.
        EXPECT_TRUE(form8->stale("Text2"));
        EXPECT_EQ(form8->control("Text2")->palette().color(QPalette::Text), QColor(Qt::gray));
        EXPECT_EQ(form8->windowTitle(), QStringLiteral("饱和参数 · IFC-67"));
        EXPECT_EQ(host.window(ScreenId::Form1)->windowTitle(), QStringLiteral("主画面 · IFC-67"));
        QTest::keyClick(combo, Qt::Key_Down);
    }
    QtHost host(catalog::screen_desc, &settings);
    host.controller().ShowScreen(ScreenId::Form1);
    EXPECT_EQ(host.formulation(), props::Formulation::IF97);
    EXPECT_EQ(qobject_cast<QComboBox*>(host.window(ScreenId::Form1)->control("Combo1"))->currentText(),
              QStringLiteral("IAPWS-IF97"));
}

}  // namespace
}  // namespace entalix::ui
