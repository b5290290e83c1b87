// Each screen's section of the user guide.
#include "shell/guide_sections.h"

#include <array>
#include <utility>

namespace entalix::shell {

namespace {

// clang-format off
constexpr std::array<std::pair<ScreenId, std::string_view>, kScreenCount> kSections{{
    {ScreenId::Form1,  "3 主画面和画面切换"},
    {ScreenId::Form2,  "6.1 管道计算"},
    {ScreenId::Form3,  "6.2 加热器计算（菜单）"},
    {ScreenId::Form4,  "6.14 说明"},
    {ScreenId::Form5,  "6.3 混合式加热器计算"},
    {ScreenId::Form6,  "6.4 表面式加热器计算"},
    {ScreenId::Form7,  "6.5 减温器计算"},
    {ScreenId::Form8,  "6.7 饱和参数"},
    {ScreenId::Form9,  "6.12 电动机功率"},
    {ScreenId::Form10, "6.8 水蒸汽参数（菜单）"},
    {ScreenId::Form11, "6.9 绝压参数"},
    {ScreenId::Form12, "6.10 表压参数"},
    {ScreenId::Form13, "6.11 电机和水泵（菜单）"},
    {ScreenId::Form14, "6.13 水泵轴功率"},
    {ScreenId::Form15, "6.6 供热面积折算"},
    {ScreenId::Form16, "6.15 全部物性"},
    {ScreenId::Form17, "6.16 饱和表"},
    {ScreenId::Form18, "6.17 管道压降与散热"},
    {ScreenId::Form19, "6.18 焓熵图"},
    {ScreenId::Form20, "6.19 汽轮机膨胀与节流"},
}};
// clang-format on

// The Chinese punctuation the guide's headings use, in UTF-8.
constexpr std::array<std::string_view, 12> kWidePunctuation{"（", "）", "、", "，", "：", "；",
                                                            "“",  "”",  "·",  "。", "《", "》"};

}  // namespace

std::string_view guide_heading(ScreenId id) {
    for (const auto& [screen, heading] : kSections)
        if (screen == id) return heading;
    return {};
}

std::string guide_anchor(std::string_view heading) {
    std::string out;
    std::size_t i = 0;
    while (i < heading.size()) {
        bool wide = false;
        for (std::string_view mark : kWidePunctuation)
            if (heading.substr(i, mark.size()) == mark) {
                i += mark.size();
                wide = true;
                break;
            }
        if (wide) continue;
        const char ch = heading[i++];
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == ' ')
            out += '-';
        else if (byte >= 0x80 || ch == '-' || ch == '_' || (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z'))
            out += ch;
        else if (ch >= 'A' && ch <= 'Z')
            out += static_cast<char>(ch - 'A' + 'a');
    }
    return out;
}

}  // namespace entalix::shell
