# Artist's check that the Pembrix 7 pictures fit the places the game copies them to: looks cut
# from the face match it wherever they are shown, the drawn and painted looks match the face drawn
# lit, and the face's own colour table reaches the screen unchanged.
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import layout as L  # noqa: E402
import face  # noqa: E402
from artkit import LEVELS, Svg  # noqa: E402
import checkkit  # noqa: E402
from checkkit import Colours, Differ, Expect, Failures, GameTable, ReadDib, Render  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
ART = os.path.join(HERE, '..')
ROOT = os.path.normpath(os.path.join(HERE, '..', '..', '..', '..'))
BMPCONV = os.environ.get('BMPCONV', os.path.join(ROOT, 'build', 'native', 'tools', 'bmpconv', 'bmpconv'))


def P(name):
    return os.path.join(D, 'cf4-' + name)


def Bitmap(ident):
    return Render(os.path.join(ART, '%d.svg' % ident), P('%d.png' % ident))


def Crop(png, w, h, x, y, name):
    return checkkit.Crop(png, w, h, x, y, P(name + '.png'))


def FaceDrawn(lit, x, y, w, h, name):
    path = P(name + '.svg')
    with open(path, 'w') as f:
        f.write(face.FaceCrop(x, y, w, h, lit).svg())
    return Render(path, P(name + '.png'))


def OverFace(f502, sprite, sx, sy, x, y, w, h, name):
    """The face at (x, y) with a sprite's look painted over it, as the game builds a lit look."""
    under = Crop(f502, w, h, x, y, name + '-under')
    look = Crop(sprite, w, h, sx, sy, name + '-sprite')
    out = P(name + '.png')
    subprocess.check_call(['convert', under, '(', look, '-transparent', '#008080', ')',
                           '-composite', out])
    return out


def CheckSampledLooks(f502):
    """Each look cut from the face must be what the face shows at every place it is drawn."""
    w, h = L.Size('StopButtonLooks')
    sample = Crop(f502, w, h, *L.FaceSample('StopButtonLooks', 0), name='stop-released')
    Expect('the released stop button looks alike at all three buttons',
           all(Differ(sample, Crop(f502, w, h, x, y, 'stop%d' % r)) == 0
               for r, (x, y, _, _) in enumerate(L.STOPS)))
    for strip, rule, count in (('LineLampLooks', 'LineLampLook', 5), ('StopLampLooks', 'StopLampLook', 3)):
        Expect('%s: unlit look k is cut at lamp k\'s own place' % strip,
               [L.FaceSample(strip, k) for k in range(count)] == L.Places(rule))
        Expect('%s: lit look k is painted at lamp k\'s own place' % strip,
               [L.FaceSample(strip, count + k) for k in range(count)] == L.Places(rule))
    w, h = L.PANEL_W, L.PANEL_H
    kinds = ((0, L.FRAME_LAMPS + L.BET_LAMPS, 'frame and bet'), (1, L.JAC_LAMPS + L.WAIT_LAMPS, 'JAC-game and wait'),
             (2, [L.START_LAMP], 'start'))
    for look, places, what in kinds:
        sample = Crop(f502, w, h, *L.FaceSample('PanelLampLooks', look), name='panel%d' % look)
        Expect('panel look %d is the unlit %s lamp at every one of its %d places' % (look, what, len(places)),
               all(Differ(sample, Crop(f502, w, h, x, y, 'panel%d-%d' % (look, i))) == 0
                   for i, (x, y) in enumerate(places)))
    lit = FaceDrawn(('panel',), 0, 0, face.FACE_W, face.FACE_H, 'panel-lit')
    lamps = Bitmap(607)
    for look, places, what in kinds:
        pic = Crop(lamps, w, h, 0, h * look, 'lit%d' % look)
        Expect('607 look %d is the lit %s lamp at every place' % (look, what),
               all(Differ(pic, Crop(lit, w, h, x, y, 'lit%d-%d' % (look, i))) == 0
                   for i, (x, y) in enumerate(places)))


def CheckDrawnLooks(f502):
    for ident, name, rect, lit in ((601, 'lever pulled', L.LEVER, ('lever',)),
                                   (603, 'bet button pressed', L.BET, ('bet',))):
        x, y, w, h = rect
        pic = Bitmap(ident)
        Expect('%d matches the face drawn with the %s' % (ident, name),
               Differ(pic, FaceDrawn(lit, x, y, w, h, 'drawn%d' % ident)) == 0)
        Expect('%d differs from the face as printed' % ident,
               Differ(pic, Crop(f502, w, h, x, y, 'printed%d' % ident)) > 0)
    pic = Bitmap(602)
    Expect('602 is the pressed look of every stop button',
           all(Differ(pic, FaceDrawn(('stop%d' % r,), x, y, w, h, 'pressed%d' % r)) == 0
               for r, (x, y, w, h) in enumerate(L.STOPS)))


def CheckPaintedLooks(f502):
    sprites = {i: Bitmap(i) for i in (604, 605, 606)}
    for strip in ('LineLampLooks', 'StopLampLooks', 'GameOverLampLooks'):
        looks = L.Looks(strip)
        w, h = L.Size(strip)
        for k, look in enumerate(looks):
            if 'paint' not in look:
                continue
            x, y = look['face']
            sprite = look['paint']['sprite']
            sx, sy = look['paint'].get('from', [0, 0])
            lit = {'LineLampLooks': 'line%d' % (k - 5), 'StopLampLooks': 'lamp%d' % (k - 3),
                   'GameOverLampLooks': 'gameover'}[strip]
            painted = OverFace(f502, sprites[sprite], sx, sy, x, y, w, h, '%s%d' % (strip, k))
            Expect('%s look %d: %d painted over the face is the face drawn lit' % (strip, k, sprite),
                   Differ(painted, FaceDrawn((lit,), x, y, w, h, 'lit-%s%d' % (strip, k))) == 0)
    for ident, png in sprites.items():
        w, h = L.BitmapSize(ident)
        step = L.Size({604: 'LineLampLooks', 605: 'StopLampLooks', 606: 'GameOverLampLooks'}[ident])[1]
        keyed = all('008080' in Colours(Crop(png, w, step, 0, y, 'key%d-%d' % (ident, y)))
                    for y in range(0, h, step))
        Expect('%d: every look keeps some key colour around its glass' % ident, keyed)


