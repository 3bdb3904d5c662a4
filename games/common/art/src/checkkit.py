# What every game's artist's check (check_face.py) shares: pictures rendered and cut with the
# artist's tools (rsvg-convert, ImageMagick), each check printed and counted as it is made, and
# the game's colour table as the screen surface holds it. Each check runs as its own process,
# so the count is this module's.
import struct
import subprocess

from artkit import LEVELS

_failures = 0


def Expect(name, ok, detail=''):
    global _failures
    print('%-72s %s%s' % (name, 'ok' if ok else 'FAILED', '' if ok or not detail else '  (%s)' % detail))
    _failures += 0 if ok else 1


def Failures():
    return _failures


def ExitStatus():
    print('%d failed' % _failures if _failures else 'all fit')
    return 1 if _failures else 0


def Render(svg, png):
    subprocess.check_call(['rsvg-convert', '-o', png, svg])
    return png


def Crop(png, w, h, x, y, out):
    subprocess.check_call(['convert', png, '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', out])
    return out


def Differ(a, b):
    """How many pixels of two pictures differ."""
    r = subprocess.run(['compare', '-metric', 'AE', a, b, 'null:'], capture_output=True, text=True)
    return int(float(r.stderr.split()[0]))


def Colours(png):
    """The colours a picture uses, as rrggbb."""
    out = subprocess.check_output(['convert', png, '-alpha', 'off', '-format', '%c',
                                   'histogram:info:-']).decode()
    return {line.split('#')[1][:6] for line in out.splitlines() if '#' in line}


def GameTable():
    """The game's 256 colours: the 64 of levels 00/80/C0/FF at 0-15, 16-31, 224-239 and
    240-255 (one block per blue level), black between."""
    table = [(0, 0, 0)] * 256
    for b, start in enumerate((0, 16, 224, 240)):
        for g in range(4):
            for r in range(4):
                table[start + 4 * g + r] = (LEVELS[r], LEVELS[g], LEVELS[b])
    return table


def ReadDib(path):
    """Width, height, colour table (RGB) and pixel indices (rows top to bottom) of an 8-bit
    bitmap file as the converter writes it."""
    data = open(path, 'rb').read()
    w, h = struct.unpack_from('<ii', data, 18)
    table = [(data[54 + 4 * i + 2], data[54 + 4 * i + 1], data[54 + 4 * i]) for i in range(256)]
    stride = (w + 3) // 4 * 4
    rows = [data[1078 + stride * (h - 1 - y):1078 + stride * (h - 1 - y) + w] for y in range(h)]
    return w, h, table, rows
