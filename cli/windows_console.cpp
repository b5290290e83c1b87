// Arguments and console streams of entalix-calc.exe.
#include "cli/windows_console.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <streambuf>

#include "shell/utf16.h"

namespace entalix::cli {

std::vector<std::string> utf8_arguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return args;
    for (int i = 0; i < count; ++i) args.push_back(shell::narrow(wide[i]));
    LocalFree(wide);
    return args;
}

namespace {

// A stream buffer that writes UTF-8 to a console as UTF-16. A character split
// between two writes waits for its last bytes.
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        xsputn(&ch, 1);
        return c;
    }

    std::streamsize xsputn(const char* data, std::streamsize size) override {
        pending_.append(data, static_cast<std::size_t>(size));
        // Keep back the bytes of a character whose sequence is not complete yet.
        std::size_t complete = pending_.size();
        for (std::size_t back = 1; back <= 3 && back <= pending_.size(); ++back) {
            const unsigned char byte = static_cast<unsigned char>(pending_[pending_.size() - back]);
            if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
            const std::size_t needed = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            if (needed > back) complete = pending_.size() - back;
            break;
        }
        const std::wstring wide = shell::widen(std::string_view(pending_).substr(0, complete));
        pending_.erase(0, complete);
        // A console write takes a bounded count; long texts go in pieces.
        constexpr std::size_t kPiece = 8192;
        for (std::size_t at = 0; at < wide.size(); at += kPiece) {
            const std::size_t n = std::min(kPiece, wide.size() - at);
            DWORD written = 0;
            if (!WriteConsoleW(console_, wide.data() + at, static_cast<DWORD>(n), &written, nullptr)) return 0;
        }
        return size;
    }

private:
    HANDLE console_;
    std::string pending_;
};

bool is_console(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

void use_utf8_console() {
    SetConsoleOutputCP(CP_UTF8);
    SetConsoleCP(CP_UTF8);
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The buffers live as long as the process: the streams flush at exit.
    if (const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE); is_console(out)) std::cout.rdbuf(new ConsoleBuffer(out));
    if (const HANDLE err = GetStdHandle(STD_ERROR_HANDLE); is_console(err)) std::cerr.rdbuf(new ConsoleBuffer(err));
}

}  // namespace entalix::cli
