# MERIDOLA No.2's icons: the program icon 110 (a Vexamira cabinet with three V marks; at 16
# pixels the V mark alone) and the small icon 111 for title and task bars.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import no2face  # noqa: E402  (puts the shared art kit on the path)
from artkit import *  # noqa: E402,F401,F403

PINK = '#FF80FF'
# The V mark drawn pixel by pixel at the two icon sizes ('o' its highlight, 'k' its shadow).
V8 = ['o#....o#', 'o#....##', '.o#..##.', '.o#..##.', '..o###..', '..o###..', '...##...', '...##...']
V12 = ['oo#......o##', 'o##k.....##k', '.o##k...o##k', '.o##k...##k.', '..o##k.o##k.', '..o##k.##k..',
       '...o#####k..', '...o####k...', '....o###k...', '....o##k....', '.....#k.....']


def Cabinet():
    s = Svg(48, 48)
    s.rect(6, 1, 36, 46, BLACK)
    s.rect(7, 2, 34, 44, PURPLE)
    s.rect(7, 2, 34, 1, PINK)
    s.ellipse(24, 9, 14, 5, SILVER)
    s.ellipse(24, 9, 12, 4, NAVY)
    s.rect(17, 8, 14, 2, MAGENTA)
    s.rect(9, 16, 30, 17, BLACK)
    for r in range(3):
        x = 10 + 10 * r
        s.rect(x, 17, 8, 15, WHITE)
        s.bitmap(x, 20, V8, {'#': RED, 'o': ROSE})
    s.rect(9, 36, 30, 1, SILVER)
    for r in range(3):
        s.circle(16 + 8 * r, 41, 2.5, MAGENTA, BLACK, 1)
    s.rect(42, 22, 3, 12, SILVER, BLACK, 1)
    s.poly([(43.5, 15), (47, 19), (43.5, 23), (40, 19)], MAGENTA, BLACK, 1)
    return s


def Small():
    s = Svg(16, 16)
    s.rect(0, 0, 16, 16, BLACK)
    s.rect(1, 1, 14, 14, SILVER)
    s.rect(2, 2, 12, 12, PURPLE)
    s.bitmap(2, 3, V12, {'#': RED, 'o': PINK, 'k': BLACK})
    return s


if __name__ == '__main__':
    no2face.SaveIcon(2, Cabinet(), '110.svg', 'program icon at 32 and 48 pixels: a Vexamira cabinet with three V marks')
    no2face.SaveIcon(2, Small(), '110-16.svg', 'program icon at 16 pixels: the V mark on a violet plate')
    no2face.SaveIcon(2, Small(), '111.svg', 'small icon (title bars, task bar): the V mark on a violet plate')
