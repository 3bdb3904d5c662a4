# The Quessida's scenery: the sunset marquee with the step temple, the jungle fronds and the
# carved logo, drawn on the face's crown (the title picture borrows the fronds).
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
import lettering  # noqa: E402


def Marquee(s):
    mx, my, mw, mh = 16, 20, 448, 78
    outline = SteppedOutline(mx, my, mw, mh, 2, 5)
    s.poly(SteppedOutline(mx - 2, my - 2, mw + 4, mh + 4, 2, 5), BLACK)
    s.poly(SteppedOutline(mx - 1, my - 1, mw + 2, mh + 2, 2, 5), TERRA)
    s.clip_path('marquee', 'M' + ' L'.join('%s %s' % p for p in outline) + ' Z')
    s.begin(clip='marquee')
    # the sunset: violet sky down to a gold horizon, the sun going down behind the temple
    s.vbands(mx, my, mw, mh, [PURPLE, MDRED, RED, ORANGE, GOLD])
    for sx, sy in ((40, 27), (76, 33), (118, 25), (360, 26), (402, 33), (438, 28), (150, 31), (330, 31)):
        s.rect(sx, sy, 1, 1, PINK)
    sun_y = my + 26
    for k in range(12):
        a = math.pi * (k + 0.5) / 12
        s.line(240, sun_y, round(240 - 60 * math.cos(a), 1), round(sun_y - 60 * math.sin(a) + 30, 1),
               s.mix(ORANGE, YELLOW, 2), 3)
    s.circle(240, sun_y, 24, YELLOW)
    s.circle(240, sun_y, 20, PALEYEL)
    s.circle(240, sun_y, 15, CREAM)
    Jungle(s, mx, my, mw, mh)
    Temple(s, 240, my + mh)
    s.end()
    # the logo, carved across the terraces of the temple
    text = 'QUESSIDA'
    w = lettering.Width(text, 5, 4)
    lettering.Carved(s, 240 - w // 2, my + 37, text, 5, [TURQ_PALE, TURQ_LIGHT, TURQ_LIGHT, TURQ, TURQ],
                     WHITE, TURQ_DARK, gap=4, depth=2)


def Temple(s, cx, base):
    """The step pyramid in silhouette against the sun: four terraces and a shrine, the
    sunset catching the edge of every terrace."""
    y = base
    for w in (336, 300, 266, 234):
        y -= 10
        s.rect(cx - w // 2, y, w, 10, BLACK)
        s.rect(cx - w // 2, y, w, 1, MDRED)
        s.rect(cx - w // 2, y + 1, 1, 9, DKRED)
        s.rect(cx + w // 2 - 1, y + 1, 1, 9, DKRED)
    s.rect(cx - 36, y - 14, 72, 14, BLACK)
    s.rect(cx - 36, y - 14, 72, 1, MDRED)
    s.rect(cx - 22, y - 19, 44, 5, BLACK)
    s.rect(cx - 22, y - 19, 44, 1, MDRED)
    for dx in (-26, -12, 6, 20):
        s.rect(cx + dx, y - 10, 6, 10, DKRED)
        s.rect(cx + dx + 1, y - 9, 4, 9, s.mix(DKRED, GOLD, 1))


def Frond(s, x, y, length, angle, bend, colour):
    """A palm frond in silhouette: a curved stalk with drooping leaflets on both sides."""
    a = math.radians(angle)
    ex, ey = x + length * math.cos(a), y + length * math.sin(a) + bend
    cx, cy = x + length * 0.5 * math.cos(a), y + length * 0.5 * math.sin(a) - bend * 0.3
    s.path('M%.1f %.1f Q%.1f %.1f %.1f %.1f' % (x, y, cx, cy, ex, ey), None, colour, 3)
    n = 9
    for k in range(1, n + 1):
        t = k / float(n + 1)
        px = (1 - t) ** 2 * x + 2 * (1 - t) * t * cx + t * t * ex
        py = (1 - t) ** 2 * y + 2 * (1 - t) * t * cy + t * t * ey
        dx = 2 * (1 - t) * (cx - x) + 2 * t * (ex - cx)
        dy = 2 * (1 - t) * (cy - y) + 2 * t * (ey - cy)
        d = math.atan2(dy, dx)
        size = max(8.0, length * 0.2) * (1 - 0.5 * t)
        base = max(1.5, length * 0.025)
        for side in (-1, 1):
            b = d + side * 0.9
            tx, ty = px + size * math.cos(b), py + size * math.sin(b) + size * 0.3
            s.poly([(round(px - base * math.cos(d), 1), round(py - base * math.sin(d), 1)),
                    (round(px + base * 2 * math.cos(d), 1), round(py + base * 2 * math.sin(d), 1)),
                    (round(tx, 1), round(ty, 1))], colour)


def Jungle(s, mx, my, mw, mh):
    """Fronds hanging into the marquee from both sides, and two palms on the horizon."""
    for x, y, ln, ang, bend in ((mx - 8, my + 6, 74, 10, 14), (mx - 8, my + 36, 60, -10, 10),
                                (mx + mw + 8, my + 6, 74, 170, 14), (mx + mw + 8, my + 36, 60, 190, 10)):
        Frond(s, x, y, ln, ang, bend, BLACK)
    for px in (96, 384):
        s.path('M%d %d Q%d %d %d %d' % (px, my + mh, px - 3, my + 50, px + 2, my + 34), None, BLACK, 3)
        for ang, bend in ((200, 6), (160, 8), (340, 8), (20, 6), (255, 2), (290, 2)):
            Frond(s, px + 2, my + 34, 18, ang, bend, BLACK)
