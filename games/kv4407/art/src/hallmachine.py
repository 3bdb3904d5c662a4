# The Brakolo as the hall shows it (bitmap 513, on its island counter, horned like its dragon)
# and the looks of its name board (515): lit while someone plays it, its fire lamps in a bonus.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, '..', '..', '..', 'kv4402', 'art', 'src'))
import no2face  # noqa: E402  (the family's art kit, after this game's own scripts; it adds the shared kit)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import hall  # noqa: E402
import symbols  # noqa: E402

L = no2face.Layout(7)
BODY = DKGREEN
BAND_TOP, BAND_W, BAND_H = L.band


def FireLamp(s, x, y, lit):
    s.poly([(x - 5, y + 8), (x - 5, y - 2), (x, y - 9), (x + 5, y - 2), (x + 5, y + 8)], BLACK)
    if lit:
        s.poly([(x - 4, y + 7), (x - 4, y - 2), (x, y - 8), (x + 4, y - 2), (x + 4, y + 7)], RED)
        s.poly([(x - 2, y + 6), (x - 2, y), (x, y - 4), (x + 2, y), (x + 2, y + 6)], YELLOW)
    else:
        s.poly([(x - 4, y + 7), (x - 4, y - 2), (x, y - 8), (x + 4, y - 2), (x + 4, y + 7)], DKRED)


def Band(s, look):
    """The name board: look 0 dark, 1 its fire lamps lit, 2 lit, 3 lit with its fire lamps."""
    y, w, h = BAND_TOP, BAND_W, BAND_H
    lit, flash = look >= 2, look % 2 == 1
    s.rect(0, y, w, h, BLACK)
    s.rect(2, y + 2, w - 4, h - 4, GOLD)
    s.rect(3, y + 3, w - 6, h - 6, OCHRE)
    s.rect(4, y + 4, w - 8, h - 8, BLACK)
    s.vbands(5, y + 5, w - 10, h - 10, [RED, ORANGE, GOLD] if lit else [BLACK, s.mix(BLACK, DKRED, 2), DKRED])
    # the mountain behind the name
    s.poly([(40, y + h - 5), (66, y + 16), (74, y + 16), (100, y + h - 5)], BLACK if lit else s.mix(DKRED, BLACK, 2))
    if lit:
        s.path('M68 %d Q66 %d 70 %d L72 %d Q70 %d 71 %d Z' % (y + 16, y + 30, y + h - 5, y + h - 5, y + 30, y + 16),
               YELLOW)
    s.text(70, y + 20, 'BRAKOLO', YELLOW if lit else ORANGE, font=pixfont.FONT7, align='center', spacing=1,
           outline=DKRED if lit else BLACK)
    for x in (14, 126):
        FireLamp(s, x, y + 24, flash)
    if flash:
        for x in range(24, 120, 12):
            s.rect(x, y + 6, 6, 2, YELLOW)
            s.rect(x, y + h - 8, 6, 2, YELLOW)


def Crown(s):
    s.rect(0, 0, 140, BAND_TOP, BLACK)
    # the horns
    s.path('M16 %d Q6 14 22 2 Q18 16 32 %d Z' % (BAND_TOP, BAND_TOP), PALEYEL, BLACK, 1.5)
    s.path('M124 %d Q134 14 118 2 Q122 16 108 %d Z' % (BAND_TOP, BAND_TOP), PALEYEL, BLACK, 1.5)
    s.rect(30, 14, 80, BAND_TOP - 14, BODY)
    s.rect(30, 14, 80, 2, GOLD)
    for x in range(36, 108, 10):
        s.circle(x, 22, 1.5, GOLD)
    s.ellipse(70, 22, 10, 5, YELLOW)
    s.ellipse(70, 22, 5, 4, ORANGE)
    s.rect(69, 18, 2, 9, BLACK)


