# Artist's check that the Sulvano pictures fit the places the game copies them to: every dot
# place prints the one dot look, the lit looks and pressed controls match the face around them,
# the top picture's two looks differ only inside it, and the face keeps its colours on screen.
#   python3 check_face.py [path of the built 502.bmp]
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import face  # noqa: E402
import hallmachine  # noqa: E402
from artkit import LEVELS, Svg  # noqa: E402
from checkkit import Expect, Failures, GameTable, ReadDib  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
ART = os.path.join(HERE, '..')
ROOT = os.path.normpath(os.path.join(HERE, '..', '..', '..', '..'))


class Picture:
    """Rendered pixels as RGB triples, read through ImageMagick."""

    def __init__(self, png):
        size = subprocess.check_output(['identify', '-format', '%w %h', png]).decode().split()
        self.w, self.h = int(size[0]), int(size[1])
        raw = subprocess.check_output(['convert', png, '-alpha', 'off', '-depth', '8', 'rgb:-'])
        self.rgb = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

    def At(self, x, y):
        return self.rgb[y * self.w + x]

    def Crop(self, x, y, w, h):
        return [self.At(x + i, y + j) for j in range(h) for i in range(w)]


def Render(svg, name):
    png = os.path.join(D, 'ck-%s.png' % name)
    subprocess.check_call(['rsvg-convert', '-o', png, svg])
    return Picture(png)


def RenderSvg(s, name):
    path = os.path.join(D, 'ck-%s.svg' % name)
    with open(path, 'w') as f:
        f.write(s.svg())
    return Render(path, name)


def GameColour(c):
    return all(v in LEVELS for v in c)


def FaceIn(state, x, y, w, h, name):
    """The face drawn in a state, cut at (x, y)."""
    return RenderSvg(face.Crop(w, h, x, y, state), name).Crop(0, 0, w, h)


# --- how the game shows a picture with a colour table of its own -----------------------------
def ShownThroughGameTable(colour, table):
    """The colour a copy into a game-table surface gives: each channel cut to its top five bits
    plus 4, then the nearest entry by squared distance, the first on a tie (as GDI does)."""
    probe = [(v & ~7) + 4 for v in colour]
    best = min(range(256), key=lambda i: (sum((probe[k] - table[i][k]) ** 2 for k in range(3)), i))
    return table[best]


def CheckOwnTable(bmp, drawn):
    w, h, table, rows = ReadDib(bmp)
    game = GameTable()
    shown = {}
    wrong = 0
    for y in range(h):
        for x in range(w):
            i = rows[y][x]
            if i not in shown:
                shown[i] = ShownThroughGameTable(table[i], game)
            wrong += shown[i] != drawn.At(x, y)
    Expect('the face keeps every colour drawn when copied onto the screen', wrong == 0)


def Converted(png, name):
    tool = os.environ.get('BMPCONV') or os.path.join(ROOT, 'build', 'native', 'tools', 'bmpconv', 'bmpconv')
    if not os.path.exists(tool):
        return None
    out = os.path.join(D, 'ck-%s.bmp' % name)
    subprocess.check_call([tool, '--own-table', png, out])
    return out


