// entalix-selftest.exe CASES OUT [--screenshot DIR]: drives the real windows
// as a person would (menu buttons, typing, tick boxes, the calculation buttons,
// Enter, Esc, the close control) and writes what the screens then show, in the
// form entalix-calc prints the same events, so the two can be compared.
//
// CASES holds one line per step, '#' starts a comment:
//   Form8                                 open the screen through the menus
//   Form8 Command2_Click Text2=1          set the fields (the rest to their defaults)
//                                         and click the button; TEXT has no blanks
//   Form8 enter@Text2 Command2_Click ...  the same, but Enter in Text2 instead of the click
//   Form2 jzwd_Change jzyl=1 jzwd=150     typing into jzwd, the other fields first
//   Form9 escape Form13                   Esc, then Form13 must be the screen shown
//   Form14 copy yxgl 17.02                select the field's text and copy it (Ctrl+C);
//                                         the last word says what the clipboard must hold
//   Form1 close ended                     the close control; "ended": the program ends
//   Form1 ctrl+q ended                    Ctrl+Q; then the screen shown, or "ended"
//   Form8 help missing                    F1: is the guide beside the program "present" or "missing"
//   Form8 tooltip Text1 373.946           the field's tooltip must hold the word
//   Form1 choose Combo1 IAPWS-IF97        pick a choice of a combo box
//   Form14 copyall                        Ctrl+Shift+C; the lines starting with "= " after
//                                         it give the table copied, cells between " | "
//   Form14 menu yxgl 复制全部结果           the field's right-click menu, then that item; the
//                                         lines starting with "= " after it give its items
//                                         and, for a copying item, the table copied
//   Form14 type Text5 60                  type into a field, nothing pressed
//   Form12 type Text7                     empty the field, nothing pressed
//   Form14 pastecell Text5 60             paste a spreadsheet cell ("60", a tab, a line break) over the field's text
//   Form14 greyed yxgl yes                whether a result is shown greyed
//   Form8 shows Text2 12.2460             what a field shows; the last word says what it must be
//                                         (a tick box: 1 ticked, 0 clear)
//   Form8 title 饱和参数 · IAPWS-IF97       the window's title; the words after "title" say what it must be
//   Form1 move 40 60                      move the window's frame to (40, 60), as dragging it does
//   Form3 at 40,60                        where the window's frame stands; the last word says where it must
//   Form8 onscreen                        whether the window stands wholly on its monitor's work area
//   Form5 helpbutton missing              the "?" clear of every control, then clicked: the guide
//                                         beside the program is "present" or "missing"
//   Form1 helpbuttons                     the "?" of every screen made so far clear of every control
// The atmospheric pressure is one value for all screens: a field left out keeps
// what was typed before, so after a step that types it every later step types it too.
#pragma once

#include <string>

#include "win32/host.h"

namespace entalix::win32 {

struct SelfTestOptions {
    std::wstring cases;        // empty: open every screen, in order
    std::wstring output;       // empty: no report
    std::wstring screenshots;  // empty: none; else one FormN.bmp per screen
};

// Returns the exit code: 0 when every step could be carried out.
int run_self_test(Win32Host& host, const SelfTestOptions& options);

}  // namespace entalix::win32
