# The face's look strips built the way the game builds them at start-up (face 502 copied to
# the screen, looks cut from it and from the 600 series, lit glass painted over it), for the
# artist's check and the play-screen mock.
import os
import re

import quessida
import raster

D = quessida.DESC


def FaceStrips(bitmaps):
    """Every look strip of the face in the description's order, as lists of looks; and the
    screen as the painted looks leave it. bitmaps: id -> Raster."""
    screen = bitmaps[502].Copy()
    strips = {}
    for strip in D.data['strips']:
        kind = strip.get('kind')
        if kind == 'reels':
            continue
        if kind == 'shade':
            r = D.reels
            strips[strip['name']] = [bitmaps[r['symbols']].Crop(0, r['shadeY'], r['w'], r['shadeRows'])]
            continue
        w, h = D.LookSize(strip['name'])
        if kind == 'whole':
            b = bitmaps[strip['bitmap']]
            strips[strip['name']] = [b.Crop(0, y, w, h) for y in range(0, b.h, h)]
            continue
        looks = []
        for look in strip['looks']:
            if 'face' in look:
                x, y = look['face']
                if 'paint' in look:
                    sx, sy = look['paint'].get('from', [0, 0])
                    screen.Sprite(bitmaps[look['paint']['sprite']].Crop(sx, sy, w, h), x, y)
                looks.append(screen.Crop(x, y, w, h))
            else:
                sx, sy = look.get('from', [0, 0])
                looks.append(bitmaps[look['bitmap']].Crop(sx, sy, w, h))
        strips[strip['name']] = looks
    return strips, screen


def MachineStrips():
    """The reel strips of machine No.6 as the machine's own source states them (the No.1
    family's model, which No.6 copies)."""
    path = os.path.join(raster.ROOT, 'machine', 'families', 'no1', 'no1_machines.cpp')
    text = open(path).read()
    block = text[text.index('.strips'):]
    rows = re.findall(r'\{([\d,\s]+)\}', block)[:3]
    return [[int(v) for v in row.split(',')] for row in rows]


def ReelStrips(symbols):
    """The three reel strips side by side, 26 symbols deep, the seam line on the last row
    of strip index 20."""
    u, w = D.symbol_height, D.reels['w']
    strips = MachineStrips()
    surface = raster.Raster(3 * w, 26 * u, [0] * (3 * w * 26 * u), symbols.table)
    for r in range(3):
        for j in range(26):
            surface.Put(symbols.Crop(0, u * strips[r][j % 21], w, u), w * r, u * j)
    for x in range(3 * w):
        surface.px[(21 * u - 1) * surface.w + x] = raster.BLACK_INDEX
    return surface


def PenIndex(table):
    """The pay-line pen, RGB(128, 128, 0), in the table."""
    return table.index((128, 128, 0))


def Line(surface, x0, y0, x1, y1, index):
    """A one-pixel line from (x0, y0) towards (x1, y1), the end point left out."""
    dx, dy = x1 - x0, y1 - y0
    n = max(abs(dx), abs(dy))
    for k in range(n):
        x = x0 + int(round(dx * k / float(n)))
        y = y0 + int(round(dy * k / float(n)))
        surface.px[y * surface.w + x] = index


def DrawReels(screen, reels, shade, positions):
    """The reel windows at the given reel positions (pixels of the strip), shaded, with the
    pay lines."""
    r = D.reels
    for k in range(3):
        x, y, w, h = D.ReelWindow(k)
        pos = positions[k]
        screen.Put(reels.Crop(w * k, pos - r['rowsAbove'], w, h), x, y)
        screen.And(shade, x, y)
        screen.And(shade, x, y + h - r['shadeRows'])
    pen = PenIndex(screen.table)
    for x0, y0, x1, y1 in D.pay_lines:
        Line(screen, x0, y0, x1, y1, pen)