def Body(s):
    y0 = BAND_TOP + BAND_H
    s.rect(1, y0, 138, hall.COUNTER_TOP - y0, BLACK)
    s.rect(3, y0, 2, hall.COUNTER_TOP - y0, OCHRE)
    s.rect(135, y0, 2, hall.COUNTER_TOP - y0, OCHRE)
    s.rect(5, y0, 130, 48, BODY)
    s.rect(5, y0 + 1, 130, 1, GOLD)
    for i in range(5):
        ly = y0 + 6 + 8 * i
        s.circle(11, ly + 2, 3, DKRED, BLACK, 1)
        s.rect(15, ly, 7, 5, OLIVE)
    s.rect(25, y0 + 3, 84, 43, BLACK)
    s.rect(26, y0 + 4, 82, 41, GOLD)
    s.rect(28, y0 + 6, 78, 37, s.mix(BLACK, DKGREEN, 1))
    no2face.ReelWindows(s, 31, y0 + 7, 22, 35, 3, [[5, 0, 3], [4, 0, 6], [1, 0, 2]], symbols.SYMBOLS, 12,
                        (0.44, 0.36), CREAM, 'mini')
    for r in range(3):
        rx = 31 + 25 * r
        s.rect(rx, y0 + 7, 22, 1, BLACK)
        s.rect(rx, y0 + 41, 22, 1, BLACK)
    s.rect(28, y0 + 24, 78, 1, OLIVE)
    no2face.MiniGaugeAndDisplays(s, y0, RED, DKRED)
    d = y0 + 48
    s.rect(5, d, 130, 2, GOLD)
    s.rect(5, d + 2, 130, 7, BLACK)
    s.rect(14, d + 3, 8, 4, GOLD)
    s.rect(106, d + 3, 20, 5, OCHRE)
    s.rect(109, d + 5, 14, 1, BLACK)
    s.rect(5, d + 9, 130, 1, OCHRE)
    s.rect(5, d + 10, 130, 13, BODY)
    s.rect(12, d + 12, 10, 10, BLACK)
    s.circle(17, d + 15, 3, RED)
    s.rect(40, d + 12, 58, 10, BLACK)
    for i in range(3):
        s.rect(44 + 18 * i, d + 13, 8, 8, GOLD)
        s.rect(45 + 18 * i, d + 14, 6, 6, RED)
    s.poly([(112, d + 16), (116, d + 11), (124, d + 11), (128, d + 16), (124, d + 21), (116, d + 21)], GOLD)
    s.ellipse(120, d + 16, 4, 3, ORANGE)
    # lower panel: the dragon's volcano at night
    p = d + 23
    s.rect(5, p, 130, 15, BLACK)
    s.vbands(6, p + 1, 128, 13, [BLACK, DKRED, MDRED], dither=False)
    s.poly([(50, p + 14), (66, p + 3), (74, p + 3), (90, p + 14)], BLACK)
    s.rect(69, p + 4, 2, 10, ORANGE)
    s.path('M6 %d Q40 %d 70 %d Q100 %d 134 %d L134 %d L6 %d Z' % (p + 12, p + 8, p + 12, p + 9, p + 12, p + 14,
                                                                   p + 14), DKGREEN)
    # medal tray
    t = p + 15
    s.rect(3, t, 134, 2, GOLD)
    s.rect(3, t + 2, 134, 10, OCHRE)
    s.rect(8, t + 4, 124, 6, BLACK)
    s.rect(9, t + 5, 122, 4, s.mix(GREY, BLACK, 2))
    for i, mx in enumerate(range(16, 64, 6)):
        s.rect(mx, t + 6 + i % 2, 5, 2, SILVER)
    s.rect(3, t + 12, 134, hall.COUNTER_TOP - t - 12, BLACK)


def Machine(s, band_look=0):
    Crown(s)
    Band(s, band_look)
    Body(s)
    hall.IslandCounter(s, 0, 0, 140)


if __name__ == '__main__':
    no2face.BuildHall(L, 'Brakolo', Machine, ['dark with its fire lamps lit', 'lit', 'lit with its fire lamps'])
