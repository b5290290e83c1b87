// The menus lead down to the screens; each "返回" leads one level back up.
#include "shell/menus.h"

namespace entalix::shell {

ControlDesc heading(std::string name, std::string text, Twips rect) {
    return {std::move(name), ControlKind::Label, std::move(text), rect, Align::Center, kHeading, {}};
}
ControlDesc button(std::string name, std::string text, Twips rect) {
    return {std::move(name), ControlKind::Button, std::move(text), rect, Align::Center, kPlain, {}};
}
ControlDesc label(std::string name, std::string text, Twips rect, Align align) {
    return {std::move(name), ControlKind::Label, std::move(text), rect, align, kPlain, {}};
}
ControlDesc text_box(std::string name, std::string text, Twips rect, Align align, unsigned style) {
    return {std::move(name), ControlKind::TextBox, std::move(text), rect, align, style, {}};
}
ControlDesc formulation_choice(Twips rect) {
    ControlDesc c{"Combo1", ControlKind::ComboBox, "IFC-67", rect, Align::Left, kPlain, {}};
    c.meaning = {Role::Formulation, "水和水蒸汽性质公式", "", PressureKind::None, {}};
    c.choices = {"IFC-67", "IAPWS-IF97"};
    return c;
}
ControlDesc message_line(Twips rect) {
    return {"Message", ControlKind::Label, "", rect, Align::Left, kMessage | kRed, {}, {Role::Message}};
}

const ScreenDesc& form1() {
    static const ScreenDesc desc{
        ScreenId::Form1,
        "主画面",
        4800,
        4920,
        {
            heading("Label1", "Entalix", {600, 240, 3375, 375}),
            button("Command1", "管道计算", {480, 720, 1575, 615}),
            button("Command2", "加热器计算", {2640, 720, 1575, 615}),
            button("Command4", "饱和参数", {480, 1560, 1575, 615}),
            button("Command6", "水蒸汽参数", {2640, 1560, 1575, 615}),
            button("Command5", "电机和水泵", {480, 2400, 1575, 615}),
            button("Command3", "说明", {2640, 2400, 1575, 615}),
            // Below the buttons, out of their way: the formulation every screen computes with.
            label("Label2", "物性公式", {480, 3150, 960, 300}),
            formulation_choice({1440, 3105, 2775, 360}),
            // A band added below the formulation: what arrives at the far end of a line.
            button("Command7", "管道压降与散热", {480, 3600, 3735, 480}),
            // The bands below the formulation hold the newer screens; the
            // turbine's is the second of them.
            button("Command8", "汽轮机膨胀与节流", {480, 4200, 3735, 480}),
        },
        {
            {"Command1_Click", navigate_to(ScreenId::Form2)},
            {"Command2_Click", navigate_to(ScreenId::Form3)},
            {"Command4_Click", navigate_to(ScreenId::Form8)},
            {"Command6_Click", navigate_to(ScreenId::Form10)},
            {"Command5_Click", navigate_to(ScreenId::Form13)},
            {"Command7_Click", navigate_to(ScreenId::Form18)},
            {"Command8_Click", navigate_to(ScreenId::Form20)},
            {"Command3_Click",
             [](const Fields& fields, props::WaterSteam&) {
                 Outcome outcome;
                 outcome.navigate = ScreenId::Form4;
                 outcome.target_texts = {{"Label1", NotesText(fields.formulation())}};
                 return outcome;
             }},
        },
        "",  // closing the main menu ends the application
    };
    return desc;
}

const ScreenDesc& form3() {
    static const ScreenDesc desc{
        ScreenId::Form3,
        "加热器计算画面",
        4680,
        4485,
        {
            button("Command4", "混合式加热器计算", {960, 480, 2535, 615}),
            button("Command2", "表面式加热器计算", {960, 1560, 2535, 615}),
            button("Command3", "减温器计算", {960, 2520, 1695, 615}),
            button("Command5", "供热面积折算", {960, 3480, 2055, 615}),
            button("Command1", "返回", {3480, 3840, kBackWidth, kBackHeight}),
        },
        {
            {"Command4_Click", navigate_to(ScreenId::Form5)},
            {"Command2_Click", navigate_to(ScreenId::Form6)},
            {"Command3_Click", navigate_to(ScreenId::Form7)},
            {"Command5_Click", navigate_to(ScreenId::Form15)},
            {"Command1_Click", navigate_to(ScreenId::Form1)},
        },
        "Command1_Click",
    };
    return desc;
}

const ScreenDesc& form10() {
    static const ScreenDesc desc{
        ScreenId::Form10,
        "水蒸汽性质",
        4560,
        3030,
        {
            heading("Label1", "水蒸汽性质", {1200, 240, 2295, 495}),
            button("Command1", "绝压参数", {360, 1080, 1695, 615}),
            button("Command2", "表压参数", {2400, 1080, 1695, 615}),
            button("Command3", "返回", {3195, 2400, kBackWidth, kBackHeight}),
            // A second row in the room above "返回".
            button("Command4", "全部物性", {360, 1800, 1695, 480}),
            button("Command5", "饱和表", {2400, 1800, 1695, 480}),
            button("Command6", "焓熵图", {360, 2400, 1695, 480}),
        },
        {
            {"Command1_Click", navigate_to(ScreenId::Form11)},
            {"Command2_Click", navigate_to(ScreenId::Form12)},
            {"Command4_Click", navigate_to(ScreenId::Form16)},
            {"Command5_Click", navigate_to(ScreenId::Form17)},
            {"Command6_Click", navigate_to(ScreenId::Form19)},
            {"Command3_Click", navigate_to(ScreenId::Form1)},
        },
        "Command3_Click",
    };
    return desc;
}

const ScreenDesc& form13() {
    static const ScreenDesc desc{
        ScreenId::Form13,
        "电机和水泵功率计算",
        4560,
        3030,
        {
            heading("Label1", "功率计算", {1440, 240, 1815, 495}),
            button("Command1", "电动机功率", {360, 1080, 1695, 615}),
            button("Command2", "水泵轴功率", {2400, 1080, 1695, 615}),
            button("Command3", "返回", {3195, 2400, kBackWidth, kBackHeight}),
        },
        {
            {"Command1_Click", navigate_to(ScreenId::Form9)},
            {"Command2_Click", navigate_to(ScreenId::Form14)},
            {"Command3_Click", navigate_to(ScreenId::Form1)},
        },
        "Command3_Click",
    };
    return desc;
}

}  // namespace entalix::shell
