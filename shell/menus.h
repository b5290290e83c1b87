// The main menu, the three submenus and the notes screen.
#pragma once

#include <string>

#include "shell/screen.h"

namespace entalix::shell {

const ScreenDesc& form1();   // main menu "主画面"
const ScreenDesc& form3();   // heater menu
const ScreenDesc& form10();  // steam-properties menu
const ScreenDesc& form13();  // motor-and-pump menu
const ScreenDesc& form4();   // notes "说明"

// The five numbered notes joined by CR LF, written at each opening of the notes
// screen; the last names the water and steam formulation chosen on the main menu.
std::string NotesText(props::Formulation formulation = props::Formulation::IFC67);

// Shared shapes of screen descriptions.
ControlDesc heading(std::string name, std::string text, Twips rect);
ControlDesc button(std::string name, std::string text, Twips rect);
ControlDesc label(std::string name, std::string text, Twips rect, Align align = Align::Left);
ControlDesc text_box(std::string name, std::string text, Twips rect, Align align = Align::Left,
                     unsigned style = kPlain);
// The main menu's choice of "IFC-67" or "IAPWS-IF97".
ControlDesc formulation_choice(Twips rect);
// The red line where a failed press says why.
ControlDesc message_line(Twips rect);

// "返回" buttons are 900 x 450 on most screens.
inline constexpr int kBackWidth = 900;
inline constexpr int kBackHeight = 450;

}  // namespace entalix::shell