def CheckDigitsAndShade(f502):
    digits = Bitmap(608)
    w, h = L.DIGIT_W, L.DIGIT_H
    blank = Crop(digits, w, h, 0, 20 * h, 'blank')
    Expect('glyph 20 is all black: the blank of both displays', Colours(blank) == {'000000'})
    Expect('the face prints each display digit as the blank glyph',
           all(Differ(blank, Crop(f502, w, h, x, y, 'face-digit%d' % i)) == 0
               for i, (x, y) in enumerate(L.CREDIT_DIGITS + L.PAYOUT_DIGITS)))
    payout = set().union(*[Colours(Crop(digits, w, h, 0, g * h, 'g%d' % g)) for g in range(10)])
    credit = set().union(*[Colours(Crop(digits, w, h, 0, g * h, 'g%d' % g)) for g in range(10, 20)])
    Expect('the credit\'s glyphs 10-19 are in a colour of their own', not (payout - {'000000'}) & credit)
    symbols = Bitmap(600)
    shade = Crop(symbols, L.REELS['w'], L.REELS['shadeRows'], 0, L.REELS['shadeY'], 'shade')
    Expect('shade band is only black and white (it is ANDed over the reels)',
           Colours(shade) == {'000000', 'FFFFFF'})


def Overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def CheckPlaces():
    """Nothing the game copies overlaps anything else it copies, and the pay lines cross only the
    reel windows and the face between them."""
    rects = [('line lamp %d' % i, r) for i, r in enumerate(L.LINE_LAMPS)]
    rects += [('STOP lamp %d' % i, r) for i, r in enumerate(L.STOP_LAMPS)]
    rects += [('GAME OVER', L.GAME_OVER), ('lever', L.LEVER), ('bet', L.BET), ('medal slot', L.MEDAL_SLOT)]
    rects += [('stop button %d' % i, r) for i, r in enumerate(L.STOPS)]
    rects += [('panel lamp', (x, y, L.PANEL_W, L.PANEL_H))
              for x, y in L.FRAME_LAMPS + L.JAC_LAMPS + L.BET_LAMPS + L.WAIT_LAMPS + [L.START_LAMP]]
    rects += [('digit', (x, y, L.DIGIT_W, L.DIGIT_H)) for x, y in L.CREDIT_DIGITS + L.PAYOUT_DIGITS]
    clash = [(a, b) for i, (a, ra) in enumerate(rects) for b, rb in rects[i + 1:] if Overlap(ra, rb)]
    Expect('no two places the game draws overlap', not clash, clash[:3])
    inside = all(0 <= r[0] and 0 <= r[1] and r[0] + r[2] <= face.FACE_W and r[1] + r[3] <= face.FACE_H
                 for _, r in rects)
    Expect('every place lies on the face', inside)
    lines = [(min(x0, x1), min(y0, y1), abs(x1 - x0), abs(y1 - y0) + 1) for x0, y0, x1, y1 in L.PAY_LINES]
    crossed = [n for n, r in rects for ln in lines if Overlap(r, ln)]
    Expect('the pay lines cross no lamp, display or control', not crossed, crossed[:3])


def Nearest(table, colour):
    return min(range(256), key=lambda i: (sum((a - b) ** 2 for a, b in zip(table[i], colour)), i))


def CheckOwnTable(ident, png):
    """The face and the title carry colour tables of their own; the screen surface has the
    game's. A copy maps each colour to the nearest game colour, so a picture shows its true
    colours (and the looks cut from the screen match the face) only if every colour its pixels
    use is a game colour."""
    Expect('%d is converted with a colour table of its own' % ident,
           '--own-table' in L.BitmapOptions(ident))
    Expect('%d is drawn only in the 64 game colours' % ident,
           all(all(int(c[i:i + 2], 16) in LEVELS for i in (0, 2, 4)) for c in Colours(png)))
    if not os.path.exists(BMPCONV):
        Expect('%d converted by bmpconv (build it with make native, or set BMPCONV)' % ident, False)
        return
    bmp = P('%d.bmp' % ident)
    subprocess.check_call([BMPCONV] + L.BitmapOptions(ident) + [png, bmp])
    _, _, table, rows = ReadDib(bmp)
    used = set(b''.join(rows))
    game = GameTable()
    Expect('%d\'s own table keeps every game colour at its game index' % ident,
           all(table[i] == game[i] for i in list(range(32)) + list(range(224, 256))))
    off = sorted(i for i in used if table[i] != game[i])
    Expect('every pixel of %d is a game colour at its game index' % ident, not off, off[:5])
    moved = sorted(i for i in used if Nearest(game, table[i]) != i)
    Expect('the copy into the screen surface maps every pixel of %d to itself' % ident, not moved,
           moved[:5])


if __name__ == '__main__':
    os.makedirs(D, exist_ok=True)
    f502 = Bitmap(502)
    CheckPlaces()
    CheckSampledLooks(f502)
    CheckDrawnLooks(f502)
    CheckPaintedLooks(f502)
    CheckDigitsAndShade(f502)
    CheckOwnTable(502, f502)
    CheckOwnTable(501, Bitmap(501))
    sys.exit(Failures())
