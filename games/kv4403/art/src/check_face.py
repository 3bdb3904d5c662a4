# Artist's check that the Tarnolet 3 pictures fit the places the game shows them: lit, pressed
# and pulled looks match the face drawn that way, looks shared by several places fit them all,
# digits and shade hold what their copies allow, and no look covers a pay line.
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import facekit  # noqa: E402
import face  # noqa: E402
import hallmachine  # noqa: E402
import symbols  # noqa: E402
from artkit import Svg, KEY  # noqa: E402
from checkkit import Expect, ExitStatus  # noqa: E402

_drawn = {}


def FaceDrawn(state):
    """The whole face drawn with the given lamps lit and controls worked, as pixels."""
    key = tuple(sorted(state))
    if key not in _drawn:
        s = Svg(480, 432)
        face.DrawFace(s, state)
        path = os.path.join(facekit.D, 'g3-face-%s.svg' % ('-'.join(key) or 'plain'))
        with open(path, 'w') as f:
            f.write(s.svg())
        _drawn[key] = facekit.Render(path)
    return _drawn[key]


def Hex(rgb):
    return '%02X%02X%02X' % rgb


def CheckLitLooks(f):
    """Every look that shows a lamp lit or a control worked is the face drawn so, at its place."""
    cases = []
    for i, (x, y) in enumerate(face.LINE_LAMPS):
        cases.append(('LineLampLooks', i, 5 + i, ('line%d' % i,), (x, y)))
    for r, (x, y) in enumerate(face.STOP_LAMPS):
        cases.append(('StopLampLooks', r, 3 + r, ('stop%d' % r,), (x, y)))
    for k, (x, y) in enumerate(face.STAGE_LAMPS):
        cases.append(('StageLampLooks', k, 3 + k, ('stage%d' % k,), (x, y)))
    for strip, state, place in (('MedalLampLooks', 'medal', face.MEDAL_LAMP), ('StartLampLooks', 'start', face.START_LAMP),
                                ('WaitLampLooks', 'wait', face.WAIT_LAMP), ('WinMeterLooks', 'winmeter', face.WIN_METER)):
        cases.append((strip, 0, 1, (state,), place[:2]))
    cases.append(('LeverLooks', 0, 1, ('lever',), face.LEVER[:2]))
    for r, (x, y, w, h) in enumerate(face.STOP_BUTTONS):
        cases.append(('StopButtonLooks', 0, 1, ('button%d' % r,), (x, y)))
    for k in (1, 2, 3):
        cases.append(('BetButtonLooks', 0, k, ('bet%d' % k,), face.BET[:2]))
    for strip, unlit, lit, state, (x, y) in cases:
        looks = f.strips[strip]
        w, h = looks[lit].w, looks[lit].h
        want = FaceDrawn(state).Crop(x, y, w, h)
        got = looks[lit].Differences(want)
        Expect('%s look %d is the face drawn %s at (%d, %d)' % (strip, lit, state[0], x, y), got == 0,
               '%d pixels differ' % got)
        Expect('%s look %d differs from look %d' % (strip, lit, unlit), looks[lit].Differences(looks[unlit]) > 0)


def CheckSharedLooks(f):
    """A strip whose one released look serves several places must fit each of them."""
    plain = FaceDrawn(())
    released = f.strips['StopButtonLooks'][0]
    for r, (x, y, w, h) in enumerate(face.STOP_BUTTONS):
        got = released.Differences(plain.Crop(x, y, w, h))
        Expect('stop button %d shows the one released look' % (r + 1), got == 0, '%d pixels differ' % got)
    for strip, places in (('MeterDigits', face.METER_DIGITS), ('BonusGameDigits', [face.BONUS_DIGIT])):
        glyphs = f.strips[strip]
        for (x, y) in places:
            got = glyphs[10].Differences(plain.Crop(x, y, glyphs[10].w, glyphs[10].h))
            Expect('%s blank glyph is the face at (%d, %d)' % (strip, x, y), got == 0, '%d pixels differ' % got)
        distinct = len({bytes(g.data) for g in glyphs[:11]})
        Expect('%s has eleven distinct glyphs' % strip, distinct == 11, '%d distinct' % distinct)


def Rects(f):
    """Every rectangle the game copies a look to: parts and drawn controls."""
    out = []
    for p in f.desc.data['parts']:
        if p['draw'] != 'looks':
            continue
        w, h = f.desc.LookSize(p['strip'])
        out += [(p['strip'], a[0], a[1], w, h) for a in p['at']]
    for name in ('bet', 'lever', 'stop0', 'stop1', 'stop2'):
        out.append((name,) + tuple(f.desc.Control(name)))
    return out


