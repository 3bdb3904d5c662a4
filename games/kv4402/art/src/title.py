# Title picture of MERIDOLA No.2 (bitmap 501): the family name arched over the sorceress's
# mirror, three V marks lined up in it, the Vexamira logo and two of its machines in the night.
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import no2face  # noqa: E402  (puts the shared art kit on the path)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402
import symbols  # noqa: E402
import hallmachine  # noqa: E402
import face  # noqa: E402

PINK, GEM_DARK = '#FF80FF', '#8000C0'


def ArchedWord(s, cx, cy, radius, text, size, layers):
    """Stroke letters standing on an arc around (cx, cy), each turned to face outwards and
    spaced by its own width along the arc."""
    parts, width, k = strokefont.Layout(text, size, layers[0][1])
    for ch, (d, px) in zip([c for c in text if strokefont.LETTERS.get(c, ('', 0))[0]], parts):
        half = strokefont.LETTERS[ch][1] * k / 2.0
        a = (px + half - width / 2.0) / radius - math.pi / 2
        x = cx + radius * math.cos(a)
        y = cy + radius * math.sin(a)
        s.begin('translate(%s,%s) rotate(%s)' % (round(x, 2), round(y, 2), round(math.degrees(a) + 90, 2)))
        strokefont.Draw(s, 0, -size, ch, size, layers, align='center')
        s.end()


def Aurora(s):
    for i, (y, c) in enumerate(((150, s.mix(VIOLET, PURPLE, 2)), (170, s.mix(MAGENTA, VIOLET, 2)),
                                (190, s.mix(PURPLE, GEM_DARK, 2)))):
        s.path('M0 %d Q120 %d 240 %d Q360 %d 480 %d L480 %d Q360 %d 240 %d Q120 %d 0 %d Z' %
               (y, y - 40, y, y + 40, y - 10, y + 14, y + 50, y + 16, y - 26, y + 20), c)


def ReelsInMirror(s, cx, cy):
    scale = 1.5
    w, u = symbols.W * scale, symbols.U * scale
    gap = 10
    total = 3 * w + 2 * gap
    x0 = cx - total / 2
    h = 2.6 * u
    s.rect(x0 - 6, cy - h / 2 - 6, total + 12, h + 12, BLACK, rx=6)
    s.rect(x0 - 5, cy - h / 2 - 5, total + 10, h + 10, SILVER, rx=5)
    s.rect(x0 - 3, cy - h / 2 - 3, total + 6, h + 6, s.mix(GEM_DARK, BLACK, 2))
    no2face.ReelWindows(s, x0, cy - h / 2, w, h, gap, [(5, 0, 4), (3, 0, 6), (1, 0, 2)], symbols.SYMBOLS, u,
                        (scale, scale), WHITE, 'tr')
    for r in range(3):
        rx = x0 + r * (w + gap)
        s.rect(rx, cy - h / 2, w, 8, s.mix(WHITE, BLACK, 2))
        s.rect(rx, cy + h / 2 - 8, w, 8, s.mix(WHITE, BLACK, 2))
    s.rect(x0 - 3, cy - 1, total + 6, 3, PINK)
    s.rect(x0 - 3, cy, total + 6, 1, WHITE)


def Build():
    s = Svg(480, 432, BLACK)
    s.vbands(0, 0, 480, 432, [BLACK, NAVY, GEM_DARK, PURPLE, VIOLET])
    Aurora(s)
    for i in range(70):
        x = (i * 97 + 31) % 480
        y = (i * 53 + 17) % 300
        face.Sparkle(s, x, y, 2 if i % 7 == 0 else 1 if i % 3 == 0 else 0, WHITE if i % 2 else PALEBLUE)
    face.Moon(s, 52, 50, False)
    # the family name on an arch
    ArchedWord(s, 240, 400, 330, 'MERIDOLA', 44,
               [(BLACK, 15, 1, 2), (MAGENTA, 12, 0, 0), (SILVER, 8, 0, 0), (WHITE, 4, -1, -1)])
    # the star badge: No.2
    cx, cy, ro, ri = 434, 116, 42, 22
    pts = []
    for k in range(10):
        a = math.radians(-90 + 36 * k)
        r = ro if k % 2 == 0 else ri
        pts.append((round(cx + r * math.cos(a), 1), round(cy + r * math.sin(a), 1)))
    s.poly(pts, MAGENTA, BLACK, 3)
    s.poly([(cx + (x - cx) * 0.8, cy + (y - cy) * 0.8) for x, y in pts], PINK)
    strokefont.Draw(s, cx, cy - 9, 'No.2', 18, [(PURPLE, 6, 1, 1), (WHITE, 3.5, 0, 0)], align='center', tracking=2)
    # the mirror with the jackpot in it
    face.MirrorFrame(s, 240, 196, 176, 86, False)
    ReelsInMirror(s, 240, 196)
    # the machine's name
    strokefont.Draw(s, 240, 296, 'Vexamira', 50,
                    [(BLACK, 16, 1, 3), (PURPLE, 13, 0, 0), (MAGENTA, 9, 0, 0), (PINK, 4, 0, 0),
                     (WHITE, 1.5, -1, -1)], align='center', skew=14, tracking=5)
    # two of its machines at the island, left and right
    for x in (-38, 406):
        s.begin('translate(%d,%d) scale(0.5)' % (x, 296))
        hallmachine.Machine(s, 3)
        s.end()
    s.rect(0, 386, 480, 46, s.mix(BLACK, PURPLE, 1))
    s.rect(0, 386, 480, 1, SILVER)
    s.text(240, 394, 'PACHISLOT HALL', PINK, font=pixfont.FONT7, align='center', spacing=3, outline=PURPLE)
    s.text(240, 412, 'DAY 10:00 - 22:00      NIGHT 22:00 - 10:00', PALEBLUE, align='center', spacing=2)
    s.save(os.path.join(no2face.ArtDir(2), '501.svg'), 'title picture of MERIDOLA No.2')


if __name__ == '__main__':
    Build()
