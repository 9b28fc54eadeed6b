"""pixels.py EXPECTED REGION.ppm N: the face lies somewhere in the region (an 8-bit binary PPM).

EXPECTED is face_dump's output, 16 rows of 16 "rrggbb" or "------" (transparent). Enlarged to N x N
in solid blocks (face pixel x fills columns x*N//16 to (x+1)*N//16 - 1, and the same for rows),
every drawn pixel must have exactly its colour, every transparent one the background: the
region's top-left pixel.
"""
import sys


def main(expected_path, region_path, n):
    n = int(n)
    with open(expected_path) as f:
        expected = [line.split() for line in f if line.strip()]
    with open(region_path, "rb") as f:
        data = f.read()
    magic, width, height, depth = data.split(maxsplit=4)[:4]
    width, height = int(width), int(height)
    raw = data[len(data) - width * height * 3:]  # the pixels end the file
    pixels = [[raw[(y * width + x) * 3:(y * width + x) * 3 + 3].hex() for x in range(width)]
              for y in range(height)]
    drawn = {p for row in expected for p in row if p != "------"}
    background = pixels[0][0]
    # Nothing drawn, or drawn in the background's colour, would match blindly.
    if (magic, depth) != (b"P6", b"255") or len(expected) != 16 or n < 16 or not drawn or \
            background in drawn or any(len(row) != 16 for row in expected):
        print(f"nothing to compare: face colours {sorted(drawn)}, background {background}")
        return 1
    source = [f for f in range(16) for _ in range(f * n // 16, (f + 1) * n // 16)]
    want = [[expected[y][x].replace("------", background) for x in source] for y in source]
    best = (n * n + 1, 0, 0)
    for oy in range(height - n + 1):
        for ox in range(width - n + 1):
            wrong = sum(pixels[oy + y][ox + x] != want[y][x] for y in range(n) for x in range(n))
            best = min(best, (wrong, ox, oy))
    wrong, ox, oy = best
    print(f"closest at {ox},{oy} at {n}x{n} on {background}: {wrong} pixels wrong")
    for y in range(n if 0 < wrong <= n * n else 0):
        print(" ".join(pixels[oy + y][ox:ox + n]))
    return 0 if wrong == 0 else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]) if len(sys.argv) == 4 else print(__doc__) or 2)
