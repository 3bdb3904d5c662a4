# Stroke lettering for logos and titles: each letter is a pen path in a box 10 units high
# (baseline at 10, x-height at 3), stroked in layers to give outlined, shaded logo type.

# letter: (path in letter units, advance width without the pen)
LETTERS = {
    'A': ('M0 10 L4 0 L8 10 M1.8 6.2 H6.2', 8),
    'B': ('M0 10 V0 H4 A2.4 2.4 0 0 1 4 5 H0 M4 5 A2.6 2.5 0 0 1 4 10 H0', 7),
    'C': ('M7.5 2 A4 5 0 1 0 7.5 8', 7.5),
    'D': ('M0 0 V10 H3 A4 5 0 0 0 3 0 Z', 7),
    'E': ('M7 0 H0 V10 H7 M0 5 H5.5', 7),
    'G': ('M7.5 2 A4 5 0 1 0 8 6 H4.5', 8),
    'H': ('M0 0 V10 M7 0 V10 M0 5 H7', 7),
    'I': ('M0 0 V10', 0),
    'K': ('M0 0 V10 M7 0 L0 6.5 M2.5 4.5 L7 10', 7),
    'L': ('M0 0 V10 H6', 6),
    'M': ('M0 10 V0 L4.5 7 L9 0 V10', 9),
    'N': ('M0 10 V0 L7 10 V0', 7),
    'O': ('M4 0 A4 5 0 1 1 4 10 A4 5 0 1 1 4 0 Z', 8),
    'P': ('M0 10 V0 H4 A2.5 2.5 0 0 1 4 5 H0', 6.5),
    'R': ('M0 10 V0 H4 A2.5 2.5 0 0 1 4 5 H0 M3.5 5 L7 10', 7),
    'S': ('M6.5 1.5 Q5 0 3.2 0 Q0 0 0.3 2.6 Q0.8 4.5 3.5 5 Q6.8 5.6 6.8 7.6 Q6.5 10 3.3 10 Q1 10 0 8.3', 6.8),
    'T': ('M0 0 H8 M4 0 V10', 8),
    'U': ('M0 0 V6.5 A3.5 3.5 0 0 0 7 6.5 V0', 7),
    'V': ('M0 0 L4 10 L8 0', 8),
    'W': ('M0 0 L2.5 10 L5 2 L7.5 10 L10 0', 10),
    'Y': ('M0 0 L4 5 L8 0 M4 5 V10', 8),
    'a': ('M5.5 3 V10 M5.5 6.5 A2.8 3.5 0 1 0 5.5 7', 5.5),
    'd': ('M6 0 V10 M6 6.5 A3 3.5 0 1 0 6 7', 6),
    'e': ('M0.3 6.5 H6 A3 3.5 0 1 0 5.5 9', 6),
    'i': ('M0 4 V10 M0 0.9 V1.0', 0),
    'l': ('M0 0 V10', 0),
    'o': ('M3 3 A3 3.5 0 1 1 3 10 A3 3.5 0 1 1 3 3 Z', 6),
    'r': ('M0 3.2 V10 M0 6.3 Q0.8 3 4.2 3.2', 4.2),
    '0': ('M3.5 0 A3.5 5 0 1 1 3.5 10 A3.5 5 0 1 1 3.5 0 Z', 7),
    '1': ('M0.3 2.2 L3 0 V10', 3),
    '2': ('M0.3 2.6 Q0.8 0 3.5 0 Q7 0 7 2.8 Q7 5 0.3 10 H7.3', 7.3),
    '3': ('M0.5 1 Q2 0 3.5 0 Q6.6 0 6.6 2.5 Q6.6 4.8 3 4.8 Q7 4.8 7 7.3 Q7 10 3.5 10 Q1.5 10 0 8.8', 7),
    '.': ('M0 10 V9.9', 0),
    ' ': ('', 3),
}


def Layout(text, size, pen, tracking=None):
    """Pen paths for a line of text: (list of (path, dx)), total width in pixels.

    size is the cap height in pixels, pen the stroke width in pixels."""
    k = size / 10.0
    gap = tracking if tracking is not None else pen * 0.8
    out = []
    x = pen / 2.0
    for ch in text:
        d, w = LETTERS.get(ch, LETTERS[' '])
        if d:
            out.append((d, x))
        x += w * k + gap
    return out, x - gap + pen / 2.0, k


def Draw(s, x, y, text, size, layers, align='left', skew=0, tracking=None):
    """Draws text with its top-left at (x, y); layers are (colour, pen width, dx, dy) from the
    widest (the outline) to the thinnest (the highlight). The first layer's pen sets spacing."""
    parts, width, k = Layout(text, size, layers[0][1] if layers else 2, tracking)
    if align == 'center':
        x -= width / 2.0
    elif align == 'right':
        x -= width
    tr = 'translate(%s,%s)' % (x, y)
    if skew:
        tr += ' translate(0,%s) skewX(%s) translate(0,%s)' % (size, -skew, -size)
    s.begin(tr)
    for colour, pen, dx, dy in layers:
        s.begin('translate(%s,%s)' % (dx, dy))
        for d, px in parts:
            s.add('<path d="%s" transform="translate(%s,0) scale(%s)" fill="none" stroke="%s" '
                  'stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>' %
                  (d, round(px, 3), round(k, 5), colour, round(pen / k, 4)))
        s.end()
    s.end()
    return width
