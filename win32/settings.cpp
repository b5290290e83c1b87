// The .ini file is read and written with the profile functions every Windows
// has; values are short ASCII texts (numbers), kept in section [entalix].
#include "win32/settings.h"

#include <windows.h>

#include "win32/text.h"

namespace entalix::win32 {

namespace {

constexpr const wchar_t* kSection = L"entalix";
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

std::optional<std::string> Settings::get(const char* key) const {
    if (path_.empty()) return std::nullopt;
    wchar_t buffer[256];
    constexpr const wchar_t* kAbsent = L"\x1";
    GetPrivateProfileStringW(kSection, widen(key).c_str(), kAbsent, buffer, 256, path_.c_str());
    if (std::wstring_view(buffer) == kAbsent) return std::nullopt;
    return narrow(buffer);
}

void Settings::set(const char* key, const std::string& value) {
    // One short line per key: a pasted page of text is not a setting.
    constexpr std::size_t kLongest = 200;
    if (path_.empty() || value.size() > kLongest) return;
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20) return;
    WritePrivateProfileStringW(kSection, widen(key).c_str(), widen(value).c_str(), path_.c_str());
}

}  // namespace entalix::win32
