// A drawing saved as a file: the system's Save dialog, the PNG painted by the
// same GDI painter as the window at twice its pixels, and the SVG of the same
// drawing data. A file is written beside its place and moved there whole.
#include "win32/screen_window.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "shell/png.h"
#include "shell/svg.h"
#include "win32/dpi.h"
#include "win32/drawings.h"
#include "win32/screen_window_parts.h"
#include "win32/text.h"

namespace entalix::win32 {

using namespace detail;

namespace {

constexpr int kPngScale = 2;  // sharp when a report enlarges it, as the Qt host saves it

// The bytes in a file of their own beside the path, then moved onto it, so
// that a failed write never leaves half a picture where a whole one stood.
bool write_whole(const std::wstring& path, const std::string& bytes) {
    const std::wstring part = path + L".part";
    HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    bool ok = true;
    for (std::size_t at = 0; ok && at < bytes.size();) {
        const DWORD want = static_cast<DWORD>(std::min(kChunk, bytes.size() - at));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + at, want, &written, nullptr) != 0 && written == want;
        at += written;
    }
    ok = CloseHandle(file) != 0 && ok;
    ok = ok && MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) DeleteFileW(part.c_str());
    return ok;
}

// The drawing on white at kPngScale times its 96-dpi pixels, painted into a
// DIB section, as PNG; empty when GDI cannot give the bitmap.
std::string png_of_drawing(const shell::Drawing& drawing) {
    constexpr UINT kDpi = kBaseDpi * kPngScale;
    const int width = drawing.width * kPngScale;
    const int height = drawing.height * kPngScale;
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = dc != nullptr ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    LOGFONTW lf{};
    lf.lfHeight = -scaled(shell::kTextPixels, kDpi);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, face_name().c_str(), LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectW(&lf);
    std::string png;
    if (bitmap != nullptr && bits != nullptr && font != nullptr) {
        const HGDIOBJ bitmap_before = SelectObject(dc, bitmap);
        const HGDIOBJ font_before = SelectObject(dc, font);
        RECT area{0, 0, width, height};
        FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(dc, TRANSPARENT);
        paint_drawing(dc, drawing, kDpi);
        GdiFlush();
        // A DIB row holds blue, green, red and is padded to four bytes.
        const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
        const auto* from = static_cast<const std::uint8_t*>(bits);
        std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * 3 * static_cast<std::size_t>(height));
        std::size_t to = 0;
        for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y)
            for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x) {
                const std::uint8_t* bgr = from + y * stride + x * 3;
                rgb[to++] = bgr[2];
                rgb[to++] = bgr[1];
                rgb[to++] = bgr[0];
            }
        png = shell::png_of(width, height, rgb);
        SelectObject(dc, font_before);
        SelectObject(dc, bitmap_before);
    }
    if (font != nullptr) DeleteObject(font);
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
    return png;
}

}  // namespace

const shell::Drawing* ScreenWindow::drawing_of(std::string_view box) const {
    const Control* c = find(box);
    return c != nullptr && c->drawing ? &*c->drawing : nullptr;
}

bool ScreenWindow::save_picture(std::string_view box, const std::wstring& path, PictureFile kind) const {
    const shell::Drawing* drawing = drawing_of(box);
    if (drawing == nullptr || path.empty()) return false;
    const std::string bytes =
        kind == PictureFile::Png ? png_of_drawing(*drawing) : shell::svg_of(*drawing, shell::kTextPixels);
    return !bytes.empty() && write_whole(path, bytes);
}

// The Save dialog with the chart's usual name; cancelling it saves nothing and
// says nothing, a dialog or a file that fails says so.
void ScreenWindow::save_picture_as(const Control& c, PictureFile kind) {
    const bool png = kind == PictureFile::Png;
    std::array<wchar_t, 4096> file{};
    const std::wstring suggested = png ? L"焓熵图.png" : L"焓熵图.svg";
    suggested.copy(file.data(), file.size() - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd_;
    ofn.lpstrFilter = png ? L"PNG 图片 (*.png)\0*.png\0" : L"SVG 图形 (*.svg)\0*.svg\0";
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = png ? L"保存为PNG" : L"保存为SVG";
    ofn.lpstrDefExt = png ? L"png" : L"svg";
    ofn.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (GetSaveFileNameW(&ofn) == 0) {
        if (CommDlgExtendedError() != 0)
            MessageBoxW(hwnd_, L"无法打开“另存为”对话框。", L"未能保存", MB_OK | MB_ICONWARNING);
        return;
    }
    const std::wstring path = file.data();
    if (!save_picture(c.desc->name, path, kind))
        MessageBoxW(hwnd_, (L"无法写入文件：" + path).c_str(), L"未能保存", MB_OK | MB_ICONWARNING);
}

}  // namespace entalix::win32
