#!/usr/bin/env bash
# Fails unless each executable carries the program's icon as it should: one icon group, with an
# image at each of the eight sizes, and every image the picture at its size in solid blocks,
# pixel for pixel as icon_maker prints it (transparent where the picture is clear).
#   tools/check-icon.sh ICON_MAKER EXE...
set -euo pipefail
maker=$1
shift
want="16 20 24 32 40 48 64 256"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# same_picture RGBA N EXPECTED: the raw RGBA image is the printed picture of size N.
same_picture() {
    python3 - "$@" <<'PY'
import sys
raw = open(sys.argv[1], "rb").read()
n = int(sys.argv[2])
rows = [line.split() for line in open(sys.argv[3])]
wrong = 0
for y in range(n):
    for x in range(n):
        r, g, b, a = raw[(y * n + x) * 4:(y * n + x) * 4 + 4]
        want = rows[y][x]
        if want == "------":
            wrong += a != 0
        else:
            wrong += a != 255 or "%02x%02x%02x" % (r, g, b) != want
if len(raw) != n * n * 4 or wrong:
    print(f"{n}x{n}: {wrong} pixels differ from the picture")
    sys.exit(1)
PY
}

status=0
for exe in "$@"; do
    groups=$(wrestool -l --type=14 "$exe" | wc -l)
    if [[ $groups != 1 ]]; then
        echo "icon of $exe: $groups icon groups, expected one"
        status=1
        continue
    fi
    wrestool -x --type=14 -o "$work/icon.ico" "$exe"
    sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | xargs)
    if [[ $sizes != "$want" ]]; then
        echo "icon of $exe: sizes $sizes, expected $want"
        status=1
        continue
    fi
    index=0
    for n in $sizes; do
        convert "$work/icon.ico[$index]" -depth 8 "rgba:$work/image.rgba"
        "$maker" --print "$n" >"$work/picture.txt"
        same_picture "$work/image.rgba" "$n" "$work/picture.txt" || status=1
        index=$((index + 1))
    done
    [[ $status -eq 0 ]] && echo "icon of $exe: $sizes, each the picture in solid blocks"
done
exit $status
