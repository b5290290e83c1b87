// The .ini file is read and written with the profile functions every Windows
// has: the program's own values in section [entalix], each screen's last
// inputs in a section of their own. The file is UTF-16, so that a typed
// "１０" or "150℃" comes back as it was typed under any Windows language.
#include "win32/settings.h"

#include <windows.h>

#include "win32/text.h"

namespace entalix::win32 {

namespace {

constexpr const wchar_t* kFileName = L"entalix.ini";

}  // namespace

std::wstring folder_of_program() {
    std::wstring path(MAX_PATH, L'\0');
    // A bounded number of tries: long paths double the buffer up to 32767 characters.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            const std::size_t slash = path.find_last_of(L"\\/");
            return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
        }
        path.resize(path.size() * 2);
    }
    return {};
}

namespace {

// A folder is writable for us when the settings file there can be opened for
// writing (created if need be); a file we created to find out is removed again.
bool can_write(const std::wstring& file) {
    const bool existed = GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES;
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    if (!existed) DeleteFileW(file.c_str());
    return true;
}

std::wstring app_data_file() {
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"APPDATA", buffer, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    const std::wstring folder = std::wstring(buffer) + L"\\Entalix";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"\\" + kFileName;
    return can_write(file) ? file : std::wstring();
}

}  // namespace

Settings Settings::for_this_program() {
    const std::wstring folder = folder_of_program();
    if (!folder.empty()) {
        const std::wstring beside = folder + kFileName;
        if (can_write(beside)) return Settings(beside);
    }
    return Settings(app_data_file());
}

namespace {

// The profile functions keep the encoding a file has: one that starts with the
// UTF-16 byte-order mark takes any text, one in the ANSI code page only what
// that code page holds. A new file is made UTF-16; the ASCII file of an earlier
// version is rewritten as UTF-16 before its first change. False when the file
// stays in a code page (edited by hand in one, or unreadable).
bool make_unicode(const std::wstring& path) {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    // A settings file is a few hundred bytes; a larger one is not ours to rewrite.
    constexpr DWORD kLargest = 64 * 1024;
    std::string bytes(kLargest + 1, '\0');
    DWORD got = 0;
    bool unicode = ReadFile(h, bytes.data(), kLargest + 1, &got, nullptr) != 0 && got <= kLargest;
    bytes.resize(got);
    if (unicode && bytes.rfind("\xFF\xFE", 0) != 0) {
        for (const char c : bytes)
            if (static_cast<unsigned char>(c) >= 0x80) unicode = false;
        if (unicode) {
            std::wstring text = L"\xFEFF";
            for (const char c : bytes) text += static_cast<wchar_t>(c);
            DWORD written = 0;
            const auto size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
            unicode = SetFilePointer(h, 0, nullptr, FILE_BEGIN) == 0 &&
                      WriteFile(h, text.data(), size, &written, nullptr) != 0 && written == size &&
                      SetEndOfFile(h) != 0;
        }
    }
    CloseHandle(h);
    return unicode;
}

bool is_ascii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

std::optional<std::string> Settings::get(std::string_view section, std::string_view key) const {
    if (path_.empty()) return std::nullopt;
    wchar_t buffer[512];
    constexpr const wchar_t* kAbsent = L"\x1";
    GetPrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), kAbsent, buffer, 512, path_.c_str());
    if (std::wstring_view(buffer) == kAbsent) return std::nullopt;
    return narrow(buffer);
}

bool Settings::set(std::string_view section, std::string_view key, const std::string& value) {
    // One short line per key: a pasted page of text is not a setting.
    constexpr std::size_t kLongest = 200;
    if (path_.empty() || widen(value).size() > kLongest) return false;
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    if (!make_unicode(path_) && !is_ascii(value)) return false;
    // In quotes, which reading takes off again: blanks at either end and a
    // typed text's own quotes come back as they were.
    const std::wstring quoted = L"\"" + widen(value) + L"\"";
    return WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), quoted.c_str(), path_.c_str()) != 0;
}

void Settings::remove(std::string_view section, std::string_view key) {
    if (!path_.empty()) WritePrivateProfileStringW(widen(section).c_str(), widen(key).c_str(), nullptr, path_.c_str());
}

}  // namespace entalix::win32
