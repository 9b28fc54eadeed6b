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
    # Where the window goes is checked above; to look at its inside it has to be on the screen.
    read -r WX WY WW WH < <(field "$DUMP" window | tr ',' ' ')
    if ((WX < 0 || WY < 0 || WX + WW > SCREEN_W || WY + WH > SCREEN_H)); then
        echo "note: the window lies at $WX,$WY beyond the screen; moved into view to look at it"
        probe move-form $((SCREEN_W - WW)) $((SCREEN_H - WH)) >/dev/null
        sleep 1
        DUMP=$(probe dump)
    fi
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
