# Artist's check of the hall view: composes the still view of an island side the way the
# game draws it (wall and floor tiles, island ends, pieces, machines, stools, medal boxes).
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gamedesc  # noqa: E402

D = os.environ.get('ART_PREVIEW', '/tmp/artprev')
# The hall machine and its lamps as game No.1's description states them.
DESC = gamedesc.Load(1)
MACHINE_W, MACHINE_H, _ = DESC.Bitmap(513)


def f(n):
    return os.path.join(D, n)


def Crop(src, w, h, x, y, transparent=False):
    name = f('hc-%s-%d-%d-%d-%d.png' % (src, w, h, x, y))
    args = ['convert', f(src + '-pal.png'), '-crop', '%dx%d+%d+%d' % (w, h, x, y), '+repage']
    if transparent:
        args += ['-transparent', '#008080']
    subprocess.check_call(args + [name])
    return name


def Slot(ops, m, k, h, machines):
    x = 192 * k - 74
    for tx in range(x, x + 192, 32):
        ops.append((Crop('512', 32, 32, 0, 0), tx, 0))
        for ty in range(32, 416, 32):
            ops.append((Crop('512', 32, 32, 0, 32), tx, ty))
        ops.append((Crop('512', 32, 32, 0, 64), tx, 416))
    last = 8 if h <= 7 else 16
    if m == last:
        ops.append((Crop('511', 170, 432, 0, 432), x, 0))
    side = 0 if h <= 7 else 8
    if m < side or m >= side + 8:
        return
    if m % 8 == 0:
        ops.append((Crop('511', 170, 432, 0, 0), x - 118, 0))
    else:
        ops.append((Crop('514', 52, 272, 0, 272 * (m % 2)), x, 32))
    ops.append((Crop('513', MACHINE_W, MACHINE_H, 0, 0), x + 52, 32))
    occ, stacks, boxes = machines.get(m, (0, 0, 0))
    if occ:
        ops.append((Crop('517', 88, 328, 0, 0, True), x + 52 + MACHINE_W // 2 - 44, 416 - 328))
    else:
        ops.append((Crop('516', 88, 170, 0, 0, True), x + 52 + MACHINE_W // 2 - 44, 416 - 170))
    for i in range(stacks):
        d = [10, -30, 90, -10, 30, 70][min(i // 4, 5)]
        ops.append((Crop('518', 40, 28, 0, 0, True), x + 52 + d, 416 - 28 * (i % 4 + 1)))
    if boxes:
        ops.append((Crop('519', 72, 28, 0, 28 * boxes, True), x + 52 + 34, 4))


def Hall(out, h, machines, lamps=()):
    ops = []
    for k in range(3):
        Slot(ops, h - 1 + k, k, h, machines)
    for k in lamps:
        for part in DESC.data['hall']['parts']:
            sx, sy, lamp_w, lamp_h = DESC.Cut(part['strip'], 515)
            # at the machine's left edge (right of the island piece) + dx, at y dy
            ops.append((Crop('515', lamp_w, lamp_h, sx, sy), 192 * k - 74 + 52 + part['at'][0], part['at'][1]))
    args = ['convert', '-size', '480x432', 'xc:black']
    for img, x, y in ops:
        args += [img, '-geometry', '%+d%+d' % (x, y), '-composite']
    subprocess.check_call(args + [out])


if __name__ == '__main__':
    Hall(f('hall1.png'), 2, {1: (1, 5, 2), 2: (0, 0, 0), 3: (1, 0, 3)}, lamps=(0,))
    Hall(f('hall2.png'), 0, {0: (1, 1, 1), 1: (0, 9, 0)})
    Hall(f('hall3.png'), 7, {6: (1, 2, 0), 7: (1, 22, 3)})
    subprocess.check_call(['convert', f('hall1.png'), f('hall2.png'), f('hall3.png'), '+append', f('hall.png')])
