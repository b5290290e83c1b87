// Windows for the screens; events go through the shared controller, and a
// fault of the program itself never escapes into the window procedure.
#include "win32/host.h"

#include <shellapi.h>

#include "shell/errors.h"
#include "win32/settings.h"

namespace entalix::win32 {

Win32Host::Win32Host(shell::Catalog catalog, Settings settings)
    : controller_(*this, std::move(catalog)), settings_(std::move(settings)) {
    if (std::optional<std::string> stored = settings_.get(kAtmosphericPressure)) atmospheric_ = *stored;
    // A value this version does not know (edited by hand, or of a later version) leaves IFC-67.
    if (std::optional<std::string> stored = settings_.get(kFormulation))
        formulation_ = props::parse_formulation(*stored).value_or(props::Formulation::IFC67);
}

Win32Host::~Win32Host() = default;

void Win32Host::create_screen(const shell::ScreenDesc& desc) {
    POINT at{CW_USEDEFAULT, CW_USEDEFAULT};
    if (last_position_) at = *last_position_;
    auto window = std::make_unique<ScreenWindow>(desc, *this, at, atmospheric_);
    window->set_formulation(formulation_);
    windows_[desc.id] = std::move(window);
}

void Win32Host::show_screen(shell::ScreenId id) {
    ScreenWindow* w = windows_.at(id).get();
    // Each screen opens where the one it replaces stood, so the program stays in one place.
    for (const auto& [other, window] : windows_) {
        if (other == id || !IsWindowVisible(window->hwnd())) continue;
        RECT r;
        GetWindowRect(window->hwnd(), &r);
        last_position_ = POINT{r.left, r.top};
    }
    if (!last_position_) {
        // The first screen stands in the middle of the primary monitor's work area.
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        RECT r;
        GetWindowRect(w->hwnd(), &r);
        last_position_ = POINT{work.left + (work.right - work.left - (r.right - r.left)) / 2,
                               work.top + (work.bottom - work.top - (r.bottom - r.top)) / 2};
    }
    w->show_at(*last_position_);
    w->focus_first_field();
}

void Win32Host::hide_screen(shell::ScreenId id) { ShowWindow(windows_.at(id)->hwnd(), SW_HIDE); }

shell::Fields Win32Host::fields(shell::ScreenId id) const {
    shell::Fields fields = windows_.at(id)->fields();
    fields.set_formulation(formulation_);
    return fields;
}

void Win32Host::apply(shell::ScreenId id, const shell::Outcome& outcome) {
    windows_.at(id)->apply(outcome);
    if (pressing_ && pressing_->first == id) windows_.at(id)->note_press(pressing_->second, outcome);
    applied_.emplace_back(id, outcome);
}

ScreenWindow* Win32Host::window(shell::ScreenId id) const {
    const auto it = windows_.find(id);
    return it == windows_.end() ? nullptr : it->second.get();
}

std::optional<shell::ScreenId> Win32Host::visible_screen() const {
    for (const auto& [id, window] : windows_)
        if (controller_.is_visible(id)) return id;
    return std::nullopt;
}

HWND Win32Host::active_window() const {
    const std::optional<shell::ScreenId> id = visible_screen();
    return id ? windows_.at(*id)->hwnd() : nullptr;
}

void Win32Host::on_event(shell::ScreenId id, const std::string& event) {
    if (ending_) return;
    pressing_.emplace(id, event);
    try {
        controller_.fire(id, event);
    } catch (...) {
        // A fault of the program itself: the press writes nothing and the screen stays usable.
        shell::Outcome outcome;
        outcome.message = shell::kMsgInternalError;
        outcome.failed = true;
        apply(id, outcome);
    }
    pressing_.reset();
}

void Win32Host::on_close(shell::ScreenId id) {
    if (ending_) return;
    bool goes_on = true;
    try {
        goes_on = controller_.close(id);
    } catch (...) {
        // Going back only navigates; should it ever fail, the window stays open.
        return;
    }
    if (goes_on) return;
    // Closing the main menu ends the program.
    ending_ = true;
    for (const auto& [other, window] : windows_) ShowWindow(window->hwnd(), SW_HIDE);
    PostQuitMessage(0);
}

void Win32Host::on_atmospheric_typed(shell::ScreenId id, const std::string& text) {
    // One site value: typed on any screen, it stands in every screen's box and is remembered.
    atmospheric_ = text;
    for (const auto& [other, window] : windows_)
        if (other != id) window->set_atmospheric(text);
    settings_.set(kAtmosphericPressure, text);
}

void Win32Host::on_chosen(const shell::ControlDesc& control, const std::string& text) {
    if (const std::optional<props::Formulation> chosen = shell::chosen_formulation(control, text))
        set_formulation(*chosen);
}

void Win32Host::set_formulation(props::Formulation formulation) {
    formulation_ = formulation;
    for (const auto& [id, window] : windows_) window->set_formulation(formulation);
    settings_.set(kFormulation, std::string(props::formulation_name(formulation)));
}

void Win32Host::show_guide() {
    // The portable folder holds the guide beside entalix.exe.
    const std::wstring path = folder_of_program() + L"user-guide.html";
    const bool present = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (guide_opener_) {
        guide_opener_(path, present);
        return;
    }
    HWND owner = active_window();
    if (present) {
        const auto started =
            reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (started > 32) return;
    }
    const std::wstring text = present ? L"无法打开使用说明：\r\n" + path + L"\r\n请用浏览器打开该文件。"
                                      : L"找不到使用说明：\r\n" + path +
                                            L"\r\n它随 Entalix 的压缩包一起提供，应与 entalix.exe 放在同一文件夹中。";
    MessageBoxW(owner, text.c_str(), L"Entalix 使用说明", MB_OK | MB_ICONINFORMATION);
}

bool Win32Host::copy_results() {
    const std::optional<shell::ScreenId> id = visible_screen();
    return id && windows_.at(*id)->copy_results();
}

bool Win32Host::quit_from_main_menu() {
    const std::optional<shell::ScreenId> id = visible_screen();
    if (!id || !controller_.desc(*id).close_event.empty()) return false;
    on_close(*id);
    return true;
}

std::vector<std::pair<shell::ScreenId, shell::Outcome>> Win32Host::take_applied() {
    std::vector<std::pair<shell::ScreenId, shell::Outcome>> out;
    out.swap(applied_);
    return out;
}

}  // namespace entalix::win32
