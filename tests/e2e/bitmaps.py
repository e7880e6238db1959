"""RGB images for the suite: patterned test pictures, their Windows bitmap
encoding, and screenshots read from binary PPM."""

import re
import struct


class Image:
    """An RGB image, 8 bits a channel, rows from the top."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, bytes(data)

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        offset = (y * self.width + x) * 3
        return self.data[offset:offset + width * 3]


def pattern(width, height, tag):
    """A picture that differs from every other tag's and at every offset from
    itself, so that a shifted, scaled or swapped picture is caught."""
    data = bytearray()
    for y in range(height):
        for x in range(width):
            data += bytes(((x * 5 + tag * 40) % 256, (y * 3 + tag * 17) % 256, ((x ^ y) * 9 + tag * 71) % 256))
    return Image(width, height, data)


def bmp(image):
    """An uncompressed 24-bit Windows bitmap: rows bottom-up, blue first."""
    padding = bytes(-image.width * 3 % 4)
    pixels = bytearray()
    for y in range(image.height - 1, -1, -1):
        row = bytearray(image.row(y))
        row[0::3], row[2::3] = row[2::3], row[0::3]
        pixels += row + padding
    return (struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
            + struct.pack("<IiiHHIIiiII", 40, image.width, image.height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
            + bytes(pixels))


def read_ppm(data):
    """Decodes a binary 8-bit PPM as ImageMagick and pdftoppm write it."""
    match = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    if match is None:
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(match.group(1)), int(match.group(2))
    return Image(width, height, data[match.end():match.end() + width * height * 3])
