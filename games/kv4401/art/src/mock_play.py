# Artist's check of the play screen: puts reels, pay lines and lit lamps on the rendered face
# the way the game composes them (ImageMagick), to judge the artwork in play.
import os
import subprocess
import sys

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
STRIPS = [[0, 4, 8, 1, 2, 0, 7, 1, 3, 8, 0, 2, 1, 7, 0, 1, 3, 8, 0, 1, 7],
          [0, 5, 8, 4, 3, 5, 8, 4, 3, 5, 8, 2, 1, 5, 8, 4, 3, 5, 8, 4, 3],
          [0, 6, 4, 7, 3, 6, 4, 7, 3, 6, 2, 7, 1, 6, 4, 7, 3, 6, 4, 7, 3]]


def C(*a):
    subprocess.check_call([str(x) for x in a])


def Mock(out, pos, lit):
    f = lambda n: os.path.join(D, n)  # noqa: E731
    for n in ('600', '604', '605', '606', '607', '608', '609'):
        C('convert', f(n + '-pal.png'), '-transparent', '#008080', f(n + '-t.png'))
    C('convert', f('600-pal.png'), '-crop', '60x8+0+324', '+repage', '-transparent', 'white', f('shade.png'))
    args = ['convert', f('502-pal.png')]
    for r in range(3):
        p = pos[r]
        cells = []
        for j in range(-1, 4):
            sym = STRIPS[r][(p + j) % 21]
            cells.append(f('sym%d.png' % sym))
            C('convert', f('600-pal.png'), '-crop', '60x36+0+%d' % (36 * sym), '+repage', f('sym%d.png' % sym))
        C('convert', *cells, '-append', '-crop', '60x128+0+26', '+repage', f('reel%d.png' % r))
        x = 103 + 96 * r
        args += [f('reel%d.png' % r), '-geometry', '+%d+141' % x, '-composite',
                 f('shade.png'), '-geometry', '+%d+141' % x, '-composite',
                 f('shade.png'), '-geometry', '+%d+261' % x, '-composite']
    args += ['-stroke', '#808000', '+antialias']
    for (a, b, c, d) in [(103, 162, 354, 246), (103, 163, 354, 247), (103, 171, 354, 171), (103, 172, 354, 172),
                         (103, 204, 354, 204), (103, 205, 354, 205), (103, 237, 354, 237), (103, 238, 354, 238),
                         (103, 246, 354, 162), (103, 247, 354, 163)]:
        args += ['-draw', 'line %d,%d %d,%d' % (a, b, c, d)]
    nums = [3, 2, 1, 2, 3]
    for i in lit.get('lines', []):
        C('convert', f('604-t.png'), '-crop', '64x30+0+%d' % (30 * (nums[i] - 1)), '+repage', f('l%d.png' % i))
        args += [f('l%d.png' % i), '-geometry', '+19+%d' % (124 + 33 * i), '-composite']
    for r in lit.get('stops', []):
        C('convert', f('605-pal.png'), '-crop', '62x50+0+%d' % (50 if r == 2 else 0), '+repage', f('s%d.png' % r))
        args += [f('s%d.png' % r), '-geometry', '+%d+277' % (102 + 96 * r), '-composite']
    for k in lit.get('bonus', []):
        args += [f('607-t.png'), '-geometry', '+379+%d' % (185 + 34 * k), '-composite']
    if lit.get('big'):
        args += [f('608-pal.png'), '-geometry', '+395+127', '-composite']
    if lit.get('medal'):
        args += [f('606-pal.png'), '-geometry', '+379+289', '-composite']
    for (x, g) in lit.get('digits', []):
        C('convert', f('609-pal.png'), '-crop', '16x24+0+%d' % (24 * g), '+repage', f('d%d.png' % g))
        args += [f('d%d.png' % g), '-geometry', '+%d+294' % x, '-composite']
    args.append(out)
    C(*args)


if __name__ == '__main__':
    Mock(os.path.join(D, 'mock1.png'), [20, 3, 10],
         {'lines': [0, 1, 2, 3, 4], 'stops': [0, 2], 'digits': [(19, 0), (35, 8), (429, 1), (445, 5)]})
    Mock(os.path.join(D, 'mock2.png'), [4, 11, 11],
         {'lines': [2], 'big': True, 'bonus': [2], 'medal': True,
          'digits': [(19, 1), (35, 5), (429, 5), (445, 0)]})
    C('convert', os.path.join(D, 'mock1.png'), os.path.join(D, 'mock2.png'), '+append', os.path.join(D, 'mock.png'))
