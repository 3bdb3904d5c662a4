# Artist's check that the Quessida pictures fit the places the game copies them to, on the
# bitmaps as the build converts them: looks cut from the face match it, the shared stop-button
# look fits all three buttons, the digit strip and the shade band hold only what the OR and
# AND copies allow, and the hall machine's lit lamps match its picture.
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import quessida  # noqa: E402
from artkit import Svg  # noqa: E402
from checkkit import Expect, ExitStatus  # noqa: E402
import compose  # noqa: E402
import face  # noqa: E402
import hallmachine  # noqa: E402
import lamps  # noqa: E402
import layout  # noqa: E402
import raster  # noqa: E402

D = quessida.DESC

# The face drawn with every lamp lit and every control pressed or pulled.
ALL_LIT = tuple(['line%d' % i for i in range(len(layout.LINE_LAMPS))] +
                ['stop%d' % r for r in range(3)] + ['bonus%d' % k for k in range(len(layout.BONUS_LAMPS))] +
                ['medal', 'big', 'lever', 'bet'] + ['button%d' % r for r in range(3)])

# Which look strip shows which part of the face lit: strip -> places of its lit looks.
LAMP_STRIPS = ('LineLampLooks', 'StopLampLooks', 'MedalLampLooks', 'BonusLampLooks', 'BigChanceLampLooks')
CONTROLS = (('LeverLooks', ['lever']), ('BetButtonLooks', ['bet']),
            ('StopButtonLooks', ['stop0', 'stop1', 'stop2']))


def FaceDrawn(state, name):
    s = Svg(480, 432)
    face.DrawFace(s, state)
    return raster.ConvertSvg(s, 502, name)


def Rects():
    """Every rectangle of the face that a look is copied to: lamps, displays, controls."""
    rects = []
    for p in D.data['parts']:
        if p['draw'] == 'looks':
            w, h = D.LookSize(p['strip'])
            rects += [(a[0], a[1], w, h) for a in p['at']]
    rects += [D.Control(c) for c in ('lever', 'bet', 'stop0', 'stop1', 'stop2')]
    return rects


def OutsideAll(x, y, rects):
    return all(not (rx <= x < rx + rw and ry <= y < ry + rh) for rx, ry, rw, rh in rects)


def CheckBitmaps(bitmaps):
    for ident, (w, h, options) in sorted((b[0], (b[1], b[2], b[3])) for b in D.data['bitmaps']):
        b = bitmaps[ident]
        Expect('%d converts at %d x %d' % (ident, w, h), (b.w, b.h) == (w, h))
        if '--own-table' in options:
            continue
        keyed = raster.KEY_INDEX in b.Indices()
        if '--sprite' in options:
            Expect('%d is a sprite with a transparent background' % ident, keyed)
        else:
            Expect('%d shows no key colour' % ident, not keyed)


def CheckFace(bitmaps, strips, unlit, lit):
    rects = Rects()
    same = all(unlit.At(x, y) == lit.At(x, y) for y in range(432) for x in range(480) if OutsideAll(x, y, rects))
    Expect('lighting and pressing changes the face only where looks are copied', same)
    for name in LAMP_STRIPS:
        looks = strips[name]
        places = D.Places(name)
        w, h = D.LookSize(name)
        n = len(places)
        Expect('%s: %d unlit looks, then as many lit' % (name, n), len(looks) == 2 * n)
        for i, (x, y) in enumerate(places):
            Expect('%s %d unlit is the face at (%d, %d)' % (name, i, x, y),
                   looks[i].Differences(unlit.Crop(x, y, w, h)) == 0)
            Expect('%s %d lit is the face drawn lit there' % (name, i),
                   looks[n + i].Differences(lit.Crop(x, y, w, h)) == 0)
            Expect('%s %d lit differs from unlit' % (name, i), looks[n + i].Differences(looks[i]) > 0)
    for name, controls in CONTROLS:
        released, pressed = strips[name]
        for c in controls:
            x, y, w, h = D.Control(c)
            Expect('%s released look is the face at %s' % (name, c), released.Differences(unlit.Crop(x, y, w, h)) == 0)
            Expect('%s pressed look is the face drawn pressed at %s' % (name, c),
                   pressed.Differences(lit.Crop(x, y, w, h)) == 0)
        Expect('%s pressed differs from released' % name, pressed.Differences(released) > 0)
    off, on = strips['WaitLampLooks']
    Expect('WAIT off look is one plain colour', len(off.Indices()) == 1)
    Expect('WAIT on look carries the label on that colour', off.Indices() < on.Indices())


