// The type of the screens: a Song-style face for Simplified Chinese, one font
// per size at the window's dpi, and text measured in it.
#include "win32/screen_window.h"

#include <string>

#include "win32/dpi.h"
#include "win32/screen_window_parts.h"

namespace entalix::win32 {

using namespace detail;

namespace {

int CALLBACK note_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

namespace detail {

// The first of the Song-style faces for Simplified Chinese that this system
// has, then the faces every Chinese Windows has.
const std::wstring& face_name() {
    static const std::wstring face = [] {
        const wchar_t* const candidates[] = {
            L"SimSun",          L"宋体",  L"NSimSun", L"AR PL UMing CN", L"Noto Serif CJK SC", L"Noto Sans CJK SC",
            L"Microsoft YaHei", L"SimHei"};
        HDC dc = GetDC(nullptr);
        std::wstring found;
        for (const wchar_t* candidate : candidates) {
            LOGFONTW lf{};
            lf.lfCharSet = DEFAULT_CHARSET;
            wcsncpy(lf.lfFaceName, candidate, LF_FACESIZE - 1);
            bool present = false;
            EnumFontFamiliesExW(dc, &lf, note_found, reinterpret_cast<LPARAM>(&present), 0);
            if (present) {
                found = candidate;
                break;
            }
        }
        ReleaseDC(nullptr, dc);
        return found.empty() ? std::wstring(L"MS Shell Dlg 2") : found;
    }();
    return face;
}

SIZE text_size(HWND window, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size;
}

int line_height(HWND window, HFONT font) {
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return tm.tmHeight + tm.tmExternalLeading;
}

int text_height(HWND window, HFONT font, const std::wstring& text, int width) {
    if (text.empty()) return 0;
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return r.bottom - r.top;
}

}  // namespace detail

HFONT ScreenWindow::font(int pixels_at_96, bool bold) {
    const auto key = std::make_pair(pixels_at_96, bold);
    if (const auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    LOGFONTW lf{};
    lf.lfHeight = -scaled(pixels_at_96, dpi_);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    wcsncpy(lf.lfFaceName, face_name().c_str(), LF_FACESIZE - 1);
    HFONT f = CreateFontIndirectW(&lf);
    fonts_[key] = f;
    return f;
}

}  // namespace entalix::win32
