# The pictures as the game holds them, for the artist's checks: SVG rendered by rsvg-convert,
# converted by the build's bitmap converter, read back as palette indices.
import os
import struct
import subprocess
import tempfile

import quessida

ROOT = os.path.normpath(os.path.join(quessida.HERE, '..', '..', '..', '..'))
BMPCONV = os.environ.get('BMPCONV', os.path.join(ROOT, 'build', 'native', 'tools', 'bmpconv', 'bmpconv'))
WORK = os.environ.get('ART_PREVIEW', '/tmp/artprev')
BLACK_INDEX, KEY_INDEX, WHITE_INDEX = 0, 20, 255


class Raster:
    """Palette indices, rows top to bottom, with the colour table they index."""

    def __init__(self, w, h, pixels, table):
        self.w, self.h, self.px, self.table = w, h, pixels, table

    def At(self, x, y):
        return self.px[y * self.w + x]

    def Crop(self, x, y, w, h):
        assert 0 <= x and 0 <= y and x + w <= self.w and y + h <= self.h, 'crop outside the picture'
        rows = [self.px[(y + j) * self.w + x:(y + j) * self.w + x + w] for j in range(h)]
        return Raster(w, h, [p for r in rows for p in r], self.table)

    def Copy(self):
        return Raster(self.w, self.h, list(self.px), self.table)

    def _Combine(self, src, x, y, op):
        for j in range(src.h):
            for i in range(src.w):
                at = (y + j) * self.w + x + i
                self.px[at] = op(self.px[at], src.px[j * src.w + i])

    def Put(self, src, x, y):
        self._Combine(src, x, y, lambda d, s: s)

    def Sprite(self, src, x, y):
        """Paints src with its key-colour pixels left out (the game's AND mask, XOR image)."""
        self._Combine(src, x, y, lambda d, s: d if s == KEY_INDEX else s)

    def And(self, src, x, y):
        self._Combine(src, x, y, lambda d, s: d & s)

    def Or(self, src, x, y):
        self._Combine(src, x, y, lambda d, s: d | s)

    def Indices(self):
        return set(self.px)

    def Differences(self, other):
        assert (self.w, self.h) == (other.w, other.h)
        return sum(1 for a, b in zip(self.px, other.px) if a != b)

    def SavePng(self, path):
        head = b'P6 %d %d 255\n' % (self.w, self.h)
        body = bytearray()
        for p in self.px:
            body += bytes(self.table[p])
        with tempfile.NamedTemporaryFile(suffix='.ppm', delete=False) as f:
            f.write(head + bytes(body))
        subprocess.check_call(['convert', f.name, path])
        os.unlink(f.name)
        return path


def ReadBmp(path):
    data = open(path, 'rb').read()
    assert data[:2] == b'BM'
    w, h = struct.unpack_from('<ii', data, 18)
    bits, = struct.unpack_from('<H', data, 28)
    assert bits == 8 and h > 0
    table = [(data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i]) for i in range(256)]
    stride = (w + 3) // 4 * 4
    start = 54 + 256 * 4
    px = []
    for y in range(h):
        row = start + (h - 1 - y) * stride
        px.extend(data[row:row + w])
    return Raster(w, h, px, table)


def Convert(svg, ident, name=None):
    """svg rendered and converted with the options the bitmap list gives bitmap `ident`."""
    w, h, options = quessida.DESC.Bitmap(ident)
    name = name or os.path.splitext(os.path.basename(svg))[0]
    png = os.path.join(WORK, 'cv-%s.png' % name)
    bmp = os.path.join(WORK, 'cv-%s.bmp' % name)
    if not os.path.exists(BMPCONV):
        raise SystemExit('no bitmap converter at %s: run make native first' % BMPCONV)
    subprocess.check_call(['rsvg-convert', '-o', png, svg])
    subprocess.check_call([BMPCONV] + options.split() + ['--size', '%dx%d' % (w, h), png, bmp])
    return ReadBmp(bmp)


def ConvertSvg(svg_obj, ident, name):
    """An Svg drawn by a script (not saved as a bitmap source), converted like bitmap `ident`."""
    os.makedirs(WORK, exist_ok=True)
    path = os.path.join(WORK, 'cv-%s.svg' % name)
    with open(path, 'w') as f:
        f.write(svg_obj.svg())
    return Convert(path, ident, name)


def Bitmap(ident):
    """One of the game's bitmaps as the build converts it."""
    os.makedirs(WORK, exist_ok=True)
    return Convert(quessida.Path('%d.svg' % ident), ident)
