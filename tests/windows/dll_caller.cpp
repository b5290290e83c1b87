// Loads entalix.dll by the path given and calls its functions as Entalix.bas
// declares them (__stdcall on 32-bit Windows, doubles and ANSI texts in, a
// double out; the reason and the warning as UTF-16 into a buffer of their
// length), on each function call of a list of entalix-calc calls:
//   entalix-dll-caller <entalix.dll> <calls.txt>
// For each call it writes "> " and the line, then what entalix-calc writes for
// it (the value or "No such Para." on standard output, the reason or the
// warning on standard error) and "status" with entalix-calc's exit status, all
// on standard output. Lines that call no function of the DLL are passed over.
// Fails when the DLL lacks a function or the list leaves one uncalled.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dll/entalix_dll.h"

namespace {

using N1 = double(ENTALIX_CALL*)(double, const char*);
using N2 = double(ENTALIX_CALL*)(double, double, const char*);
using N4 = double(ENTALIX_CALL*)(double, double, double, double, const char*);
using S1 = double(ENTALIX_CALL*)(const char*, double, const char*);
using S2 = double(ENTALIX_CALL*)(const char*, double, double, const char*);
using Status = int32_t(ENTALIX_CALL*)();
using Text = int32_t(ENTALIX_CALL*)(uint16_t*, int32_t);

// A function of the DLL as the type it is declared with.
template <typename F>
F as(FARPROC address) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(address));
}

struct Export {
    char shape;  // '1', '2', '4' numbers; 'a', 'b' a name and one or two numbers
    FARPROC address;
};

std::string utf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// As the VBA module asks: the length first, then a buffer of exactly that length.
std::string text_of(Text function) {
    const int32_t n = function(nullptr, 0);
    if (n <= 0) return {};
    std::vector<uint16_t> buffer(static_cast<std::size_t>(n));
    if (function(buffer.data(), n) != n) return "(length changed)";
    return utf8(std::wstring(buffer.begin(), buffer.end()));
}

std::string shortest(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc != 3) {
        std::fputs("usage: entalix-dll-caller <entalix.dll> <calls.txt>\n", stderr);
        return 2;
    }
    HMODULE dll = LoadLibraryA(argv[1]);
    if (dll == nullptr) {
        std::fprintf(stderr, "cannot load %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    std::map<std::string, Export> exports;
    bool complete = true;
    const auto look_up = [&](const char* name, char shape) {
        const FARPROC address = GetProcAddress(dll, name);
        if (address == nullptr) {
            std::fprintf(stderr, "entalix.dll exports no %s\n", name);
            complete = false;
        }
        exports[name] = {shape, address};
    };
#define ENTALIX_LOOK_UP_N1(fn) look_up(#fn, '1');
#define ENTALIX_LOOK_UP_N2(fn) look_up(#fn, '2');
#define ENTALIX_LOOK_UP_N4(fn) look_up(#fn, '4');
#define ENTALIX_LOOK_UP_S1(fn) look_up(#fn, 'a');
#define ENTALIX_LOOK_UP_S2(fn) look_up(#fn, 'b');
    ENTALIX_SPREADSHEET_FUNCTIONS(ENTALIX_LOOK_UP_N1, ENTALIX_LOOK_UP_N2, ENTALIX_LOOK_UP_N4, ENTALIX_LOOK_UP_S1,
                                  ENTALIX_LOOK_UP_S2)
    const auto status = as<Status>(GetProcAddress(dll, "psw_status"));
    const auto error = as<Text>(GetProcAddress(dll, "psw_error"));
    const auto warning = as<Text>(GetProcAddress(dll, "psw_warning"));
    if (status == nullptr || error == nullptr || warning == nullptr || !complete) {
        std::fputs("entalix.dll lacks psw_status, psw_error or psw_warning, or a function\n", stderr);
        return 1;
    }

    std::ifstream calls(argv[2]);
    std::set<std::string> called;
    std::string line;
    for (int read = 0; read < 100000 && std::getline(calls, line); ++read) {
        std::istringstream words(line);
        std::vector<std::string> args;
        std::string formulation;
        for (std::string word; words >> word;) {
            if (word == "--formulation" && words >> formulation) continue;
            args.push_back(word);
        }
        if (args.empty() || line[0] == '#') continue;
        const auto found = exports.find(args[0]);
        if (found == exports.end()) continue;
        const Export& e = found->second;
        called.insert(args[0]);
        const bool named = e.shape == 'a' || e.shape == 'b';
        const std::size_t count = e.shape == 'a' ? 1 : e.shape == 'b' ? 2 : static_cast<std::size_t>(e.shape - '0');
        std::printf("> %s\n", line.c_str());
        if (args.size() != 1 + (named ? 1 : 0) + count) {
            std::printf("(not a call of the DLL's shape)\n");
            continue;
        }
        double n[4] = {};
        for (std::size_t i = 0; i < count; ++i) {
            const std::string& text = args[1 + (named ? 1 : 0) + i];
            char* end = nullptr;
            n[i] = std::strtod(text.c_str(), &end);
            if (end != text.c_str() + text.size()) std::printf("(%s is not a number)\n", text.c_str());
        }
        const char* name = named ? args[1].c_str() : nullptr;
        const char* f = formulation.c_str();
        double value = 0.0;
        switch (e.shape) {
            case '1':
                value = as<N1>(e.address)(n[0], f);
                break;
            case '2':
                value = as<N2>(e.address)(n[0], n[1], f);
                break;
            case '4':
                value = as<N4>(e.address)(n[0], n[1], n[2], n[3], f);
                break;
            case 'a':
                value = as<S1>(e.address)(name, n[0], f);
                break;
            default:
                value = as<S2>(e.address)(name, n[0], n[1], f);
                break;
        }
        const int32_t outcome = status();
        const std::string reason = text_of(error);
        const std::string warned = text_of(warning);
        // entalix-calc prints an unknown name's text as the result.
        if (outcome == 0)
            std::printf("%s\n", shortest(value).c_str());
        else if (outcome == 2 && reason == "No such Para.")
            std::printf("%s\n", reason.c_str());
        if (outcome == 1) std::printf("%s\n", reason.c_str());
        if (!warned.empty()) std::printf("%s\n", warned.c_str());
        std::printf("status %d\n", outcome == 1 ? 1 : outcome == 2 && reason != "No such Para." ? 2 : 0);
    }
    int result = 0;
    for (const auto& [name, e] : exports)
        if (called.count(name) == 0) {
            std::fprintf(stderr, "the calls leave %s uncalled\n", name.c_str());
            result = 1;
        }
    std::fflush(stdout);
    return result;
}
