// UTF-8 (the core's texts) to UTF-16 (the Windows API's) and back.
#pragma once

#include <string>
#include <string_view>

namespace entalix::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace entalix::win32
