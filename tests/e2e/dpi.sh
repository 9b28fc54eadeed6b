#!/usr/bin/env bash
# End-to-end tests at another screen density: the real Gorvandel.exe under Wine with the prefix's
# LogPixels set before the start, so the program sees a 125-300 % screen.
#
#   dpi.sh DPI GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]
#
# tests/e2e/lib.sh sets up the display, tray and Wine prefix and holds the helpers. The last line
# printed is "N passed, N failed".
set -u -o pipefail

DPI=${1:-}
if [[ ! $DPI =~ ^[0-9]+$ ]]; then
    echo "usage: $0 DPI GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]" >&2
    echo "0 passed, 1 failed"
    exit 2
fi
shift
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
set_screen_dpi "$DPI"
echo "== screen density $DPI DPI"

# --- The tray icon at the tray's size ---------------------------------------------------------

# The settings window as X shows it: "X Y W H" of the mapped window titled !Gorvandel, or
# nothing. Wine leaves a window that lies wholly off the screen unmapped, so a window the
# program placed there is not found at all.
mapped_window_geometry() {
    local id info
    for id in $(xdotool search --name '^!Gorvandel$' 2>/dev/null); do
        info=$(xwininfo -id "$id" 2>/dev/null)
        grep -q 'Map State: IsViewable' <<<"$info" || continue
        awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
             /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}' <<<"$info"
        return 0
    done
    return 1
}
# The window is mapped and lies wholly on the screen.
window_on_screen() {
    local x y w h
    read -r x y w h < <(mapped_window_geometry) || return 1
    ((x >= 0 && y >= 0 && w > 0 && h > 0 && x + w <= SCREEN_W && y + h <= SCREEN_H))
}
# The window's outer frame ends at the work area's bottom-right corner, as the program sees it.
window_at_corner() {
    local dump
    dump=$(probe dump)
    [[ -n $(field "$dump" window_right) &&
        "$(field "$dump" window_right) $(field "$dump" window_bottom)" == \
        "$(field "$dump" work_right) $(field "$dump" work_bottom)" ]]
}
# match_icon_scaled SHOT N: the docked icon shows the expected face enlarged to N x N in solid
# blocks, on the tray's background where it is transparent.
match_icon_scaled() {
    local x y w h
    read -r x y w h < <(tray_icon_geometry) || return 1
    crop "$1" "$x" "$y" "$w" "$h" "$WORK/icon.ppm" &&
        python3 "$HERE/pixels.py" match-face-scaled "$WORK/expected.txt" "$WORK/icon.ppm" "$2" 0 0
}
# The tray draws notification icons at the small-icon size, 16 pixels at 96 DPI.
ICON_SIZE=$((16 * DPI / 96))

# A tray panel tall enough for the icon and the border the tray puts round it (36 pixels at
# 192 DPI); a shorter panel would clip it.
kill "$WD_TRAYER_PID" 2>/dev/null
wait "$WD_TRAYER_PID" 2>/dev/null
export WD_TRAYER_HEIGHT=$((ICON_SIZE + 12))
start_trayer

echo "== the tray icon at $ICON_SIZE x $ICON_SIZE"
rm -f "$INI"
start_clock
# Polled for a while: a window placed off the screen never becomes mapped.
if wait_until 30 window_on_screen; then
    pass "first run at $DPI DPI: the window is mapped and wholly on the screen"
else
    fail "first run at $DPI DPI: the window is mapped and wholly on the screen" \
        "($(mapped_window_geometry || echo 'not mapped'); $(probe dump | grep '^window='))"
fi
check "first run at $DPI DPI: the outer frame ends at the work area's corner" window_at_corner
shot dpi-first-run
probe close >/dev/null
check "first run at $DPI DPI: closing ends the program" wait_until 15 clock_exited

start_clock
check "with a file at $DPI DPI: the icon docks in the tray" wait_until 30 icon_docked
check "with a file at $DPI DPI: the window stays hidden" window_hidden
if [[ -x $FACE_DUMP ]]; then
    # The analog face at this minute; taken where the minute cannot turn over.
    while (($(date +%-S) < 2 || $(date +%-S) > 55)); do sleep 1; done
    sleep 2.5
    shot dpi-tray
    expected_face 0 0 0 0 0 0 0 0 0 0 "$(date +%H:%M)"
    if match_icon_scaled dpi-tray "$ICON_SIZE" >"$OUT/match-icon-scaled.txt"; then
        pass "with a file at $DPI DPI: the icon is the face in solid ${ICON_SIZE}x$ICON_SIZE blocks"
    else
        cat "$OUT/match-icon-scaled.txt"
        fail "with a file at $DPI DPI: the icon is the face in solid ${ICON_SIZE}x$ICON_SIZE blocks"
    fi
    # The icon and the tray round it, eight times enlarged, for looking at.
    if read -r IX IY IW IH < <(tray_icon_geometry); then
        "$CONVERT" "$SCREENS/dpi-tray.png" -crop "$((IW + 40))x$((IH + 16))+$((IX - 20))+$((IY - 8))" \
            +repage -filter point -resize 800% "$SCREENS/dpi-tray-icon-zoomed.png" 2>/dev/null
    fi
fi
click_icon 1
check "left release at $DPI DPI: the window comes up" wait_until 10 window_visible
check "left release at $DPI DPI: the window is mapped and wholly on the screen" \
    wait_until 10 window_on_screen
check "left release at $DPI DPI: the icon is removed" wait_until 10 icon_gone
shot dpi-after-release
probe close >/dev/null
check "at $DPI DPI: WM_CLOSE ends the program" wait_until 15 clock_exited
# The next part starts from a first run again.
rm -f "$INI"


# --- The settings window laid out for the screen ----------------------------------------------

finish