if __name__ == '__main__':
    os.makedirs(D, exist_ok=True)
    f502 = Render(os.path.join(ART, '502.svg'), '502')
    Expect('the face is drawn in the game colours only', all(GameColour(c) for c in f502.rgb))
    bmp = sys.argv[1] if len(sys.argv) > 1 else Converted(os.path.join(D, 'ck-502.png'), '502')
    if bmp:
        CheckOwnTable(bmp, f502)
    else:
        print('%-68s %s' % ('the face through its own table (no bmpconv built)', 'skipped'))

    # dots: one unlit look sampled at the first STOP dot serves every place
    n = face.DOT
    unlit = f502.Crop(face.STOP_DOTS[0][0], face.STOP_DOTS[0][1], n, n)
    same = [f502.Crop(x, y, n, n) == unlit for x, y in face.DOT_PLACES]
    Expect('all %d dot places print the same dot' % len(same), all(same))
    lit = Render(os.path.join(ART, '604.svg'), '604')
    corners = [(0, 0), (n - 1, 0), (0, n - 1), (n - 1, n - 1)]
    for k in range(3):
        look = lit.Crop(0, n * k, n, n)
        Expect('lit dot %d keeps the printed corners and lights the lens' % (k + 1),
               all(look[y * n + x] == unlit[y * n + x] for x, y in corners) and look != unlit)

    # controls: the pressed looks are the face drawn pressed
    x, y, w, h = face.STOP_BTNS[0]
    released = [f502.Crop(bx, by, bw, bh) for bx, by, bw, bh in face.STOP_BTNS]
    Expect('the three stop buttons look alike released', released[1:] == released[:1] * 2)
    pressed = [FaceIn(('button',), bx, by, bw, bh, 'press%d' % r)
               for r, (bx, by, bw, bh) in enumerate(face.STOP_BTNS)]
    p602 = Render(os.path.join(ART, '602.svg'), '602').Crop(0, 0, w, h)
    Expect('602 is the pressed look of all three buttons', all(p == p602 for p in pressed))
    for ident, (cx, cy, cw, ch), state in (('601', face.LEVER, 'lever'), ('603', face.BET_BTN, 'bet')):
        pic = Render(os.path.join(ART, ident + '.svg'), ident).Crop(0, 0, cw, ch)
        Expect('%s is the face drawn with the %s pressed' % (ident, state),
               pic == FaceIn((state,), cx, cy, cw, ch, 'f' + ident) and pic != f502.Crop(cx, cy, cw, ch))

    # the top picture: 605 lit, the face unlit, and nothing of it below its own rows
    top = Render(os.path.join(ART, '605.svg'), '605')
    Expect('605 is the top picture lit', top.Crop(0, 0, face.TOP_W, face.TOP_H) ==
           FaceIn(('top',), 0, 0, face.TOP_W, face.TOP_H, 'ftop'))
    Expect('605 differs from the face unlit', top.rgb != f502.Crop(0, 0, face.TOP_W, face.TOP_H))
    Expect('the top picture ends above the bonus dots',
           face.TOP_H <= min(y for x, y in face.GAME_DOTS + face.STAGE_DOTS))

    # displays: the printed cells are the blank glyph
    digits = Render(os.path.join(ART, '606.svg'), '606')
    blank = digits.Crop(0, 10 * face.DIGIT_H, face.DIGIT_W, face.DIGIT_H)
    cells = [(x + face.DIGIT_W * i, y) for x, y in (face.CREDIT_AT, face.PAYOUT_AT) for i in range(2)]
    Expect('the displays print the blank glyph',
           all(f502.Crop(x, y, face.DIGIT_W, face.DIGIT_H) == blank for x, y in cells))
    glyphs = [digits.Crop(0, face.DIGIT_H * g, face.DIGIT_W, face.DIGIT_H) for g in range(11)]
    Expect('every glyph of 606 differs from the others', len({tuple(g) for g in glyphs}) == 11)

    # reels: the shade band darkens by AND, so it holds only black and white
    symbols = Render(os.path.join(ART, '600.svg'), '600')
    shade = symbols.Crop(0, face.GAME.reels['shadeY'], face.REEL_W, face.GAME.reels['shadeRows'])
    Expect('shade band is only black and white', set(shade) == {(0, 0, 0), (255, 255, 255)})

    # the hall machine: 513 shows look 0 of the band; 515 holds looks 1 to 3
    m513 = Render(os.path.join(ART, '513.svg'), '513')
    m515 = Render(os.path.join(ART, '515.svg'), '515')
    bx, by, bw, bh = hallmachine.BAND
    looks = [m513.Crop(bx, by, bw, bh)] + [m515.Crop(0, bh * k, bw, bh) for k in range(3)]
    Expect('the four band looks differ from one another', len({tuple(lk) for lk in looks}) == 4)
    for k in range(1, 4):
        s = Svg(bw, bh)
        s.begin('translate(%d,%d)' % (-bx, -by))
        hallmachine.Machine(s, seated=k >= 2, flash=k % 2 == 1)
        s.end()
        Expect('515 look %d is the hall machine drawn that way' % k,
               looks[k] == RenderSvg(s, 'band%d' % k).Crop(0, 0, bw, bh))
    for ident, pic in (('513', m513), ('515', m515), ('605', top), ('604', lit), ('606', digits)):
        Expect('%s is drawn in the game colours only' % ident, all(GameColour(c) for c in pic.rgb))
    sys.exit(Failures())
