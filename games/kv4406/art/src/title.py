# Title picture of MERIDOLA No.6 (bitmap 501): the family name carved in gold over a jungle
# dusk, the Quessida's temple with three sevens in its shrine, and the machine's name on its
# terraces.
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
import scenery  # noqa: E402
import lettering  # noqa: E402
import pixfont  # noqa: E402
import symbols  # noqa: E402

W, H, _ = DESC.Bitmap(501)
CX = W // 2


def Sky(s):
    s.vbands(0, 0, W, 250, [BLACK, NAVY, PURPLE, MDRED, RED, ORANGE])
    for i, (x, y) in enumerate(((22, 18), (60, 70), (98, 10), (140, 44), (412, 16), (446, 62), (380, 48),
                                 (320, 8), (160, 8), (28, 104), (458, 110), (70, 140), (420, 150))):
        c = WHITE if i % 3 else PALEYEL
        s.rect(x, y, 1, 1, c)
        if i % 4 == 0:
            s.rect(x - 1, y, 3, 1, c)
            s.rect(x, y - 1, 1, 3, c)


def Sun(s, cx, cy):
    for k in range(24):
        a = 2 * math.pi * k / 24
        r0, r1 = 96, 150 if k % 2 == 0 else 124
        s.poly([(round(cx + r0 * math.cos(a - 0.05), 1), round(cy + r0 * math.sin(a - 0.05), 1)),
                (round(cx + r1 * math.cos(a), 1), round(cy + r1 * math.sin(a), 1)),
                (round(cx + r0 * math.cos(a + 0.05), 1), round(cy + r0 * math.sin(a + 0.05), 1))],
               s.mix(ORANGE, GOLD, 2))
    s.circle(cx, cy, 100, s.mix(ORANGE, GOLD, 2))
    s.circle(cx, cy, 92, GOLD)
    s.circle(cx, cy, 80, s.mix(GOLD, YELLOW, 2))
    s.circle(cx, cy, 70, YELLOW)
    s.circle(cx, cy, 56, PALEYEL)


