# The hall view's own pictures: wall and floor strips (512), the pieces between machines (514),
# the island ends (511), and the sprites on the key colour: stools, a seated customer and
# medal boxes (516-519).
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from artkit import *  # noqa: E402,F401,F403
import pixfont  # noqa: E402
import strokefont  # noqa: E402

OUT = os.path.join(HERE, '..')

# Hall colours: red patterned carpet, navy walls, black lacquer islands with chrome trim.
CARPET, CARPET_LINE, CARPET_GOLD = DKRED, MDRED, OCHRE
WALL, WALL_DARK = NAVY, BLACK
COUNTER, COUNTER_TRIM = BLACK, GREY

# Island counter, shared with every game's hall machine (513): rows in machine coordinates.
COUNTER_TOP = 181
FLOOR = 272


# --- wall and floor --------------------------------------------------------------------------
def CarpetTile(s, ox, oy):
    """One 32 x 32 carpet tile at (ox, oy): a diamond lattice with gold rosettes."""
    s.rect(ox, oy, 32, 32, CARPET)
    pts = []
    for i in range(32):
        pts.append((i, (16 - i) % 32 if i <= 16 else i - 16))
        pts.append((i, (16 + i) % 32 if i < 16 else 48 - i))
    s.pixels([(a, b % 32) for a, b in pts], CARPET_LINE, ox, oy)
    for cx, cy in ((0, 0), (32, 0), (0, 32), (32, 32), (16, 16)):
        ros = [(cx, cy - 2), (cx, cy + 2), (cx - 2, cy), (cx + 2, cy), (cx, cy)]
        ring = [(cx - 1, cy - 1), (cx + 1, cy - 1), (cx - 1, cy + 1), (cx + 1, cy + 1)]
        s.pixels([(a, b) for a, b in ros if 0 <= a < 32 and 0 <= b < 32], CARPET_GOLD, ox, oy)
        s.pixels([(a, b) for a, b in ring if 0 <= a < 32 and 0 <= b < 32], BLACK, ox, oy)
    # small dots in the middle of each diamond
    for cx, cy in ((16, 0), (0, 16), (32, 16), (16, 32)):
        if 0 <= cx < 32 and 0 <= cy < 32:
            s.pixels([(cx, cy)], CARPET_GOLD, ox, oy)
    s.pixels([(8, 8), (24, 8), (8, 24), (24, 24)], BLACK, ox, oy)


def Carpet(s, x, y, w, h, phase_x=0, phase_y=0):
    """Carpet over a rectangle, tiles aligned to the hall grid (phase = grid origin)."""
    cid = s.clip_rect('cp%d_%d_%d_%d' % (x, y, w, h), x, y, w, h)
    s.begin(clip=cid)
    tx0 = x - ((x - phase_x) % 32)
    ty0 = y - ((y - phase_y) % 32)
    for ty in range(ty0, y + h, 32):
        for tx in range(tx0, x + w, 32):
            CarpetTile(s, tx, ty)
    s.end()


def WallTile(s, ox, oy, w=32):
    """The strip above the machines: wall with a row of downlights, then the box shelf."""
    s.rect(ox, oy, w, 20, WALL)
    s.rect(ox, oy, w, 2, WALL_DARK)
    s.rect(ox, oy + 20, w, 1, WHITE)
    s.rect(ox, oy + 21, w, 2, SILVER)
    s.rect(ox, oy + 23, w, 1, GREY)
    s.rect(ox, oy + 24, w, 4, s.mix(GREY, SILVER, 2))
    s.rect(ox, oy + 28, w, 2, GREY)
    s.rect(ox, oy + 30, w, 2, BLACK)


def WallLights(s, ox, oy, w, phase_x=0):
    x0 = ox - ((ox - phase_x) % 32)
    for x in range(x0, ox + w, 32):
        for dx, dy, c in ((15, 3, YELLOW), (16, 3, YELLOW), (14, 4, GOLD), (15, 4, WHITE), (16, 4, WHITE),
                          (17, 4, GOLD), (15, 5, GOLD), (16, 5, GOLD)):
            if ox <= x + dx < ox + w:
                s.rect(x + dx, oy + dy, 1, 1, c)
        for dy in range(6, 14, 2):
            if ox <= x + 15 < ox + w:
                s.rect(x + 15, oy + dy, 2, 1, MDBLUE)


