// UTF-8, the texts of the core, to UTF-16, the texts of the Windows API (and of
// a browser's strings), and back. Malformed input never fails: each byte that
// starts no valid sequence, and each unpaired surrogate, becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace entalix::shell {

std::u16string utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view utf16);

#if defined(_WIN32)
// wchar_t holds UTF-16 on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
#endif

}  // namespace entalix::shell
