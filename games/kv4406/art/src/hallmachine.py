# The Quessida as the hall shows it (bitmap 513, standing on its island counter) and its lit
# sun lamp and lit marquee band (515), cut from the same drawing.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from quessida import *  # noqa: E402,F401,F403
import hall  # noqa: E402
import pixfont  # noqa: E402


TOP_LAMP = DESC.Cut('HallTopLampLooks', 513)
BAND = DESC.Cut('HallBandLooks', 513)
W, H, _ = DESC.Bitmap(513)
LAMPS_H = DESC.Bitmap(515)[1]


def TopLamp(s, lit):
    """The sun lamp on the crown: a stepped glass that blinks through a big bonus."""
    x, y, w, h = TOP_LAMP
    s.rect(x, y, w, h, JADE_DEEP)
    s.poly(SteppedOutline(x + 3, y + 1, w - 6, h - 2, 2, 3), BLACK)
    if lit:
        s.poly(SteppedOutline(x + 4, y + 2, w - 8, h - 4, 2, 3), ORANGE)
        s.poly(SteppedOutline(x + 7, y + 4, w - 14, h - 7, 2, 2), YELLOW)
        s.rect(x + 16, y + 8, w - 32, h - 13, CREAM)
        s.rect(x + 14, y + 6, 12, 1, WHITE)
        for i in range(1, 6):
            s.rect(x + 12 * i + 1, y + 6, 1, h - 9, s.mix(ORANGE, YELLOW, 2))
    else:
        s.poly(SteppedOutline(x + 4, y + 2, w - 8, h - 4, 2, 3), DKRED)
        s.poly(SteppedOutline(x + 7, y + 4, w - 14, h - 7, 2, 2), OLIVE)
        s.rect(x + 14, y + 6, 12, 1, OCHRE)
        for i in range(1, 6):
            s.rect(x + 12 * i + 1, y + 6, 1, h - 9, BLACK)


def Band(s, lit):
    """The marquee under the crown with the machine's name."""
    x, y, w, h = BAND
    s.rect(x, y, w, h, BLACK)
    s.rect(x + 1, y, w - 2, h, TERRA)
    if lit:
        s.vbands(x + 2, y + 1, w - 4, h - 2, [PURPLE, RED, ORANGE, GOLD])
        s.circle(70, y + h - 1, 8, PALEYEL)
        s.text(70, y + 4, 'QUESSIDA', TURQ_PALE, font=pixfont.FONT7, align='center', spacing=1, outline=BLACK)
    else:
        s.vbands(x + 2, y + 1, w - 4, h - 2, [BLACK, PURPLE, DKRED], dither=False)
        s.circle(70, y + h - 1, 8, OLIVE)
        s.text(70, y + 4, 'QUESSIDA', TURQ_DARK, font=pixfont.FONT7, align='center', spacing=1, outline=BLACK)
    for fx in (x + 6, x + w - 7):
        s.rect(fx, y + h - 5, 1, 4, BLACK)
        s.rect(fx - 3, y + h - 7, 7, 2, BLACK)


