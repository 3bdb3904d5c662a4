# The No.2 face family (Vexamira and Brakolo) as the art reads it from a game's description,
# and the cutting of every look from one face drawing; each game draws its own face and lamps.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
COMMON = os.path.normpath(os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
sys.path.insert(0, COMMON)
from artkit import KEY, Svg  # noqa: E402
import gamedesc  # noqa: E402
import strokefont  # noqa: E402

# Logo letters the family's names need beyond the shared stroke font (same units: a box 10
# high, baseline at 10, x-height at 3).
strokefont.LETTERS.setdefault('X', ('M0 0 L7 10 M7 0 L0 10', 7))
strokefont.LETTERS.setdefault('x', ('M0 3 L5 10 M5 3 L0 10', 5))
strokefont.LETTERS.setdefault('m', ('M0 10 V3.2 M0 5.6 Q0.6 3 2.6 3 Q4.6 3 4.6 5.6 V10 '
                                    'M4.6 5.6 Q5.2 3 7.2 3 Q9.2 3 9.2 5.6 V10', 9.2))
strokefont.LETTERS.setdefault('k', ('M0 0 V10 M5.2 3.4 L0 7.6 M1.9 6 L5.6 10', 5.6))
strokefont.LETTERS.setdefault('7', ('M0 0 H7 L2.6 10', 7))

# The gauge fills one step per slow tick and is whole after this many (the game's rule).
GAUGE_STEPS = 29
GLYPHS = 20            # digits 0-9, blank, dash, eight frames of the waiting animation
BLANK, DASH, FIRST_FRAME = 10, 11, 12
# The waiting animation: a snake of two segments runs the figure eight, its tail glowing.
FRAME_PATH = 'abgedcgf'
DIGIT_SEGS = ['abcdef', 'bc', 'abdeg', 'abcdg', 'bcfg', 'acdfg', 'acdefg', 'abc', 'abcdefg', 'abcdfg',
              '', 'g']


def Lit(glyph):
    """Segments of a glyph: (bright, glowing) strings."""
    if glyph < FIRST_FRAME:
        return DIGIT_SEGS[glyph], ''
    k = glyph - FIRST_FRAME
    return FRAME_PATH[k] + FRAME_PATH[k - 1], FRAME_PATH[k - 2]


def ArtDir(game):
    return os.path.join(gamedesc.GAMES, 'kv440%d' % game, 'art')


class Layout:
    """Every place of the face the art must honour, read from the game's description."""

    def __init__(self, game):
        d = gamedesc.Load(game)
        self.game = game
        self.desc = d
        self.reels = [d.ReelWindow(r) for r in range(3)]
        self.pay_lines = d.pay_lines
        self.line_lamp_size = d.LookSize('LineLampLooks')
        self.line_lamps = d.Places('LineLampLooks')
        lamp_h = self.line_lamp_size[1]
        looks = d.Strip('LineLampLooks')['looks']
        # the number on each lamp: the lit glass painted over it, picture k showing k + 1
        self.line_numbers = [look['paint']['from'][1] // lamp_h + 1 for look in looks if 'paint' in look]
        self.stop_lamp_size = d.LookSize('StopLampLooks')
        self.stop_lamps = d.Places('StopLampLooks')
        self.medal_lamp = d.Places('MedalLampLooks')[0] + d.LookSize('MedalLampLooks')
        self.top = d.Places('TopPictureLooks')[0] + d.LookSize('TopPictureLooks')
        self.digit_size = d.LookSize('DisplayDigits')
        places = d.Places('DisplayDigits')
        self.displays = [places[i] for i in range(0, len(places), 2)]  # bonus, credit, payout
        self.gauge = d.Places('GaugeLooks')[0] + d.LookSize('GaugeLooks')
        self.lever = d.Control('lever')
        self.bet = d.Control('bet')
        self.medal_in = d.Control('medalIn')
        self.stop_buttons = [d.Control('stop%d' % r) for r in range(3)]
        # the band's rows in the hall machine picture: where its unlit look is cut from 513
        self.band = (d.Strip('HallBandLooks')['looks'][0]['from'][1],) + d.LookSize('HallBandLooks')

    def Bitmap(self, ident):
        return self.desc.Bitmap(ident)[:2]

    def Glass(self):
        """Left, top, right and bottom of the glass round the reels: it holds every pay line
        and every reel window."""
        ry, rh = self.reels[0][1], self.reels[0][3]
        return (min(p[0] for p in self.pay_lines) - 2, ry - 3, max(p[2] for p in self.pay_lines) + 2, ry + rh + 2)

    def LampColumn(self):
        """Left, top, width and height of the bet-line lamps together."""
        (x, y), (w, h) = self.line_lamps[0], self.line_lamp_size
        return x, y, w, self.line_lamps[-1][1] + h - y


def Segments(w, h, slant=0):
    """Pixel lists of the seven segments of a w x h cell, two pixels thick, leaning right by
    `slant` pixels from bottom to top."""
    left, right, top, bottom = 3, w - 4, 2, h - 3
    mid = (top + bottom) // 2

    def lean(x, y):
        return x + (slant * (bottom - y)) // (bottom - top) if slant else x
    seg = {
        'a': [(x, top + i) for i in range(2) for x in range(left + 1 + i, right - i)],
        'd': [(x, bottom - i) for i in range(2) for x in range(left + 1 + i, right - i)],
        'g': [(x, mid + i) for i in range(2) for x in range(left + 1, right)],
        'f': [(left + i, y) for i in range(2) for y in range(top + 1 + i, mid - i)],
        'b': [(right - i, y) for i in range(2) for y in range(top + 1 + i, mid - i)],
        'e': [(left + i, y) for i in range(2) for y in range(mid + 2 + i, bottom - i)],
        'c': [(right - i, y) for i in range(2) for y in range(mid + 2 + i, bottom - i)],
    }
    return {k: [(lean(x, y), y) for x, y in v] for k, v in seg.items()}


def DigitCell(s, x, y, w, h, glyph, seg, on, glow, off, core=None, bg='#000000'):
    """One display cell: dark segments in `off`, the glyph's in `on` (a `core` line inside
    each), the animation's trailing segment in `glow`."""
    s.rect(x, y, w, h, bg)
    bright, glowing = Lit(glyph)
    s.pixels([p for k in 'abcdefg' if k not in bright + glowing for p in seg[k]], off, x, y)
    s.pixels([p for k in glowing for p in seg[k]], glow, x, y)
    s.pixels([p for k in bright for p in seg[k]], on, x, y)
    if core:
        s.pixels([p for k in bright for p in seg[k][:len(seg[k]) // 2]], core, x, y)


def DisplayCells(s, L, frame, digit):
    """The three displays as the face prints them: a frame two pixels wide (the outer one in
    `frame`, the inner black) round two blank cells drawn by digit(s, x, y, glyph)."""
    w, h = L.digit_size
    for x, y in L.displays:
        s.rect(x - 2, y - 2, 2 * w + 4, h + 4, frame)
        s.rect(x - 1, y - 1, 2 * w + 2, h + 2, '#000000')
        for i in range(2):
            digit(s, x + w * i, y, BLANK)


def MiniGaugeAndDisplays(s, y, lit, unlit):
    """The gauge and the three displays at the right of a hall machine's reel panel (row y),
    the gauge's lower part in `lit`, the digits' ghosts in `unlit`."""
    s.rect(111, y + 4, 5, 40, '#000000')
    s.rect(112, y + 29, 3, 14, lit)
    for k in range(3):
        s.rect(118, y + 5 + 13 * k, 14, 9, '#000000')
        s.rect(120, y + 7 + 13 * k, 3, 5, unlit)
        s.rect(125, y + 7 + 13 * k, 3, 5, unlit)


def PaintFace(s, state, face):
    """The whole face in the family's painting order, from the parts a game's face module
    draws: its top picture, main panel, reel panel, right column, deck and sides."""
    s.rect(0, 0, 480, 432, face.BODY)
    face.TopPicture(s, 'top' in state)
    face.MainPanel(s)
    face.ReelPanel(s, state)
    face.RightColumn(s, 'gauge' in state, 'medal' in state)
    face.Deck(s, state)
    face.Sides(s)


def ClipOnce(s, cid, x, y, w, h):
    """A clip rectangle by id, defined once however often a drawing is repeated."""
    if not any('id="%s"' % cid in d for d in s.defs):
        s.clip_rect(cid, x, y, w, h)
    return cid


def ReelWindows(s, x0, y, w, h, gap, rows, symbols, u, scale, paper, tag):
    """Three reel windows of w x h from x0, `gap` apart, each showing its three symbol codes
    (rows[reel], top to bottom) drawn by `symbols` at `scale` (sx, sy), u pixels a row, the
    middle one centred."""
    sx, sy = scale
    for r in range(3):
        rx = x0 + r * (w + gap)
        s.begin(clip=ClipOnce(s, '%s%d_%d' % (tag, r, round(y)), rx, y, w, h))
        s.rect(rx, y, w, h, paper)
        for j, sym in enumerate(rows[r]):
            s.begin('translate(%s,%s) scale(%s,%s)' % (round(rx, 2), round(y + h / 2.0 - u / 2 + (j - 1) * u, 2),
                                                       sx, sy))
            symbols[sym](s)
            s.end()
        s.end()


def BuildSymbols(L, symbols, paper, shade, what):
    """Writes bitmap 600: the symbol pictures, code k at rows k x symbol height, each kept to
    its cell, then the shade band drawn by shade(s, x, y, w, rows)."""
    r = L.desc.reels
    w, u = r['w'], L.desc.symbol_height
    s = Svg(w, len(symbols) * u + r['shadeRows'], paper)
    s.clip_rect('cell', 0, 0, w, u)
    for k, draw in enumerate(symbols):
        s.begin('translate(0,%d)' % (u * k))
        s.add('<g clip-path="url(#cell)">')
        draw(s)
        s.add('</g>')
        s.end()
    shade(s, 0, r['shadeY'], w, r['shadeRows'])
    assert (s.w, s.h) == L.Bitmap(600)
    s.save(os.path.join(ArtDir(L.game), '600.svg'), what)


def SaveIcon(game, s, name, what):
    """Writes games/kv440N/icons/<name> with a note of what it shows."""
    path = os.path.join(ArtDir(game), '..', 'icons', name)
    with open(path, 'w') as f:
        f.write('<!-- MERIDOLA No.%d\'s %s. Drawn by games/kv440%d/art/src/icons.py. -->\n' % (game, what, game))
        f.write(s.svg())


def Crop(draw, w, h, pieces):
    """A picture cut from face drawings: pieces (x, y, state) stacked top to bottom."""
    s = Svg(w, h)
    step = h // len(pieces)
    for i, (x, y, state) in enumerate(pieces):
        cid = s.clip_rect('c%d' % i, 0, step * i, w, step)
        s.begin(clip=cid)
        s.begin('translate(%d,%d)' % (-x, -y + step * i))
        draw(s, state)
        s.end()
        s.end()
    return s


def BuildFace(L, name, draw, line_glass, digit):
    """Writes the face 502 and the looks cut from it: draw(s, state) paints the whole face with
    the parts named in state lit or pressed; line_glass(s, x, y, n) paints a lit bet-line lamp's
    glass showing n; digit(s, x, y, glyph) one display cell."""
    out = ArtDir(L.game)

    def Save(ident, s, what):
        w, h = L.Bitmap(ident)
        assert (s.w, s.h) == (w, h), 'bitmap %d is %dx%d, the description says %dx%d' % (ident, s.w, s.h, w, h)
        s.save(os.path.join(out, '%d.svg' % ident), what)

    s = Svg(480, 432)
    draw(s, ())
    Save(502, s, 'machine face of the %s with empty reel windows' % name)
    bx, by, bw, bh = L.stop_buttons[0]
    cuts = [
        (601, L.lever, 'lever', 'start lever pulled'),
        (602, L.stop_buttons[0], 'button0', 'stop button pressed'),
        (603, L.bet, 'bet', 'bet button pressed'),
        (605, L.stop_lamps[0] + L.stop_lamp_size, 'stop0', 'lit STOP lamp'),
        (606, L.medal_lamp, 'medal', 'lit MEDAL IN lamp'),
        (607, L.top, 'top', 'the top picture lit'),
        (608, L.gauge, 'gauge', 'the spin gauge lit'),
    ]
    for ident, (x, y, w, h), state, what in cuts:
        Save(ident, Crop(draw, w, h, [(x, y, (state,))]), what)
    w, h = L.line_lamp_size
    s = Svg(w, 3 * h, KEY)
    for n in (1, 2, 3):
        line_glass(s, 0, h * (n - 1), n)
    Save(604, s, 'lit bet-line lamp glass with the numbers 1, 2 and 3 on the key colour')
    w, h = L.digit_size
    s = Svg(w, GLYPHS * h)
    for g in range(GLYPHS):
        digit(s, 0, h * g, g)
    Save(609, s, 'display digits 0-9, a blank, a dash and eight frames of the waiting animation')


def BuildHall(L, name, machine, band_look_names):
    """Writes the hall machine 513 (band look 0) and its band's looks 1-3 (515):
    machine(s, band_look) draws the whole hall machine with its band in that look."""
    out = ArtDir(L.game)
    s = Svg(140, 272, '#000000')
    machine(s, 0)
    s.save(os.path.join(out, '513.svg'), 'the %s on its island counter as the hall shows it' % name)
    _, w, h = L.band
    top = L.band[0]
    s = Svg(w, 3 * h, '#000000')
    for k in (1, 2, 3):
        cid = s.clip_rect('b%d' % k, 0, h * (k - 1), w, h)
        s.begin(clip=cid)
        s.begin('translate(0,%d)' % (h * (k - 1) - top))
        machine(s, k)
        s.end()
        s.end()
    assert (s.w, s.h) == L.Bitmap(515)
    s.save(os.path.join(out, '515.svg'), 'the %s band in the hall: %s' % (name, ', '.join(band_look_names)))
