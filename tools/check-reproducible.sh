#!/usr/bin/env bash
# Builds the release packages again from a copy of the sources in another folder, and fails unless
# each .exe, zip and SHA256SUMS is byte for byte the one already built in build/PRESET.
#   tools/check-reproducible.sh PRESET...   (after cmake --build --preset PRESET --target package)
# The copy is the working tree as it is, committed or not; it has no history, so both builds take
# the zip's date from SOURCE_DATE_EPOCH, set here from the last commit when it is not set.
set -euo pipefail
cd "$(dirname "$0")/.."
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
copy=$(mktemp -d /tmp/gorvandel-again.XXXXXX)
trap 'rm -rf "$copy"' EXIT

git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e $file ]] && printf '%s\0' "$file"; done |
    tar --null --files-from=- -cf - | tar -xf - -C "$copy"

status=0
for preset in "$@"; do
    if ! (cd "$copy" && cmake --preset "$preset" && cmake --build --preset "$preset" \
        --target package -- -j2) >"$copy/$preset.log" 2>&1; then
        tail -n 30 "$copy/$preset.log"
        echo "$preset: the second build failed"
        status=1
        continue
    fi
    zips=$(cd "$copy/build/$preset" && ls Gorvandel-*.zip)
    for file in src/main/Gorvandel.exe $zips SHA256SUMS; do
        first=$(sha256sum <"build/$preset/$file" | cut -d' ' -f1)
        second=$(sha256sum <"$copy/build/$preset/$file" | cut -d' ' -f1)
        if [[ $first == "$second" ]]; then
            echo "$preset: $file $first in both builds"
        else
            echo "$preset: $file differs: $first here, $second in $copy"
            status=1
        fi
    done
done
exit $status
