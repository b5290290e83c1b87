// The right-click menu of a field, in Chinese on every host: a text box's
// editing items and "复制全部结果", a result's "复制" and "复制全部结果", and on
// the atmospheric pressure "恢复默认". The host says what the field and the
// clipboard hold when the menu opens and carries out the item chosen.
#pragma once

#include <string_view>
#include <vector>

#include "shell/screen.h"

namespace entalix::shell {

enum class FieldAction {
    Undo,            // the text box's last change taken back
    Cut,             // the selection to the clipboard and out of the box
    Copy,            // the part selected, or else the whole text, to the clipboard
    Paste,           // the clipboard's text in place of the selection
    Delete,          // the selection taken out
    SelectAll,       // the whole text selected
    CopyAllResults,  // every result shown with its inputs (shell/shown_results.h), as Ctrl+Shift+C
    // The screens' default atmospheric pressure, put in as if typed: every
    // screen takes it and it is kept for the next start.
    RestoreDefault,
};

// What stands when the menu opens.
struct FieldState {
    bool can_undo = false;
    bool has_selection = false;
    bool has_text = false;
    bool clipboard_has_text = false;
    bool results_shown = false;  // some calculation of the screen has shown its results
};

struct FieldMenuItem {
    FieldAction action = FieldAction::Copy;
    std::string_view text;
    bool enabled = true;
    bool separator_before = false;

    bool operator==(const FieldMenuItem&) const = default;
};

// A text box a person types into, or a label that shows a result.
bool has_field_menu(const ControlDesc& field);

// The items in the order shown; empty for a field without a menu.
std::vector<FieldMenuItem> field_menu(const ControlDesc& field, const FieldState& state);

}  // namespace entalix::shell
