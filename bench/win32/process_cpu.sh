#!/usr/bin/env bash
# What the whole process costs while it idles in the tray: runs Gorvandel.exe under Wine for a
# while at the default interval (1.0), at 60 and at the shortest (0.001), and beside it, in the
# same run, two minimal Win32 programs (timer_only.cpp, built here with MinGW): one whose timer
# ticks at the clock's timer period and does nothing else, and one with a tray icon and no timer.
# For each it reads the CPU time (utime + stime from /proc/PID/stat) that the program's process,
# the Wine server and the rest of Wine (explorer, which hosts the tray icons, services and the
# like) used while it ran, and the program's wake-ups: the context switches of its threads
# (/proc/PID/task/*/status), each one a time the process was woken or gave up the processor.
#
#   process_cpu.sh GORVANDEL_EXE [MORE_EXES...] [SECONDS]
#
# Several builds (say, before and after a change) are measured one after the other in the same
# run. SECONDS (60 when not given) is the time measured per program and interval, after a
# settling time that the start-up cost is left out by. Builds nothing but timer_only.exe. A
# benchmark, not a test: the exit status says only whether it could measure.
set -u -o pipefail

EXES=()
while [[ $# -gt 0 && -f $1 ]]; do
    EXES+=("$(realpath "$1")")
    shift
done
SECONDS_EACH=${1:-60}
SETTLE=10
if [[ ${#EXES[@]} -eq 0 || ! $SECONDS_EACH =~ ^[0-9]+$ ]]; then
    echo "usage: $0 GORVANDEL_EXE [MORE_EXES...] [SECONDS]" >&2
    exit 2
fi

# shellcheck source=../../tools/wine-desktop.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-desktop.sh"
wd_bench_setup cpu x86_64-w64-mingw32-g++

mkdir -p "$WORK/timer_only"
x86_64-w64-mingw32-g++ -std=c++20 -O2 -municode -mwindows -static \
    -o "$WORK/timer_only/timer_only.exe" "$(dirname "${BASH_SOURCE[0]}")/timer_only.cpp" \
    2>"$WORK/build.log" || wd_setup_failed "timer_only.exe did not build" "$WORK/build.log"
wineserver -w
TICKS=$(getconf CLK_TCK)

# utime + stime of one process, in clock ticks; 0 once it is gone.
cpu_of() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || {
        echo 0
        return
    }
    # The command name in parentheses may hold spaces: count fields after its closing one.
    stat=${stat##*) }
    awk '{print $12 + $13}' <<<"$stat"
}

# Every process of this run's Wine prefix, one "PID KIND" a line: KIND is program (the .exe
# named by $1), server (wineserver) or wine (everything else Wine runs for the prefix).
wine_processes() {
    local pid environ cmdline
    for dir in /proc/[0-9]*; do
        pid=${dir#/proc/}
        environ=$({ tr '\0' '\n' <"$dir/environ"; } 2>/dev/null) || continue
        grep -qxF "WINEPREFIX=$WINEPREFIX" <<<"$environ" || continue
        cmdline=$({ tr '\0' ' ' <"$dir/cmdline"; } 2>/dev/null)
        # The shell's own helpers (sleep, tr) inherit the prefix too; Wine's processes are
        # the server and Windows programs.
        if [[ $cmdline == *wineserver* ]]; then
            echo "$pid server"
        elif [[ $cmdline == *"$1"* ]]; then
            echo "$pid program"
        elif [[ ${cmdline,,} == *.exe* ]]; then
            echo "$pid wine"
        fi
    done
}

# Context switches, voluntary and not, of every thread of one process; 0 once it is gone.
switches_of() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(non)?voluntary_ctxt_switches:/ {n += $2} END {print n + 0}'
}

# The context switches of the program's processes.
program_switches() {
    local pid kind n=0
    while read -r pid kind; do
        [[ $kind == program ]] && n=$((n + $(switches_of "$pid")))
    done < <(wine_processes "$1")
    echo "$n"
}

# Sums the CPU ticks of each kind: prints "PROGRAM SERVER WINE".
cpu_by_kind() {
    local program=0 server=0 wine=0 pid kind t
    while read -r pid kind; do
        t=$(cpu_of "$pid")
        case $kind in
            program) program=$((program + t)) ;;
            server) server=$((server + t)) ;;
            *) wine=$((wine + t)) ;;
        esac
    done < <(wine_processes "$1")
    echo "$program $server $wine"
}

# measure NAME DIR EXE [ARGS...]: starts the program, lets Wine settle, and prints one result
# line with the CPU milliseconds used in SECONDS_EACH seconds (the processes' own and Xvfb's)
# and the program's wake-ups a minute.
measure() {
    local name=$1 dir=$2 exe=$3
    (cd "$dir" && exec wine "$exe" "${@:4}" >>"$WORK/wine.log" 2>&1) &
    local launcher=$!
    sleep "$SETTLE"
    local p0 s0 w0 x0 p1 s1 w1 x1 c0 c1
    read -r p0 s0 w0 < <(cpu_by_kind "$exe")
    x0=$(cpu_of "$WD_XVFB_PID")
    c0=$(program_switches "$exe")
    sleep "$SECONDS_EACH"
    c1=$(program_switches "$exe")
    read -r p1 s1 w1 < <(cpu_by_kind "$exe")
    x1=$(cpu_of "$WD_XVFB_PID")
    wineserver -k 2>/dev/null
    wait "$launcher" 2>/dev/null
    wineserver -w
    local ms=$((1000 / TICKS))
    printf '%-44s %9d %9d %9d %9d %9d %9d\n' "$name" $(((c1 - c0) * 60 / SECONDS_EACH)) \
        $(((p1 - p0) * ms)) $(((s1 - s0) * ms)) $(((p1 - p0 + s1 - s0) * ms)) $(((w1 - w0) * ms)) \
        $(((x1 - x0) * ms))
}

echo "process_cpu: ${SECONDS_EACH} s per program and interval after ${SETTLE} s to settle;"
echo "the program's wake-ups a minute; CPU milliseconds used in that time (clock ticks of"
echo "$((1000 / TICKS)) ms)"
header() {
    printf '%-44s %9s %9s %9s %9s %9s %9s\n' program wakeups/m process wineserver "both" \
        "rest-wine" Xvfb
}
echo
echo "== a tray icon with no timer"
header
measure "timer_only.exe tray (an icon, no timer)" "$WORK/timer_only" timer_only.exe tray
for interval in 1.0 60 0.001; do
    period=$([[ $interval == 0.001 ]] && echo 1 || echo 1000)
    echo
    echo "== interval $interval (timer period $period ms), in the tray"
    header
    measure "timer_only.exe ($period ms, does nothing)" "$WORK/timer_only" timer_only.exe "$period"
    for i in "${!EXES[@]}"; do
        dir=$WORK/app$i
        mkdir -p "$dir"
        cp "${EXES[i]}" "$dir/Gorvandel.exe"
        # The default settings with the interval: a settings file sends the clock to the tray.
        printf '%s\r\n' 'yyyy/mm/dd hh:mm aaa' "$interval" ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' \
            ' 0 ' ' 0 ' ' 0 ' ' 0 ' >"$dir/Gorvandel.ini"
        measure "Gorvandel.exe #$((i + 1))" "$dir" Gorvandel.exe
    done
done
echo
for i in "${!EXES[@]}"; do echo "#$((i + 1)): ${EXES[i]}"; done
