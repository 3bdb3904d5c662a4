# Artist's check that a No.2-family face (Vexamira: 2, Brakolo: 7; the number is the argument)
# fits the places the game copies its looks to, pixel for pixel, and that what the game ORs,
# ANDs and fills step by step holds only what those copies allow.
import importlib.util
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import no2face  # noqa: E402
from artkit import Svg  # noqa: E402
from checkkit import Colours, Crop, Differ, Expect, Failures, Render  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')


def FaceModule(game):
    path = os.path.join(no2face.ArtDir(game), 'src', 'face.py')
    found = importlib.util.spec_from_file_location('face%d' % game, path)
    module = importlib.util.module_from_spec(found)
    sys.modules[found.name] = module
    found.loader.exec_module(module)
    return module


def Overlap(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


class Checker:
    def __init__(self, game):
        self.game = game
        self.L = no2face.Layout(game)
        self.face = FaceModule(game)
        self.art = no2face.ArtDir(game)
        self.tag = 'g%d' % game
        self.f502 = self.Png(502)

    def Path(self, name):
        return os.path.join(D, '%s-%s.png' % (self.tag, name))

    def Png(self, ident):
        return Render(os.path.join(self.art, '%d.svg' % ident), self.Path(str(ident)))

    def FaceWith(self, state, rect, name):
        x, y, w, h = rect
        s = Svg(w, h)
        s.begin('translate(%d,%d)' % (-x, -y))
        self.face.DrawFace(s, state)
        s.end()
        path = os.path.join(D, '%s-%s.svg' % (self.tag, name))
        with open(path, 'w') as f:
            f.write(s.svg())
        return Render(path, self.Path(name))

    def FaceCrop(self, rect, name):
        x, y, w, h = rect
        return Crop(self.f502, w, h, x, y, self.Path(name))

    def PlacesInside(self):
        L = self.L
        parts = [('STOP lamp %d' % r, p + L.stop_lamp_size) for r, p in enumerate(L.stop_lamps)]
        parts += [('bet-line lamp %d' % i, p + L.line_lamp_size) for i, p in enumerate(L.line_lamps)]
        parts += [('medal lamp', L.medal_lamp), ('gauge', L.gauge), ('top picture', L.top),
                  ('lever', L.lever), ('bet button', L.bet), ('medal slot', L.medal_in)]
        parts += [('display %d' % k, (x, y, 2 * L.digit_size[0], L.digit_size[1])) for k, (x, y) in
                  enumerate(L.displays)]
        parts += [('stop button %d' % r, b) for r, b in enumerate(L.stop_buttons)]
        parts += [('reel window %d' % r, w) for r, w in enumerate(L.reels)]
        x0 = min(p[0] for p in L.pay_lines)
        x1 = max(p[2] for p in L.pay_lines)
        y0 = min(min(p[1], p[3]) for p in L.pay_lines)
        y1 = max(max(p[1], p[3]) for p in L.pay_lines) + 1
        glass = ('pay lines', (x0, y0, x1 - x0, y1 - y0))
        inside = all(0 <= r[0] and 0 <= r[1] and r[0] + r[2] <= 480 and r[1] + r[3] <= 432 for _, r in parts)
        Expect('every part lies on the face', inside)
        clashes = [(a[0], b[0]) for i, a in enumerate(parts) for b in parts[i + 1:] if Overlap(a[1], b[1])]
        clashes += [(glass[0], p[0]) for p in parts if not p[0].startswith('reel') and Overlap(glass[1], p[1])]
        Expect('no two parts cover each other %s' % (clashes or ''), not clashes)

    def Controls(self):
        L = self.L
        released = [self.FaceCrop(b, 'stop%d' % r) for r, b in enumerate(L.stop_buttons)]
        Expect('the three stop buttons look alike released',
               all(Differ(released[0], p) == 0 for p in released[1:]))
        pressed = [self.FaceWith(('button%d' % r,), b, 'press%d' % r) for r, b in enumerate(L.stop_buttons)]
        p602 = self.Png(602)
        Expect('602 is the pressed look of all three buttons', all(Differ(p602, p) == 0 for p in pressed))

    def CutLooks(self):
        L = self.L
        lamps = [self.FaceWith(('stop%d' % r,), p + L.stop_lamp_size, 'lamp%d' % r)
                 for r, p in enumerate(L.stop_lamps)]
        p605 = self.Png(605)
        Expect('605 is the lit STOP lamp of all three reels', all(Differ(p605, p) == 0 for p in lamps))
        for ident, rect, state in ((601, L.lever, 'lever'), (603, L.bet, 'bet'), (606, L.medal_lamp, 'medal'),
                                   (607, L.top, 'top'), (608, L.gauge, 'gauge')):
            pic = self.Png(ident)
            Expect('%d matches the face drawn with the %s lit or pressed' % (ident, state),
                   Differ(pic, self.FaceWith((state,), rect, 'f%d' % ident)) == 0)
            Expect('%d differs from the face as printed' % ident,
                   Differ(pic, self.FaceCrop(rect, 'u%d' % ident)) > 0)

    def Gauge(self):
        L = self.L
        x, y, w, h = L.gauge
        lit = self.Png(608)
        unlit = self.FaceCrop(L.gauge, 'gauge')
        per = h // no2face.GAUGE_STEPS
        # The game shows the lit look's bottom n rows under the unlit look's others, one step
        # at a time: the row just above each step must read the same in both looks.
        seams = []
        for k in range(no2face.GAUGE_STEPS):
            row = h - per * (k + 1)
            a = Crop(lit, w, 1, 0, row, self.Path('gl%d' % k))
            b = Crop(unlit, w, 1, 0, row, self.Path('gu%d' % k))
            seams.append(Differ(a, b) == 0)
        Expect('every step of the gauge begins on a row lit and unlit share', all(seams))
        Expect('the gauge is a whole number of rows per step', h % no2face.GAUGE_STEPS == 0)

    def Digits(self):
        L = self.L
        w, h = L.digit_size
        digits = self.Png(609)
        glyphs = [Crop(digits, w, h, 0, h * g, self.Path('d%d' % g)) for g in range(no2face.GLYPHS)]
        Expect('the twenty glyphs all differ',
               all(Differ(glyphs[a], glyphs[b]) > 0 for a in range(len(glyphs)) for b in range(a)))
        printed = [self.FaceCrop((x + w * i, y, w, h), 'cell%d%d' % (k, i))
                   for k, (x, y) in enumerate(L.displays) for i in range(2)]
        Expect('the face prints every display cell as the blank glyph',
               all(Differ(glyphs[no2face.BLANK], p) == 0 for p in printed))

    def Shade(self):
        r = self.L.desc.reels
        symbols = self.Png(600)
        shade = Crop(symbols, r['w'], r['shadeRows'], 0, r['shadeY'], self.Path('shade'))
        Expect('the shade band is only black and white (it is ANDed)', Colours(shade) <= {'000000', 'FFFFFF'})
        Expect('the shade band darkens', '000000' in Colours(shade))

    def LineGlass(self):
        w, h = self.L.line_lamp_size
        glass = self.Png(604)
        for n in (1, 2, 3):
            c = Colours(Crop(glass, w, h, 0, h * (n - 1), self.Path('glass%d' % n)))
            Expect('604 picture %d has glass on the key colour' % n, '008080' in c and len(c) > 2)

    def Hall(self):
        top, w, h = self.L.band
        machine = self.Png(513)
        band = self.Png(515)
        looks = [Crop(machine, w, h, 0, top, self.Path('band0'))]
        looks += [Crop(band, w, h, 0, h * k, self.Path('band%d' % (k + 1))) for k in range(3)]
        Expect('the hall band has four different looks',
               all(Differ(looks[a], looks[b]) > 0 for a in range(4) for b in range(a)))


def Check(game):
    os.makedirs(D, exist_ok=True)
    c = Checker(game)
    c.PlacesInside()
    c.Controls()
    c.CutLooks()
    c.Gauge()
    c.Digits()
    c.Shade()
    c.LineGlass()
    c.Hall()
    return Failures()


if __name__ == '__main__':
    sys.exit(Check(int(sys.argv[1]) if len(sys.argv) > 1 else 2))
