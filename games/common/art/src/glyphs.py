# Figures and day names of the info panel: large clock digits (503), small counter digits
# with a comma (504), day names Sun to Sat large (505) and small (506).
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402

OUT = os.path.join(HERE, '..')

# Clock LEDs are green, the counter LEDs amber; both on black with dark ghost segments.
CLOCK_ON, CLOCK_OFF = GREEN, None
COUNT_ON, COUNT_OFF = ORANGE, None
DIGIT_SEGS = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc', 'abcdefg', 'abcdfg', '']
DAYS = ['SUN', 'MON', 'TUE', 'WED', 'THU', 'FRI', 'SAT']
DAY_COLOURS = [RED, CLOCK_ON, CLOCK_ON, CLOCK_ON, CLOCK_ON, CLOCK_ON, SKY]
DAY_DIM = [DKRED, DKGREEN, DKGREEN, DKGREEN, DKGREEN, DKGREEN, NAVY]


def Segments(left, right, top, mid, bottom, t):
    """Pixel sets of the seven segments of a cell; t is the stroke thickness (1 or 2)."""
    seg = {}
    seg['a'] = [(x, top + i) for i in range(t) for x in range(left + 1 + i, right - i)]
    seg['d'] = [(x, bottom - i) for i in range(t) for x in range(left + 1 + i, right - i)]
    seg['g'] = [(x, mid + i) for i in range(t) for x in range(left + t, right + 1 - t)]
    seg['f'] = [(left + i, y) for i in range(t) for y in range(top + 1 + i, mid - i + (1 if t == 1 else 0))]
    seg['b'] = [(right - i, y) for i in range(t) for y in range(top + 1 + i, mid - i + (1 if t == 1 else 0))]
    seg['e'] = [(left + i, y) for i in range(t) for y in range(mid + t + i - (1 if t == 1 else 0), bottom - i)]
    seg['c'] = [(right - i, y) for i in range(t) for y in range(mid + t + i - (1 if t == 1 else 0), bottom - i)]
    return seg


def LedCell(s, x, y, w, h, glyph, seg, on, off):
    s.rect(x, y, w, h, BLACK)
    lit = DIGIT_SEGS[glyph] if glyph < len(DIGIT_SEGS) else ''
    if off:
        s.pixels([p for k in 'abcdefg' if k not in lit for p in seg[k]], off, x, y)
    s.pixels([p for k in lit for p in seg[k]], on, x, y)


def Build503():
    seg = Segments(3, 12, 1, 11, 22, 2)
    s = Svg(16, 264, BLACK)
    for g in range(11):
        LedCell(s, 0, 24 * g, 16, 24, g, seg, CLOCK_ON, CLOCK_OFF)
    s.save(os.path.join(OUT, '503.svg'),
           'large clock digits 0-9 and a blank, 16 x 24 each')


def Build504():
    # small cells read best as bold pixel figures rather than segments
    s = Svg(10, 192, BLACK)
    for g in range(10):
        s.text(5, 16 * g + 3, str(g), COUNT_ON, font=pixfont.FONT7, align='center')
    # glyph 11: the thousands comma, low in the cell
    # (only the first four columns show: the next figure is drawn four pixels into the cell)
    s.pixels([(1, 11), (2, 11), (1, 12), (2, 12), (2, 13), (1, 14)], COUNT_ON, 0, 176)
    s.save(os.path.join(OUT, '504.svg'),
           'small counter digits 0-9, a blank and a comma, 10 x 16 each')


def Build505():
    s = Svg(32, 168, BLACK)
    for d, name in enumerate(DAYS):
        y = 24 * d
        s.rect(0, y, 32, 24, BLACK)
        s.text(16, y + 7, name, DAY_COLOURS[d], font=pixfont.FONT7, align='center', spacing=1,
               shadow=DAY_DIM[d])
    s.save(os.path.join(OUT, '505.svg'),
           'day names SUN to SAT, 32 x 24 each')


def Build506():
    s = Svg(24, 112, BLACK)
    for d, name in enumerate(DAYS):
        y = 16 * d
        s.text(12, y + 5, name, DAY_COLOURS[d] if d in (0, 6) else COUNT_ON, align='center', spacing=1)
    s.save(os.path.join(OUT, '506.svg'),
           'small day names SUN to SAT, 24 x 16 each')


if __name__ == '__main__':
    Build503()
    Build504()
    Build505()
    Build506()
