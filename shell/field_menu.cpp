// A text box's items are those a Windows edit box has, in Chinese, with the
// screen's own after them.
#include "shell/field_menu.h"

namespace entalix::shell {

bool has_field_menu(const ControlDesc& c) {
    return c.kind == ControlKind::TextBox || (c.kind == ControlKind::Label && c.meaning.role == Role::Result);
}

std::vector<FieldMenuItem> field_menu(const ControlDesc& field, const FieldState& state) {
    if (!has_field_menu(field)) return {};
    std::vector<FieldMenuItem> items;
    if (field.kind == ControlKind::TextBox) {
        items = {
            {FieldAction::Undo, "撤销", state.can_undo},        {FieldAction::Cut, "剪切", state.has_selection, true},
            {FieldAction::Copy, "复制", state.has_text},        {FieldAction::Paste, "粘贴", state.clipboard_has_text},
            {FieldAction::Delete, "删除", state.has_selection}, {FieldAction::SelectAll, "全选", state.has_text, true},
        };
    } else {
        items = {{FieldAction::Copy, "复制"}};
    }
    items.push_back({FieldAction::CopyAllResults, "复制全部结果", state.results_shown, true});
    if (field.meaning.role == Role::Atmospheric) items.push_back({FieldAction::RestoreDefault, "恢复默认"});
    return items;
}

}  // namespace entalix::shell
