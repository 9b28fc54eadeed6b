"""Pixel checks on screenshots of the running clock.

  pixels.py match-face EXPECTED REGION.ppm BGX BGY
      EXPECTED is face_dump's output: 16 rows of 16 "rrggbb" or "------" (transparent).
      Looks for the 16x16 face anywhere in the region: every drawn pixel must have exactly its
      colour and every transparent pixel the background, read at (BGX, BGY) of the region.
  pixels.py match-face-scaled EXPECTED REGION.ppm N BGX BGY
      The same for the face enlarged to N x N in solid blocks: face pixel (x, y) fills the
      columns x*N//16 to (x+1)*N//16 - 1 and the same rows. N = 16 is match-face.
  pixels.py count REGION.ppm RRGGBB
      Prints how many pixels of the region have exactly that colour.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while data[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    pos += 1
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    raw = data[pos:pos + width * height * 3]
    pixels = [["%02x%02x%02x" % tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3])
               for x in range(width)] for y in range(height)]
    return width, height, pixels


def enlarge(face, n):
    """The 16x16 face in blocks of n // 16 or n // 16 + 1 pixels, one face pixel to a block."""
    source = [(d * 16 + 15) // n for d in range(n)]
    return [[face[source[y]][source[x]] for x in range(n)] for y in range(n)]


def match_face(expected_path, region_path, bgx, bgy, n=16):
    with open(expected_path) as f:
        expected = [line.split() for line in f if line.strip()]
    if len(expected) != 16 or any(len(row) != 16 for row in expected):
        print("expected face is not 16x16")
        return 1
    if n < 16:
        print(f"cannot match a face made smaller ({n})")
        return 1
    expected = enlarge(expected, n)
    drawn = sum(1 for row in expected for p in row if p != "------")
    if drawn == 0:
        print("expected face has no drawn pixel: nothing to compare")
        return 1
    width, height, pixels = read_ppm(region_path)
    background = pixels[bgy][bgx]
    if any(p == background for row in expected for p in row if p != "------"):
        print(f"background {background} is also a face colour: the check would be blind")
        return 1
    best = None
    for oy in range(height - n + 1):
        for ox in range(width - n + 1):
            wrong = 0
            for y in range(n):
                for x in range(n):
                    want = expected[y][x]
                    got = pixels[oy + y][ox + x]
                    if (want == "------" and got != background) or (
                            want != "------" and got != want):
                        wrong += 1
            if best is None or wrong < best[0]:
                best = (wrong, ox, oy)
            if wrong == 0:
                print(f"face found at {ox},{oy} in {n}x{n}: {drawn} drawn pixels, "
                      f"background {background}")
                return 0
    if best is None:
        print(f"region {width}x{height} is smaller than the face {n}x{n}")
        return 1
    wrong, ox, oy = best
    print(f"face not found; closest at {ox},{oy} with {wrong} of {n * n} pixels wrong")
    for y in range(n):
        print(" ".join(pixels[oy + y][ox + x] for x in range(n)))
    return 1


def count(region_path, colour):
    _, _, pixels = read_ppm(region_path)
    print(sum(1 for row in pixels for p in row if p == colour.lower()))
    return 0


def main(argv):
    if len(argv) == 6 and argv[1] == "match-face":
        return match_face(argv[2], argv[3], int(argv[4]), int(argv[5]))
    if len(argv) == 7 and argv[1] == "match-face-scaled":
        return match_face(argv[2], argv[3], int(argv[5]), int(argv[6]), int(argv[4]))
    if len(argv) == 4 and argv[1] == "count":
        return count(argv[2], argv[3])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
