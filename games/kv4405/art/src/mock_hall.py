# Artist's check of the Sulvano in the hall: the still view of an island side as the game
# composes it, with the sign band in its four looks (free, flashing, played, played flashing).
# Run common/art/src/preview.py on the hall pictures and on 513 and 515 first (same ART_PREVIEW).
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', '..', 'common', 'art', 'src'))
import gamedesc  # noqa: E402
import mock_hall  # noqa: E402

GAME = gamedesc.Load(5)
PART = GAME.data['hall']['parts'][0]
BAND_W, BAND_H = GAME.LookSize(PART['strip'])


def Hall(out, cursor, machines, looks):
    """machines: floor index -> (seated, floor boxes, shelf boxes); looks: slot -> band look."""
    ops = []
    for k in range(3):
        mock_hall.Slot(ops, cursor - 1 + k, k, cursor, machines)
    for k, look in looks.items():
        if look > 0:
            band = mock_hall.Crop('515', BAND_W, BAND_H, 0, BAND_H * (look - 1))
            ops.append((band, 192 * k - 74 + PART['at'][0] + 52, PART['at'][1]))
    args = ['convert', '-size', '480x432', 'xc:black']
    for img, x, y in ops:
        args += [img, '-geometry', '%+d%+d' % (x, y), '-composite']
    subprocess.check_call(args + [out])


if __name__ == '__main__':
    f = mock_hall.f
    Hall(f('hall5a.png'), 2, {1: (1, 5, 2), 2: (0, 0, 0), 3: (1, 0, 3)}, {0: 3, 1: 0, 2: 2})
    Hall(f('hall5b.png'), 5, {4: (0, 0, 0), 5: (1, 9, 1), 6: (0, 2, 0)}, {0: 1, 1: 3, 2: 0})
    subprocess.check_call(['convert', f('hall5a.png'), f('hall5b.png'), '+append', f('hall5.png')])
    print(f('hall5.png'))
