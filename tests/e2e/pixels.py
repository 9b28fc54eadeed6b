"""Pixel checks on regions of screenshots of the running clock, as 8-bit binary PPM files.

  pixels.py face EXPECTED REGION.ppm N
      EXPECTED is face_dump's output: 16 rows of 16 "rrggbb" or "------" (transparent). The face
      enlarged to N x N in solid blocks (face pixel x fills columns x*N//16 to (x+1)*N//16 - 1,
      and the same for rows) lies somewhere in the region: every drawn pixel in exactly its
      colour, every transparent one in the background, the region's top-left pixel.
  pixels.py count REGION.ppm RRGGBB
      Prints how many pixels of the region have exactly that colour.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    magic, width, height, depth = data.split(maxsplit=4)[:4]
    if magic != b"P6" or depth != b"255":
        raise SystemExit(f"{path}: not an 8-bit binary PPM")
    width, height = int(width), int(height)
    raw = data[len(data) - width * height * 3:]  # the pixels end the file
    return [[raw[(y * width + x) * 3:(y * width + x) * 3 + 3].hex() for x in range(width)]
            for y in range(height)]


def face(expected_path, region_path, n):
    with open(expected_path) as f:
        expected = [line.split() for line in f if line.strip()]
    if len(expected) != 16 or any(len(row) != 16 for row in expected) or n < 16:
        print(f"the expected face is not 16x16, or {n} is smaller")
        return 1
    drawn = {p for row in expected for p in row if p != "------"}
    pixels = read_ppm(region_path)
    background = pixels[0][0]
    # A face with nothing drawn, or drawn in the background's colour, would match blindly.
    if not drawn or background in drawn:
        print(f"nothing to compare: face colours {sorted(drawn)}, background {background}")
        return 1
    source = [f for f in range(16) for _ in range(f * n // 16, (f + 1) * n // 16)]
    want = [[expected[y][x].replace("------", background) for x in source] for y in source]
    best = None
    for oy in range(len(pixels) - n + 1):
        for ox in range(len(pixels[0]) - n + 1):
            wrong = sum(pixels[oy + y][ox + x] != want[y][x] for y in range(n) for x in range(n))
            if wrong == 0:
                print(f"face found at {ox},{oy} at {n}x{n} on background {background}")
                return 0
            if best is None or wrong < best[0]:
                best = (wrong, ox, oy)
    if best is None:
        print(f"the region is smaller than {n}x{n}")
        return 1
    wrong, ox, oy = best
    print(f"face not found; closest at {ox},{oy} with {wrong} of {n * n} pixels wrong:")
    for y in range(n):
        print(" ".join(pixels[oy + y][ox:ox + n]))
    return 1


def main(argv):
    if len(argv) == 5 and argv[1] == "face":
        return face(argv[2], argv[3], int(argv[4]))
    if len(argv) == 4 and argv[1] == "count":
        print(sum(row.count(argv[3].lower()) for row in read_ppm(argv[2])))
        return 0
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
