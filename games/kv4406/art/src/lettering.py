# The Quessida's carved lettering: block capitals on a 5 x 7 grid, each cell a stone block
# with a lit top edge and a shadowed foot, as the logo on the machine and the title wear it.
import quessida  # noqa: F401  (puts the shared art helpers on the path)
from artkit import BLACK

GLYPHS = {
    'A': ".###. #...# #...# ##### #...# #...# #...#",
    'B': "####. #...# #...# ####. #...# #...# ####.",
    'C': ".#### #.... #.... #.... #.... #.... .####",
    'J': "..### ...#. ...#. ...#. ...#. #..#. .##..",
    'D': "###.. #..#. #...# #...# #...# #..#. ###..",
    'E': "##### #.... #.... ####. #.... #.... #####",
    'I': "### .#. .#. .#. .#. .#. ###",
    'L': "#.... #.... #.... #.... #.... #.... #####",
    'M': "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    'N': "#...# ##..# ##..# #.#.# #..## #..## #...#",
    'O': ".###. #...# #...# #...# #...# #...# .###.",
    'Q': ".###.. #...#. #...#. #...#. #..##. #...## .###.#",
    'R': "####. #...# #...# ####. #.#.. #..#. #...#",
    'S': ".#### #.... #.... .###. ....# ....# ####.",
    'U': "#...# #...# #...# #...# #...# #...# .###.",
    'o': "... ... ### #.# #.# #.# ###",
    '.': ". . . . . . #",
    '1': "..#.. .##.. #.#.. ..#.. ..#.. ..#.. #####",
    '2': ".###. #...# ....# ...#. ..#.. .#... #####",
    '3': "####. ....# ....# .###. ....# ....# ####.",
    '6': ".###. #.... #.... ####. #...# #...# .###.",
    ' ': "... ... ... ... ... ... ...",
}


def Cells(ch):
    rows = GLYPHS[ch].split()
    return [(i, j) for j, r in enumerate(rows) for i, c in enumerate(r) if c == '#'], len(rows[0])


def Width(text, cell, gap):
    total = 0
    for ch in text:
        total += Cells(ch)[1] * cell + gap
    return total - gap


def Carved(s, x, y, text, cell, faces, light, dark, outline=BLACK, gap=None, depth=2):
    """Draws text with its top left at (x, y). faces: the block colours from the top row of
    the grid down (one per row, or fewer, stretched); light and dark: the bevel edges."""
    gap = cell if gap is None else gap
    placed = []
    cx = x
    for ch in text:
        cells, w = Cells(ch)
        placed.append((cx, set(cells)))
        cx += w * cell + gap
    # outline and the drop shadow of the whole line first
    for ox, cells in placed:
        for i, j in cells:
            s.rect(ox + i * cell - 1, y + j * cell - 1, cell + 2 + depth, cell + 2 + depth, outline)
    for ox, cells in placed:
        for i, j in cells:
            face = faces[min(len(faces) - 1, j * len(faces) // 7)]
            bx, by = ox + i * cell, y + j * cell
            s.rect(bx, by, cell, cell, face)
            if (i, j - 1) not in cells:
                s.rect(bx, by, cell, 1, light)
            if (i - 1, j) not in cells:
                s.rect(bx, by, 1, cell, light)
            if (i, j + 1) not in cells:
                s.rect(bx, by + cell - 1, cell, 1, dark)
            if (i + 1, j) not in cells:
                s.rect(bx + cell - 1, by, 1, cell, dark)
    return cx - gap - x
