# Reel symbols of the Tarnolet 3 (bitmap 600): the eight pictures on lit reel paper in the left
# column, the same pictures with the reel light off in the right column, then the shade band.
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
from artkit import *  # noqa: E402,F401,F403
import gamedesc  # noqa: E402

OUT = os.path.join(HERE, '..')
DESC = gamedesc.Load(3)
W = DESC.reels['w']
H = DESC.symbol_height

PAPER = WHITE
OUTLINE = BLACK
PLUM, PLUM_LIGHT, PLUM_SHINE = PURPLE, VIOLET, '#C080FF'
LEAF, LEAF_DARK, LEAF_LIGHT = MDGREEN, DKGREEN, LTGREEN


def Seven(s, x, y, body, shade, shine, inline, outline=OUTLINE):
    """A slanted seven 22 x 27 pixels with its outline, shaded stem, bright top and inline."""
    pts = [(x, y), (x + 22, y), (x + 22, y + 5), (x + 12, y + 27), (x + 4, y + 27), (x + 13, y + 6), (x, y + 6)]
    s.poly(pts, outline, outline, 3, stroke_linejoin='miter')
    s.poly(pts, body)
    s.poly([(x + 15, y + 6), (x + 21, y + 6), (x + 12, y + 26), (x + 6, y + 26)], shade)
    s.rect(x + 1, y + 1, 20, 2, shine)
    s.poly([(x + 18, y + 4), (x + 20, y + 4), (x + 10, y + 25), (x + 8, y + 25)], inline)


def Sparkle(s, x, y, c):
    s.rect(x - 2, y, 5, 1, c)
    s.rect(x, y - 2, 1, 5, c)


def RedSeven(s):
    # a red seven with a gold inline: the big bonus
    Seven(s, 21, 3, RED, MDRED, ROSE, GOLD)
    Sparkle(s, 10, 8, GOLD)
    Sparkle(s, 53, 24, GOLD)


def BarPlate(s, x, y, w, h):
    s.rect(x, y, w, h, OUTLINE, rx=2)
    s.rect(x + 1, y + 1, w - 2, h - 2, GREY)
    s.rect(x + 2, y + 2, w - 4, h - 4, BLACK)
    s.rect(x + 3, y + 3, w - 6, 1, GREY)


def BarSeven(s):
    # a blue seven in front of a BAR plate: the single bonus
    BarPlate(s, 4, 9, 56, 17)
    for dy in (5, 10):
        s.rect(7, 9 + dy, 13, 2, SILVER)
        s.rect(44, 9 + dy, 13, 2, SILVER)
    Seven(s, 21, 3, BLUE, MDBLUE, LTBLUE, CYAN, outline=WHITE)
    s.poly([(21, 3), (43, 3), (43, 8), (33, 30), (25, 30), (34, 9), (21, 9)], None, OUTLINE, 1,
           stroke_linejoin='miter')


def Bar(s):
    BarPlate(s, 6, 5, 52, 24)
    s.rect(9, 8, 46, 1, SILVER)
    # letters twice the pixel font's size, so that a pay line across them leaves them readable
    s.text(32, 10, 'BAR', WHITE, scale=2, align='center', spacing=1, shadow=GREY)


def Peach(s, cx, cy, r):
    """A peach with its blush (pixel by pixel, so no edge is blurred), its cleft and a leaf."""
    s.circle(cx, cy, r + 1, OUTLINE)
    body, soft, blush = [], [], []
    bx, by = cx + r * 0.5, cy + r * 0.35
    for py in range(int(cy - r) - 1, int(cy + r) + 2):
        for px in range(int(cx - r) - 1, int(cx + r) + 2):
            x, y = px + 0.5, py + 0.5
            if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
                continue
            d = ((x - bx) ** 2 + (y - by) ** 2) ** 0.5
            if d < r * 0.55:
                blush.append((px, py))
            elif d < r * 0.85 and (px + py) % 2 == 0:
                soft.append((px, py))
            else:
                body.append((px, py))
    s.pixels(body, PEACH)
    s.pixels(soft + blush, ROSE)
    s.path('M%s %s Q%s %s %s %s' % (cx + 1, cy - r + 1, cx - 4, cy, cx + 1, cy + r - 2), None, MDRED, 1)
    s.ellipse(cx - r * 0.5, cy - r * 0.35, 2, 1.5, WHITE)
    # leaf
    s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (cx, cy - r, cx + 4, cy - r - 6, cx + 11, cy - r - 4,
                                                 cx + 6, cy - r + 1, cx, cy - r), LEAF, LEAF_DARK, 1)
    s.line(cx + 2, cy - r - 1, cx + 8, cy - r - 3, LEAF_LIGHT, 1)


def PeachOne(s):
    Peach(s, 31, 19, 12)


def PeachPair(s):
    Peach(s, 20, 20, 10)
    Peach(s, 43, 20, 10)


def Orange(s, cx, cy, r):
    s.circle(cx, cy, r + 1, OUTLINE)
    s.circle(cx, cy, r, ORANGE)
    s.path('M%s %s A%s %s 0 0 0 %s %s Z' % (cx - r, cy, r, r, cx + r, cy), s.mix(ORANGE, MDRED, 1))
    s.circle(cx - r * 0.35, cy - r * 0.35, r * 0.4, GOLD)
    s.rect(cx - r * 0.55, cy - r * 0.55, 3, 2, PALEYEL)
    # peel dimples
    for dx, dy in ((4, -2), (7, 3), (-2, 6), (3, 8), (-7, 2)):
        s.rect(cx + dx, cy + dy, 1, 1, MDRED)
    s.rect(cx - 1, cy - r, 3, 2, LEAF_DARK)
    s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (cx + 1, cy - r, cx + 5, cy - r - 5, cx + 12, cy - r - 3,
                                                 cx + 7, cy - r + 2, cx + 1, cy - r), LEAF, LEAF_DARK, 1)


