#!/usr/bin/env bash
# Builds Gorvandel.exe and runs it under Wine.
#
# With $DISPLAY set, the clock runs on that display until it is closed. Without one, it runs on
# a private virtual display with a tray host for a few seconds, and the script saves a
# screenshot of the settings window and of the tray icon and prints where they are.
#
# Installs what is missing from Debian's archive first, with tools/deps.sh (needs root or sudo).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
RUN_DIR=$ROOT/build/run-clock

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

build() {
    cd "$ROOT"
    cmake --preset mingw64 >/dev/null
    cmake --build --preset mingw64 -j2
}

# One list of packages for building, testing and running: tools/deps.sh.
as_root bash "$ROOT/tools/deps.sh"
build
mkdir -p "$RUN_DIR"
cp "$ROOT/build/mingw64/src/main/Gorvandel.exe" "$RUN_DIR/"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}

if [[ -n ${DISPLAY:-} ]]; then
    # The settings file stays in $RUN_DIR from one run to the next.
    echo "running $RUN_DIR/Gorvandel.exe on $DISPLAY (close its window to end it)"
    cd "$RUN_DIR"
    exec wine Gorvandel.exe
fi

# No display: a private one, a tray host and a fresh Wine prefix, all gone at the end.
WORK=$(mktemp -d /tmp/gorvandel-run.XXXXXX)
source "$ROOT/tools/wine-desktop.sh"
CLOCK_PID=
cleanup() {
    [[ -n $CLOCK_PID ]] && kill "$CLOCK_PID" 2>/dev/null
    wd_stop
    rm -rf "$WORK"
}
trap cleanup EXIT

wd_start_display "$WORK/xvfb.log" || { echo "Xvfb did not start" >&2; exit 1; }
wd_start_trayer "$WORK/trayer.log"
echo "preparing a Wine prefix on $DISPLAY"
wd_make_prefix "$WORK/prefix" "$WORK/wineboot.log" || { echo "wineboot failed" >&2; exit 1; }

APP=$WORK/app
mkdir -p "$APP"
cp "$RUN_DIR/Gorvandel.exe" "$APP/"
(cd "$APP" && exec wine Gorvandel.exe >/dev/null 2>&1) &
CLOCK_PID=$!

# A first run (no settings file) shows the settings window.
WINDOW=
for _ in $(seq 60); do
    WINDOW=$(xdotool search --onlyvisible --name '^!Gorvandel$' 2>/dev/null | head -n1) || true
    [[ -n $WINDOW ]] && break
    sleep 0.5
done
if [[ -z $WINDOW ]]; then
    echo "the settings window did not appear" >&2
    exit 1
fi
sleep 3
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
WINDOW_SHOT=$RUN_DIR/settings-window.png
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$WINDOW_SHOT"

# Apply puts the window into the tray; the button sits at (128, 14) in the client area, which
# fills the bottom of the frame between equal side borders.
BORDER=$(((WIDTH - 159) / 2))
xdotool mousemove $((X + BORDER + 128)) $((Y + HEIGHT - BORDER - 150 + 14)) sleep 0.2 click 1
sleep 4
TRAY_SHOT=$RUN_DIR/tray.png
import -window root -crop 120x24+904+744 +repage "$TRAY_SHOT"
SCREEN_SHOT=$RUN_DIR/screen.png
import -window root "$SCREEN_SHOT"

echo "settings window: $WINDOW_SHOT"
echo "tray (icon at the right end): $TRAY_SHOT"
echo "whole screen: $SCREEN_SHOT"
