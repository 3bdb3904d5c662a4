# Artist's check of the Pembrix 7 in the hall: the still view of an island side composed the
# way the game draws it, with the sign band of each machine in the look its state gives.
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import layout as L  # noqa: E402
import mock_hall as common_mock  # noqa: E402  (games/common/art/src)
import preview  # noqa: E402

D = common_mock.D
ART = os.path.join(HERE, '..')
COMMON_ART = os.path.join(L.COMMON, '..')


def Prepare():
    os.makedirs(D, exist_ok=True)
    for ident in (511, 512, 514, 516, 517, 518, 519):
        preview.Preview(os.path.join(COMMON_ART, '%d.svg' % ident), 1)
    for ident in (513, 515):
        preview.Preview(os.path.join(ART, '%d.svg' % ident), 1)


def Hall(out, cursor, machines, looks):
    """machines: floor index -> (occupied, box stacks, shelf boxes); looks: slot -> band look."""
    ops = []
    for k in range(3):
        common_mock.Slot(ops, cursor - 1 + k, k, cursor, machines)
    for k, look in looks.items():
        src = ('513', 0, L.BAND_FROM[1]) if look == 0 else ('515', 0, L.BAND_H * (look - 1))
        ops.append((common_mock.Crop(src[0], L.BAND_W, L.BAND_H, src[1], src[2]), 192 * k - 22,
                    L.D.data['hall']['parts'][0]['at'][1]))
    args = ['convert', '-size', '480x432', 'xc:black']
    for img, x, y in ops:
        args += [img, '-geometry', '%+d%+d' % (x, y), '-composite']
    subprocess.check_call(args + [out])


if __name__ == '__main__':
    Prepare()
    f = common_mock.f
    Hall(f('hall4a.png'), 2, {1: (1, 5, 2), 2: (0, 0, 0), 3: (1, 0, 3)}, {0: 2, 1: 0, 2: 2})
    Hall(f('hall4b.png'), 2, {1: (1, 5, 2), 2: (0, 0, 0), 3: (1, 0, 3)}, {0: 3, 1: 1, 2: 2})
    subprocess.check_call(['convert', f('hall4a.png'), f('hall4b.png'), '+append', f('hall4.png')])
