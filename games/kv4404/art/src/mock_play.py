# Artist's check of the play screen: puts reels, shade, pay lines, lit lamps and digits on the
# rendered face the way the game composes them (ImageMagick), to judge the artwork in play.
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import layout as L  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
ART = os.path.join(HERE, '..')


def C(*a):
    subprocess.check_call([str(x) for x in a])


def F(name):
    return os.path.join(D, name)


def Render(ident):
    png = F('m%d.png' % ident)
    C('rsvg-convert', '-o', png, os.path.join(ART, '%d.svg' % ident))
    return png


def Crop(png, w, h, x, y, out):
    C('convert', png, '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', out)
    return F(out) if not os.path.isabs(out) else out


def Mock(out, stops, lit):
    """stops: the strip index in the top row of each reel; lit: what the game shows lit."""
    face = Render(502)
    symbols = Render(600)
    sprites = {i: Render(i) for i in (604, 605, 606)}
    for i, png in sprites.items():
        C('convert', png, '-transparent', '#008080', F('t%d.png' % i))
    u, w = L.SYMBOL_H, L.REELS['w']
    rows = L.REELS['shadeRows']
    shade = Crop(symbols, w, rows, 0, L.REELS['shadeY'], F('shade.png'))
    args = ['convert', face]
    for r, (x, y, ww, hh) in enumerate(L.WINDOWS):
        cells = []
        for j in range(-1, 4):
            sym = L.STRIPS[r][(stops[r] + j) % 21]
            cells.append(Crop(symbols, w, u, 0, u * sym, F('sym%d-%d.png' % (r, j))))
        C('convert', *cells, '-append', '-crop', '%dx%d+0+%d' % (ww, hh, u - L.REELS['rowsAbove']),
          '+repage', F('reel%d.png' % r))
        args += [F('reel%d.png' % r), '-geometry', '+%d+%d' % (x, y), '-composite',
                 shade, '-geometry', '+%d+%d' % (x, y), '-compose', 'Multiply', '-composite',
                 shade, '-geometry', '+%d+%d' % (x, y + hh - rows), '-composite',
                 '-compose', 'Over']
    args += ['-stroke', '#808000', '+antialias']
    for x0, y0, x1, y1 in L.PAY_LINES:
        args += ['-draw', 'line %d,%d %d,%d' % (x0, y0, x1 - 1, y1 - (1 if y1 > y0 else -1 if y1 < y0 else 0))]
    args += ['+stroke']
    for i in lit.get('lines', []):
        n = [3, 2, 1, 2, 3][i]
        x, y, lw, lh = L.LINE_LAMPS[i]
        args += [Crop(F('t604.png'), lw, lh, 0, lh * (n - 1), F('l%d.png' % i)), '-geometry',
                 '+%d+%d' % (x, y), '-composite']
    for r in lit.get('stops', []):
        args += [F('t605.png'), '-geometry', '+%d+%d' % L.STOP_LAMPS[r][:2], '-composite']
    if lit.get('gameover'):
        args += [F('t606.png'), '-geometry', '+%d+%d' % L.GAME_OVER[:2], '-composite']
    lamps = Render(607)
    for kind, places in lit.get('panel', []):
        look = Crop(lamps, L.PANEL_W, L.PANEL_H, 0, L.PANEL_H * kind, F('pl%d.png' % kind))
        for x, y in places:
            args += [look, '-geometry', '+%d+%d' % (x, y), '-composite']
    digits = Render(608)
    for (x, y), g in lit.get('digits', []):
        args += [Crop(digits, L.DIGIT_W, L.DIGIT_H, 0, L.DIGIT_H * g, F('d%d.png' % g)),
                 '-geometry', '+%d+%d' % (x, y), '-composite']
    args.append(out)
    C(*args)


if __name__ == '__main__':
    os.makedirs(D, exist_ok=True)
    # A bet of three with the wait lamps filling and a credit of 23.
    Mock(F('mock4a.png'), [20, 0, 0],
         {'lines': [0, 1, 2, 3, 4], 'panel': [(0, L.BET_LAMPS), (1, L.WAIT_LAMPS[:4])],
          'digits': [(L.CREDIT_DIGITS[0], 12), (L.CREDIT_DIGITS[1], 13),
                     (L.PAYOUT_DIGITS[0], 20), (L.PAYOUT_DIGITS[1], 20)]})
    # A bell line won in a JAC stage's first half, frame lamps flashing, 15 paid.
    Mock(F('mock4b.png'), [7, 2, 7],
         {'lines': [2], 'stops': [], 'gameover': True,
          'panel': [(0, L.FRAME_LAMPS), (1, L.JAC_LAMPS[:3]), (2, [L.START_LAMP])],
          'digits': [(L.CREDIT_DIGITS[0], 14), (L.CREDIT_DIGITS[1], 19),
                     (L.PAYOUT_DIGITS[0], 1), (L.PAYOUT_DIGITS[1], 5)]})
    C('convert', F('mock4a.png'), F('mock4b.png'), '+append', F('mock4.png'))