def BorderTile(s, ox, oy, w=32):
    """The near edge of the aisle: a brass strip and darker carpet border."""
    s.rect(ox, oy, w, 32, BLACK)
    s.rect(ox, oy + 1, w, 1, OCHRE)
    s.rect(ox, oy + 2, w, 1, GOLD)
    s.rect(ox, oy + 3, w, 1, OCHRE)
    s.rect(ox, oy + 5, w, 11, DKRED)
    for x in range(ox + 2, ox + w, 8):
        s.rect(x, oy + 9, 4, 3, OCHRE)
        s.rect(x + 1, oy + 10, 2, 1, GOLD)
    s.rect(ox, oy + 16, w, 16, s.mix(DKRED, BLACK, 2))


def Build512():
    s = Svg(32, 96, BLACK)
    WallTile(s, 0, 0)
    WallLights(s, 0, 0, 32)
    CarpetTile(s, 0, 32)
    BorderTile(s, 0, 64)
    s.save(os.path.join(OUT, '512.svg'),
           'hall wall with the box shelf, carpet, and aisle border, 32 x 32 each')


def HallBackground(s, x, w, phase_x):
    """Wall, carpet and border across a region exactly as the tiled hall draws them."""
    s.begin()
    WallTile(s, x, 0, w)
    WallLights(s, x, 0, w, phase_x)
    Carpet(s, x, 32, w, 384, phase_x, 32)
    BorderTile(s, x, 416, w)
    s.end()