def CheckDigits(strips, unlit):
    glyphs = strips['PanelDigits']
    w, h = D.LookSize('PanelDigits')
    blank = glyphs[lamps.BLANK_GLYPH]
    Expect('the face prints the blank glyph in every digit cell',
           all(unlit.Crop(a[0], a[1], w, h).Differences(blank) == 0 for a in D.Part('PanelDigits')['at']))
    Expect('the digit strip holds 0-9, the blank and the point', len(glyphs) == 12)
    point = glyphs[lamps.POINT_GLYPH]
    lit = [i for i, p in enumerate(point.px) if p != raster.BLACK_INDEX]
    Expect('the point glyph is black and one lit colour', len(point.Indices()) == 2 and lit)
    Expect('every glyph is black under the point it may be ORed with',
           all(g.px[i] == raster.BLACK_INDEX for g in glyphs[:lamps.POINT_GLYPH] for i in lit))
    cells = [tuple(a[:2]) for a in D.Part('PanelDigits')['at'] if len(a) == 2]
    ored = [tuple(a[:2]) for a in D.Part('PanelDigits')['at'] if len(a) > 2]
    Expect('the point is ORed over a digit cell', all(c in cells for c in ored))
    shade = strips['ReelShade'][0]
    Expect('the shade band is only black and white', shade.Indices() <= {raster.BLACK_INDEX, raster.WHITE_INDEX})
    Expect('the shade band darkens (black) and keeps (white)', len(shade.Indices()) == 2)


def CheckHall(bitmaps):
    s = Svg(140, 272)
    hallmachine.Machine(s, lit=True)
    lit = raster.ConvertSvg(s, 513, 'hall-lit')
    unlit = bitmaps[513]
    for strip in D.data['hall']['strips']:
        w, h = strip['w'], strip['h']
        looks = strip['looks']
        # the lamp's place in the machine picture is the look that the machine's own picture gives
        where = next(look['from'] for look in looks if look['bitmap'] == 513)
        for k, look in enumerate(looks):
            sx, sy = look.get('from', [0, 0])
            got = bitmaps[look['bitmap']].Crop(sx, sy, w, h)
            want = (unlit if look['bitmap'] == 513 else lit).Crop(where[0], where[1], w, h)
            Expect('%s look %d is the hall machine %s at (%d, %d)' %
                   (strip['name'], k, 'unlit' if look['bitmap'] == 513 else 'lit', where[0], where[1]),
                   got.Differences(want) == 0)
        a, b = [bitmaps[look['bitmap']].Crop(*(look.get('from', [0, 0]) + [w, h])) for look in looks]
        Expect('%s: the lit look differs from the unlit' % strip['name'], a.Differences(b) > 0)


def Main():
    os.makedirs(raster.WORK, exist_ok=True)
    bitmaps = {b[0]: raster.Bitmap(b[0]) for b in D.data['bitmaps']}
    CheckBitmaps(bitmaps)
    strips, _ = compose.FaceStrips(bitmaps)
    unlit = bitmaps[502]
    lit = FaceDrawn(ALL_LIT, 'face-lit')
    CheckFace(bitmaps, strips, unlit, lit)
    CheckDigits(strips, unlit)
    CheckHall(bitmaps)
    return ExitStatus()


if __name__ == '__main__':
    sys.exit(Main())
