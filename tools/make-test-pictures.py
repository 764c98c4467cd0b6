#!/usr/bin/env python3
"""Writes the small pictures the tests choose, drop and load into a browser, into tests/data/.
Run from the project root; it rewrites every file it makes."""
import struct

OUT = "tests/data/"


def bmp_header(width, height, size):
    """The file and info headers of a 24-bit BMP; a negative height means top-down rows."""
    header = struct.pack("<2sIHHI", b"BM", 54 + size, 0, 0, 54)
    return header + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, size, 2835, 2835,
                                0, 0)


def bmp(width, height, rgb):
    """A 24-bit BMP in one colour."""
    row = bytes(rgb[::-1]) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    return bmp_header(width, height, len(row) * height) + row * height


def gif_pixels(count):
    """Solid-colour LZW data: the code table is cleared every two pixels, so codes stay 3 bits."""
    codes = []
    for i in range(0, count, 2):
        codes += [4, 0] + ([0] if i + 1 < count else [])
    codes.append(5)
    data, acc, bits = bytearray(), 0, 0
    for code in codes:
        acc |= code << bits
        bits += 3
        while bits >= 8:
            data.append(acc & 0xFF)
            acc >>= 8
            bits -= 8
    if bits:
        data.append(acc & 0xFF)
    blocks = bytearray([2])  # LZW minimum code size
    for i in range(0, len(data), 255):
        part = data[i:i + 255]
        blocks += bytes([len(part)]) + part
    return bytes(blocks) + b"\0"


def gif(width, height, colours):
    """One frame per colour; more than one makes a looping animation."""
    out = b"GIF89a" + struct.pack("<HH", width, height) + b"\0\0\0"
    if len(colours) > 1:
        out += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"
    for rgb in colours:
        out += b"\x21\xF9\x04\x00" + struct.pack("<H", 5) + b"\0\0"
        out += b"\x2C" + struct.pack("<HHHH", 0, 0, width, height) + b"\x80"
        out += bytes(rgb) + b"\0\0\0" + gif_pixels(width * height)
    return out + b"\x3B"


def segment(marker, body):
    return b"\xFF" + bytes([marker]) + struct.pack(">H", len(body) + 2) + body


def jpeg(width, height):
    """A plain grey baseline JPEG: each 8x8 block is DC 0 then end-of-block, one bit each."""
    one_code = b"\x01" + b"\0" * 15  # a single code, one bit long
    out = b"\xFF\xD8" + segment(0xDB, b"\0" + b"\x01" * 64)
    out += segment(0xC0, b"\x08" + struct.pack(">HH", height, width) + b"\x01\x01\x11\0")
    out += segment(0xC4, b"\x00" + one_code + b"\0") + segment(0xC4, b"\x10" + one_code + b"\0")
    out += segment(0xDA, b"\x01\x01\0\0\x3F\0")
    bits = "00" * (((width + 7) // 8) * ((height + 7) // 8))
    bits += "1" * (-len(bits) % 8)
    data = bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
    return out + data.replace(b"\xFF", b"\xFF\0") + b"\xFF\xD9"


def write(name, data):
    with open(OUT + name, "wb") as f:
        f.write(data)


write("red.bmp", bmp(40, 12, (255, 0, 0)))
write("blue.bmp", bmp(40, 12, (0, 0, 255)))
write("green.gif", gif(40, 12, [(0, 160, 0)]))
write("spin.gif", gif(20, 10, [(255, 0, 0), (0, 0, 255), (0, 160, 0)]))
# Headers that claim 60000 x 60000 pixels, bottom-up and top-down, and hold a few bytes.
write("huge.bmp", bmp_header(60000, 60000, 64) + b"\x7f" * 64)
write("huge-top-down.bmp", bmp_header(60000, -60000, 64) + b"\x7f" * 64)
write("notes.gif", b"just some words\n")
write("empty.bmp", b"")
# A photo cut off in its headers, and one that lacks only its end-of-image marker.
write("cut.jpg", jpeg(64, 32)[:60])
write("cut-end.jpg", jpeg(64, 32)[:-2])
# A GIF cut off in its picture data.
write("cut.gif", gif(40, 12, [(0, 160, 0)])[:30])
