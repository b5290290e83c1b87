// The self-test plays its steps through SendMessage and posted keys into the
// same window procedures a person's clicks reach, and reads the answers back
// from the controls themselves.
#include "win32/self_test.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "shell/svg.h"
#include "win32/dpi.h"
#include "win32/field_roles.h"
#include "win32/message_loop.h"
#include "win32/text.h"

namespace entalix::win32 {

using shell::ControlDesc;
using shell::ControlKind;
using shell::ScreenId;

namespace {

std::optional<std::string> read_file(const std::wstring& path) {
    FILE* f = _wfopen(path.c_str(), L"rb");
    if (f == nullptr) return std::nullopt;
    std::string data;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, f)) > 0;) data.append(buffer, n);
    fclose(f);
    return data;
}

bool write_file(const std::wstring& path, const std::string& data) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (f == nullptr) return false;
    const bool ok = fwrite(data.data(), 1, data.size(), f) == data.size();
    return fclose(f) == 0 && ok;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> tokens;
    std::istringstream in(line);
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

std::wstring window_text(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

// A 24-bit BMP of the window as it stands on the screen, frame included.
bool save_screenshot(HWND hwnd, const std::wstring& path) {
    RECT r;
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;
    HDC window_dc = GetWindowDC(hwnd);
    HDC memory = CreateCompatibleDC(window_dc);
    HBITMAP bitmap = CreateCompatibleBitmap(window_dc, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, window_dc, 0, 0, SRCCOPY) != 0;
    SelectObject(memory, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up, as a BMP file stores it
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::string pixels(row * static_cast<std::size_t>(height), '\0');
    const bool read = copied && GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                          reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, window_dc);
    if (!read) return false;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
    std::string data(reinterpret_cast<const char*>(&file), sizeof file);
    data.append(reinterpret_cast<const char*>(&info), sizeof info);
    data += pixels;
    return write_file(path, data);
}

bool cell_on_clipboard(HWND owner, const std::wstring& text) {
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool done = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t))) {
        if (auto* out = static_cast<wchar_t*>(GlobalLock(memory))) {
            std::copy(text.c_str(), text.c_str() + text.size() + 1, out);
            GlobalUnlock(memory);
            done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!done) GlobalFree(memory);
    }
    CloseClipboard();
    return done;
}

class SelfTest {
public:
    SelfTest(Win32Host& host, const SelfTestOptions& options) : host_(host), options_(options) {}

    int run(const std::vector<std::string>& lines) {
        out_ << "atmospheric pressure: " << host_.atmospheric_pressure().value_or("(default)") << '\n';
        out_ << "formulation: " << props::formulation_name(host_.formulation()) << '\n';
        for (const std::string& line : lines) {
            const std::vector<std::string> tokens = split(line);
            if (tokens.empty() || tokens[0][0] == '#' || tokens[0][0] == '=') continue;
            out_ << "> " << line << '\n';
            if (!step(tokens)) {
                ok_ = false;
                if (ended_) break;
            }
            if (!ended_) screenshot();
        }
        // The site's atmospheric pressure as every screen made so far shows it.
        for (ScreenId id : shell::all_screens())
            if (const ScreenWindow* w = host_.window(id))
                for (const ControlDesc& c : w->desc().controls)
                    if (is_atmospheric(c))
                        out_ << shell::screen_name(id) << '.' << c.name << '=' << w->text_of(c.name) << '\n';
        if (!options_.output.empty() && !write_file(options_.output, out_.str())) return 2;
        return ok_ ? 0 : 1;
    }

private:
    bool fail(const std::string& why) {
        out_ << "self-test: " << why << '\n';
        return false;
    }

    void pump() {
        if (!pump_messages(host_)) ended_ = true;
    }