# --- the island counter and the pieces between machines --------------------------------------
def IslandCounter(s, x, y, w):
    """The counter under the machines, from COUNTER_TOP down to the floor (machine rows)."""
    top = y + COUNTER_TOP
    s.rect(x, top, w, FLOOR - COUNTER_TOP, COUNTER)
    s.rect(x, top, w, 1, WHITE)
    s.rect(x, top + 1, w, 2, SILVER)
    s.rect(x, top + 3, w, 1, GREY)
    s.rect(x, top + 9, w, 1, OCHRE)
    s.rect(x, top + 70, w, 1, OCHRE)
    # the doors of the counter, one under each machine and each piece
    s.rect(x + 4, top + 14, w - 8, 52, GREY)
    s.rect(x + 5, top + 15, w - 10, 50, BLACK)
    s.rect(x + 5, top + 15, w - 10, 1, s.mix(BLACK, GREY, 2))
    s.rect(x + w // 2 - 1, top + 20, 3, 5, SILVER)
    s.rect(x + w // 2, top + 22, 1, 2, BLACK)
    s.rect(x, y + FLOOR - 10, w, 1, GREY)
    s.rect(x, y + FLOOR - 9, w, 6, s.mix(BLACK, GREY, 1))
    s.rect(x, y + FLOOR - 3, w, 3, BLACK)


def PieceColumn(s, y, dispenser):
    w = 52
    s.rect(0, y, w, COUNTER_TOP, BLACK)
    s.rect(1, y, w - 2, COUNTER_TOP, GREY)
    s.rect(2, y, w - 4, COUNTER_TOP, SILVER)
    s.rect(3, y, 2, COUNTER_TOP, WHITE)
    s.rect(w - 4, y, 1, COUNTER_TOP, GREY)
    # a call lamp on top for the staff
    s.rect(14, y + 4, 24, 16, BLACK, rx=3)
    s.rect(15, y + 5, 22, 14, GREY, rx=3)
    s.ellipse(26, y + 13, 8, 6, BLACK)
    s.ellipse(26, y + 13, 7, 5, DKRED)
    s.ellipse(25, y + 12, 4, 2, MDRED)
    s.rect(23, y + 10, 2, 1, ROSE)
    if dispenser:
        # medal dispenser: note slot with its green lamp, display, push button and medal chute
        s.rect(6, y + 26, 40, 96, BLACK, rx=3)
        s.rect(7, y + 27, 38, 94, NAVY, rx=2)
        s.rect(9, y + 30, 34, 12, BLACK)
        s.text(26, y + 33, '100', RED, font=pixfont.FONT5, align='center')
        s.text(26, y + 45, 'MEDAL', WHITE, font=pixfont.FONT3, align='center', spacing=1)
        s.rect(10, y + 53, 32, 6, BLACK)
        s.rect(12, y + 55, 28, 2, GREY)
        s.rect(12, y + 60, 28, 2, GREEN)
        s.rect(12, y + 60, 6, 2, LTGREEN)
        s.text(26, y + 66, 'IN', SILVER, font=pixfont.FONT3, align='center', spacing=1)
        s.circle(18, y + 82, 6, BLACK)
        s.circle(18, y + 82, 5, YELLOW)
        s.rect(16, y + 79, 2, 2, WHITE)
        s.circle(34, y + 82, 6, BLACK)
        s.circle(34, y + 82, 5, GREY)
        s.rect(32, y + 79, 2, 2, WHITE)
        s.rect(14, y + 96, 24, 20, BLACK, rx=3)
        s.rect(16, y + 98, 20, 16, GREY, rx=2)
        s.rect(18, y + 100, 16, 10, BLACK)
        for i in range(3):
            s.ellipse(22 + 4 * i, y + 108, 3, 1.5, SILVER)
        # the chute down to the machine's tray
        s.rect(20, y + 121, 12, 30, BLACK)
        s.rect(21, y + 121, 10, 29, GREY)
        s.rect(22, y + 121, 3, 29, WHITE)
        s.rect(18, y + 150, 16, 4, BLACK)
        s.rect(19, y + 150, 14, 2, SILVER)
    else:
        # a panel with the hall number plate, an ashtray and a cup holder
        s.rect(8, y + 28, 36, 60, BLACK, rx=3)
        s.rect(9, y + 29, 34, 58, s.mix(GREY, SILVER, 2), rx=2)
        s.rect(12, y + 34, 28, 14, BLACK, rx=2)
        s.text(26, y + 38, 'SLOT', GOLD, font=pixfont.FONT3, align='center', spacing=1)
        for i in range(4):
            s.rect(12, y + 54 + 7 * i, 28, 2, GREY)
            s.rect(12, y + 56 + 7 * i, 28, 1, WHITE)
        s.rect(10, y + 100, 32, 12, BLACK, rx=5)
        s.rect(11, y + 101, 30, 10, SILVER, rx=4)
        s.rect(14, y + 103, 24, 5, BLACK, rx=2)
        s.rect(16, y + 104, 6, 2, GREY)
        s.rect(26, y + 105, 8, 1, WHITE)
        s.rect(32, y + 103, 2, 3, RED)
        # cup holder with a can of coffee
        s.rect(14, y + 126, 24, 26, BLACK, rx=2)
        s.rect(18, y + 118, 16, 26, BLACK)
        s.rect(19, y + 119, 14, 24, MDBLUE)
        s.rect(19, y + 119, 14, 2, SILVER)
        s.rect(20, y + 124, 3, 16, SKY)
        s.rect(19, y + 128, 14, 6, CREAM)
        s.rect(23, y + 129, 6, 4, OCHRE)
        s.rect(15, y + 140, 22, 10, GREY, rx=2)
        s.rect(16, y + 141, 20, 2, SILVER)
    s.rect(0, y + COUNTER_TOP - 4, w, 4, BLACK)
    IslandCounter(s, 0, y, w)


def Build514():
    s = Svg(52, 544, BLACK)
    PieceColumn(s, 0, False)
    PieceColumn(s, 272, True)
    s.save(os.path.join(OUT, '514.svg'),
           'pieces between machines, the plain one above the one with the medal dispenser')


# --- stools, customer, medal boxes (sprites on the key colour) ----------------------------------
SEAT, SEAT_DARK, SEAT_LIGHT = MDBLUE, NAVY, SKY


def Stool(s, ox, oy):
    """Stool with a low backrest, seen from behind; its foot stands on the sprite's last row."""
    cx = ox + 44
    # base and foot ring
    s.ellipse(cx, oy + 161, 30, 8, BLACK)
    s.ellipse(cx, oy + 160, 29, 7, GREY)
    s.ellipse(cx, oy + 159, 27, 5.5, SILVER)
    s.ellipse(cx, oy + 159, 20, 3.5, GREY)
    s.rect(cx - 20, oy + 159, 40, 1, WHITE)
    s.rect(cx - 4, oy + 100, 9, 58, BLACK)
    s.rect(cx - 3, oy + 100, 7, 58, SILVER)
    s.rect(cx - 2, oy + 100, 2, 58, WHITE)
    s.rect(cx + 2, oy + 100, 1, 58, GREY)
    s.ellipse(cx, oy + 130, 19, 5, None, BLACK, 3)
    s.ellipse(cx, oy + 130, 19, 5, None, SILVER, 1)
    s.rect(cx - 17, oy + 128, 10, 1, WHITE)
    # seat: side band then the top
    s.ellipse(cx, oy + 96, 35, 11, BLACK)
    s.rect(cx - 35, oy + 92, 71, 8, BLACK)
    s.ellipse(cx, oy + 96, 34, 10, SEAT_DARK)
    s.rect(cx - 34, oy + 90, 69, 7, SEAT_DARK)
    s.ellipse(cx, oy + 89, 34, 9, BLACK)
    s.ellipse(cx, oy + 89, 33, 8, SEAT)
    s.ellipse(cx - 4, oy + 87, 24, 5, SEAT_LIGHT)
    s.ellipse(cx - 2, oy + 88, 24, 5, SEAT)
    s.rect(cx - 33, oy + 96, 67, 1, SEAT)
    # backrest stem and cushion
    s.rect(cx - 5, oy + 62, 11, 26, BLACK)
    s.rect(cx - 4, oy + 62, 9, 26, SILVER)
    s.rect(cx - 3, oy + 62, 2, 26, WHITE)
    Backrest(s, cx, oy)


def Backrest(s, cx, oy):
    s.rect(cx - 29, oy + 18, 59, 48, BLACK, rx=12)
    s.rect(cx - 28, oy + 19, 57, 46, SEAT_DARK, rx=11)
    s.rect(cx - 26, oy + 20, 53, 40, SEAT, rx=10)
    s.rect(cx - 22, oy + 22, 40, 3, SEAT_LIGHT, rx=1)
    s.rect(cx - 24, oy + 27, 3, 22, SEAT_LIGHT)
    # tufted seams
    for dx in (-12, 0, 12):
        s.rect(cx + dx, oy + 30, 1, 24, SEAT_DARK)
    s.rect(cx - 28, oy + 58, 57, 7, SEAT_DARK, rx=3)
    s.rect(cx - 28, oy + 64, 57, 2, BLACK)


def Build516():
    s = Svg(88, 170, KEY)
    Stool(s, 0, 0)
    s.save(os.path.join(OUT, '516.svg'),
           'empty stool on the key colour')


JACKET, JACKET_SHADE, JACKET_LIGHT = '#C0C080', OLIVE, CREAM
HAIR, HAIR_LIGHT, SKIN, SKIN_SHADE = BLACK, GREY, PEACH, '#C08080'


def Customer(s):
    """A customer on the stool, seen from behind, hands forward on the machine."""
    cx = 44
    oy = 158
    Stool(s, 0, oy)
    # trousers on the seat
    s.ellipse(cx, oy + 82, 30, 10, BLACK)
    s.ellipse(cx, oy + 82, 29, 9, NAVY)
    # arms first: upper arms out to the elbows, forearms reaching forward
    for side in (-1, 1):
        arm = [(cx + side * 26, 84), (cx + side * 38, 96), (cx + side * 42, 134), (cx + side * 39, 146),
               (cx + side * 30, 146), (cx + side * 28, 112)]
        s.poly(arm, BLACK, BLACK, 2)
        s.poly(arm, JACKET)
        s.poly([(cx + side * 38, 100), (cx + side * 41, 134), (cx + side * 38, 143), (cx + side * 36, 120)],
               JACKET_SHADE)
        s.rect(cx + side * 33 - 3, 140, 7, 2, JACKET_SHADE)
    # the back of the jacket
    back = ('M%d %d Q%d %d %d %d L%d %d L%d %d L%d %d Q%d %d %d %d Z' %
            (cx - 12, 72, cx - 31, 74, cx - 33, 100, cx - 29, oy + 86, cx + 29, oy + 86, cx + 33, 100,
             cx + 31, 74, cx + 12, 72))
    s.path(back, BLACK, BLACK, 2)
    s.path(back, JACKET)
    s.path('M%d %d Q%d %d %d %d' % (cx - 28, 84, cx - 16, 78, cx - 6, 77), None, JACKET_LIGHT, 1)
    s.path('M%d %d Q%d %d %d %d' % (cx - 30, 100, cx - 25, 150, cx - 27, oy + 84), None, JACKET_SHADE, 3)
    s.path('M%d %d Q%d %d %d %d' % (cx + 30, 100, cx + 25, 150, cx + 27, oy + 84), None, JACKET_SHADE, 3)
    s.path('M%d %d L%d %d' % (cx, 80, cx, oy + 84), None, JACKET_SHADE, 1)
    s.path('M%d %d Q%d %d %d %d' % (cx - 20, 126, cx - 10, 132, cx - 3, 128), None, JACKET_SHADE, 1)
    s.path('M%d %d Q%d %d %d %d' % (cx + 21, 150, cx + 10, 156, cx + 3, 152), None, JACKET_SHADE, 1)
    # shirt collar, neck, ears, hair
    s.rect(cx - 8, 54, 17, 22, SKIN_SHADE)
    s.rect(cx - 7, 54, 15, 20, SKIN)
    s.path('M%d %d Q%d %d %d %d L%d %d Q%d %d %d %d Z' % (cx - 13, 76, cx, 68, cx + 13, 76, cx + 11, 72,
                                                            cx, 66, cx - 11, 72), WHITE, BLACK, 1)
    for side in (-1, 1):
        s.ellipse(cx + side * 14, 45, 4, 6, BLACK)
        s.ellipse(cx + side * 14, 45, 3, 5, SKIN)
        s.rect(cx + side * 14 - (1 if side < 0 else 0), 43, 1, 4, SKIN_SHADE)
    s.ellipse(cx, 40, 15, 19, BLACK)
    s.path('M%d %d Q%d %d %d %d Q%d %d %d %d Z' % (cx - 14, 44, cx - 14, 21, cx, 21, cx + 14, 21, cx + 14, 44),
           HAIR)
    s.path('M%d %d Q%d %d %d %d' % (cx - 10, 38, cx - 10, 26, cx - 1, 24), None, HAIR_LIGHT, 2)
    # the backrest, nearer to us than the back
    Backrest(s, cx, oy)


def Build517():
    s = Svg(88, 328, KEY)
    Customer(s)
    s.save(os.path.join(OUT, '517.svg'),
           'stool with a seated customer on the key colour')


def MedalBox(s, x, y, w, h, heap=True):
    """A plastic medal box heaped with medals; (x, y, w, h) is the whole box with its heap."""
    top = y + h // 3
    if heap:
        # the heap: a dome of medals above the rim
        hy = top - y
        s.ellipse(x + w / 2, top + 1, w / 2 - 0.5, hy + 1, BLACK)
        s.ellipse(x + w / 2, top + 1, w / 2 - 1.5, hy, SILVER)
        rows = max(2, hy // 3)
        for r in range(rows):
            yy = y + 2 + r * 3
            half = (w / 2 - 3) * math.sqrt(max(0.0, 1 - ((top + 1 - yy) / (hy + 1.0)) ** 2))
            xs = range(int(x + w / 2 - half) + (r % 2) * 2, int(x + w / 2 + half) - 2, 4)
            for i in xs:
                s.rect(i, yy, 3, 1, WHITE)
                s.rect(i, yy + 1, 3, 1, GREY)
    s.poly([(x, top), (x + w - 1, top), (x + w - 3, y + h - 1), (x + 2, y + h - 1)], BLACK)
    s.poly([(x + 1, top + 1), (x + w - 2, top + 1), (x + w - 4, y + h - 2), (x + 3, y + h - 2)], RED)
    s.rect(x + 1, top + 1, w - 2, 2, ROSE)
    s.rect(x + 1, top + 3, w - 2, 1, MDRED)
    s.poly([(x + w - 10, top + 4), (x + w - 3, top + 4), (x + w - 4, y + h - 2), (x + w - 10, y + h - 2)], MDRED)
    s.rect(x + 4, top + 5, 2, h - (top - y) - 8, PINK)


def Build518():
    s = Svg(40, 28, KEY)
    MedalBox(s, 0, 0, 40, 28)
    s.save(os.path.join(OUT, '518.svg'),
           'medal box on the floor, on the key colour')


def Build519():
    s = Svg(72, 140, KEY)
    for look in range(1, 5):
        y = 28 * look
        if look < 4:
            w, step = 22, 24
        else:
            w, step = 20, 17
        x0 = (72 - (step * (look - 1) + w)) // 2
        for i in range(look):
            MedalBox(s, x0 + step * i, y + 2, w, 26)
    s.save(os.path.join(OUT, '519.svg'),
           'medal boxes on the shelf: none, one, two, three and four, on the key colour')


# --- island ends ----------------------------------------------------------------------------------
def EndCap(s, x):
    """The end of an island: a tall lacquered column with a neon sign, over the counter."""
    w = 52
    s.rect(x, 0, w, 304, BLACK)
    s.rect(x + 1, 0, w - 2, 304, GREY)
    s.rect(x + 2, 0, w - 4, 304, BLACK)
    s.rect(x + 4, 2, w - 8, 30, WALL)
    s.rect(x + 2, 32, w - 4, 1, SILVER)
    # neon sign
    s.rect(x + 8, 42, w - 16, 150, BLACK, rx=4)
    s.rect(x + 9, 43, w - 18, 148, GREY, rx=4)
    s.rect(x + 10, 44, w - 20, 146, NAVY, rx=3)
    for i, ch in enumerate('SLOT'):
        s.text(x + w // 2, 56 + 30 * i, ch, MAGENTA, font=pixfont.FONT7, scale=2, align='center', outline=PURPLE)
    for yy in (50, 182):
        for xx in range(x + 13, x + w - 13, 6):
            s.rect(xx, yy, 2, 2, YELLOW)
    s.rect(x + 2, 200, w - 4, 1, OCHRE)
    IslandCounter(s, x, 32, w)


def Plant(s, cx, base):
    """A potted palm in the cross aisle."""
    for ang, ln, col in ((-60, 44, DKGREEN), (-25, 56, MDGREEN), (5, 60, DKGREEN), (35, 52, MDGREEN),
                         (65, 40, DKGREEN), (-85, 30, MDGREEN), (88, 30, MDGREEN)):
        import math
        a = math.radians(ang - 90)
        ex, ey = cx + ln * math.cos(a), base - 40 + ln * math.sin(a)
        mx, my = cx + ln * 0.5 * math.cos(a) - 6 * math.sin(a), base - 40 + ln * 0.5 * math.sin(a) - 8
        s.path('M%d %d Q%.1f %.1f %.1f %.1f' % (cx, base - 38, mx, my, ex, ey), None, BLACK, 7)
        s.path('M%d %d Q%.1f %.1f %.1f %.1f' % (cx, base - 38, mx, my, ex, ey), None, col, 5)
        s.path('M%d %d Q%.1f %.1f %.1f %.1f' % (cx, base - 38, mx, my, ex, ey), None, LTGREEN, 1)
    s.rect(cx - 2, base - 44, 5, 14, OCHRE)
    s.poly([(cx - 16, base - 32), (cx + 16, base - 32), (cx + 12, base), (cx - 12, base)], BLACK)
    s.poly([(cx - 15, base - 31), (cx + 15, base - 31), (cx + 11, base - 1), (cx - 11, base - 1)], OCHRE)
    s.rect(cx - 15, base - 31, 30, 3, GOLD)
    s.rect(cx - 12, base - 24, 3, 20, GOLD)


def FarWall(s, x, w, sign):
    """The hall's wall across the aisle beyond the island's end."""
    s.rect(x, 0, w, 304, BLACK)
    s.vbands(x, 0, w, 210, [BLACK, WALL], dither=True)
    s.rect(x, 210, w, 2, OCHRE)
    s.rect(x, 212, w, 92, s.mix(DKRED, BLACK, 2))
    s.rect(x, 212, w, 1, GOLD)
    for xx in range(x + 4, x + w, 24):
        s.rect(xx, 220, 18, 76, BLACK)
        s.rect(xx + 1, 221, 16, 74, DKRED)
        s.rect(xx + 1, 221, 16, 1, MDRED)
    cx = x + w // 2
    if sign == 'left':
        # the hall's name in neon
        s.rect(cx - 50, 30, 100, 60, BLACK, rx=6)
        s.rect(cx - 49, 31, 98, 58, GREY, rx=6)
        s.rect(cx - 48, 32, 96, 56, BLACK, rx=5)
        strokefont.Draw(s, cx, 40, 'MERIDOLA', 13, [(PURPLE, 4, 0, 0), (MAGENTA, 2, 0, 0), (WHITE, 0.7, 0, 0)],
                        align='center', tracking=2.5)
        s.text(cx, 64, 'PACHISLOT', CYAN, align='center', spacing=2, outline='#0080C0')
        for xx in range(cx - 42, cx + 43, 7):
            s.rect(xx, 80, 3, 3, YELLOW)
    else:
        # the way out, and the prize counter's sign
        s.rect(cx - 22, 118, 44, 92, BLACK)
        s.rect(cx - 20, 120, 40, 90, SILVER)
        s.rect(cx - 18, 122, 17, 88, GREY)
        s.rect(cx + 1, 122, 17, 88, GREY)
        s.rect(cx - 17, 123, 15, 86, s.mix(NAVY, BLACK, 2))
        s.rect(cx + 2, 123, 15, 86, s.mix(NAVY, BLACK, 2))
        s.rect(cx - 5, 160, 2, 10, SILVER)
        s.rect(cx + 3, 160, 2, 10, SILVER)
        s.rect(cx - 20, 98, 40, 14, BLACK)
        s.rect(cx - 19, 99, 38, 12, GREEN)
        s.text(cx, 102, 'EXIT', WHITE, align='center', spacing=2)
        s.rect(cx - 50, 26, 100, 50, BLACK, rx=6)
        s.rect(cx - 49, 27, 98, 48, GREY, rx=6)
        s.rect(cx - 48, 28, 96, 46, BLACK, rx=5)
        s.text(cx, 36, 'PRIZE', YELLOW, font=pixfont.FONT7, align='center', spacing=2, outline=OCHRE)
        s.text(cx, 54, 'COUNTER', ORANGE, align='center', spacing=2)
        for xx in range(cx - 42, cx + 43, 7):
            s.rect(xx, 66, 3, 3, CYAN)


def Build511():
    s = Svg(170, 864, BLACK)
    # left end: drawn at 118 pixels left of its slot, so the hall's tile grid runs from x 22
    HallBackground(s, 0, 170, 22)
    FarWall(s, 0, 118, 'left')
    Plant(s, 26, 330)
    EndCap(s, 118)
    # right end: drawn at its slot, tile grid from x 0
    s.begin('translate(0,432)')
    HallBackground(s, 0, 170, 0)
    FarWall(s, 52, 118, 'right')
    Plant(s, 148, 330)
    EndCap(s, 0)
    s.end()
    s.save(os.path.join(OUT, '511.svg'),
           'ends of the island in the hall view, the left end above the right end')


if __name__ == '__main__':
    Build511()
    Build512()
    Build514()
    Build516()
    Build517()
    Build518()
    Build519()
