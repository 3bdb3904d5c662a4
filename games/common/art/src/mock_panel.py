# Artist's check of the info panel: composes the panel of the title screen and of the play
# screen from the rendered bitmaps the way the game does (ImageMagick), to judge them together.
import os
import subprocess

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')


def f(n):
    return os.path.join(D, n)


def Piece(src, w, h, x, y):
    name = f('pc-%s-%d-%d-%d-%d.png' % (src, w, h, x, y))
    subprocess.check_call(['convert', f(src + '-pal.png'), '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage', name])
    return name


def Compose(out, pieces):
    args = ['convert', f('500-pal.png')]
    for (src, w, h, sx, sy, dx, dy) in pieces:
        args += [Piece(src, w, h, sx, sy), '-geometry', '+%d+%d' % (dx, dy), '-composite']
    args.append(out)
    subprocess.check_call(args)


def Clock(day, hh, mm):
    p = [('505', 32, 24, 0, 24 * day, 5, 4)]
    for x, g in ((47, hh // 10 if hh >= 10 else 10), (63, hh % 10), (91, mm // 10), (107, mm % 10)):
        p.append(('503', 16, 24, 0, 24 * g, x, 4))
    return p


def Board(seated):
    occ = [1, 0, 2, 1, 1, 0, 3, 1, 0, 1, 4, 0, 1, 5, 1, 0]
    p = []
    for i in range(16):
        x, y = ((5, 149 - 16 * i) if i < 8 else (93, 37 + 16 * (i - 8)))
        p.append(('507' if i != 5 else '500', 30, 16, 0 if i != 5 else x, 16 * i if i != 5 else y, x, y))
        lx, ly = ((38, 151 - 16 * i) if i < 8 else (78, 16 * i - 89))
        col = 38 if i < 8 else 78
        p.append(('500', 12, 12, col, 39 + 16 * occ[i], lx, ly))
    return p


def Tabs(current, registered):
    p = []
    for k in range(4):
        look = (52 if k in registered else 0) + (26 if k == current else 0)
        p.append(('508', 32, 26, 32 * k, look, 32 * k, 170))
    return p


def Digits(x0, y, text):
    """Figures 10 pixels apart; six-figure texts get the thousands mark after the third."""
    p = []
    chars = list(text)
    for i, ch in enumerate(chars):
        if i == 3 and len(chars) == 6:
            p.append(('504', 10, 16, 0, 16 * (11 if chars[2] != ' ' else 10), x0 + 30, y))
        g = 10 if ch == ' ' else int(ch)
        x = x0 + 10 * i + (4 if i >= 3 and len(chars) == 6 else 0)
        p.append(('504', 10, 16, 0, 16 * g, x, y))
    return p


def Counter(machine_plate, days, counts, games, medals):
    p = [('508', 128, 94, 0, 104, 0, 196), ('507', 30, 16, 0, 16 * machine_plate, 7, 202)]
    for j, x in enumerate((43, 71, 99)):
        p.append(('506', 24, 16, 0, 16 * days[j], x, 202))
        p += Digits(x + 2, 224, '%2d' % counts[j])
    p += Digits(57, 246, '%6d' % games)
    p += Digits(57, 268, '%6d' % medals)
    return p


if __name__ == '__main__':
    title = Clock(3, 9, 41) + Board(None) + Tabs(0, [0, 1]) + [
        ('509', 120, 50, 0, 364, 4, 294), ('509', 120, 26, 0, 0, 4, 346), ('509', 120, 26, 0, 52, 4, 374),
        ('509', 120, 26, 0, 104 + 26, 4, 402)]
    Compose(f('panel-title.png'), title)
    play = Clock(6, 21, 5) + Board(3) + Tabs(1, [0, 1, 2]) + Counter(5, [4, 5, 6], [2, 0, 11], 345, 12345) + [
        ('508', 128, 24, 0, 198, 0, 290), ('509', 120, 26, 0, 208, 4, 318), ('509', 120, 26, 0, 260, 4, 346),
        ('509', 120, 26, 0, 52, 4, 374), ('509', 120, 26, 0, 104, 4, 402)]
    Compose(f('panel-play.png'), play)
    opts = Clock(0, 10, 0) + Board(3) + Tabs(1, [1]) + Counter(12, [5, 6, 0], [0, 1, 0], 1, 50) + [
        ('508', 128, 24, 0, 222, 0, 290), ('510', 120, 26, 0, 26, 4, 318), ('510', 120, 82, 0, 52, 4, 346)]
    Compose(f('panel-opts.png'), opts)
    hall = Clock(1, 14, 30) + Board(3) + Tabs(2, [2]) + Counter(9, [6, 0, 1], [3, 2, 1], 1234, 0) + [
        ('509', 60, 50, 0, 464, 4, 294), ('509', 60, 50, 60, 514, 64, 294), ('509', 120, 26, 0, 156, 4, 346),
        ('509', 120, 26, 0, 52, 4, 374), ('509', 120, 26, 0, 104, 4, 402)]
    Compose(f('panel-hall.png'), hall)
    subprocess.check_call(['convert', f('panel-title.png'), f('panel-play.png'), f('panel-opts.png'),
                           f('panel-hall.png'), '-background', '#ff00ff', '-splice', '6x0', '+append',
                           f('panel.png')])