    bool step(const std::vector<std::string>& tokens) {
        const std::optional<ScreenId> id = shell::screen_from_name(tokens[0]);
        if (!id) return fail("no screen " + tokens[0]);
        if (!open(*id)) return false;
        if (tokens.size() == 1) return shown_is(*id);
        if (tokens[1] == "escape" || tokens[1] == "close" || tokens[1] == "ctrl+q") {
            HWND window = host_.window(*id)->hwnd();
            HWND focus = GetFocus() != nullptr ? GetFocus() : window;
            if (tokens[1] == "escape")
                key(focus, VK_ESCAPE);
            else if (tokens[1] == "ctrl+q")
                key(focus, 'Q', VK_CONTROL);
            else
                SendMessageW(window, WM_CLOSE, 0, 0);
            pump();
            const std::string expected = tokens.size() > 2 ? tokens[2] : "";
            if (ended_) {
                out_ << "ended\n";
                return expected == "ended" || fail("the program ended");
            }
            const std::optional<ScreenId> now = host_.visible_screen();
            return now && shown_is(*now) && (shell::screen_name(*now) == expected || fail("expected " + expected));
        }
        if (tokens[1] == "copy") return copy(*id, tokens.size() > 2 ? tokens[2] : "");
        if (tokens[1] == "save" && tokens.size() == 3) return save(*id, tokens[2]);
        if (tokens[1] == "copyall") {
            key(GetFocus() != nullptr ? GetFocus() : host_.window(*id)->hwnd(), 'C', VK_CONTROL, VK_SHIFT);
            return table(clipboard(*id));
        }
        if (tokens[1] == "menu" && tokens.size() == 4) return menu(*id, tokens[2], tokens[3]);
        if (tokens[1] == "type" && (tokens.size() == 3 || tokens.size() == 4)) {
            HWND box = host_.window(*id)->control(tokens[2]);
            if (box == nullptr) return fail("no field " + tokens[2]);
            type(box, tokens.size() == 4 ? tokens[3] : std::string());
            return true;
        }
        if (tokens[1] == "pastecell" && tokens.size() == 4) {
            // A spreadsheet cell on the clipboard: its number, a tab and a line break.
            HWND box = host_.window(*id)->control(tokens[2]);
            if (box == nullptr) return fail("no field " + tokens[2]);
            if (!cell_on_clipboard(host_.window(*id)->hwnd(), widen(tokens[3]) + L"\t\r\n"))
                return fail("the clipboard cannot be opened");
            SendMessageW(box, EM_SETSEL, 0, -1);
            SendMessageW(box, WM_PASTE, 0, 0);
            pump();
            return true;
        }
        if (tokens[1] == "greyed" && tokens.size() >= 3) {
            out_ << tokens[0] << '.' << tokens[2]
                 << " greyed: " << (host_.window(*id)->greyed(tokens[2]) ? "yes" : "no") << '\n';
            return true;
        }
        if (tokens[1] == "choose" && tokens.size() == 4) return choose(*id, tokens[2], tokens[3]);
        if (tokens[1] == "shows" && tokens.size() >= 3) {
            // A tick box shows "1" when ticked and "0" when clear.
            const ScreenWindow& w = *host_.window(*id);
            const shell::ControlDesc* c = w.desc().find(tokens[2]);
            const std::string shown = c != nullptr && c->kind == shell::ControlKind::CheckBox
                                          ? w.fields().text(tokens[2])
                                          : w.text_of(tokens[2]);
            out_ << tokens[0] << '.' << tokens[2] << '=' << shell::printed_text(shown) << '\n';
            return true;
        }
        if (tokens[1] == "tooltip" && tokens.size() == 4) {
            // The tooltip must hold the word (a range's end); else it is shown whole.
            const std::string tip = host_.window(*id)->tooltip_of(tokens[2]);
            if (tip.find(tokens[3]) != std::string::npos)
                out_ << "tooltip " << tokens[2] << " has " << tokens[3] << '\n';
            else
                out_ << "tooltip " << tokens[2] << ": " << shell::printed_text(tip) << '\n';
            return true;
        }
        if (tokens[1] == "help") {
            // F1 in the field that has the keyboard.
            std::optional<bool> present;
            host_.set_guide_opener(
                [&present](const std::wstring&, const std::wstring&, bool there) { present = there; });
            key(GetFocus() != nullptr ? GetFocus() : host_.window(*id)->hwnd(), VK_F1);
            host_.set_guide_opener(nullptr);
            out_ << "guide: " << (!present ? "not opened" : *present ? "present" : "missing") << '\n';
            return true;
        }
        if (tokens[1] == "section") {
            // F1 opens the guide at the screen's own section.
            std::wstring anchor = L"(not opened)";
            host_.set_guide_opener([&anchor](const std::wstring&, const std::wstring& at, bool) { anchor = at; });
            key(GetFocus() != nullptr ? GetFocus() : host_.window(*id)->hwnd(), VK_F1);
            host_.set_guide_opener(nullptr);
            out_ << "section: " << narrow(anchor) << '\n';
            return true;
        }
        if (tokens[1] == "size" && tokens.size() == 4) {
            // As a person drags the frame's corner: the client area W x H pixels;
            // the layout's scale is reported.
            ScreenWindow& w = *host_.window(*id);
            const SIZE outer =
                outer_size(std::atoi(tokens[2].c_str()), std::atoi(tokens[3].c_str()),
                           static_cast<DWORD>(GetWindowLongPtrW(w.hwnd(), GWL_STYLE)), 0, window_dpi(w.hwnd()));
            SetWindowPos(w.hwnd(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER);
            pump();
            char scale[16];
            std::snprintf(scale, sizeof scale, "%.2f", w.scale());
            out_ << tokens[0] << " scale " << scale << '\n';
            return true;
        }
        if (tokens[1] == "move" && tokens.size() == 4) {
            // As a person drags the window by its title bar.
            SetWindowPos(host_.window(*id)->hwnd(), nullptr, std::atoi(tokens[2].c_str()), std::atoi(tokens[3].c_str()),
                         0, 0, SWP_NOSIZE | SWP_NOZORDER);
            pump();
            return true;
        }
        if (tokens[1] == "at") {
            RECT r;
            GetWindowRect(host_.window(*id)->hwnd(), &r);
            out_ << tokens[0] << " at " << r.left << ',' << r.top << '\n';
            return true;
        }
        if (tokens[1] == "onscreen") {
            HWND hwnd = host_.window(*id)->hwnd();
            RECT r;
            GetWindowRect(hwnd, &r);
            MONITORINFO monitor{};
            monitor.cbSize = sizeof monitor;
            GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
            const RECT& work = monitor.rcWork;
            const bool whole =
                r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom;
            out_ << tokens[0] << " wholly on its monitor: " << (whole ? "yes" : "no") << '\n';
            return true;
        }
        if (tokens[1] == "helpbutton") {
            // The "?" clicked, as a person does; it stands clear of every control.
            ScreenWindow& w = *host_.window(*id);
            if (w.help_button() == nullptr || !IsWindowVisible(w.help_button())) return fail("no ? button");
            overlaps(w);
            std::optional<bool> present;
            host_.set_guide_opener(
                [&present](const std::wstring&, const std::wstring&, bool there) { present = there; });
            SendMessageW(w.help_button(), BM_CLICK, 0, 0);
            pump();
            host_.set_guide_opener(nullptr);
            out_ << "guide: " << (!present ? "not opened" : *present ? "present" : "missing") << '\n';
            return true;
        }
        if (tokens[1] == "helpbuttons") {
            // Every screen made so far.
            int clear = 0;
            for (ScreenId other : shell::all_screens())
                if (const ScreenWindow* w = host_.window(other))
                    clear += overlaps(*w, shell::screen_name(other)) ? 0 : 1;
            out_ << "? clear on " << clear << " screens\n";
            return true;
        }
        if (tokens[1] == "title") {
            out_ << "title: " << narrow(window_text(host_.window(*id)->hwnd())) << '\n';
            return true;
        }
        return press(*id, tokens);
    }

    // Whether a screen's "?" overlaps a control or its window's edge, said when it does.
    bool overlaps(const ScreenWindow& w, const std::string& screen = {}) {
        const std::vector<std::string> what = w.help_button_overlaps();
        std::string list;
        for (const std::string& name : what) list += (list.empty() ? "" : ", ") + name;
        if (what.empty() && screen.empty()) out_ << "? clear\n";
        if (!what.empty()) out_ << (screen.empty() ? "" : screen + " ") << "? overlaps " << list << '\n';
        return !what.empty();
    }

    // A picture box's drawing saved as PNG and SVG under Chinese names in the
    // temporary folder, as its menu does past the Save dialog: the SVG is the
    // drawing's own, the PNG has twice its pixels; a folder that is not there
    // fails and leaves nothing.
    bool save(ScreenId id, const std::string& box) {
        const ScreenWindow& w = *host_.window(id);
        const shell::Drawing* drawing = w.drawing_of(box);
        if (drawing == nullptr) return fail("no drawing in " + box);
        wchar_t folder[MAX_PATH + 1] = {};
        if (GetTempPathW(MAX_PATH + 1, folder) == 0) return fail("no temporary folder");
        const std::wstring png = std::wstring(folder) + L"焓熵图-自检.png";
        const std::wstring svg = std::wstring(folder) + L"焓熵图-自检.svg";
        const bool saved = w.save_picture(box, png, ScreenWindow::PictureFile::Png) &&
                           w.save_picture(box, svg, ScreenWindow::PictureFile::Svg);
        const std::optional<std::string> png_bytes = read_file(png);
        const std::optional<std::string> svg_bytes = read_file(svg);
        DeleteFileW(png.c_str());
        DeleteFileW(svg.c_str());
        if (!saved || !png_bytes || !svg_bytes) return fail("the drawing was not saved");
        if (*svg_bytes != shell::svg_of(*drawing, shell::kTextPixels)) return fail("the SVG is not the drawing's");
        auto big_endian = [&](std::size_t at) {
            std::uint32_t v = 0;
            for (std::size_t i = at; i < at + 4 && i < png_bytes->size(); ++i)
                v = (v << 8) | static_cast<unsigned char>((*png_bytes)[i]);
            return v;
        };
        if (png_bytes->compare(0, 16, std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16)) != 0 ||
            big_endian(16) != static_cast<std::uint32_t>(2 * drawing->width) ||
            big_endian(20) != static_cast<std::uint32_t>(2 * drawing->height))
            return fail("the PNG does not hold the drawing at twice its pixels");
        const std::wstring nowhere = std::wstring(folder) + L"没有这个文件夹\\焓熵图.svg";
        if (w.save_picture(box, nowhere, ScreenWindow::PictureFile::Svg) || read_file(nowhere))
            return fail("a save into a missing folder was taken for done");
        // Beside the screenshots, for a person to look at and for another decoder to read.
        if (!options_.screenshots.empty() &&
            !w.save_picture(box, options_.screenshots + L"\\" + widen(shell::screen_name(id)) + L"-saved.png",
                            ScreenWindow::PictureFile::Png))
            return fail("cannot save the PNG beside the screenshots");
        out_ << "saved: PNG and SVG\n";
        return true;
    }

