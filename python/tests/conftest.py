"""Helpers for the module's tests: reading back the images it writes."""
import re
import struct
import xml.etree.ElementTree as ET

import numpy as np
import pytest


def png_size(data):
    """Width and height from a PNG's header."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    return struct.unpack(">II", data[16:24])


def svg_texts(path):
    """{(x, y): text} of an SVG's texts by where they stand; runs drawn at
    one point (a label split between fonts) are joined."""
    ns = "{http://www.w3.org/2000/svg}"
    out = {}
    for g in ET.parse(path).getroot().iter(ns + "g"):
        m = re.match(r"matrix\(([^)]*)\)", g.get("transform", ""))
        at = tuple(round(float(v)) for v in m.group(1).split(",")[4:]) if m else (0, 0)
        for t in g.findall(ns + "text"):
            out[at] = out.get(at, "") + (t.text or "").strip()
    return out


def axis_labels(path):
    """The numbers along the bottom (one row, left to right) and the side
    (one column, bottom to top) of a chart's SVG."""
    numbers = {at: s for at, s in svg_texts(path).items() if re.fullmatch(r"[-−0-9.×⁰¹²³⁴⁵⁶⁷⁸⁹⁻]+", s)}
    rows = {}
    for (x, y) in numbers:
        rows.setdefault(y, []).append(x)
    bottom = max(rows, key=lambda y: len(rows[y]))
    along = [numbers[(x, bottom)] for x in sorted(rows[bottom])]
    side = [numbers[at] for at in sorted((at for at in numbers if at[1] != bottom), key=lambda at: -at[1])]
    return along, side


class Bitmap:
    """An uncompressed 24- or 32-bit BMP as an array of shape (height, width, 3)
    holding red, green and blue, top row first."""

    def __init__(self, data):
        assert data[:2] == b"BM", "not a BMP"
        offset = struct.unpack_from("<I", data, 10)[0]
        self.width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
        assert bits in (24, 32) and compression in (0, 3), (bits, compression)
        self.height = abs(height)
        step = bits // 8
        stride = (self.width * step + 3) & ~3
        raw = np.frombuffer(data, np.uint8, stride * self.height, offset).reshape(self.height, stride)
        bgr = raw[:, :self.width * step].reshape(self.height, self.width, step)[:, :, 2::-1]
        self.pixels = (bgr[::-1] if height > 0 else bgr).astype(int)  # bottom-up unless height < 0

    def near(self, colour, tolerance=40):
        return (np.abs(self.pixels - np.array(colour)) <= tolerance).all(axis=2)

    def fullest_row(self, colour):
        """(row, pixels) of the row holding most pixels near colour."""
        counts = self.near(colour).sum(axis=1)
        return int(counts.argmax()), int(counts.max())

    def count(self, colour):
        return int(self.near(colour).sum())


@pytest.fixture
def bitmap():
    return Bitmap
