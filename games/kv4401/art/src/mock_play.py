# Artist's check of the play screen: puts reels, pay lines and lit lamps on the rendered face
# the way the game composes them (ImageMagick), to judge the artwork in play.
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import face  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
STRIPS = [[0, 4, 8, 1, 2, 0, 7, 1, 3, 8, 0, 2, 1, 7, 0, 1, 3, 8, 0, 1, 7],
          [0, 5, 8, 4, 3, 5, 8, 4, 3, 5, 8, 2, 1, 5, 8, 4, 3, 5, 8, 4, 3],
          [0, 6, 4, 7, 3, 6, 4, 7, 3, 6, 2, 7, 1, 6, 4, 7, 3, 6, 4, 7, 3]]


def C(*a):
    subprocess.check_call([str(x) for x in a])


def Mock(out, pos, lit):
    f = lambda n: os.path.join(D, n)  # noqa: E731
    reels, u = face.DESC.reels, face.DESC.symbol_height
    w, rows = reels['w'], reels['shadeRows']
    for n in ('600', '604', '605', '606', '607', '608', '609'):
        C('convert', f(n + '-pal.png'), '-transparent', '#008080', f(n + '-t.png'))
    C('convert', f('600-pal.png'), '-crop', '%dx%d+0+%d' % (w, rows, reels['shadeY']), '+repage',
      '-transparent', 'white', f('shade.png'))
    args = ['convert', f('502-pal.png')]
    for r in range(3):
        p = pos[r]
        cells = []
        for j in range(-1, 4):
            sym = STRIPS[r][(p + j) % 21]
            cells.append(f('sym%d.png' % sym))
            C('convert', f('600-pal.png'), '-crop', '%dx%d+0+%d' % (w, u, u * sym), '+repage', f('sym%d.png' % sym))
        x, y, _, h = face.DESC.ReelWindow(r)
        C('convert', *cells, '-append', '-crop', '%dx%d+0+%d' % (w, h, u - reels['rowsAbove']), '+repage',
          f('reel%d.png' % r))
        args += [f('reel%d.png' % r), '-geometry', '+%d+%d' % (x, y), '-composite',
                 f('shade.png'), '-geometry', '+%d+%d' % (x, y), '-composite',
                 f('shade.png'), '-geometry', '+%d+%d' % (x, y + h - rows), '-composite']
    args += ['-stroke', '#808000', '+antialias']
    for (a, b, c, d) in face.DESC.pay_lines:
        args += ['-draw', 'line %d,%d %d,%d' % (a, b, c - 1, d)]  # the end point is left out
    lw, lh = face.LINE_W, face.LINE_H
    for i in lit.get('lines', []):
        C('convert', f('604-t.png'), '-crop', '%dx%d+0+%d' % (lw, lh, lh * (face.LINE_NUMBERS[i] - 1)), '+repage',
          f('l%d.png' % i))
        args += [f('l%d.png' % i), '-geometry', '+%d+%d' % face.LINE_LAMP[i], '-composite']
    sw, sh = face.STOP_W, face.STOP_H
    for r in lit.get('stops', []):
        C('convert', f('605-pal.png'), '-crop', '%dx%d+0+%d' % (sw, sh, sh * face.STOP_PICTURES[r]), '+repage',
          f('s%d.png' % r))
        args += [f('s%d.png' % r), '-geometry', '+%d+%d' % face.STOP_LAMP[r], '-composite']
    for k in lit.get('bonus', []):
        args += [f('607-t.png'), '-geometry', '+%d+%d' % face.BONUS_LAMP[k], '-composite']
    if lit.get('big'):
        args += [f('608-pal.png'), '-geometry', '+%d+%d' % face.BIG_LAMP, '-composite']
    if lit.get('medal'):
        args += [f('606-pal.png'), '-geometry', '+%d+%d' % face.MEDAL_LAMP, '-composite']
    # the glyphs of the displays' cells: payout, then credit, each left to right
    dw, dh = face.DIGIT_W, face.DIGIT_H
    for (x, y), g in zip(face.PAY_DIGITS + face.CREDIT_DIGITS, lit.get('digits', [])):
        C('convert', f('609-pal.png'), '-crop', '%dx%d+0+%d' % (dw, dh, dh * g), '+repage', f('d%d.png' % g))
        args += [f('d%d.png' % g), '-geometry', '+%d+%d' % (x, y), '-composite']
    args.append(out)
    C(*args)


if __name__ == '__main__':
    Mock(os.path.join(D, 'mock1.png'), [20, 3, 10],
         {'lines': [0, 1, 2, 3, 4], 'stops': [0, 2], 'digits': [0, 8, 1, 5]})
    Mock(os.path.join(D, 'mock2.png'), [4, 11, 11],
         {'lines': [2], 'big': True, 'bonus': [2], 'medal': True, 'digits': [1, 5, 5, 0]})
    C('convert', os.path.join(D, 'mock1.png'), os.path.join(D, 'mock2.png'), '+append', os.path.join(D, 'mock.png'))
