// The checksums of the PNG writer against the published check values, and the
// pictures it refuses. Whether a PNG decodes is for png_check.py (Python's zlib).
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "shell/png.h"

namespace entalix::shell {
namespace {

std::vector<std::uint8_t> bytes(std::string_view s) { return {s.begin(), s.end()}; }

TEST(Png, ChecksumsMatchTheirCheckValues) {
    EXPECT_EQ(crc32_of(bytes("123456789")), 0xCBF43926u);  // the CRC-32 catalogue's check value
    EXPECT_EQ(crc32_of(bytes("56789"), crc32_of(bytes("1234"))), 0xCBF43926u);
    EXPECT_EQ(adler32_of(bytes("Wikipedia")), 0x11E60398u);
    // Long enough that the sums would overflow without their reductions (zlib.adler32 of 100000 x 0xFF).
    EXPECT_EQ(adler32_of(std::vector<std::uint8_t>(100000, 0xFF)), 0x149A302Cu);
}

TEST(Png, RefusesSizesThatDoNotFitItsPixels) {
    const std::vector<std::uint8_t> six(6, 0);
    EXPECT_FALSE(png_of(2, 1, six).empty());
    EXPECT_TRUE(png_of(1, 1, six).empty());
    EXPECT_TRUE(png_of(0, 2, six).empty());
    EXPECT_TRUE(png_of(-2, -1, six).empty());
    EXPECT_TRUE(png_of(2147483647, 2147483647, six).empty());
}

}  // namespace
}  // namespace entalix::shell
