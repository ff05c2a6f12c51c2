#!/usr/bin/env python3
"""Draws Torvane's icons: a window icon and one icon per catalogue entry.

Our own simple artwork (a coloured tile with a short label), no maker's logo.
The entries, their order and their designed sizes come from the catalogue's
table; each entry icon carries its designed size and images for 150 % and 200 %.

  make_icons.py                  rewrites the .ico files next to it
  make_icons.py --resources      checks the .ico files against the catalogue and
                                 prints their resource lines (the build does)
"""
import glob
import os
import re
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TABLE = os.path.join(ROOT, "catalogue", "Catalogue.cpp")
COUNT = os.path.join(ROOT, "catalogue", "Catalogue.h")
CLASSES = os.path.join(ROOT, "platform", "win32", "WindowClasses.h")
ME = os.path.relpath(__file__, ROOT)

# 5x7 glyphs for the labels, one string of 7 rows of 5 bits each.
FONT = {
    'A': "01110 10001 10001 11111 10001 10001 10001", 'B': "11110 10001 10001 11110 10001 10001 11110",
    'C': "01110 10001 10000 10000 10000 10001 01110", 'D': "11110 10001 10001 10001 10001 10001 11110",
    'E': "11111 10000 10000 11110 10000 10000 11111", 'K': "10001 10010 10100 11000 10100 10010 10001",
    'M': "10001 11011 10101 10101 10001 10001 10001", 'O': "01110 10001 10001 10001 10001 10001 01110",
    'P': "11110 10001 10001 11110 10000 10000 10000", 'S': "01111 10000 10000 01110 00001 00001 11110",
    'T': "11111 00100 00100 00100 00100 00100 00100", 'V': "10001 10001 10001 10001 01010 01010 00100",
    'N': "10001 11001 10101 10011 10001 10001 10001", 'R': "11110 10001 10001 11110 10100 10010 10001",
    'I': "01110 00100 00100 00100 00100 00100 01110", '2': "01110 10001 00001 00010 00100 01000 11111",
    '4': "00010 00110 01010 10010 11111 00010 00010",
    '5': "11111 10000 11110 00001 00001 10001 01110", 'H': "10001 10001 10001 11111 10001 10001 10001",
}

# (label, tile colour, kind) of each catalogue entry, by its caption as written in the table.
ARTWORK = {
    "ESI[tronic]": ("ESI", (200, 30, 40), "bmp24"), "Esitronic 2.0": ("E2", (170, 20, 30), "bmp24"),
    " Diagnostica centraline": ("KTS", (150, 40, 40), "bmp4"), " VCDS  (Vag-Com)": ("V", (20, 90, 170), "bmp24"),
    "DS 150E": ("DS", (30, 60, 120), "bmp24"), "Dataspin": ("DSP", (0, 130, 120), "bmp24"),
    "Texa IDC4 Start": ("4S", (0, 110, 60), "bmp24"), "Texa IDC4 CAR": ("4C", (0, 120, 70), "bmp24"),
    "Texa IDC4 TRUCK": ("4T", (0, 120, 70), "bmp24"), "Texa IDC4 OHW": ("4A", (0, 120, 70), "bmp24"),
    "Texa IDC4 BIKE": ("4B", (0, 120, 70), "bmp24"), "Texa IDC4 MARINE": ("4M", (0, 120, 70), "bmp24"),
    "Texa IDC5 Start": ("5S", (230, 120, 0), "multi"), "Texa IDC5 CAR": ("5C", (220, 110, 0), "bmp24"),
    "Texa IDC5 TRUCK": ("5T", (220, 110, 0), "bmp24"), "Texa IDC5 OHW": ("5A", (220, 110, 0), "bmp24"),
    "Texa IDC5 BIKE": ("5B", (220, 110, 0), "bmp24"), "Texa IDC5 MARINE": ("5M", (220, 110, 0), "bmp24"),
    "Delphi Diamand": ("DM", (60, 60, 140), "bmp24"), "Denso DST": ("DN", (180, 0, 60), "bmp24"),
    "MyVdo Diesel sParts": ("VDO", (90, 90, 90), "bmp24"),
}

# The 16 colours of the standard VGA palette, for the 4-bit images.
VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
       (0, 255, 255), (255, 255, 255)]


