#!/usr/bin/env python3
"""Draw the Tamarak application icon and write it as a 32x32, 16-colour .ico.

Usage: python3 make_icon.py OUTPUT.ico

The picture is a pie chart seen slightly from above, with a red slice lifted
out of it. It is ray-cast per pixel from a tiny 3-D model so the perspective,
rims and occlusion come out right without hand-placing pixels.
"""
import math
import struct
import sys

SIZE = 32
# Standard Windows 16-colour VGA palette; the shell renders 4 bpp icons with it.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
           (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
           (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
           (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, GREEN, OLIVE, PURPLE, RED, LIME, YELLOW, MAGENTA = 0, 2, 3, 5, 9, 10, 11, 13

CX, CY, RX, RY = 13.0, 17.5, 12.0, 8.0    # top-face ellipse of the pie
THICK = 4.0                              # rim height in pixels
RED_FROM, RED_TO = 325.0, 60.0           # the exploded slice (degrees, CCW)
GREEN_FROM = 250.0                       # green runs GREEN_FROM..RED_FROM
STEP = 0.25                              # ray-march step in pixels

# (slice, face) -> (colour on even pixels, colour on odd pixels). The odd
# checkerboards stand in for shades the 16-colour palette doesn't have.
COLOURS = {('yellow', 'top'): (YELLOW, YELLOW), ('yellow', 'rim'): (OLIVE, OLIVE),
           ('yellow', 'cut'): (OLIVE, YELLOW), ('green', 'top'): (LIME, LIME),
           ('green', 'rim'): (GREEN, BLACK), ('green', 'cut'): (GREEN, GREEN),
           ('red', 'top'): (RED, RED), ('red', 'cut'): (RED, MAGENTA),
           ('red', 'rim'): (PURPLE, PURPLE)}


def slice_at(angle):
    a = angle % 360.0
    if a >= RED_FROM or a < RED_TO:
        return 'red'
    return 'green' if a >= GREEN_FROM else 'yellow'


def make_pieces():
    # Push the red slice out along its bisector and lift it a little, so it
    # reads as "pulled out of the pie" rather than just a differently coloured wedge.
    mid = math.radians((RED_FROM + RED_TO + 360.0) / 2.0)
    out, lift = 0.3, 2.5
    ox, oy = out * math.cos(mid) * RX, -out * math.sin(mid) * RY
    return [(0.0, 0.0, 0.0, lambda s: s != 'red'),   # (dx, dy, lift, keep-slice)
            (ox, oy, lift, lambda s: s == 'red')]


def inside(piece, x, y, z):
    """Slice name if horizontal point (x, y) at height z is solid in piece."""
    dx, dy, lift, keep = piece
    if not lift - THICK <= z <= lift:
        return None
    u, v = (x - CX - dx) / RX, (y - CY - dy) / RY
    if u * u + v * v > 1.0:
        return None
    s = slice_at(math.degrees(math.atan2(-v, u)))
    return s if keep(s) else None


def render():
    """Return a SIZE x SIZE grid of region keys (piece, slice, face) or None."""
    pieces = make_pieces()
    top = max(p[2] for p in pieces)
    grid = [[None] * SIZE for _ in range(SIZE)]
    for py in range(SIZE):
        for px in range(SIZE):
            x, sy = px + 0.5, py + 0.5
            z = top
            # Viewer looks down and back: higher points on the same screen
            # pixel are nearer, so march downwards and keep the first hit.
            while z >= -THICK and grid[py][px] is None:
                for n, p in enumerate(pieces):
                    s = inside(p, x, sy + z, z)
                    if s is None:
                        continue
                    if z > p[2] - STEP:
                        face = 'top'
                    else:  # entered through the side: curved rim or a cut face?
                        u, v = (x - CX - p[0]) / RX, (sy + z + STEP - CY - p[1]) / RY
                        face = 'rim' if u * u + v * v > 1.0 else 'cut'
                    grid[py][px] = (n, s, face)
                    break
                z -= STEP
    return grid


def to_indices(grid):
    """Colour the regions and ink the borders; None stays transparent."""
    img = [[None] * SIZE for _ in range(SIZE)]
    at = lambda x, y: grid[y][x] if 0 <= x < SIZE and 0 <= y < SIZE else None
    for y in range(SIZE):
        for x in range(SIZE):
            r = grid[y][x]
            near = [at(x + 1, y), at(x - 1, y), at(x, y + 1), at(x, y - 1)]
            if r is None:
                # Outline the silhouette outside the shape so no fill is lost.
                img[y][x] = BLACK if any(near) else None
            elif at(x + 1, y) not in (r, None) or at(x, y + 1) not in (r, None):
                # Inner edges: ink only one side so they stay a single pixel wide.
                img[y][x] = BLACK
            else:
                img[y][x] = COLOURS[r[1:]][(x + y) % 2]
    return img


def ico_bytes(img):
    xor, mask = b'', b''
    for row in reversed(img):            # DIBs are stored bottom-up
        idx = [0 if c is None else c for c in row]
        xor += bytes(idx[i] << 4 | idx[i + 1] for i in range(0, SIZE, 2))
        bits = ''.join('1' if c is None else '0' for c in row)
        mask += int(bits, 2).to_bytes(SIZE // 8, 'big')   # 4 bytes: already aligned
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    # Height is doubled because the XOR image and the AND mask are stacked.
    bih = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0,
                      len(xor) + len(mask), 0, 0, 16, 0)
    body = bih + pal + xor + mask
    head = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(body), 6 + 16)
    return head + entry + body


def check(path):
    # Cheap guard against packing mistakes: the resource compiler accepts a
    # broken .ico silently and Windows then shows a blank icon.
    data = open(path, 'rb').read()
    _, kind, count = struct.unpack_from('<HHH', data, 0)
    w, h, colours, _, planes, bpp, size, offset = struct.unpack_from('<BBBBHHII', data, 6)
    assert (kind, count, w, h, colours, planes, bpp) == (1, 1, 32, 32, 16, 1, 4)
    assert offset == 22 and size == 40 + 16 * 4 + 32 * 16 + 32 * 4 == len(data) - 22
    hsize, bw, bh, _, bbpp = struct.unpack_from('<IiiHH', data, 22)
    assert (hsize, bw, bh, bbpp) == (40, 32, 64, 4)


if __name__ == '__main__':
    out = sys.argv[1] if len(sys.argv) > 1 else 'tamarak.ico'
    with open(out, 'wb') as f:
        f.write(ico_bytes(to_indices(render())))
    check(out)
