// Quoting of input in messages, the short usage, and what an unreadable input says.
#include "cli/usage.h"

#include <system_error>

#include "props/validity.h"

namespace entalix::cli {

std::string command_line_words(std::string message) {
    const std::string_view window = props::kUseIf97InWindow;
    if (const std::size_t at = message.find(window); at != std::string::npos)
        message.replace(at, window.size(), props::kUseIf97OnCommandLine);
    return message;
}

const char* const kShortUsage =
    "用法：\n"
    "  entalix-calc 函数名 参数...              调用物性函数（压力为绝对压力）\n"
    "  entalix-calc FormN 事件 字段=文本...     运行画面的计算（未给出的字段取默认值）\n"
    "  entalix-calc --batch                     每行读一个JSON请求，每行写一个JSON回答\n"
    "  entalix-calc --csv 函数名|FormN 事件 [--bom]  读CSV，在每行后追加结果列\n"
    "  entalix-calc --compare 函数名 参数...     用IFC-67和IAPWS-IF97各算一次，给出差值\n"
    "  entalix-calc --chart hs|ts [--full] [--process] p=… t=… ...  焓熵图或温熵图（SVG），标出状态\n"
    "  entalix-calc --list | --help | --version\n"
    "  以上计算都可加 --formulation IFC-67|IAPWS-IF97（默认 IFC-67）\n";

InputError input_error(const std::ios_base::failure& failure) {
    std::string cause = "读不出数据";
    if (const std::error_code code = failure.code(); code != std::io_errc::stream) {
        if (code == std::errc::is_a_directory)
            cause = "输入是一个目录，不是文件";
        else if (code == std::errc::bad_file_descriptor)
            cause = "标准输入没有打开";
        else if (code == std::errc::permission_denied)
            cause = "没有读取的权限";
        else if (code == std::errc::io_error)
            cause = "设备读写错误";
        else
            cause = code.message();
    }
    return InputError("读取输入失败：" + cause);
}

std::string quote_input(std::string_view text) {
    constexpr std::size_t kMaxCharacters = 80;
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size() && characters < kMaxCharacters) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;  // continuation bytes
        ++characters;
    }
    std::string out = "“" + std::string(text.substr(0, i));
    if (i < text.size()) out += "…";
    return out + "”";
}

}  // namespace entalix::cli
