// Writes one sample picture as PNG on standard output, for png_check.py to
// read back with Python's own zlib: "gradient", "chart" or "dot".
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "shell/png.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string_view name = argv[1];
    int width = 1;
    int height = 1;
    std::vector<std::uint8_t> rgb;
    auto put = [&rgb](int r, int g, int b) {
        rgb.push_back(static_cast<std::uint8_t>(r));
        rgb.push_back(static_cast<std::uint8_t>(g));
        rgb.push_back(static_cast<std::uint8_t>(b));
    };
    if (name == "gradient") {
        width = 37;
        height = 23;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) put((x * 7 + y * 3) % 256, (x * y) % 256, (x + y) % 5 != 0 ? 255 : 0);
    } else if (name == "chart") {  // white, with one black horizontal and one red vertical line
        width = 1200;
        height = 900;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (y == 450)
                    put(0, 0, 0);
                else if (x == 600)
                    put(255, 0, 0);
                else
                    put(255, 255, 255);
    } else if (name == "dot") {
        put(10, 20, 30);
    } else {
        return 2;
    }
    const std::string png = entalix::shell::png_of(width, height, rgb);
    if (png.empty()) return 1;
    return std::fwrite(png.data(), 1, png.size(), stdout) == png.size() ? 0 : 1;
}
