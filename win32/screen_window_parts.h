// What the files of a screen's window share: its window classes, the ids of
// its controls, and text measured in a font. Only the window's own files use it.
#pragma once

#include <windows.h>

#include <string>

#include "shell/host_look.h"
#include "shell/screen.h"

namespace entalix::win32::detail {

inline constexpr const wchar_t* kScreenClass = L"EntalixScreen";
inline constexpr const wchar_t* kPictureClass = L"EntalixPicture";
// A frame that can be enlarged by its edges and maximized: the screen scales with it.
inline constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr int kFirstId = 100;   // below are IDOK and IDCANCEL, which the dialog keys send
inline constexpr int kHelpId = 99;     // the small "?" that opens the guide
inline constexpr int kIndicator = 13;  // a tick box's square at 96 dpi

inline COLORREF colour(shell::Colour c) { return RGB(c.red, c.green, c.blue); }

// A control's text as it stands.
std::wstring window_text(HWND hwnd);
// A rectangle of the description in the pixels of a monitor's dpi.
RECT pixels(const shell::Twips& t, UINT dpi);
// A label's alignment as a static control's style.
DWORD static_alignment(shell::Align align);

// The face of the screens' text on this system.
const std::wstring& face_name();
SIZE text_size(HWND window, HFONT font, const std::wstring& text);
int line_height(HWND window, HFONT font);
// The height a text takes when it wraps at the given width, as an edit box wraps it.
int text_height(HWND window, HFONT font, const std::wstring& text, int width);

}  // namespace entalix::win32::detail
