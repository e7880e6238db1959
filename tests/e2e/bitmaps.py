"""RGB images for the suite: patterned test pictures, their Windows bitmap and
PNG encodings, and screenshots read from binary PPM."""

import re
import struct
import zlib


class Image:
    """An RGB image, 8 bits a channel, rows from the top."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, bytes(data)

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        offset = (y * self.width + x) * 3
        return self.data[offset:offset + width * 3]


def pattern(width, height, tag, patterned=None):
    """A picture that differs from every other tag's and at every offset from
    itself, so that a shifted, scaled or swapped picture is caught. Beyond
    `patterned` pixels in either direction it is one flat colour, which keeps
    very large pictures cheap to make."""
    patterned = patterned or max(width, height)
    flat = bytes(((tag * 53) % 256, (tag * 97) % 256, (tag * 31 + 128) % 256))
    columns = min(width, patterned)
    data = bytearray()
    for y in range(height):
        if y >= patterned:
            data += flat * width
            continue
        for x in range(columns):
            data += bytes(((x * 5 + tag * 40) % 256, (y * 3 + tag * 17) % 256, ((x ^ y) * 9 + tag * 71) % 256))
        data += flat * (width - columns)
    return Image(width, height, data)


def bmp_header(width, height, pixel_bytes):
    """The headers of a 24-bit bitmap, with width and height as given,
    whatever follows."""
    return (struct.pack("<2sIHHI", b"BM", 54 + pixel_bytes, 0, 0, 54)
            + struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, pixel_bytes, 2835, 2835, 0, 0))


def bmp(image):
    """An uncompressed 24-bit Windows bitmap: rows bottom-up, blue first."""
    padding = bytes(-image.width * 3 % 4)
    pixels = bytearray()
    for y in range(image.height - 1, -1, -1):
        row = bytearray(image.row(y))
        row[0::3], row[2::3] = row[2::3], row[0::3]
        pixels += row + padding
    return bmp_header(image.width, image.height, len(pixels)) + bytes(pixels)


def png(image):
    """An 8-bit RGB PNG."""
    def chunk(kind, payload):
        return struct.pack(">I", len(payload)) + kind + payload + struct.pack(">I", zlib.crc32(kind + payload))

    raw = b"".join(b"\x00" + image.row(y) for y in range(image.height))
    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def read_ppm(data):
    """Decodes a binary 8-bit PPM as ImageMagick and pdftoppm write it."""
    match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    if match is None:
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(match.group(1)), int(match.group(2))
    return Image(width, height, data[match.end():match.end() + width * height * 3])
