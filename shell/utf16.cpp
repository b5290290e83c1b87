// The conversions by hand, so that every host and the command line share one
// rule for malformed text and the rule can be tested away from Windows.
#include "shell/utf16.h"

namespace entalix::shell {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The code point of the well-formed sequence starting at `at`, and its length;
// zero length when the bytes there start none (overlong forms, surrogates and
// values past U+10FFFF included).
std::pair<char32_t, std::size_t> decode(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return {0, 0};
    }
    if (s.size() - at < length) return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {0, 0};
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return {0, 0};
    return {value, length};
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u16string utf8_to_utf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [c, length] = decode(utf8, at);
        if (length == 0) {
            out += kReplacement;
            ++at;
            continue;
        }
        if (c >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        at += length;
    }
    return out;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        const char16_t unit = utf16[at];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (high && at + 1 < utf16.size() && utf16[at + 1] >= 0xDC00 && utf16[at + 1] <= 0xDFFF) {
            append_utf8(out, 0x10000 + ((static_cast<char32_t>(unit - 0xD800) << 10) | (utf16[at + 1] - 0xDC00)));
            ++at;
        } else {
            append_utf8(out, high || low ? kReplacement : unit);
        }
    }
    return out;
}

#if defined(_WIN32)
std::wstring widen(std::string_view utf8) {
    const std::u16string wide = utf8_to_utf16(utf8);
    return std::wstring(wide.begin(), wide.end());
}

std::string narrow(std::wstring_view utf16) { return utf16_to_utf8(std::u16string(utf16.begin(), utf16.end())); }
#endif

}  // namespace entalix::shell