def CheckPayLines(f):
    plain = FaceDrawn(())
    line = facekit.Image(480, 432)
    for x0, y0, x1, y1 in f.desc.pay_lines:
        line.Line(x0, y0, x1, y1, (255, 255, 255))
    pixels = {(i // 3 % 480, i // 3 // 480) for i in range(0, len(line.data), 3) if line.data[i]}
    for name, x, y, w, h in Rects(f):
        hit = [p for p in pixels if x <= p[0] < x + w and y <= p[1] < y + h]
        Expect('%s at (%d, %d) covers no pay line' % (name, x, y), not hit, '%d line pixels' % len(hit))
    for i, (x0, y0, x1, y1) in enumerate(f.desc.pay_lines):
        before = plain.Pixel(x0 - 1, y0)
        Expect('pay line %d (%d, %d) continues a printed stub' % (i, x0, y0), before == facekit.PAY_LINE,
               'face has #%s there' % Hex(before))


def CheckControls(f):
    rects = [(n,) + tuple(f.desc.Control(n)) for n in ('medalIn', 'bet', 'lever', 'stop0', 'stop1', 'stop2')]
    for i, (a, ax, ay, aw, ah) in enumerate(rects):
        Expect('%s lies on the face' % a, ax >= 0 and ay >= 0 and ax + aw <= 480 and ay + ah <= 432)
        for b, bx, by, bw, bh in rects[i + 1:]:
            apart = ax + aw <= bx or bx + bw <= ax or ay + ah <= by or by + bh <= ay
            Expect('%s and %s do not overlap' % (a, b), apart)
        target = f.desc.controls['stops' if a.startswith('stop') else a]['target']
        Expect('%s cursor target lies inside it' % a, 0 <= target[0] < aw and 0 <= target[1] < ah)


def CheckSymbols(f):
    desc = f.desc
    u, w = desc.symbol_height, desc.reels['w']
    pic = f.Bitmap(desc.reels['symbols'])
    white = (255, 255, 255)
    for k in range(len(symbols.SYMBOLS)):
        normal = pic.Crop(0, k * u, w, u)
        dark = pic.Crop(w, k * u, w, u)
        Expect('symbol %d (%s) is on lit paper' % (k, symbols.NAMES[k]), normal.Pixel(0, 0) == white)
        Expect('symbol %d darkened: no pixel as bright as the paper' % k, white not in dark.Colours())
        # the picture stays: most of what is not paper in the lit cell is not paper in the dark one
        ink = sum(1 for j in range(u) for i in range(w) if normal.Pixel(i, j) != normal.Pixel(0, 0))
        dark_ink = sum(1 for j in range(u) for i in range(w) if dark.Pixel(i, j) != dark.Pixel(0, 0))
        Expect('symbol %d darkened keeps its picture' % k, dark_ink * 2 >= ink, '%d of %d' % (dark_ink, ink))
    shade = pic.Crop(0, desc.reels['shadeY'], w, desc.reels['shadeRows'])
    Expect('shade band is black and white only', shade.Colours() == {(0, 0, 0), white})


def CheckHall(f):
    strips = f.HallStrips()
    for strip, part in zip(('HallTopLampLooks', 'HallBandLooks'), f.desc.data['hall']['parts']):
        looks = strips[strip]
        s = Svg(140, 272)
        hallmachine.Machine(s, True)
        path = os.path.join(facekit.D, 'g3-hall-lit.svg')
        with open(path, 'w') as fh:
            fh.write(s.svg())
        lit_machine = facekit.Render(path)
        unlit_machine = f.Bitmap(513)
        rect = hallmachine.TOP_LAMP if strip == 'HallTopLampLooks' else hallmachine.BAND
        x, y, w, h = rect
        lit = looks[0] if strip == 'HallTopLampLooks' else looks[1]
        unlit = looks[1] if strip == 'HallTopLampLooks' else looks[0]
        Expect('%s lit look is the hall machine drawn lit' % strip, lit.Differences(lit_machine.Crop(x, y, w, h)) == 0)
        Expect('%s unlit look is the hall machine as it stands' % strip,
               unlit.Differences(unlit_machine.Crop(x, y, w, h)) == 0)
        Expect('%s lit and unlit differ' % strip, lit.Differences(unlit) > 0)
        Expect('%s is shown where the machine has it' % strip,
               part['at'][0] == x and part['at'][1] == y + 32)


def CheckBitmaps(f):
    for ident, w, h, options in f.desc.data['bitmaps']:
        svg = os.path.join(facekit.ART, '%d.svg' % ident)
        head = open(svg).read(2000)
        size = tuple(int(re.search(r'%s="(\d+)"' % k, head).group(1)) for k in ('width', 'height'))
        Expect('%d.svg is drawn at %d x %d' % (ident, w, h), size == (w, h), 'drawn at %d x %d' % size)
        if '--own-table' in options:
            continue
        has_key = tuple(int(KEY[i:i + 2], 16) for i in (1, 3, 5)) in f.Bitmap(ident).Colours()
        Expect('%d uses the key colour exactly when it is a sprite' % ident, has_key == ('--sprite' in options))


if __name__ == '__main__':
    f = facekit.Face()
    CheckBitmaps(f)
    CheckLitLooks(f)
    CheckSharedLooks(f)
    CheckPayLines(f)
    CheckControls(f)
    CheckSymbols(f)
    CheckHall(f)
    sys.exit(ExitStatus())
