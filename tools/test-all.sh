#!/usr/bin/env bash
# Every test: installs what is missing, then runs the unit and scenario tests under the
# sanitizers, builds Gorvandel.exe for x86_64 and i686, and runs the unit, scenario and
# end-to-end tests (the real .exe under Wine) in one CTest run, whose summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/deps.sh

echo "== unit and scenario tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -- -j2
ctest --preset sanitize -j2 | tail -n 3

echo "== fuzzers, a short run each"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -- -j2
for target in settings date_format number; do
  work=$(mktemp -d)
  status=0
  ./build/fuzz/fuzz/fuzz_$target -max_total_time=20 -max_len=2048 -print_final_stats=1 \
    "$work" "fuzz/corpus/$target" >"$work/log" 2>&1 || status=$?
  grep -E 'number_of_executed_units|ERROR|SUMMARY' "$work/log" | sed "s/^/fuzz_$target: /"  || true
  if [ "$status" -ne 0 ]; then tail -n 40 "$work/log"; echo "fuzz_$target found a fault"; exit 1; fi
  rm -rf "$work"
done

echo "== Gorvandel.exe, x86_64 and i686"
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -- -j2
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 -- -j2
ls -l build/mingw64/src/main/Gorvandel.exe build/mingw32/src/main/Gorvandel.exe
# No DLL beyond the allowed system ones: anything else would be looked for beside the .exe.
bash tools/check-imports.sh build/mingw64/src/main/Gorvandel.exe build/mingw32/src/main/Gorvandel.exe

echo "== unit, scenario and end-to-end tests"
cmake --preset native -DGV_E2E_EXE="$PWD/build/mingw64/src/main/Gorvandel.exe" >/dev/null
cmake --build --preset native -- -j2
ctest --preset native
