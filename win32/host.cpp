// Windows for the screens; events go through the shared controller, and a
// fault of the program itself never escapes into the window procedure.
#include "win32/host.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "shell/errors.h"
#include "shell/guide_sections.h"
#include "shell/placement.h"
#include "win32/settings.h"
#include "win32/text.h"

namespace entalix::win32 {

namespace {

// Where a window's frame stands on the screen; for a window made into an icon,
// where it stands when restored.
POINT frame_origin(HWND hwnd) {
    RECT r{};
    if (!IsIconic(hwnd)) {
        GetWindowRect(hwnd, &r);
        return {r.left, r.top};
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd, &placement);
    // The restored place counts from the corner of the work area, not of the monitor.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor);
    return {placement.rcNormalPosition.left + monitor.rcWork.left - monitor.rcMonitor.left,
            placement.rcNormalPosition.top + monitor.rcWork.top - monitor.rcMonitor.top};
}

// A local page opened at a section. Opening the file itself drops the part
// after '#', so the browser that opens .html files is started with the page's
// file: address; without one found, the page opens at its top.
bool open_page(HWND owner, const std::wstring& path, const std::wstring& anchor) {
    if (!anchor.empty()) {
        wchar_t browser[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        if (SUCCEEDED(AssocQueryStringW(ASSOCF_NONE, ASSOCSTR_EXECUTABLE, L".html", L"open", browser, &length))) {
            std::wstring url = L"\"file:///";
            for (const wchar_t ch : path) {
                if (ch == L'\\')
                    url += L'/';
                else if (ch == L' ')
                    url += L"%20";
                else if (ch == L'#')
                    url += L"%23";
                else if (ch == L'%')
                    url += L"%25";
                else
                    url += ch;
            }
            url += L"#" + anchor + L"\"";
            const auto started =
                reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", browser, url.c_str(), nullptr, SW_SHOWNORMAL));
            if (started > 32) return true;
        }
    }
    const auto started =
        reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return started > 32;
}

}  // namespace

Win32Host::Win32Host(shell::Catalog catalog, Settings settings)
    : controller_(*this, std::move(catalog)), settings_(std::move(settings)), remembered_(settings_) {
    atmospheric_ = remembered_.atmospheric();
    // A value this version does not know (edited by hand, or of a later version) leaves IFC-67.
    formulation_ = remembered_.formulation().value_or(props::Formulation::IFC67);
}

Win32Host::~Win32Host() = default;

void Win32Host::create_screen(const shell::ScreenDesc& desc) {
    POINT at{CW_USEDEFAULT, CW_USEDEFAULT};
    // Made on the monitor it will open on, so that it is laid out for that monitor's scale.
    if (const std::optional<POINT> there = last_position_ ? last_position_ : remembered_main_position()) at = *there;
    auto window = std::make_unique<ScreenWindow>(desc, *this, at, atmospheric_);
    window->set_formulation(formulation_);
    // The inputs typed when the screen was last left, as they were typed.
    for (const auto& [name, text] : remembered_.inputs(desc)) window->set_input(name, text);
    ScreenWindow* created = window.get();
    windows_[desc.id] = std::move(window);
    for (const std::string& name : remembered_.ticks(desc)) created->restore_tick(name);
}

void Win32Host::remember(shell::ScreenId id) {
    const ScreenWindow& w = *windows_.at(id);
    const POINT at = frame_origin(w.hwnd());
    // A window minimized or maximized keeps the size it had before.
    const std::optional<shell::WindowSize> size =
        IsIconic(w.hwnd()) || IsZoomed(w.hwnd()) ? std::nullopt : std::optional<shell::WindowSize>(w.client_size());
    remembered_.screen_left(w.desc(), w.fields(), shell::WindowPlace{at.x, at.y}, size);
}

void Win32Host::remember_all() {
    for (const auto& [id, window] : windows_)
        if (IsWindowVisible(window->hwnd())) remember(id);
}

void Win32Host::show_screen(shell::ScreenId id) {
    ScreenWindow* w = windows_.at(id).get();
    // Each screen opens where the one it replaces stood, on that one's monitor;
    // the main menu where it was left (shell/placement.h), at the first start
    // where it stood when the program last ended.
    std::optional<POINT> replaced;
    HMONITOR monitor = nullptr;
    for (const auto& [other, window] : windows_) {
        if (other == id || !IsWindowVisible(window->hwnd())) continue;
        replaced = frame_origin(window->hwnd());
        monitor = MonitorFromWindow(window->hwnd(), MONITOR_DEFAULTTONEAREST);
    }
    if (!replaced) replaced = last_position_;
    const bool main_menu = w->desc().close_event.empty();
    std::optional<POINT> own;
    if (const auto it = left_at_.find(id); it != left_at_.end())
        own = it->second;
    else if (main_menu)
        own = remembered_main_position();
    const auto place = [](const std::optional<POINT>& p) {
        return p ? std::optional<shell::WindowPlace>(shell::WindowPlace{p->x, p->y}) : std::nullopt;
    };
    const std::optional<shell::WindowPlace> at = shell::opening_place(main_menu, place(own), place(replaced));
    if (at != place(replaced)) monitor = nullptr;  // the monitor of its own place
    w->show_at(at ? std::optional<POINT>(POINT{at->left, at->top}) : std::nullopt, monitor,
               remembered_.window_size(id));
    last_position_ = frame_origin(w->hwnd());
    w->focus_first_field();
}

std::optional<POINT> Win32Host::remembered_main_position() const {
    const std::optional<shell::WindowPlace> place = remembered_.main_place();
    if (!place) return std::nullopt;
    return POINT{place->left, place->top};
}

void Win32Host::hide_screen(shell::ScreenId id) {
    remember(id);
    left_at_[id] = frame_origin(windows_.at(id)->hwnd());
    ShowWindow(windows_.at(id)->hwnd(), SW_HIDE);
}

shell::Fields Win32Host::fields(shell::ScreenId id) const {
    shell::Fields fields = windows_.at(id)->fields();
    fields.set_formulation(formulation_);
    return fields;
}

void Win32Host::apply(shell::ScreenId id, const shell::Outcome& outcome) {
    windows_.at(id)->apply(outcome);
    if (pressing_ && pressing_->first == id)
        windows_.at(id)->note_press(pressing_->second, outcome);
    else if (!outcome.pressed_as.empty())
        // Results another screen's press computed here count as this screen's own press.
        windows_.at(id)->note_press(outcome.pressed_as, outcome);
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
    remember_all();
    ending_ = true;
    for (const auto& [other, window] : windows_) ShowWindow(window->hwnd(), SW_HIDE);
    PostQuitMessage(0);
}

void Win32Host::on_atmospheric_typed(shell::ScreenId id, const std::string& text) {
    // One site value: typed on any screen, it stands in every screen's box, and
    // once it is a number it is remembered.
    atmospheric_ = text;
    for (const auto& [other, window] : windows_)
        if (other != id) window->set_atmospheric(text);
    remembered_.atmospheric_typed(text);
}

void Win32Host::on_chosen(const shell::ControlDesc& control, const std::string& text) {
    if (const std::optional<props::Formulation> chosen = shell::chosen_formulation(control, text))
        set_formulation(*chosen);
}

void Win32Host::set_formulation(props::Formulation formulation) {
    formulation_ = formulation;
    for (const auto& [id, window] : windows_) window->set_formulation(formulation);
    remembered_.set_formulation(formulation);
}

void Win32Host::show_guide() {
    // The portable folder holds the guide beside entalix.exe.
    const std::wstring path = folder_of_program() + L"user-guide.html";
    const bool present = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    std::wstring anchor;
    if (const std::optional<shell::ScreenId> id = visible_screen())
        anchor = widen(shell::guide_anchor(shell::guide_heading(*id)));
    if (guide_opener_) {
        guide_opener_(path, anchor, present);
        return;
    }
    HWND owner = active_window();
    if (present && open_page(owner, path, anchor)) return;
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
