# The Tarnolet 3 as the hall shows it (bitmap 513, 140 x 272, standing on its island counter)
# and its lit dome lamp and lit name band (515), cut from the same drawing.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
COMMON = os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src')
sys.path.insert(0, COMMON)
from artkit import *  # noqa: E402,F401,F403
import gamedesc  # noqa: E402
import hall  # noqa: E402
import pixfont  # noqa: E402

OUT = os.path.join(HERE, '..')
DESC = gamedesc.Load(3)

PLUM_DARK, PLUM, PLUM_LIGHT = PURPLE, VIOLET, '#C080C0'


def Rect(strip, look):
    """Where a look of a hall strip sits in its bitmap: (x, y, w, h)."""
    s = DESC.Strip(strip)
    src = s['looks'][look]
    return src['from'][0], src['from'][1], s['w'], s['h']


# The lamps as 513 shows them unlit, and where 515 holds them lit.
TOP_LAMP = Rect('HallTopLampLooks', 1)
BAND = Rect('HallBandLooks', 0)
TOP_LAMP_LIT = Rect('HallTopLampLooks', 0)
BAND_LIT = Rect('HallBandLooks', 1)


def TopLamp(s, lit):
    """A dome lamp on the cabinet's crown."""
    x, y, w, h = TOP_LAMP
    s.rect(x, y, w, h, BLACK)
    s.rect(x, y + h - 3, w, 3, SILVER)
    s.rect(x, y + h - 3, w, 1, WHITE)
    s.rect(x, y + h - 1, w, 1, GREY)
    s.rect(x + 2, y, w - 4, h - 2, BLACK, rx=9)
    if lit:
        s.rect(x + 3, y + 2, w - 6, h - 5, ORANGE, rx=8)
        s.rect(x + 6, y + 3, w - 12, h - 8, YELLOW, rx=6)
        s.rect(x + 12, y + 4, w - 24, h - 11, CREAM, rx=4)
        s.rect(x + 16, y + 4, w - 32, 2, WHITE)
    else:
        s.rect(x + 3, y + 2, w - 6, h - 5, DKRED, rx=8)
        s.rect(x + 6, y + 3, w - 12, h - 8, MDRED, rx=6)
        s.rect(x + 12, y + 4, w - 24, h - 11, DKRED, rx=4)
        s.rect(x + 16, y + 4, w - 32, 1, ROSE)
    for i in range(1, 6):
        s.rect(x + 3 + (w - 6) * i // 6, y + 3, 1, h - 7, s.mix(ORANGE if lit else DKRED, BLACK, 2))


def Band(s, lit):
    """The name band under the crown."""
    x, y, w, h = BAND
    s.rect(x, y, w, h, BLACK)
    if lit:
        s.rect(x + 1, y + 1, w - 2, h - 2, YELLOW)
        s.rect(x + 1, y + 1, w - 2, 1, CREAM)
        s.rect(x + 1, y + h - 2, w - 2, 1, ORANGE)
        s.text(x + w // 2, y + 2, 'TARNOLET 3', MDRED, font=pixfont.FONT3, align='center', spacing=2)
    else:
        s.rect(x + 1, y + 1, w - 2, h - 2, PLUM_DARK)
        s.rect(x + 1, y + 1, w - 2, 1, PLUM)
        s.text(x + w // 2, y + 2, 'TARNOLET 3', PLUM_LIGHT, font=pixfont.FONT3, align='center', spacing=2)


# Reel symbols at hall size, as pixel art on the 18 x 10 cell of a hall reel.
MINI = {
    'seven': ['..kkkkkkk..', '..kRRRRRk..', '..kkkkRRk..', '....kRRk...', '....kRRk...',
              '...kRRk....', '...kRRk....', '...kkkk....'],
    'peach': ['....gg.....', '...kkgk....', '..kPPPRk...', '.kPPPRRRk..', '.kPwPRRRk..', '.kPPPRRRk..',
              '..kPPRRk...', '...kkkk....'],
    'orange': ['....gg.....', '...kkgk....', '..kOOOOk...', '.kOYOOOOk..', '.kOOOOOOk..', '.kOOOOOrk..',
               '..kOOrrk...', '...kkkk....'],
    'plum': ['.....o.....', '...kkok....', '..kVVVVk...', '.kVLVVVVk..', '.kVVVVVPk..', '.kVVVVPPk..',
             '..kVVPPk...', '...kkkk....'],
}
MINI_COLOURS = {'k': BLACK, 'R': RED, 'P': PEACH, 'w': WHITE, 'g': MDGREEN, 'O': ORANGE, 'Y': YELLOW,
                'r': MDRED, 'V': VIOLET, 'L': '#C080FF', 'o': OCHRE}


def MiniSymbol(s, x, y, kind):
    if kind == 'bar':
        s.rect(x + 2, y + 1, 15, 8, GREY)
        s.rect(x + 3, y + 2, 13, 6, BLACK)
        s.text(x + 10, y + 3, 'BAR', WHITE, font=pixfont.FONT3, align='center', spacing=1)
    else:
        s.bitmap(x + 4, y + 1, MINI[kind], MINI_COLOURS)


def Machine(s, lit=False):
    s.rect(0, 0, 140, hall.COUNTER_TOP, BLACK)
    # the crown: a plum lip over a chrome rail, plum cheeks with speaker grilles, the dome lamp
    s.rect(2, 0, 136, 3, PLUM, rx=1)
    s.rect(1, 3, 138, 5, SILVER)
    s.rect(1, 4, 138, 1, WHITE)
    s.rect(1, 8, 138, 24, PLUM_DARK)
    for gx in (6, 110):
        s.rect(gx, 11, 24, 16, BLACK, rx=3)
        for j in range(4):
            s.rect(gx + 3, 13 + 3 * j, 18, 1, s.mix(PLUM, BLACK, 2))
    TopLamp(s, lit)
    Band(s, lit)
    for x0, bands in ((1, [GREY, SILVER, WHITE, GREY]), (135, [GREY, WHITE, SILVER, GREY])):
        for i, c in enumerate(bands):
            s.rect(x0 + i, BAND[1] + BAND[3], 1, 138, c)
    # the sunset panel with the name
    top = BAND[1] + BAND[3]
    s.rect(5, top, 130, 1, BLACK)
    s.vbands(5, top + 1, 100, 16, [PURPLE, VIOLET, ROSE, PEACH], dither=False)
    s.rect(5, top + 15, 100, 3, MDGREEN)
    s.circle(80, top + 15, 5, YELLOW)
    s.rect(5, top + 15, 100, 3, MDGREEN)
    s.text(46, top + 5, 'TARNOLET', ORANGE, font=pixfont.FONT3, align='center', spacing=1, shadow=BLACK)
    # the bonus box beside it
    s.rect(106, top + 1, 29, 17, BLACK)
    s.rect(112, top + 3, 8, 9, BLACK)
    s.rect(113, top + 4, 6, 7, s.mix(DKGREEN, BLACK, 2))
    for k in range(3):
        s.rect(109 + 8 * k, top + 14, 6, 3, OLIVE)
    # reel panel: lamps, three reels, meters
    ry = top + 19
    s.rect(5, ry, 130, 1, SILVER)
    s.rect(5, ry + 1, 130, 48, PLUM_DARK)
    for i in range(5):
        s.rect(8, ry + 5 + 8 * i, 13, 6, BLACK)
        s.rect(9, ry + 6 + 8 * i, 10, 4, DKRED)
    s.rect(24, ry + 4, 86, 42, SILVER)
    s.rect(25, ry + 5, 84, 40, s.mix(BLACK, NAVY, 1))
    reels = [['plum', 'seven', 'bar'], ['peach', 'seven', 'orange'], ['orange', 'seven', 'peach']]
    for r in range(3):
        rx = 29 + 27 * r
        s.rect(rx, ry + 7, 22, 36, WHITE)
        for j, kind in enumerate(reels[r]):
            MiniSymbol(s, rx + 2, ry + 8 + 12 * j, kind)
        s.rect(rx, ry + 7, 22, 2, s.mix(WHITE, BLACK, 2))
        s.rect(rx, ry + 41, 22, 2, s.mix(WHITE, BLACK, 2))
    s.rect(25, ry + 24, 84, 1, OLIVE)
    s.rect(113, ry + 4, 20, 42, BLACK)
    for j, c in enumerate((MDRED, OLIVE, OLIVE, NAVY)):
        s.rect(115, ry + 6 + 10 * j, 16, 7, c if j in (0, 3) else BLACK)
        if j in (1, 2):
            s.rect(117, ry + 7 + 10 * j, 4, 5, OCHRE)
            s.rect(123, ry + 7 + 10 * j, 4, 5, OCHRE)
    # deck: START lamp, bet button, lever, stop buttons, medal slot
    dy = ry + 49
    s.rect(5, dy, 130, 2, WHITE)
    s.rect(5, dy + 2, 130, 3, VIOLET)
    s.rect(5, dy + 5, 130, 14, PLUM_DARK)
    s.rect(5, dy + 19, 130, 1, BLACK)
    s.rect(8, dy + 2, 14, 3, DKGREEN)
    s.rect(24, dy + 7, 9, 5, ORANGE)
    s.circle(15, dy + 11, 3.5, BLACK)
    s.circle(15, dy + 11, 2.5, VIOLET)
    s.rect(14, dy + 14, 2, 4, SILVER)
    for i in range(3):
        s.rect(44 + 20 * i, dy + 9, 7, 7, BLACK)
        s.rect(45 + 20 * i, dy + 10, 5, 5, ORANGE)
        s.rect(45 + 20 * i, dy + 10, 2, 1, PALEYEL)
    s.rect(110, dy + 4, 20, 9, SILVER)
    s.rect(113, dy + 8, 14, 2, BLACK)
    # lower panel: the orchard
    ly = dy + 20
    s.rect(5, ly, 130, 28, BLACK)
    s.vbands(6, ly + 1, 128, 18, [NAVY, PURPLE, VIOLET, ROSE], dither=False)
    s.rect(6, ly + 17, 128, 10, MDGREEN)
    s.rect(6, ly + 22, 128, 5, DKGREEN)
    for tx in (20, 48, 92, 120):
        s.rect(tx, ly + 12, 2, 8, BLACK)
        s.circle(tx + 1, ly + 10, 5, DKGREEN)
        s.rect(tx - 2, ly + 9, 2, 2, ORANGE)
        s.rect(tx + 3, ly + 7, 2, 2, ORANGE)
    s.circle(70, ly + 13, 9, s.mix(YELLOW, PEACH, 2))
    s.rect(6, ly + 17, 128, 1, MDGREEN)
    # medal tray
    ty = ly + 28
    tray_h = hall.COUNTER_TOP - ty
    s.rect(3, ty, 134, 3, WHITE)
    s.rect(3, ty + 3, 134, tray_h - 3, SILVER)
    s.rect(8, ty + 5, 124, tray_h - 12, BLACK)
    s.rect(9, ty + 6, 122, tray_h - 14, GREY)
    for i, mx in enumerate(range(14, 80, 5)):
        my = ty + 9 + (i % 2)
        s.rect(mx, my, 5, 3, BLACK)
        s.rect(mx, my, 4, 2, GOLD)
        s.rect(mx, my, 2, 1, PALEYEL)
    s.rect(3, hall.COUNTER_TOP - 5, 134, 5, BLACK)
    hall.IslandCounter(s, 0, 0, 140)


def Build():
    s = Svg(140, 272, BLACK)
    Machine(s)
    s.save(os.path.join(OUT, '513.svg'), 'the Tarnolet 3 on its island counter as the hall shows it')
    w, h = DESC.Bitmap(515)[:2]
    s = Svg(w, h, BLACK)
    for i, ((x, y, lw, lh), (dx, dy, _, _)) in enumerate(((TOP_LAMP, TOP_LAMP_LIT), (BAND, BAND_LIT))):
        cid = s.clip_rect('c%d' % i, dx, dy, lw, lh)
        s.begin(clip=cid)
        s.begin('translate(%d,%d)' % (dx - x, dy - y))
        Machine(s, True)
        s.end()
        s.end()
    s.save(os.path.join(OUT, '515.svg'), 'lit dome lamp and lit name band of the Tarnolet 3 in the hall')


if __name__ == '__main__':
    Build()
