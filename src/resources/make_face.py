#!/usr/bin/env python3
"""Draw the About window's face picture and write it as a 32x32 icon.

Usage: python3 make_face.py OUTPUT.ico [--preview]

A pixel-art face: short grey-brown hair with a jagged fringe, black eyes, a
small smile and a little blush, outlined in dark brown on a transparent
background. The shapes are ellipses and simple curves evaluated per pixel, so
the picture stays symmetric without placing pixels by hand.
"""
import struct
import sys

SIZE = 32
COLOURS = {
    'K': (58, 44, 36),      # outline
    'H': (132, 116, 98),    # hair, grey-brown
    'h': (104, 90, 76),     # hair in shade
    'L': (170, 156, 138),   # hair highlight
    'S': (255, 224, 192),   # skin
    's': (238, 196, 160),   # skin in shade
    'E': (0, 0, 0),         # eyes
    'W': (255, 255, 255),   # the glint in the eyes
    'M': (150, 52, 52),     # mouth
    'C': (250, 168, 160),   # cheeks
}

CX = 16.0  # pixel columns c and 31 - c mirror each other
HEAD_TOP, HEAD_BOTTOM, HEAD_RX = 5.0, 30.0, 11.0


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def head(x, y):
    cy = (HEAD_TOP + HEAD_BOTTOM) / 2
    return inside_ellipse(x, y, CX, cy, HEAD_RX, (HEAD_BOTTOM - HEAD_TOP) / 2)


def hair(x, y):
    # A cap a little wider than the head, cut at the front into a fringe of pointed locks, with
    # short sides over the ears.
    cap = inside_ellipse(x, y, CX, 14.0, 13.0, 11.0)
    if not cap:
        return False
    offset = abs(x - CX)
    if offset > 9.0 or not head(x, y):
        return y < 20.0
    lock = (offset + 1.25) % 5.0            # the locks repeat every 5 pixels from the middle
    point = 1.0 - abs(lock - 2.5) / 2.5     # 1 at a lock's tip, 0 between locks
    return y < 10.0 + 4.0 * point - 0.15 * offset


def picture():
    grid = [['.'] * SIZE for _ in range(SIZE)]
    for row in range(SIZE):
        for col in range(SIZE):
            x, y = col + 0.5, row + 0.5
            if hair(x, y):
                grid[row][col] = 'H'
            elif head(x, y):
                grid[row][col] = 'S'
    # Shading: the hair darker on its right and lower edge, lighter where the light falls.
    for row in range(SIZE):
        for col in range(SIZE):
            if grid[row][col] == 'H':
                below = grid[row + 1][col] if row + 1 < SIZE else '.'
                if below == 'S' or col >= 24:
                    grid[row][col] = 'h'
                elif row in (5, 6) and 9 <= col <= 13 or row == 7 and 8 <= col <= 10:
                    grid[row][col] = 'L'
            elif grid[row][col] == 'S' and col >= 25:
                grid[row][col] = 's'
    # Eyes: two tall black ovals with a white glint.
    for ex in (11, 19):
        for row in range(16, 20):
            for col in (ex, ex + 1):
                grid[row][col] = 'E'
        grid[16][ex + 1] = 'W'
    # Cheeks.
    for cx in (8, 22):
        grid[21][cx] = grid[21][cx + 1] = 'C'
    # A small smile: corners up, middle down.
    for col, row in ((13, 23), (14, 24), (15, 24), (16, 24), (17, 24), (18, 23)):
        grid[row][col] = 'M'
    # Outline every drawn pixel that touches the background.
    drawn = [[grid[r][c] != '.' for c in range(SIZE)] for r in range(SIZE)]
    for row in range(SIZE):
        for col in range(SIZE):
            if not drawn[row][col]:
                continue
            for dr, dc in ((-1, 0), (1, 0), (0, -1), (0, 1)):
                r, c = row + dr, col + dc
                if not (0 <= r < SIZE and 0 <= c < SIZE) or not drawn[r][c]:
                    grid[row][col] = 'K'
                    break
    return grid


def write_icon(grid, path):
    # One 32 bpp image: BGRA rows bottom-up, then the 1 bpp AND mask (set = transparent), each mask
    # row padded to 32 bits.
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(grid):
        for ch in row:
            if ch == '.':
                pixels += bytes((0, 0, 0, 0))
            else:
                r, g, b = COLOURS[ch]
                pixels += bytes((b, g, r, 255))
        bits = 0
        for col, ch in enumerate(row):
            if ch == '.':
                bits |= 1 << (31 - col)
        mask += struct.pack('>I', bits)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    with open(path, 'wb') as out:
        out.write(directory + image)


def main():
    grid = picture()
    if '--preview' in sys.argv:
        print('\n'.join(''.join(row) for row in grid))
    write_icon(grid, sys.argv[1])


if __name__ == '__main__':
    main()