    // Selects a field's whole text and copies it, as Ctrl+C in it does.
    bool copy(ScreenId id, const std::string& field) {
        HWND box = host_.window(id)->control(field);
        if (box == nullptr) return fail("no field " + field);
        SetFocus(box);
        SendMessageW(box, EM_SETSEL, 0, -1);
        SendMessageW(box, WM_COPY, 0, 0);
        pump();
        out_ << "copied: " << shell::printed_text(clipboard(id)) << '\n';
        return true;
    }

    std::string clipboard(ScreenId id) {
        std::string copied;
        if (OpenClipboard(host_.window(id)->hwnd())) {
            if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) copied = narrow(text);
                GlobalUnlock(data);
            }
            CloseClipboard();
        }
        return copied;
    }

    // Copied lines of a table, a line each, the cells between " | ".
    bool table(const std::string& copied) {
        std::string line;
        for (std::size_t i = 0; i < copied.size(); ++i) {
            if (copied.compare(i, 2, "\r\n") == 0) {
                out_ << "copied: " << line << '\n';
                line.clear();
                ++i;
            } else {
                line += copied[i] == '\t' ? std::string(" | ") : std::string(1, copied[i]);
            }
        }
        if (!line.empty()) out_ << "copied (no line end): " << line << '\n';
        return true;
    }

    // The right-click menu of a field: its items (greyed ones marked), then the one named is run.
    bool menu(ScreenId id, const std::string& field, const std::string& item) {
        ScreenWindow& w = *host_.window(id);
        HMENU m = w.field_menu(field);
        if (m == nullptr) return fail("no menu on " + field);
        std::string items;
        UINT chosen = 0;
        const int count = GetMenuItemCount(m);
        for (int i = 0; i < count && i < 32; ++i) {
            wchar_t text[64] = {};
            if (GetMenuStringW(m, static_cast<UINT>(i), text, 64, MF_BYPOSITION) <= 0) continue;
            const std::string name = narrow(text);
            const bool grey = (GetMenuState(m, static_cast<UINT>(i), MF_BYPOSITION) & MF_GRAYED) != 0;
            items += (items.empty() ? "" : ", ") + name + (grey ? " (grey)" : "");
            if (name == item && !grey) chosen = GetMenuItemID(m, i);
        }
        DestroyMenu(m);
        out_ << "menu: " << items << '\n';
        if (chosen == 0) return fail("no item to run: " + item);
        w.field_command(field, chosen);
        pump();
        // What a copying item put on the clipboard.
        if (item == "复制" || item == "剪切" || item == "复制全部结果") return table(clipboard(id));
        return true;
    }

    // Picks a choice of a combo box as a person's choice arrives: the list's
    // selection moves, then its window tells the screen that it changed.
    bool choose(ScreenId id, const std::string& name, const std::string& choice) {
        HWND box = host_.window(id)->control(name);
        if (box == nullptr) return fail("no combo box " + name);
        const LRESULT at = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(widen(choice).c_str()));
        if (at == CB_ERR) return fail("no choice " + choice);
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
        SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box));
        pump();
        out_ << "chosen: " << host_.window(id)->text_of(name) << '\n';
        return true;
    }

    bool shown_is(ScreenId id) {
        const std::optional<ScreenId> now = host_.visible_screen();
        out_ << "shown: " << (now ? shell::screen_name(*now) : "none") << '\n';
        return now == id || fail("not shown: " + shell::screen_name(id));
    }

    // A key pressed in a control, through the message loop's dialog handling;
    // a modifier (VK_CONTROL) is held down meanwhile in the keyboard's state.
    void key(HWND target, WPARAM vk, int modifier = 0, int second = 0) {
        SetFocus(target);
        BYTE before[256] = {};
        GetKeyboardState(before);
        if (modifier != 0) {
            BYTE held[256];
            std::copy(std::begin(before), std::end(before), std::begin(held));
            held[modifier] |= 0x80;
            if (second != 0) held[second] |= 0x80;
            SetKeyboardState(held);
        }
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(vk), 0)) << 16;
        PostMessageW(target, WM_KEYDOWN, vk, scan | 1);
        PostMessageW(target, WM_KEYUP, vk, scan | 1 | (3LL << 30));
        pump();
        if (modifier != 0) SetKeyboardState(before);
    }

    bool click(ScreenId id, const std::string& button) {
        HWND b = host_.window(id)->control(button);
        if (b == nullptr || !IsWindowVisible(b)) return fail("no button to click: " + button);
        SendMessageW(b, BM_CLICK, 0, 0);
        pump();
        return true;
    }

    // From the screen shown to the target through the menus' buttons, the
    // shortest way; each screen's navigation is asked of its description.
    bool open(ScreenId target) {
        for (int hops = 0; hops < shell::kScreenCount && !ended_; ++hops) {
            const std::optional<ScreenId> now = host_.visible_screen();
            if (!now) return fail("no screen shown");
            if (*now == target) return true;
            const std::optional<std::string> button = first_button_towards(*now, target);
            if (!button) return fail("no way from " + shell::screen_name(*now) + " to " + shell::screen_name(target));
            if (!click(*now, *button)) return false;
        }
        return fail("cannot reach " + shell::screen_name(target));
    }

    std::optional<std::string> first_button_towards(ScreenId from, ScreenId target) {
        std::map<ScreenId, std::string> first;  // screen reached -> button pressed on `from`
        std::deque<ScreenId> queue{from};
        std::map<ScreenId, bool> seen{{from, true}};
        while (!queue.empty()) {
            const ScreenId at = queue.front();
            queue.pop_front();
            for (const auto& [button, next] : links(at)) {
                if (seen[next]) continue;
                seen[next] = true;
                first[next] = at == from ? button : first[at];
                if (next == target) return first[next];
                queue.push_back(next);
            }
        }
        return std::nullopt;
    }

    std::vector<std::pair<std::string, ScreenId>> links(ScreenId id) {
        const shell::ScreenDesc& desc = host_.controller().desc(id);
        std::vector<std::pair<std::string, ScreenId>> out;
        for (const ControlDesc& c : desc.controls) {
            if (c.kind != ControlKind::Button) continue;
            const std::optional<shell::Outcome> o = shell::run_event(desc, c.name + "_Click", desc.default_fields());
            if (o && o->navigate) out.emplace_back(c.name, *o->navigate);
        }
        return out;
    }

    // Sets a text box as typing would (its Change event runs).
    void type(HWND box, const std::string& text) {
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
        pump();
    }

    bool press(ScreenId id, const std::vector<std::string>& tokens) {
        ScreenWindow& w = *host_.window(id);
        const shell::ScreenDesc& desc = w.desc();
        std::string event;
        std::string enter_in;
        std::map<std::string, std::string> given;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            if (tokens[i].rfind("enter@", 0) == 0) {
                enter_in = tokens[i].substr(6);
                continue;
            }
            const std::size_t eq = tokens[i].find('=');
            if (event.empty() && eq == std::string::npos) {
                event = tokens[i];
                continue;
            }
            if (eq == std::string::npos || desc.find(tokens[i].substr(0, eq)) == nullptr)
                return fail("no field " + tokens[i]);
            given[tokens[i].substr(0, eq)] = tokens[i].substr(eq + 1);
        }
        // The control whose event this is: a Change event's field is typed last,
        // and a tick box's event is the click that brings it to its given state.
        std::string own;
        if (event.ends_with("_Change")) own = event.substr(0, event.size() - 7);
        if (event.ends_with("_Click")) own = event.substr(0, event.size() - 6);
        const auto wanted_tick = [&](const ControlDesc& c) {
            const auto it = given.find(c.name);
            const bool want = it != given.end() && it->second == "1";
            return c.name == own ? !want : want;
        };
        // Tick boxes first, clearing before ticking (a pair hides the other boxes).
        for (const bool tick : {false, true}) {
            for (const ControlDesc& c : desc.controls) {
                if (c.kind != ControlKind::CheckBox) continue;
                const bool want = wanted_tick(c);
                if (want == tick && w.fields().ticked(c.name) != want && !click(id, c.name)) return false;
            }
        }
        // Then the text boxes: given texts, the others back to their defaults.
        const std::string changed = event.ends_with("_Change") ? own : "";
        for (const ControlDesc& c : desc.controls) {
            if (c.kind != ControlKind::TextBox || c.name == changed) continue;
            const auto it = given.find(c.name);
            if (it == given.end() && is_atmospheric(c)) continue;
            const std::string want = it != given.end() ? it->second : c.text;
            if (w.text_of(c.name) != want) type(w.control(c.name), want);
        }
        host_.take_applied();
        if (!changed.empty()) {
            const auto it = given.find(changed);
            type(w.control(changed), it != given.end() ? it->second : desc.find(changed)->text);
        } else if (!enter_in.empty()) {
            if (w.control(enter_in) == nullptr) return fail("no field " + enter_in);
            key(w.control(enter_in), VK_RETURN);
        } else if (!event.ends_with("_Click") || !click(id, event.substr(0, event.size() - 6))) {
            return fail("cannot run " + event);
        }
        return report(id, w);
    }

    bool report(ScreenId id, const ScreenWindow& w) {
        std::optional<shell::Outcome> outcome;
        for (auto& [screen, o] : host_.take_applied())
            if (screen == id && !outcome) outcome = std::move(o);
        if (!outcome) return fail("the press wrote nothing");
        std::string message_line;
        for (const ControlDesc& c : w.desc().controls)
            if (c.meaning.role == shell::Role::Message) message_line = w.text_of(c.name);
        if (outcome->failed) {
            out_ << "error: " << message_line << '\n';
            return true;
        }
        for (const auto& [name, text] : outcome->texts)
            out_ << name << '=' << shell::printed_text(w.text_of(name)) << '\n';
        for (const auto& [name, visible] : outcome->visibility)
            out_ << name << (w.shown(name) ? " shown" : " hidden") << '\n';
        if (outcome->texts.empty() && outcome->visibility.empty()) out_ << "(nothing changed)\n";
        if (!outcome->message.empty()) out_ << "message: " << message_line << '\n';
        if (outcome->message.empty() && !outcome->warning.empty()) out_ << "warning: " << message_line << '\n';
        return true;
    }

    void screenshot() {
        if (options_.screenshots.empty()) return;
        const std::optional<ScreenId> id = host_.visible_screen();
        if (!id) return;
        HWND hwnd = host_.window(*id)->hwnd();
        // No caret or selection in the picture.
        SetFocus(hwnd);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pump();
        const std::wstring path = options_.screenshots + L"\\" + widen(shell::screen_name(*id)) + L".bmp";
        if (!save_screenshot(hwnd, path)) ok_ = fail("cannot save " + narrow(path));
    }

    Win32Host& host_;
    const SelfTestOptions& options_;
    std::ostringstream out_;
    bool ok_ = true;
    bool ended_ = false;
};

}  // namespace

int run_self_test(Win32Host& host, const SelfTestOptions& options) {
    std::vector<std::string> lines;
    if (options.cases.empty()) {
        for (ScreenId id : shell::all_screens()) lines.push_back(shell::screen_name(id));
    } else {
        const std::optional<std::string> data = read_file(options.cases);
        if (!data) return 2;
        std::istringstream in(*data);
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
    }
    pump_messages(host);
    return SelfTest(host, options).run(lines);
}

}  // namespace entalix::win32
