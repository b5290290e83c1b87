// Renders every screen to a PNG, as a person would see it, under any Qt platform
// (offscreen included):
//   entalix-screenshots <folder>          every screen with its default texts
//   entalix-screenshots --demo <folder>   the calculation screens filled with a
//                                         plant example and computed, as in the user guide
//   entalix-screenshots --enlarged <folder> each window dragged half as large again
//                                         and a little wider, the screen scaled inside it
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTextStream>

#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog.h"
#include "ui/qt_host.h"

namespace {

using entalix::shell::ScreenId;

// One thing a person does on a screen: type a text, tick a box, press a button.
struct Step {
    enum Kind { Type, Tick, Press } kind;
    const char* control;
    const char* text = "";
};

Step type(const char* control, const char* text) { return {Step::Type, control, text}; }
Step tick(const char* control) { return {Step::Tick, control}; }
Step press(const char* control) { return {Step::Press, control}; }

struct Demo {
    ScreenId id;
    std::vector<Step> steps;
};

// The plant examples of the user guide. Pressures are gauge except on Form11.
const std::vector<Demo>& demos() {
    static const std::vector<Demo> table{
        // Pipe sizing: a steam line sized for its flow, then a feed-water line's
        // flow; the water block is typed last, so the hint lists water velocities.
        {ScreenId::Form2,
         {type("jzwd1", "250"), type("jzyl1", "1"), type("jzls1", "30"), type("jzll1", "20"), press("Command3"),
          type("gdzj", "100"), type("jzwd", "150"), type("jzyl", "1"), type("jzls", "2"), press("Command2")}},
        // Deaerator at 0.5 MPa heated by 0.6 MPa, 250 °C steam, 120 t/h of 80 °C condensate.
        {ScreenId::Form5,
         {type("Text1", "250"), type("Text2", "0.6"), type("Text6", "0.5"), type("Text3", "80"), type("Text4", "0.8"),
          type("Text5", "120"), press("Command2")}},
        // Low-pressure heater: 300 t/h of water from 80 to 120 °C by 0.3 MPa, 200 °C
        // extraction steam, drain leaving at 90 °C.
        {ScreenId::Form6,
         {type("Text1", "200"), type("Text2", "0.3"), type("Text4", "80"), type("Text3", "1.5"), type("Text6", "120"),
          type("Text5", "1.4"), type("Text7", "300"), type("Text8", "90"), press("Command2")}},
        // Desuperheater: 3.8 MPa, 450 °C steam to 50 t/h of 1.0 MPa, 300 °C steam
        // with 150 °C feed water at 6 MPa.
        {ScreenId::Form7,
         {type("Text1", "450"), type("Text2", "3.8"), type("Text3", "150"), type("Text4", "6"), type("Text5", "300"),
          type("Text6", "1.0"), type("Text7", "50"), press("Command2")}},
        // Saturation temperature at 1 MPa gauge.
        {ScreenId::Form8, {type("Text2", "1"), press("Command2")}},
        // A 10 kV motor drawing 80 A of its rated 100 A.
        {ScreenId::Form9,
         {type("Text1", "10"), type("Text5", "80"), type("Text6", "100"), type("Text7", "0.85"), press("Command2")}},
        // Steam at 1 MPa absolute and 300 °C.
        {ScreenId::Form11,
         {tick("Check1"), tick("Check2"), type("Text1", "1"), type("Text2", "300"), press("Command1")}},
        // Wet steam at 150 °C with 90 % dryness.
        {ScreenId::Form12,
         {tick("Check2"), tick("Check6"), type("Text2", "150"), type("Text6", "90"), press("Command1")}},
        // A feed pump: 100 m3/h of water against 50 m at 80 % efficiency.
        {ScreenId::Form14,
         {type("Text1", "1000"), type("Text5", "50"), type("Text6", "100"), type("Text7", "80"), press("Command2")}},
        // 100 GJ an hour at 50 W per square metre.
        {ScreenId::Form15, {type("Text1", "100"), type("Text5", "50"), press("Command2")}},
        // Every property of steam at 1 MPa gauge and 300 °C.
        {ScreenId::Form16, {type("Text1", "1"), type("Text2", "300"), press("Command1")}},
        // The saturated states at 1 MPa gauge.
        {ScreenId::Form17, {type("Text2", "1"), press("Command2")}},
        // A 1.3 MPa gauge, 300 °C steam main: 30 t/h through 800 m of DN250
        // under 100 mm of insulation.
        {ScreenId::Form18,
         {type("Text1", "1.3"), type("Text2", "300"), type("Text4", "30"), type("Text5", "250"), type("Text6", "800"),
          type("Text9", "5"), type("Text11", "100"), type("Text12", "0.05"), type("Text13", "273"), press("Command1")}},
        // Steam at 1 MPa gauge and 300 °C on the h-s chart.
        {ScreenId::Form19, {type("Text1", "1"), type("Text2", "300"), press("Command1")}},
        // A stage from 1 MPa gauge and 300 °C to 0.1 MPa gauge at 85 %, 10 t/h.
        {ScreenId::Form20,
         {type("Text1", "1"), type("Text2", "300"), type("Text4", "0.1"), type("Text5", "85"), type("Text8", "10"),
          press("Command1")}},
    };
    return table;
}

// Plays a screen's steps as a person would; false, with the reason on stderr,
// when a control is missing or a press fails.
bool play(entalix::ui::QtHost& host, ScreenId id, const std::vector<Step>& steps) {
    const QString screen = QString::fromStdString(entalix::shell::screen_name(id));
    for (const Step& step : steps) {
        QWidget* widget = host.window(id)->control(step.control);
        auto* edit = qobject_cast<QLineEdit*>(widget);
        auto* check = qobject_cast<QCheckBox*>(widget);
        auto* push = qobject_cast<QPushButton*>(widget);
        if (step.kind == Step::Type && edit != nullptr) {
            edit->setText(QString::fromUtf8(step.text));
            // What typing sets off; a field without a Change event ignores it.
            host.controller().fire(id, std::string(step.control) + "_Change");
        } else if (step.kind == Step::Tick && check != nullptr) {
            check->click();
        } else if (step.kind == Step::Press && push != nullptr) {
            push->click();
        } else {
            QTextStream(stderr) << screen << ": no control " << step.control << " for this step\n";
            return false;
        }
        if (auto* message = qobject_cast<QLabel*>(host.window(id)->control("Message"));
            message != nullptr && !message->text().isEmpty()) {
            QTextStream(stderr) << screen << ": " << step.control << " says " << message->text() << '\n';
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    bool demo = false;
    bool enlarged = false;
    QString folder = QStringLiteral("screenshots");
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--demo")
            demo = true;
        else if (std::string_view(argv[i]) == "--enlarged")
            enlarged = true;
        else
            folder = QString::fromLocal8Bit(argv[i]);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The guide's pictures have twice the pixels of a 96 dpi screen, so that
    // every digit stays legible when a reader zooms in.
    if (demo && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    entalix::ui::install_application_font();
    QDir().mkpath(folder);
    entalix::ui::QtHost host(entalix::catalog::screen_desc);
    for (ScreenId id : entalix::shell::all_screens()) {
        if (id == ScreenId::Form4) {
            host.controller().ShowScreen(ScreenId::Form1);
            host.controller().fire(ScreenId::Form1, "Command3_Click");  // writes the notes
        } else {
            host.controller().ShowScreen(id);
        }
        if (demo)
            for (const Demo& d : demos())
                if (d.id == id && !play(host, id, d.steps)) return 1;
        QApplication::processEvents();
        // No caret in whichever field the window gave the focus to.
        if (QWidget* focus = host.window(id)->focusWidget(); demo && focus != nullptr) focus->clearFocus();
        const QString name = QString::fromStdString(entalix::shell::screen_name(id));
        const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
        entalix::ui::ScreenWindow* w = host.window(id);
        if (enlarged) {
            const QSize own = w->design_size();
            w->resize(own.width() * 3 / 2 + 40, own.height() * 3 / 2);
            QApplication::processEvents();
        }
        if (!(enlarged ? w->grab() : w->page()->grab()).save(path)) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            return 1;
        }
        QTextStream(stdout) << path << '\n';
    }
    return 0;
}
