# Title picture of MERIDOLA No.7 (bitmap 501): the family name in gold over an erupting volcano,
# a stone tablet with three red sevens lined up, the dragon breathing fire and the Brakolo logo.
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, '..', '..', '..', 'kv4402', 'art', 'src'))
import no2face  # noqa: E402  (the family's art kit, after this game's own scripts; it adds the shared kit)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402
import symbols  # noqa: E402
import face  # noqa: E402


def Tablet(s, cx, cy):
    """A gold-riveted stone tablet with the three reels, sevens on the middle line."""
    scale = 1.5
    w, u = symbols.W * scale, symbols.U * scale
    gap = 12
    total = 3 * w + 2 * gap
    x0 = cx - total / 2
    h = 2.7 * u
    s.rect(x0 - 16, cy - h / 2 - 14, total + 32, h + 28, BLACK)
    s.rect(x0 - 15, cy - h / 2 - 13, total + 30, h + 26, GREY)
    s.rect(x0 - 13, cy - h / 2 - 11, total + 26, h + 22, s.mix(GREY, SILVER, 2))
    s.rect(x0 - 8, cy - h / 2 - 6, total + 16, h + 12, GOLD)
    s.rect(x0 - 6, cy - h / 2 - 4, total + 12, h + 8, OCHRE)
    s.rect(x0 - 4, cy - h / 2 - 2, total + 8, h + 4, BLACK)
    for rx, ry in ((x0 - 11, cy - h / 2 - 9), (x0 + total + 10, cy - h / 2 - 9), (x0 - 11, cy + h / 2 + 9),
                   (x0 + total + 10, cy + h / 2 + 9)):
        face.Rivet(s, rx, ry)
    no2face.ReelWindows(s, x0, cy - h / 2, w, h, gap, [(5, 0, 3), (6, 0, 4), (1, 0, 2)], symbols.SYMBOLS, u,
                        (scale, scale), CREAM, 'tr')
    for r in range(3):
        rx = x0 + r * (w + gap)
        for k in range(0, 10, 2):
            s.rect(rx, cy - h / 2 + k, w, 1, BLACK)
            s.rect(rx, cy + h / 2 - 1 - k, w, 1, BLACK)
    s.rect(x0 - 4, cy - 1, total + 8, 3, YELLOW)
    s.rect(x0 - 4, cy, total + 8, 1, WHITE)


def FlameRing(s, cx, cy, r):
    for k in range(12):
        a = 2 * math.pi * k / 12
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        s.begin('translate(%s,%s) rotate(%s)' % (round(x, 2), round(y, 2), round(math.degrees(a) + 90, 2)))
        face.Flame(s, 0, 4, 16)
        s.end()
    s.circle(cx, cy, r, BLACK)
    s.circle(cx, cy, r - 2, GOLD)
    s.circle(cx, cy, r - 5, DKRED)


def Build():
    s = Svg(480, 432, BLACK)
    s.vbands(0, 0, 480, 330, [BLACK, DKRED, MDRED, RED, ORANGE])
    # the volcano erupting behind everything
    s.poly([(120, 330), (214, 120), (266, 120), (360, 330)], BLACK)
    s.poly([(128, 330), (218, 126), (262, 126), (352, 330)], s.mix(DKRED, BLACK, 2))
    s.path('M236 126 Q230 200 250 330 L262 330 Q244 200 246 126 Z', ORANGE)
    for i, (dx, dy, r) in enumerate(((-30, -20, 22), (0, -42, 28), (32, -22, 20), (-10, -70, 16), (16, -80, 12))):
        s.circle(240 + dx, 120 + dy, r, ORANGE if i % 2 else RED)
        s.circle(240 + dx, 120 + dy, r * 0.55, YELLOW)
    for i in range(40):
        x = (i * 89 + 13) % 480
        y = (i * 37 + 11) % 230
        s.rect(x, y, 2 if i % 4 == 0 else 1, 2 if i % 4 == 0 else 1, YELLOW if i % 3 else ORANGE)
    # the family name
    strokefont.Draw(s, 210, 18, 'MERIDOLA', 46,
                    [(BLACK, 16, 2, 3), (DKRED, 13, 0, 1), (OCHRE, 11, 0, 0), (GOLD, 7, 0, 0), (PALEYEL, 2.5, -1, -1)],
                    align='center', skew=12, tracking=10)
    FlameRing(s, 428, 44, 30)
    strokefont.Draw(s, 428, 34, 'No.7', 18, [(BLACK, 6, 1, 1), (YELLOW, 3.5, 0, 0)], align='center', tracking=2)
    # the dragon at the left, breathing fire at the tablet
    s.begin('translate(-14,74)')
    face.Dragon(s, 96, 82, True)
    s.end()
    Tablet(s, 292, 190)
    # the jungle and the logo
    s.path('M0 318 Q60 290 120 306 Q190 286 250 308 Q320 290 380 304 Q440 288 480 300 L480 432 L0 432 Z', DKGREEN)
    s.path('M0 330 Q80 312 160 326 Q260 340 340 320 Q420 306 480 322 L480 432 L0 432 Z', s.mix(DKGREEN, BLACK, 2))
    strokefont.Draw(s, 250, 300, 'BRAKOLO', 50,
                    [(BLACK, 16, 2, 3), (RED, 13, 0, 0), (ORANGE, 9, 0, 0), (YELLOW, 4.5, 0, 0), (WHITE, 1.5, -1, -1)],
                    align='center', skew=16, tracking=6)
    s.rect(0, 392, 480, 40, BLACK)
    s.rect(0, 392, 480, 2, GOLD)
    for rx in range(12, 480, 24):
        face.Rivet(s, rx, 398)
    s.text(240, 404, 'PACHISLOT HALL', GOLD, font=pixfont.FONT7, align='center', spacing=3)
    s.text(240, 419, 'DAY SHOP 10:00-22:00    NIGHT SHOP 22:00-10:00', ORANGE, align='center', spacing=1)
    s.save(os.path.join(no2face.ArtDir(7), '501.svg'), 'title picture of MERIDOLA No.7')


if __name__ == '__main__':
    Build()
