"""RGB images for the suite: patterned test pictures, their Windows bitmap and
PNG encodings, broken bitmaps, and reading screenshots (binary PPM)."""

import struct
import zlib


class Image:
    """An RGB image, 8 bits a channel, rows from the top."""

    def __init__(self, width, height, data=None):
        self.width = width
        self.height = height
        self.data = bytearray(data) if data is not None else bytearray(width * height * 3)
        if len(self.data) != width * height * 3:
            raise ValueError("pixel data does not match the size")

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.data[offset:offset + 3])

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        offset = (y * self.width + x) * 3
        return bytes(self.data[offset:offset + width * 3])

    def crop(self, x, y, width, height):
        data = bytearray()
        for row in range(y, y + height):
            data += self.row(row, x, width)
        return Image(width, height, data)

    def count_colour(self, colour):
        rgb = bytes(colour)
        return sum(1 for i in range(0, len(self.data), 3) if self.data[i:i + 3] == rgb)


def pattern(width, height, tag, patterned=None):
    """A picture that differs from every other tag's and at every offset from
    itself, so that a shifted, scaled or swapped picture is caught. Beyond
    `patterned` pixels in either direction the picture is one flat colour,
    which keeps very large pictures cheap to make."""
    patterned = max(width, height) if patterned is None else patterned
    flat = bytes(((tag * 53) % 256, (tag * 97) % 256, (tag * 31 + 128) % 256))
    data = bytearray()
    for y in range(height):
        if y >= patterned:
            data += flat * width
            continue
        columns = min(width, patterned)
        row = bytearray(columns * 3)
        for x in range(columns):
            row[x * 3] = (x * 5 + tag * 40) % 256
            row[x * 3 + 1] = (y * 3 + tag * 17) % 256
            row[x * 3 + 2] = ((x ^ y) * 9 + tag * 71) % 256
        data += row + flat * (width - columns)
    return Image(width, height, data)


def bmp(image):
    """The image as an uncompressed 24-bit Windows bitmap, rows bottom-up."""
    stride = (image.width * 3 + 3) & ~3
    pixels = bytearray()
    padding = bytes(stride - image.width * 3)
    for y in range(image.height - 1, -1, -1):
        row = image.row(y)
        # Bitmaps store blue, green, red.
        swapped = bytearray(row)
        swapped[0::3] = row[2::3]
        swapped[2::3] = row[0::3]
        pixels += swapped + padding
    return bmp_header(image.width, image.height, len(pixels)) + bytes(pixels)


def bmp_header(width, height, pixel_bytes):
    """A BITMAPFILEHEADER and BITMAPINFOHEADER for a 24-bit bitmap; the
    width and height are written as given, whatever follows."""
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + pixel_bytes, 0, 0, 14 + 40)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, pixel_bytes, 2835, 2835, 0, 0)
    return file_header + info_header


def png(image):
    """The image as an 8-bit RGB PNG."""
    raw = bytearray()
    for y in range(image.height):
        raw += b"\x00" + image.row(y)

    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw))) + chunk(b"IEND", b"")


def read_ppm(data):
    """Decodes a binary PPM (P6, 8 bits a channel), as ImageMagick writes it."""
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position) + 1
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    position += 1  # the single white-space character after the maximum value
    return Image(width, height, data[position:position + width * height * 3])
