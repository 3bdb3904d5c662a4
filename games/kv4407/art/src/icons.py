# MERIDOLA No.7's icons: the program icon 110 (a horned Brakolo cabinet with three red sevens;
# at 16 pixels a red seven on a gold-rimmed green plate) and the small icon 111.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, '..', '..', '..', 'kv4402', 'art', 'src'))
import no2face  # noqa: E402  (the family's art kit, after this game's own scripts; it adds the shared kit)
from artkit import *  # noqa: E402,F401,F403

# The red seven drawn pixel by pixel at the two icon sizes ('o' its highlight, 'k' its shadow).
SEVEN8 = ['oooooooo', '######k#', '.....##k', '....##k.', '...##k..', '...##...', '..##k...', '..##....']
SEVEN12 = ['oooooooooooo', '###########k', '##########kk', '.......###k.', '......###k..', '.....###k...',
           '....###k....', '....###.....', '...###k.....', '...###......', '...###......']


def Cabinet():
    s = Svg(48, 48)
    s.poly([(6, 9), (3, 1), (12, 7)], PALEYEL, BLACK, 1)
    s.poly([(42, 9), (45, 1), (36, 7)], PALEYEL, BLACK, 1)
    s.rect(6, 5, 36, 42, BLACK)
    s.rect(7, 6, 34, 40, DKGREEN)
    s.rect(9, 7, 30, 8, GOLD)
    s.rect(10, 8, 28, 6, RED)
    s.rect(12, 10, 24, 2, YELLOW)
    s.rect(9, 17, 30, 16, BLACK)
    for r in range(3):
        x = 10 + 10 * r
        s.rect(x, 18, 8, 14, CREAM)
        s.bitmap(x, 21, SEVEN8, {'#': RED, 'o': YELLOW, 'k': DKRED})
    s.rect(7, 35, 34, 1, GOLD)
    for r in range(3):
        s.rect(13 + 8 * r, 39, 5, 5, GOLD)
        s.rect(14 + 8 * r, 40, 3, 3, RED)
    s.rect(42, 22, 3, 12, SILVER, BLACK, 1)
    s.circle(43.5, 19, 3.5, RED, BLACK, 1)
    return s


def Small():
    s = Svg(16, 16)
    s.rect(0, 0, 16, 16, BLACK)
    s.rect(1, 1, 14, 14, GOLD)
    s.rect(2, 2, 12, 12, DKGREEN)
    s.bitmap(2, 3, SEVEN12, {'#': RED, 'o': YELLOW, 'k': DKRED})
    return s


if __name__ == '__main__':
    no2face.SaveIcon(7, Cabinet(), '110.svg', 'program icon at 32 and 48 pixels: a horned Brakolo cabinet with three red sevens')
    no2face.SaveIcon(7, Small(), '110-16.svg', 'program icon at 16 pixels: a red seven on a gold-rimmed green plate')
    no2face.SaveIcon(7, Small(), '111.svg', 'small icon (title bars, task bar): a red seven on a gold-rimmed green plate')
