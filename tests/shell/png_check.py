"""Reads the sample PNGs of png_samples with Python's zlib, chunk by chunk, and
compares every pixel with the picture drawn again here."""
import struct
import subprocess
import sys
import zlib


def pixels(name):
    if name == "gradient":
        w, h = 37, 23
        return w, h, [[((x * 7 + y * 3) % 256, (x * y) % 256, 255 if (x + y) % 5 else 0)
                       for x in range(w)] for y in range(h)]
    if name == "chart":
        w, h = 1200, 900
        return w, h, [[(0, 0, 0) if y == 450 else (255, 0, 0) if x == 600 else (255, 255, 255)
                       for x in range(w)] for y in range(h)]
    return 1, 1, [[(10, 20, 30)]]


def decode(png):
    assert png[:8] == b"\x89PNG\r\n\x1a\n", "signature"
    at, chunks = 8, []
    while at < len(png):
        (length,) = struct.unpack(">I", png[at:at + 4])
        kind, data = png[at + 4:at + 8], png[at + 8:at + 8 + length]
        (crc,) = struct.unpack(">I", png[at + 8 + length:at + 12 + length])
        assert crc == zlib.crc32(kind + data), f"CRC of {kind}"
        chunks.append((kind, data))
        at += 12 + length
    assert [k for k, _ in chunks] == [b"IHDR", b"IDAT", b"IEND"], chunks
    w, h, depth, colour, compression, filtering, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    assert (depth, colour, compression, filtering, interlace) == (8, 2, 0, 0, 0)
    raw = zlib.decompress(chunks[1][1])  # checks the Adler-32 too
    stride = 3 * w
    assert len(raw) == h * (stride + 1), "size of the inflated rows"
    rows, above = [], bytes(stride)
    for y in range(h):
        kind, line = raw[y * (stride + 1)], raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)]
        assert kind in (0, 2), f"filter {kind}"
        if kind == 2:
            line = bytes((a + b) & 0xFF for a, b in zip(line, above))
        rows.append([tuple(line[i:i + 3]) for i in range(0, stride, 3)])
        above = line
    return w, h, rows


def main():
    for name in ("gradient", "chart", "dot"):
        png = subprocess.run([sys.argv[1], name], check=True, capture_output=True).stdout
        w, h, rows = decode(png)
        ew, eh, expected = pixels(name)
        assert (w, h) == (ew, eh), f"{name}: {w}x{h}"
        assert rows == expected, f"{name}: pixels differ"
        print(f"{name}: {w}x{h}, {len(png)} bytes")
        # A mostly white chart shrinks to under a hundredth of its 3 bytes a pixel.
        assert name != "chart" or len(png) < w * h * 3 // 100, len(png)

if __name__ == "__main__":
    main()
