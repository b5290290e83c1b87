// PNG writing: the chunks, their CRCs, and a zlib stream of one deflate block
// with the fixed Huffman codes, whose only matches are runs (distance 1).
#include "shell/png.h"

#include <algorithm>
#include <array>
#include <vector>

namespace entalix::shell {
namespace {

constexpr std::array<std::uint32_t, 256> kCrcTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

// Deflate's length codes 257..285: the shortest length of each and its extra bits.
constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr int kMinRun = 3;
constexpr int kMaxRun = 258;

// Bits packed from the least significant end of each byte, as deflate wants.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void bits(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            if (((value >> i) & 1u) != 0) byte_ |= static_cast<std::uint8_t>(1u << used_);
            if (++used_ == 8) flush();
        }
    }
    // A Huffman code goes most significant bit first.
    void code(std::uint32_t value, int length) {
        std::uint32_t reversed = 0;
        for (int i = 0; i < length; ++i) reversed |= ((value >> i) & 1u) << (length - 1 - i);
        bits(reversed, length);
    }
    void flush() {
        if (used_ == 0) return;
        out_.push_back(static_cast<char>(byte_));
        byte_ = 0;
        used_ = 0;
    }

private:
    std::string& out_;
    std::uint8_t byte_ = 0;
    int used_ = 0;
};

// The fixed literal/length code of deflate.
void symbol(BitWriter& w, int s) {
    if (s < 144)
        w.code(static_cast<std::uint32_t>(0x30 + s), 8);
    else if (s < 256)
        w.code(static_cast<std::uint32_t>(0x190 + s - 144), 9);
    else if (s < 280)
        w.code(static_cast<std::uint32_t>(s - 256), 7);
    else
        w.code(static_cast<std::uint32_t>(0xC0 + s - 280), 8);
}

void run(BitWriter& w, int length) {
    int i = static_cast<int>(kLengthBase.size()) - 1;
    while (i > 0 && kLengthBase[static_cast<std::size_t>(i)] > length) --i;
    symbol(w, 257 + i);
    w.bits(static_cast<std::uint32_t>(length - kLengthBase[static_cast<std::size_t>(i)]),
           kLengthExtra[static_cast<std::size_t>(i)]);
    w.code(0, 5);  // distance code 0: the byte just before
}

std::string zlib_of(std::span<const std::uint8_t> data) {
    std::string out{'\x78', '\x01'};  // deflate, 32 KiB window, no dictionary; 0x7801 is a multiple of 31
    BitWriter w(out);
    w.bits(1, 1);  // the last block
    w.bits(1, 2);  // fixed Huffman codes
    std::size_t i = 0;
    while (i < data.size()) {
        std::size_t same = 0;
        if (i > 0)
            while (same < kMaxRun && i + same < data.size() && data[i + same] == data[i - 1]) ++same;
        if (same >= kMinRun) {
            run(w, static_cast<int>(same));
            i += same;
        } else {
            symbol(w, data[i]);
            ++i;
        }
    }
    symbol(w, 256);
    w.flush();
    const std::uint32_t adler = adler32_of(data);
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((adler >> shift) & 0xFF));
    return out;
}

void put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void chunk(std::string& out, const char (&type)[5], const std::string& data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(out.data()) + start;
    put32(out, crc32_of({bytes, out.size() - start}));
}

}  // namespace

std::uint32_t crc32_of(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
    std::uint32_t c = crc ^ 0xFFFFFFFFu;
    for (const std::uint8_t b : bytes) c = kCrcTable[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32_of(std::span<const std::uint8_t> bytes) {
    constexpr std::uint32_t kMod = 65521;
    constexpr std::size_t kStretch = 5552;  // the most bytes before the sums can overflow 32 bits
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::size_t i = 0; i < bytes.size(); i += kStretch) {
        const std::size_t end = std::min(bytes.size(), i + kStretch);
        for (std::size_t j = i; j < end; ++j) {
            a += bytes[j];
            b += a;
        }
        a %= kMod;
        b %= kMod;
    }
    return (b << 16) | a;
}

std::string png_of(int width, int height, std::span<const std::uint8_t> rgb) {
    constexpr std::size_t kMostPixelBytes = std::size_t{1} << 28;
    if (width <= 0 || height <= 0) return {};
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    if (row > kMostPixelBytes || static_cast<std::size_t>(height) > kMostPixelBytes / row) return {};
    if (rgb.size() != row * static_cast<std::size_t>(height)) return {};

    // Each row after the first as its difference from the one above (filter
    // "Up"): white ground and vertical lines become runs of zeros.
    std::vector<std::uint8_t> filtered;
    filtered.reserve((row + 1) * static_cast<std::size_t>(height));
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        const std::uint8_t* line = rgb.data() + y * row;
        filtered.push_back(y == 0 ? 0 : 2);
        for (std::size_t x = 0; x < row; ++x)
            filtered.push_back(y == 0 ? line[x] : static_cast<std::uint8_t>(line[x] - line[x - row]));
    }

    std::string header;
    put32(header, static_cast<std::uint32_t>(width));
    put32(header, static_cast<std::uint32_t>(height));
    header += std::string{'\x08', '\x02', '\x00', '\x00', '\x00'};  // 8 bits, RGB, deflate, adaptive, no interlace
    std::string png{"\x89PNG\r\n\x1a\n", 8};
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", zlib_of(filtered));
    chunk(png, "IEND", {});
    return png;
}

}  // namespace entalix::shell
