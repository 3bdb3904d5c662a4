# Artist's mock of a No.2-family play screen (game 2 or 7, the argument): puts reels, pay lines,
# lit lamps, displays and the gauge on the rendered face the way the game copies them, in an
# idle, a winning and a bonus state side by side, to judge the artwork in play.
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import no2face  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')


def C(*a):
    subprocess.check_call([str(x) for x in a])


class Mock:
    def __init__(self, game):
        self.L = no2face.Layout(game)
        self.tag = 'm%d' % game
        art = no2face.ArtDir(game)
        for ident in (502, 600, 604, 605, 606, 607, 608, 609):
            C('rsvg-convert', '-o', self.F(ident), os.path.join(art, '%d.svg' % ident))
        C('convert', self.F(604), '-transparent', '#008080', self.F('604t'))

    def F(self, name):
        return os.path.join(D, '%s-%s.png' % (self.tag, name))

    def Piece(self, src, x, y, w, h, name):
        C('convert', self.F(src), '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', self.F(name))
        return self.F(name)

    def Screen(self, out, rows, lit):
        """rows: the three symbols each reel shows top to bottom; lit: which parts to light."""
        L = self.L
        r = L.desc.reels
        u = L.desc.symbol_height
        args = ['convert', self.F(502)]
        shade = self.Piece(600, 0, r['shadeY'], r['w'], r['shadeRows'], 'shade')
        for k, (x, y, w, h) in enumerate(L.reels):
            cells = [self.Piece(600, 0, u * sym, w, u, 's%d' % sym) for sym in [rows[k][0]] + rows[k] + [rows[k][2]]]
            C('convert', *cells, '-append', '-crop', '%dx%d+0+%d' % (w, h, u - r['rowsAbove']), '+repage',
              self.F('reel%d' % k))
            args += [self.F('reel%d' % k), '-geometry', '+%d+%d' % (x, y), '-composite',
                     shade, '-geometry', '+%d+%d' % (x, y), '-compose', 'multiply', '-composite',
                     shade, '-geometry', '+%d+%d' % (x, y + h - r['shadeRows']), '-composite',
                     '-compose', 'over']
        args += ['-stroke', '#808000', '+antialias']
        for (a, b, c, d) in L.pay_lines:
            args += ['-draw', 'line %d,%d %d,%d' % (a, b, c - (1 if c > a else 0), d)]
        args += ['-stroke', 'none']
        lw, lh = L.line_lamp_size
        for i in lit.get('lines', []):
            n = L.line_numbers[i]
            glass = self.Piece('604t', 0, lh * (n - 1), lw, lh, 'glass%d' % n)
            args += [glass, '-geometry', '+%d+%d' % L.line_lamps[i], '-composite']
        for k in lit.get('stops', []):
            args += [self.F(605), '-geometry', '+%d+%d' % L.stop_lamps[k], '-composite']
        if lit.get('medal'):
            args += [self.F(606), '-geometry', '+%d+%d' % L.medal_lamp[:2], '-composite']
        if lit.get('top'):
            args += [self.F(607), '-geometry', '+0+0', '-composite']
        dw, dh = L.digit_size
        for k, glyphs in enumerate(lit.get('displays', [])):
            x, y = L.displays[k]
            for i, g in enumerate(glyphs):
                args += [self.Piece(609, 0, dh * g, dw, dh, 'g%d' % g), '-geometry', '+%d+%d' % (x + dw * i, y),
                         '-composite']
        gx, gy, gw, gh = L.gauge
        rows_lit = lit.get('gauge', 0)
        if rows_lit:
            args += [self.Piece(608, 0, gh - rows_lit, gw, rows_lit, 'gauge%d' % rows_lit), '-geometry',
                     '+%d+%d' % (gx, gy + gh - rows_lit), '-composite']
        args.append(out)
        C(*args)
        return out


def Run(game):
    os.makedirs(D, exist_ok=True)
    m = Mock(game)
    # idle with credit; a bell line won on the middle with the lamps flashing; a big bonus
    a = m.Screen(m.F('idle'), [[6, 0, 4], [2, 8, 1], [5, 7, 3]],
                 {'medal': True, 'lines': [0, 1, 2, 3, 4], 'displays': [[11, 11], [10, 8], [10, 0]], 'gauge': 116})
    b = m.Screen(m.F('win'), [[4, 3, 0], [1, 3, 8], [7, 3, 6]],
                 {'lines': [2], 'stops': [], 'displays': [[11, 11], [2, 3], [10, 8]], 'gauge': 56})
    c = m.Screen(m.F('bonus'), [[0, 5, 1], [3, 0, 2], [6, 0, 4]],
                 {'top': True, 'lines': [2], 'stops': [0, 2], 'displays': [[2, 4], [4, 5], [14, 14]], 'gauge': 20})
    out = os.path.join(D, 'mock%d.png' % game)
    C('convert', a, b, c, '+append', out)
    print(out)


if __name__ == '__main__':
    Run(int(sys.argv[1]) if len(sys.argv) > 1 else 2)
