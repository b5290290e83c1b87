// A picture as PNG bytes, so that every host saves the same file and a test on
// any machine can read it back: 8-bit RGB, no interlace, each row filtered
// against the one above and deflated with runs of repeated bytes (the charts
// are mostly white, so they shrink well without a general compressor).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace entalix::shell {

// The PNG file of a width x height picture whose `rgb` holds its rows top to
// bottom, three bytes a pixel (red, green, blue), no padding. Empty when the
// sizes are not positive, too large for a PNG (over 2^31 - 1 or over 2^28
// bytes of pixels), or do not match rgb.size().
std::string png_of(int width, int height, std::span<const std::uint8_t> rgb);

// The checksums the format asks for: CRC-32 (ISO-HDLC, as in PNG chunks) and
// Adler-32 (as at the end of a zlib stream).
std::uint32_t crc32_of(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t adler32_of(std::span<const std::uint8_t> bytes);

}  // namespace entalix::shell