def MiniSymbol(s, x, y, kind):
    """Reel symbols at hall size (18 x 10 cells)."""
    if kind == 'seven':
        s.poly([(x + 5, y + 1), (x + 13, y + 1), (x + 13, y + 3), (x + 10, y + 9), (x + 7, y + 9), (x + 10, y + 3),
                (x + 5, y + 3)], RED, BLUE, 1)
    elif kind == 'bar':
        s.rect(x + 2, y + 2, 15, 7, BLACK)
        s.rect(x + 3, y + 3, 13, 5, JADE_DEEP)
        s.rect(x + 4, y + 4, 11, 3, SUN)
    elif kind == 'cherry':
        s.circle(x + 6, y + 6, 3, RED, BLACK, 1)
        s.circle(x + 12, y + 7, 2.5, RED, BLACK, 1)
        s.line(x + 6, y + 3, x + 10, y + 0.5, DKGREEN, 1)
        s.line(x + 12, y + 4, x + 10, y + 0.5, DKGREEN, 1)
    elif kind == 'lamp':
        s.rect(x + 6, y + 2, 7, 7, BLACK)
        s.rect(x + 7, y + 3, 5, 5, YELLOW)
        s.rect(x + 8, y + 1, 3, 1, GOLD)
    elif kind == 'pyramid':
        for k, w in enumerate((14, 10, 6)):
            s.rect(x + 9 - w // 2, y + 8 - 2 * k, w, 2, '#C0C080' if k % 2 == 0 else OLIVE)
        s.rect(x + 8, y + 1, 3, 2, TERRA)
    elif kind == 'pineapple':
        s.ellipse(x + 9, y + 6, 3.5, 4, GOLD, BLACK, 1)
        s.rect(x + 8, y + 0, 3, 2, MDGREEN)
    elif kind == 'orange':
        s.circle(x + 9, y + 5, 4, ORANGE, BLACK, 1)
        s.rect(x + 10, y + 0, 3, 1, MDGREEN)


def Machine(s, lit=False):
    s.rect(0, 0, W, hall.COUNTER_TOP, BLACK)
    # the stepped crown
    s.poly(SteppedOutline(0, 0, W, 32, 3, 3), TURQ)
    s.poly(SteppedOutline(2, 2, W - 4, 30, 3, 3), TURQ_DARK)
    s.poly(SteppedOutline(3, 3, W - 6, 29, 3, 3), JADE_DEEP)
    for x in (17, 122):
        Rivet(s, x, 18)
    TopLamp(s, lit)
    s.rect(0, 30, W, 2, BLACK)
    Band(s, lit)
    # turquoise pillars
    for x0, bands in ((1, [TURQ_DARK, TURQ, TURQ_PALE, TURQ_DARK]), (135, [TURQ_DARK, TURQ_PALE, TURQ, TURQ_DARK])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, 50, 1, 130, c)
    # reel panel
    s.rect(5, 50, 130, 2, TURQ)
    s.rect(5, 52, 130, 54, JADE_DEEP)
    for i in range(5):
        s.rect(8, 60 + 8 * i, 15, 6, BLACK)
        s.rect(9, 61 + 8 * i, 13, 4, OLIVE)
        s.rect(20, 62 + 8 * i, 3, 2, OLIVE)
        s.rect(10, 62 + 8 * i, 4, 1, OCHRE)
    s.poly(SteppedOutline(26, 54, 82, 48, 2, 2), BLACK)
    s.poly(SteppedOutline(27, 55, 80, 46, 2, 2), TERRA)
    s.rect(30, 60, 74, 38, BLACK)
    reels = [['orange', 'seven', 'bar'], ['cherry', 'seven', 'pyramid'], ['pineapple', 'seven', 'lamp']]
    for r in range(3):
        rx = 32 + 24 * r
        s.rect(rx, 61, 22, 36, CREAM)
        for j, kind in enumerate(reels[r]):
            MiniSymbol(s, rx + 2, 62 + 12 * j, kind)
        for yy in (61, 95):
            s.rect(rx, yy, 22, 1, BLACK)
    s.rect(30, 78, 74, 1, OLIVE)
    # the sun and the bonus lamps
    s.circle(121, 65, 8, DKRED)
    s.circle(121, 65, 6, OCHRE)
    s.circle(121, 65, 4, OLIVE)
    for k in range(3):
        s.rect(111, 77 + 7 * k, 21, 6, BLACK)
        s.rect(112, 78 + 7 * k, 14, 4, MDRED)
        s.rect(127, 78 + 7 * k, 4, 4, TURQ)
    for i in range(3):
        s.rect(35 + 24 * i, 101, 16, 3, NAVY)
    # deck
    s.rect(5, 106, 130, 1, TURQ_PALE)
    s.rect(5, 107, 130, 2, TURQ)
    s.rect(5, 109, 130, 12, JADE_DEEP)
    s.rect(5, 121, 130, 1, BLACK)
    s.rect(11, 117, 10, 3, SUN)
    s.circle(16, 111, 3.5, BLACK)
    s.circle(16, 111, 2.5, JADE)
    s.rect(15, 114, 2, 3, GOLD)
    for i in range(3):
        s.rect(38 + 24 * i, 111, 7, 7, TURQ)
        s.rect(39 + 24 * i, 112, 5, 5, GOLD)
        s.rect(39 + 24 * i, 112, 2, 1, WHITE)
    s.rect(106, 111, 13, 8, BLACK)
    s.rect(107, 112, 11, 6, TURQ)
    s.rect(122, 110, 10, 8, BLACK)
    s.circle(127, 114, 3, SUN)
    # lower panel: the temple at sunset over a step-fret frieze
    s.rect(5, 122, 130, 30, BLACK)
    s.vbands(6, 123, 128, 20, [PURPLE, MDRED, ORANGE], dither=False)
    s.circle(70, 136, 7, PALEYEL)
    for k, w in enumerate((60, 46, 32)):
        s.rect(70 - w // 2, 140 - 4 * k, w, 4, BLACK)
    s.rect(64, 126, 12, 4, BLACK)
    s.rect(6, 143, 128, 8, BLACK)
    StepFret(s, 6, 143, 128, BLACK, TERRA)
    # medal tray
    s.rect(3, 152, 134, 2, TURQ_PALE)
    s.rect(3, 154, 134, 17, TURQ_DARK)
    s.rect(8, 157, 124, 11, BLACK)
    s.rect(9, 158, 122, 9, GREY)
    for i, mx in enumerate(range(14, 64, 5)):
        my = 162 + (i % 2)
        s.rect(mx, my, 5, 3, BLACK)
        s.rect(mx, my, 4, 2, SILVER)
        s.rect(mx, my, 2, 1, WHITE)
    s.rect(3, 171, 134, 2, GREY)
    s.rect(3, 173, 134, 8, BLACK)
    s.rect(44, 175, 52, 4, TERRA_DARK)
    s.rect(45, 176, 50, 2, TERRA)
    hall.IslandCounter(s, 0, 0, W)


def Build():
    s = Svg(W, H, BLACK)
    Machine(s)
    s.save(Path('513.svg'), 'the Quessida on its island counter as the hall shows it')
    s = Svg(W, LAMPS_H, BLACK)
    for strip, place in (('HallTopLampLooks', TOP_LAMP), ('HallBandLooks', BAND)):
        x, y, w, h = place
        dy = DESC.Cut(strip, 515)[1]
        cid = s.clip_rect('c%d' % dy, 0, dy, w, h)
        s.begin(clip=cid)
        s.begin('translate(%d,%d)' % (-x, dy - y))
        Machine(s, True)
        s.end()
        s.end()
    s.save(Path('515.svg'), 'lit sun lamp and lit marquee band of the Quessida in the hall')


if __name__ == '__main__':
    Build()