def OrangeOne(s):
    Orange(s, 31, 19, 12)


def JacBadge(s):
    # the JAC tag of this machine: a green ticket with white capitals, lower right
    s.rect(41, 20, 22, 13, OUTLINE, rx=3)
    s.rect(42, 21, 20, 11, DKGREEN, rx=2)
    s.rect(43, 22, 18, 1, LTGREEN)
    s.text(52, 24, 'JAC', WHITE, align='center', spacing=1)


def OrangeJac(s):
    Orange(s, 24, 18, 12)
    JacBadge(s)


def Plum(s, cx, cy):
    s.ellipse(cx, cy, 12, 13, OUTLINE)
    s.ellipse(cx, cy, 11, 12, PLUM)
    s.ellipse(cx - 2, cy - 1, 8, 10, PLUM_LIGHT)
    s.path('M%s %s Q%s %s %s %s' % (cx + 2, cy - 11, cx + 6, cy, cx + 2, cy + 11), None, PLUM, 2)
    s.ellipse(cx - 5, cy - 5, 2, 4, PLUM_SHINE)
    s.rect(cx - 6, cy - 8, 2, 1, WHITE)
    s.path('M%s %s Q%s %s %s %s' % (cx, cy - 11, cx + 1, cy - 15, cx + 4, cy - 16), None, OCHRE, 2)
    s.path('M%s %s Q%s %s %s %s Q%s %s %s %s Z' % (cx + 3, cy - 14, cx - 3, cy - 19, cx - 10, cy - 15,
                                                 cx - 4, cy - 12, cx + 3, cy - 14), LEAF, LEAF_DARK, 1)


def PlumJac(s):
    Plum(s, 24, 19)
    JacBadge(s)


def Jac(s):
    # code 8, what the marked orange and plum count as in JAC play: the JAC ticket alone. No
    # strip carries it, but the symbol picture holds a row for every code up to it.
    s.rect(12, 6, 40, 22, OUTLINE, rx=5)
    s.rect(13, 7, 38, 20, DKGREEN, rx=4)
    s.rect(15, 9, 34, 1, LTGREEN)
    s.text(32, 12, 'JAC', WHITE, bold=True, align='center', spacing=2, shadow=BLACK)


# Symbol codes 0-8 of machine No.3, in this order.
SYMBOLS = [RedSeven, BarSeven, Bar, PeachOne, PeachPair, OrangeOne, OrangeJac, PlumJac, Jac]
NAMES = ['red seven', 'seven on a bar', 'BAR', 'peach', 'peach pair', 'orange', 'orange with JAC mark',
         'plum with JAC mark', 'JAC']


# Colours whose one-level-darker neighbour would lose what the symbol is: the paper goes grey,
# the peach dusty, the orange brown, and the darkest colours keep their hue.
DARK_OVERRIDES = {WHITE: GREY, PEACH: '#C08080', ROSE: '#C08080', ORANGE: OCHRE, PURPLE: PURPLE, DKGREEN: DKGREEN,
                  DKRED: DKRED, NAVY: NAVY, '#00C0C0': '#0080C0'}


def Dark(colour):
    """A colour with the reel light off: each channel one level down."""
    colour = colour.upper()
    if colour in DARK_OVERRIDES:
        return DARK_OVERRIDES[colour]
    c = colour.lstrip('#')
    out = ''
    for i in (0, 2, 4):
        out += '%02X' % LEVELS[max(0, LEVELS.index(int(c[i:i + 2], 16)) - 1)]
    return '#' + out


def Darkened(svg_text):
    return re.sub(r'#[0-9A-Fa-f]{6}', lambda m: Dark(m.group(0)), svg_text)


def Prefixed(text, prefix):
    """Ids and references made unique to one cell of the picture."""
    text = re.sub(r'id="([^"]+)"', lambda m: 'id="%s%s"' % (prefix, m.group(1)), text)
    return re.sub(r'url\(#([^)]+)\)', lambda m: 'url(#%s%s)' % (prefix, m.group(1)), text)


def Build():
    s = Svg(2 * W, len(SYMBOLS) * H + 8)
    s.clip_rect('cell', 0, 0, W, H)
    for k, draw in enumerate(SYMBOLS):
        cell = Svg(W, H, PAPER)
        draw(cell)
        for column, convert in ((0, lambda t: t), (1, Darkened)):
            prefix = 's%d%s_' % (k, 'nd'[column])
            s.defs.append(Prefixed(convert('\n'.join(cell.defs)), prefix))
            s.begin('translate(%d,%d)' % (column * W, k * H), clip=None)
            s.add('<g clip-path="url(#cell)">')
            s.add(Prefixed(convert('\n'.join(cell.body)), prefix))
            s.add('</g>')
            s.end()
    # shade band: a black and white checkerboard, ANDed over the window edges
    s.rect(0, DESC.reels['shadeY'], 2 * W, 8, s.mix(WHITE, BLACK, 2))
    s.save(os.path.join(OUT, '600.svg'),
           'the reel symbols of the Tarnolet 3, lit (left) and with the reel light off (right), '
           'and the shade band')


if __name__ == '__main__':
    Build()
