# Artist's check of the play screen: puts reels, pay lines, lit dots, the lit top picture and
# digits on the rendered face the way the game composes them (ImageMagick), to judge the art.
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import face  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
ART = os.path.join(HERE, '..')
MACHINE = os.path.join(HERE, '..', '..', '..', '..', 'machine', 'families', 'no5', 'no5_machines.cpp')
U = face.GAME.symbol_height


def Strips():
    """The Sulvano's reel strips, read from the machine model."""
    text = open(MACHINE).read()
    block = text[text.index('.strips'):]
    return [[int(v) for v in row.split(',')] for row in re.findall(r'\{([\d, ]+)\}', block)[:3]]


def f(name):
    return os.path.join(D, name)


def C(*args):
    subprocess.check_call([str(a) for a in args])


def Render():
    for ident in ('502', '600', '604', '605', '606'):
        C('rsvg-convert', '-o', f('mp-%s.png' % ident), os.path.join(ART, ident + '.svg'))


def Mock(out, tops, lit):
    """tops: strip index in each reel's top row; lit: {'dots': [(x, y, colour 1-3)], 'top': bool,
    'digits': [(x, y, glyph)]}."""
    strips = Strips()
    w, h = face.REEL_W, face.REEL_H
    above = face.GAME.reels['rowsAbove']
    shade_rows = face.GAME.reels['shadeRows']
    C('convert', f('mp-600.png'), '-crop', '%dx%d+0+%d' % (w, shade_rows, face.GAME.reels['shadeY']), '+repage',
      f('mp-shade.png'))
    args = ['convert', f('mp-502.png')]
    if lit.get('top'):
        args += [f('mp-605.png'), '-geometry', '+0+0', '-composite']
    for r in range(3):
        cells = []
        for j in range(-1, 4):
            code = strips[r][(tops[r] + j) % 21]
            cell = f('mp-sym%d.png' % code)
            C('convert', f('mp-600.png'), '-crop', '%dx%d+0+%d' % (w, U, U * code), '+repage', cell)
            cells.append(cell)
        C('convert', *cells, '-append', '-crop', '%dx%d+0+%d' % (w, h, U - above), '+repage', f('mp-reel%d.png' % r))
        x = face.REEL_X + face.REEL_STEP * r
        args += [f('mp-reel%d.png' % r), '-geometry', '+%d+%d' % (x, face.REEL_Y), '-composite',
                 f('mp-shade.png'), '-geometry', '+%d+%d' % (x, face.REEL_Y), '-compose', 'multiply', '-composite',
                 f('mp-shade.png'), '-geometry', '+%d+%d' % (x, face.REEL_Y + h - shade_rows), '-composite',
                 '-compose', 'over']
    args += ['-stroke', '#808000', '+antialias']
    for x0, y0, x1, y1 in face.GAME.pay_lines:
        args += ['-draw', 'line %d,%d %d,%d' % (x0, y0, x1 - (1 if x1 > x0 else 0), y1 - (1 if y1 > y0 else -1 if
                                                                                         y1 < y0 else 0))]
    n = face.DOT
    for x, y, colour in lit.get('dots', []):
        C('convert', f('mp-604.png'), '-crop', '%dx%d+0+%d' % (n, n, n * (colour - 1)), '+repage',
          f('mp-dot%d.png' % colour))
        args += [f('mp-dot%d.png' % colour), '-geometry', '+%d+%d' % (x, y), '-composite']
    for x, y, g in lit.get('digits', []):
        C('convert', f('mp-606.png'), '-crop', '%dx%d+0+%d' % (face.DIGIT_W, face.DIGIT_H, face.DIGIT_H * g),
          '+repage', f('mp-d%d.png' % g))
        args += [f('mp-d%d.png' % g), '-geometry', '+%d+%d' % (x, y), '-composite']
    C(*(args + [out]))


def Digits(at, value, blank_zero=False):
    x, y = at
    if blank_zero and value == 0:
        return [(x, y, 10), (x + face.DIGIT_W, y, 10)]
    return [(x, y, value // 10), (x + face.DIGIT_W, y, value % 10)]


if __name__ == '__main__':
    os.makedirs(D, exist_ok=True)
    Render()
    red, yellow, green = 1, 2, 3
    lines = [(x, y, [green, yellow, red, yellow, green][i]) for i, (x, y) in enumerate(face.LINE_DOTS)]
    # a game under way: three medals bet, reel 1 stopped
    Mock(f('mock1.png'), [18, 4, 9],
         {'dots': lines + [(x, y, red) for x, y in face.STOP_DOTS[1:]],
          'digits': Digits(face.CREDIT_AT, 37) + Digits(face.PAYOUT_AT, 0, True)})
    # a JAC stage of a big bonus, sequence 1 after five games, the middle line won
    pattern = [1, 1, 0, 1, 0, 1, 0, 1, 1, 0, 0, 0]
    bonus = [(x, y, red) for j, (x, y) in enumerate(face.GAME_DOTS) if j >= 5 or pattern[j]]
    Mock(f('mock2.png'), [2, 1, 2],
         {'top': True, 'dots': [lines[2]] + [(x, y, yellow) for x, y in face.STAGE_DOTS[:2]] + bonus +
          [(face.MEDAL_DOT[0], face.MEDAL_DOT[1], green)],
          'digits': Digits(face.CREDIT_AT, 50) + Digits(face.PAYOUT_AT, 15)})
    C('convert', f('mock1.png'), f('mock2.png'), '+append', f('mock.png'))
    print(f('mock.png'))