def draw(label, colour, size):
    """Rows of (r, g, b, a) pixels, top row first."""
    radius = max(2, size // 6)
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            cx = min(max(x, radius), size - 1 - radius)
            cy = min(max(y, radius), size - 1 - radius)
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2:
                shade = 1.0 - 0.25 * y / size
                pixels[y][x] = tuple(int(c * shade) for c in colour) + (255,)
    scale = max(1, (size * 3 // 4) // (6 * len(label)))
    width = (6 * len(label) - 1) * scale
    left, top = (size - width) // 2, (size - 7 * scale) // 2
    for n, ch in enumerate(label):
        for row, bits in enumerate(FONT[ch].split()):
            for col, bit in enumerate(bits):
                if bit == '1':
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[top + row * scale + dy][left + (6 * n + col) * scale + dx] = (255, 255, 255, 255)
    return pixels


def and_mask(pixels):
    size = len(pixels)
    stride = ((size + 31) // 32) * 4
    out = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def bmp(pixels, bpp):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, 0, 0, 0, 16 if bpp == 4 else 0, 0)
    body = b""
    if bpp == 4:
        header += b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA)
        stride = ((size * 4 + 31) // 32) * 4
        for row in reversed(pixels):
            line = bytearray(stride)
            for x, p in enumerate(row):
                index = min(range(16), key=lambda i: sum((VGA[i][k] - p[k]) ** 2 for k in range(3)))
                line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            body += bytes(line)
    else:
        stride = ((size * bpp + 31) // 32) * 4
        for row in reversed(pixels):
            line = b"".join(bytes((p[2], p[1], p[0], p[3]) if bpp == 32 else (p[2], p[1], p[0])) for p in row)
            body += line + b"\0" * (stride - len(line))
    return header + body + and_mask(pixels), bpp


def png(pixels):
    size = len(pixels)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    return data, 32


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def catalogue():
    """(caption, designed size) of each entry, in the table's order; stops where the table cannot be read."""
    entries = [(caption, int(size)) for caption, size in
               re.findall(r'\{L"((?:[^"\\]|\\.)*)", L"(?:[^"\\]|\\.)*", (\d+),', read(TABLE))]
    count = int(re.search(r"kEntryCount = (\d+);", read(COUNT)).group(1))
    if len(entries) != count:
        sys.exit(f"{ME}: read {len(entries)} entries from catalogue/Catalogue.cpp where kEntryCount is {count}:"
                 " make kEntryCount in catalogue/Catalogue.h the table's length, and begin each entry"
                 ' as {L"caption", L"tooltip", icon pixels, ...')
    return entries


def file_name(index):
    return "entry%02d.ico" % index


def designed(caption, size):
    """The image of an entry's icon at its designed size."""
    label, colour, kind = ARTWORK[caption]
    return bmp(draw(label, colour, size), 4 if kind == "bmp4" else 24)


def first_image(path):
    """The image an .ico file holds first, which main() draws at the entry's designed size."""
    with open(path, "rb") as f:
        data = f.read()
    length, offset = struct.unpack_from("<II", data, 6 + 8)
    return data[offset:offset + length]


def problems(entries):
    """What keeps the icons from matching the catalogue, each with what to do about it."""
    found = []
    for index, (caption, size) in enumerate(entries):
        path = os.path.join(HERE, file_name(index))
        if caption not in ARTWORK:
            found.append(f'entry {index} "{caption}" has no artwork: add it to ARTWORK in {ME} and run {ME}')
        elif not os.path.exists(path) or first_image(path) != designed(caption, size)[0]:
            found.append(f'{file_name(index)} is not the {size}-pixel icon of entry {index} "{caption}": run {ME}')
    captions = {caption for caption, _ in entries}
    found += [f'ARTWORK in {ME} has "{caption}", which is no entry\'s caption: correct or remove it'
              for caption in ARTWORK if caption not in captions]
    names = {file_name(index) for index in range(len(entries))}
    found += [f"{os.path.relpath(path, ROOT)} belongs to no entry: remove it"
              for path in sorted(glob.glob(os.path.join(HERE, "entry*.ico"))) if os.path.basename(path) not in names]
    return found


def print_resources(entries):
    """Checks the icons against the catalogue, then prints an ICON line for each entry, by index."""
    found = problems(entries)
    if found:
        sys.exit("\n".join(f"{ME}: {problem}" for problem in found))
    base = int(re.search(r"kIconResourceBase = (\d+);", read(CLASSES)).group(1))
    for index in range(len(entries)):
        print(f'{base + index} ICON "{os.path.join(HERE, file_name(index))}"')


def write_ico(name, images):
    """images: list of (size, (data, bpp))."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, (data, bpp) in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bpp == 4 else 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, (data, _) in images)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(out)


def main():
    entries = catalogue()
    if sys.argv[1:] == ["--resources"]:
        print_resources(entries)
        return
    for index, (caption, size) in enumerate(entries):
        if caption not in ARTWORK:
            sys.exit(f'{ME}: entry {index} "{caption}" has no artwork: add it to ARTWORK')
        label, colour, kind = ARTWORK[caption]
        # The larger images for 150 % and 200 % are PNG-compressed to keep the executable small.
        images = [(size, designed(caption, size))]
        images += [(s, png(draw(label, colour, s))) for s in (size * 3 // 2, size * 2)]
        if kind == "multi":
            images.append((256, png(draw(label, colour, 256))))
            images += [(s, bmp(draw(label, colour, s), 32)) for s in (16, 24, 32, 48, 64, 128)]
        write_ico(file_name(index), images)
    write_ico("torvane.ico", [(32, bmp(draw("T", (20, 60, 110), 32), 24))])


if __name__ == "__main__":
    main()
