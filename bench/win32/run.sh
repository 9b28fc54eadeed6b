#!/usr/bin/env bash
# Runs refresh_bench.exe under Wine the way the end-to-end tests run the clock: on a private
# virtual X display with a real tray host (trayer), in a fresh Wine prefix with a Japanese locale.
# Builds nothing; build first with the mingw64 preset.
#
#   run.sh REFRESH_BENCH_EXE [MORE_EXES...] [REFRESHES_PER_ROUND [ROUNDS]]
#
# Several builds (say, before and after a change) run one after the other on the same display,
# tray and prefix, so that their figures come from the same run. Prints the benchmark's own
# lines, each build's under a header naming it. The exit status is the last failing
# benchmark's, or 2 when the setup failed (what failed is printed with the log that says why).
set -u -o pipefail

EXES=()
while [[ $# -gt 0 && -f $1 ]]; do
    EXES+=("$(realpath "$1")")
    shift
done
if [[ ${#EXES[@]} -eq 0 ]]; then
    echo "usage: $0 REFRESH_BENCH_EXE [MORE_EXES...] [REFRESHES_PER_ROUND [ROUNDS]]" >&2
    exit 2
fi

# shellcheck source=../../tools/wine-desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-desktop.sh"
wd_bench_setup bench

# The console under Wine is awkward; the results go to a file and are printed from there.
status=0
for i in "${!EXES[@]}"; do
    mkdir -p "$WORK/run$i"
    cp "${EXES[i]}" "$WORK/run$i/refresh_bench.exe"
    [[ ${#EXES[@]} -gt 1 ]] && echo "== ${EXES[i]}"
    (cd "$WORK/run$i" && wine refresh_bench.exe "$@" >results.txt 2>wine.log)
    this=$?
    tr -d '\r' <"$WORK/run$i/results.txt"
    if [[ $this -ne 0 ]]; then
        cat "$WORK/run$i/wine.log" >&2
        status=$this
    fi
done
exit "$status"
