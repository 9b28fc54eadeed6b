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
    local id
    for id in $(xdotool search --name '^!Gorvandel$' 2>/dev/null); do
        viewable_geometry "$id" && return 0
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
echo "== the settings window at $DPI DPI"
# within_a_pixel GOT SIZE96: GOT is SIZE96 scaled from 96 DPI to this density, within a pixel.
within_a_pixel() { (($1 * 96 - $2 * DPI <= 96 && $2 * DPI - $1 * 96 <= 96)); }
# The face enlarged to Picture1's size, N x N at client (X, Y), on the button face around it.
match_preview_scaled() {
    local origin
    origin=$(field "$(probe dump)" client_origin)
    crop "$1" $((${origin%,*} + $2 - 1)) $((${origin#*,} + $3 - 1)) $(($4 + 2)) $(($4 + 2)) \
        "$WORK/preview.ppm" &&
        python3 "$HERE/pixels.py" match-face-scaled "$WORK/expected.txt" "$WORK/preview.ppm" \
            "$4" 0 0
}
rm -f "$INI"
start_clock
if wait_until 30 window_visible; then
    pass "window: the first run brings the settings window up"
    DUMP=$(probe dump)
    echo "$DUMP" >"$OUT/window-dump.txt"
    read -r _ _ CW CH < <(field "$DUMP" client | tr ',' ' ')
    client_scaled() { within_a_pixel "$CW" 159 && within_a_pixel "$CH" 150; }
    check "window: client area ${CW}x$CH is 159x150 at $DPI DPI within a pixel" client_scaled
    outside=$(awk -F'[ =,]' -v w="$CW" -v h="$CH" '/^control / {
        for (i = 1; i <= NF; i++) if ($i == "rect") { x = $(i+1); y = $(i+2); cw = $(i+3); ch = $(i+4) }
        if (x < 0 || y < 0 || x + cw > w || y + ch > h) print $2 }' <<<"$DUMP")
    check "window: every control lies inside the client area${outside:+ (not: $outside)}" \
        test -z "$outside"

    TEXTS=$(probe texts)
    echo "$TEXTS" >"$OUT/window-texts.txt"
    check "window: the probe measures at $DPI DPI" dump_has "$TEXTS" "dpi=$DPI"
    # The unit label, the interval box, the button and the eight swatch digits.
    check "window: eleven texts measured" test "$(grep -c '^text id=' <<<"$TEXTS")" = 11
    check "window: measured in the window's font" test "$(grep -c ' font=none ' <<<"$TEXTS")" = 0
    # A measured line ends in a row the glyphs leave blank: a control one row short of it (the
    # designed unit label at 96 DPI) still shows the whole text, as the layout allows.
    text_fits() {
        [[ $1 =~ extent=([0-9]+)x([0-9]+)\ client=([0-9]+)x([0-9]+) ]] || return 1
        ((BASH_REMATCH[1] <= BASH_REMATCH[3] && BASH_REMATCH[2] - 1 <= BASH_REMATCH[4]))
    }
    while read -r line; do
        check "window: text fits its control: ${line#text }" text_fits "$line"
    done < <(grep '^text id=' <<<"$TEXTS")

    read -r PX PY PW PH < <(awk -F'[ =,]' '/^control id=100 / {
        for (i = 1; i <= NF; i++) if ($i == "rect") print $(i+1), $(i+2), $(i+3), $(i+4) }' \
        <<<"$DUMP")
    preview_scaled() { within_a_pixel "$PW" 16 && [[ $PW == "$PH" ]]; }
    check "window: the preview is ${PW}x$PH, 16x16 scaled within a pixel and square" preview_scaled
    if [[ -x $FACE_DUMP ]]; then
        # The analog face at this minute; take the picture where the minute cannot turn over.
        while (($(date +%-S) < 2 || $(date +%-S) > 55)); do sleep 1; done
        sleep 2.5  # a refresh comes every two seconds with the default interval
        shot "window-$DPI"
        expected_face 0 0 0 0 0 0 0 0 0 0 "$(date +%H:%M)"
        check "window: the preview shows the analog face in solid ${PW}x$PW blocks" \
            match_preview_scaled "window-$DPI" "$PX" "$PY" "$PW"
    else
        shot "window-$DPI"
    fi

    # A change of DPI, which Wine never sends by itself: told 96, the controls are the
    # designed ones to the pixel; told this screen's DPI again, they are as they came up. (Wine
    # draws the frame and caption for the screen's DPI whatever the window's, so the outer size
    # told 96 is not the one Windows would give.)
    probe dpi-changed 96 >/dev/null
    DUMP96=$(probe dump)
    echo "$DUMP96" >"$OUT/window-dump-told-96.txt"
    for want in 'id=100 class=GorvandelPicture1 rect=8,8,16,16' 'id=101 class=Static rect=80,12,12,12' \
        'id=102 class=Edit rect=40,8,37,18' 'id=103 class=Button rect=108,4,41,21' \
        'id=106 class=Button rect=4,48,149,37' 'id=107 class=Button rect=4,108,149,37' \
        'id=108 class=Static rect=16,64,22,13' 'id=115 class=Static rect=112,124,22,13'; do
        check "window: told 96 DPI, $want" grep -q "^control $want " <<<"$DUMP96"
    done
    probe dpi-changed "$DPI" >/dev/null
    check "window: told $DPI DPI again, every control is back where it came up" \
        test "$(grep '^control ' <<<"$DUMP")" = "$(probe dump | grep '^control ')"
    check "window: told $DPI DPI again, the client area is as it came up" \
        test "$(field "$DUMP" client)" = "$(field "$(probe dump)" client)"

    probe close >/dev/null
    check "window: closing ends the program" wait_until 15 clock_exited
else
    fail "window: the first run did not bring the settings window up"
    shot window-failed
    kill "$CLOCK_PID" 2>/dev/null
fi

finish
