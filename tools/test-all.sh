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

echo "== Gorvandel.exe, x86_64 and i686"
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 -- -j2
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 -- -j2
ls -l build/mingw64/Gorvandel.exe build/mingw32/Gorvandel.exe

echo "== unit, scenario and end-to-end tests"
cmake --preset native -DGV_E2E_EXE="$PWD/build/mingw64/Gorvandel.exe" >/dev/null
cmake --build --preset native -- -j2
ctest --preset native
