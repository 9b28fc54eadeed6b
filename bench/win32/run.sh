#!/usr/bin/env bash
# Runs refresh_bench.exe under Wine the way the end-to-end tests run the clock: on a private
# virtual X display with a real tray host (trayer), in a fresh Wine prefix with a Japanese locale.
# Builds nothing; build first with the mingw64 preset.
#
#   run.sh REFRESH_BENCH_EXE [REFRESHES_PER_ROUND [ROUNDS]]
#
# Prints the benchmark's own lines. The exit status is the benchmark's, or 2 when the setup
# failed (what failed is printed with the log that says why).
set -u -o pipefail

if [[ $# -lt 1 || ! -f $1 ]]; then
    echo "usage: $0 REFRESH_BENCH_EXE [REFRESHES_PER_ROUND [ROUNDS]]" >&2
    exit 2
fi
EXE=$(realpath "$1")
shift

missing=()
for tool in Xvfb trayer wine wineboot wineserver; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "tools missing: ${missing[*]}" >&2
    exit 2
fi

WORK=$(mktemp -d /tmp/gorvandel-bench.XXXXXX)
# shellcheck source=../../tools/wine-desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-desktop.sh"
cleanup() {
    wd_stop
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
setup_failed() {
    echo "$1" >&2
    [[ -f $2 ]] && cat "$2" >&2
    exit 2
}

wd_start_display "$WORK/xvfb.log" || setup_failed "Xvfb did not start" "$WORK/xvfb.log"
wd_start_trayer "$WORK/trayer.log"
wd_make_prefix "$WORK/prefix" "$WORK/wineboot.log" ||
    setup_failed "wineboot -i failed" "$WORK/wineboot.log"

# The console under Wine is awkward; the results go to a file and are printed from there.
cp "$EXE" "$WORK/refresh_bench.exe"
(cd "$WORK" && wine refresh_bench.exe "$@" >"$WORK/results.txt" 2>"$WORK/wine.log")
status=$?
tr -d '\r' <"$WORK/results.txt"
[[ $status -eq 0 ]] || cat "$WORK/wine.log" >&2
exit "$status"
