#!/usr/bin/env bash
# Every test: installs what is missing, then runs the unit and scenario tests under the
# sanitizers, builds Gorvandel.exe and the release zips for x86_64 and i686 and checks them (the
# imports, the icon, and the same bytes from a second build in another folder), and runs the
# unit, scenario and end-to-end tests (the real .exe under Wine) in one CTest run, whose summary
# closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh

echo "== the C++ sources in the house style (clang-format)"
git ls-files -z 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' | xargs -0 clang-format --dry-run --Werror

echo "== unit and scenario tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -- -j2
ctest --preset sanitize -j2 | tail -n 3

echo "== fuzzers, a short run each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -- -j2
for target in settings date_format number clock; do
  work=$(mktemp -d)
  status=0
  ./build/fuzz/fuzz/fuzz_$target -max_total_time=20 -max_len=2048 -print_final_stats=1 \
    "$work" "fuzz/corpus/$target" >"$work/log" 2>&1 || status=$?
  grep -E 'number_of_executed_units|ERROR|SUMMARY' "$work/log" | sed "s/^/fuzz_$target: /"  || true
  if [ "$status" -ne 0 ]; then tail -n 40 "$work/log"; echo "fuzz_$target found a fault"; exit 1; fi
  rm -rf "$work"
done

echo "== the benchmarks, built so that they keep building (run them by hand: see docs/performance.md)"
cmake --preset bench >/dev/null
cmake --build --preset bench -- -j2

echo "== Gorvandel.exe and the release zips, x86_64 and i686"
# The zips' entries carry the last commit's time; set once, so the second builds below agree.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --target package -- -j2
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target package -- -j2
EXES=(build/mingw64/src/main/Gorvandel.exe build/mingw32/src/main/Gorvandel.exe)
ls -l "${EXES[@]}" build/mingw64/Gorvandel-*.zip build/mingw32/Gorvandel-*.zip
size=$(stat -c %s "${EXES[0]}")
if ((size > 200 * 1024)); then
    echo "the x86_64 Gorvandel.exe has grown to $size bytes, over 200 KB"
    exit 1
fi
# No DLL beyond the allowed system ones: anything else would be looked for beside the .exe.
bash tools/check-imports.sh "${EXES[@]}"
bash tools/check-icon.sh build/mingw64/host-tools/icon_maker "${EXES[@]}"
bash tools/check-zip.sh build/mingw64/Gorvandel-*.zip build/mingw32/Gorvandel-*.zip

echo "== the same bytes again, from a copy of the sources in another folder"
bash tools/check-reproducible.sh mingw64 mingw32

echo "== unit, scenario and end-to-end tests"
cmake --preset native -DGV_E2E_EXE="$PWD/build/mingw64/src/main/Gorvandel.exe" >/dev/null
cmake --build --preset native -- -j2
ctest --preset native