def Pyramid(s, top, base):
    """Five terraces of dark jade stone, the sunset on their edges, a stair up the middle."""
    widths = [250, 300, 350, 404, 460]
    step = (base - top) // len(widths)
    for k, w in enumerate(widths):
        y = top + k * step
        x0 = CX - w // 2
        s.rect(x0 - 1, y, w + 2, step, BLACK)
        s.rect(x0, y + 1, w, step - 2, JADE_DEEP)
        s.rect(x0, y + step // 2, w, step // 2 - 1, DeepJade(s))
        s.rect(x0, y, w, 1, ORANGE)
        s.rect(x0, y + 1, w, 1, s.mix(JADE_DEEP, GOLD, 1))
        for bx in range(x0 + (8 if k % 2 else 0), x0 + w, 16):
            s.rect(bx, y + 2, 1, step - 3, BLACK)
    # the stair
    s.rect(CX - 34, top, 68, base - top, BLACK)
    for y in range(top + 1, base, 4):
        s.rect(CX - 33, y, 66, 2, '#C0C080')
        s.rect(CX - 33, y + 2, 66, 1, OLIVE)
    s.rect(CX - 38, top, 4, base - top, BLACK)
    s.rect(CX + 34, top, 4, base - top, BLACK)


def Shrine(s, top):
    """The shrine on the temple: a stepped roof, and three reels in its doorway showing a line
    of sevens."""
    u = symbols.U
    cw, gap = symbols.W, 10
    w = 3 * cw + 2 * gap
    h = 2 * u + 10
    x = CX - w // 2
    y = top + 28
    s.poly(SteppedOutline(x - 26, top, w + 52, h + 46, 3, 6), BLACK)
    s.poly(SteppedOutline(x - 24, top + 2, w + 48, h + 44, 3, 6), TERRA)
    s.poly(SteppedOutline(x - 22, top + 4, w + 44, h + 42, 3, 6), TERRA_DARK)
    StepFret(s, x - 4, top + 12, w + 8, BLACK, SUN)
    s.rect(x - 8, y - 6, w + 16, h + 12, BLACK)
    s.rect(x - 7, y - 5, w + 14, h + 10, TURQ)
    s.rect(x - 5, y - 3, w + 10, h + 6, BLACK)
    lines = [(6, 0, 5), (3, 0, 2), (8, 0, 4)]
    for r in range(3):
        rx = x + r * (cw + gap)
        cid = s.clip_rect('reel%d' % r, rx, y, cw, h)
        s.begin(clip=cid)
        s.rect(rx, y, cw, h, CREAM)
        for j, sym in enumerate(lines[r]):
            s.begin('translate(%d,%d)' % (rx, y + h // 2 - u // 2 + (j - 1) * u))
            symbols.SYMBOLS[sym](s)
            s.end()
        for row in range(0, 6, 2):
            s.rect(rx, y + row, cw, 1, BLACK)
            s.rect(rx, y + h - 1 - row, cw, 1, BLACK)
        s.end()
        if r < 2:
            s.rect(rx + cw, y, gap, h, s.mix(BLACK, JADE_DEEP, 2))
    # the winning line, lit
    s.rect(x - 5, y + h // 2 - 1, w + 10, 3, YELLOW)
    s.rect(x - 5, y + h // 2, w + 10, 1, WHITE)
    return top + h + 46


def Medallion(s, cx, cy):
    """No.6 on a sun stone."""
    n = 16
    pts = []
    for k in range(2 * n):
        a = math.pi * k / n
        r = 38 if k % 2 == 0 else 31
        pts.append((round(cx + r * math.cos(a), 1), round(cy + r * math.sin(a), 1)))
    s.poly(pts, BLACK, BLACK, 3)
    s.poly(pts, ORANGE)
    s.circle(cx, cy, 30, BLACK)
    s.circle(cx, cy, 28, TURQ)
    s.circle(cx, cy, 25, TURQ_DARK)
    s.circle(cx, cy, 23, NAVY)
    w = lettering.Width('No.6', 3, 2)
    lettering.Carved(s, cx - w // 2, cy - 10, 'No.6', 3, [WHITE, PALEYEL, SUN], WHITE, OCHRE, gap=2, depth=1)


def Medal(s, x, y, r):
    s.circle(x, y, r + 1, BLACK)
    s.circle(x, y, r, SILVER)
    s.circle(x, y, r * 0.7, WHITE)
    s.circle(x, y, r * 0.55, SILVER)


def Sparkle(s, x, y, n, c=WHITE):
    s.rect(x - n, y, 2 * n + 1, 1, c)
    s.rect(x, y - n, 1, 2 * n + 1, c)
    s.rect(x - 1, y - 1, 3, 3, c)


def Build():
    s = Svg(W, H, BLACK)
    Sky(s)
    Sun(s, CX, 172)
    # the jungle around the temple
    for x, y, ln, ang, bend in ((-10, 60, 130, 15, 30), (-10, 150, 110, -10, 20), (-10, 250, 120, -30, 10),
                                (W + 10, 60, 130, 165, 30), (W + 10, 150, 110, 190, 20),
                                (W + 10, 250, 120, 210, 10)):
        scenery.Frond(s, x, y, ln, ang, bend, BLACK)
    Pyramid(s, 214, 364)
    Shrine(s, 98)
    # the machine's name carved across the terraces
    name = 'QUESSIDA'
    w = lettering.Width(name, 6, 5)
    lettering.Carved(s, CX - w // 2, 262, name, 6, [TURQ_PALE, TURQ_LIGHT, TURQ_LIGHT, TURQ, TURQ],
                     WHITE, TURQ_DARK, gap=5, depth=3)
    # the family name in gold
    family = 'MERIDOLA'
    w = lettering.Width(family, 7, 6)
    lettering.Carved(s, CX - w // 2, 18, family, 7, [PALEYEL, YELLOW, SUN, SUN, OCHRE], WHITE, OCHRE,
                     gap=6, depth=3)
    s.text(CX, 80, 'PACHISLOT HALL', TURQ_LIGHT, font=pixfont.FONT7, align='center', spacing=2,
           outline=NAVY)
    Medallion(s, 420, 150)
    for x, y, r in ((62, 214, 8), (96, 196, 6), (408, 220, 8), (380, 200, 6), (52, 330, 7), (430, 336, 7),
                    (214, 346, 5), (268, 352, 5)):
        Medal(s, x, y, r)
    for x, y, n in ((34, 40, 4), (452, 34, 3), (120, 120, 3), (360, 118, 3), (240, 204, 2), (110, 236, 2),
                    (372, 240, 2)):
        Sparkle(s, x, y, n)
    # the shop hours on the ground before the temple
    s.rect(0, 370, W, H - 370, BLACK)
    s.rect(0, 370, W, 1, TURQ_DARK)
    StepFret(s, 0, 374, W, BLACK, TERRA)
    s.text(CX, 394, 'DAY SHOP  10:00 - 22:00', SUN, align='center', spacing=2)
    s.text(CX, 410, 'NIGHT SHOP  22:00 - 10:00', TURQ_LIGHT, align='center', spacing=2)
    s.save(Path('501.svg'), 'title picture of MERIDOLA No.6')


if __name__ == '__main__':
    Build()
