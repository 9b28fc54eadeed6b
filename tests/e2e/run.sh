#!/usr/bin/env bash
# End-to-end tests: the real Gorvandel.exe under Wine, on a private virtual X display with a
# real XEmbed tray host (trayer), in a fresh Wine prefix with a Japanese locale.
#
#   run.sh GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]
#
# The whole life of one clock at the standard screen density: first run, the tray, the window,
# the settings file, the end of the session. tests/e2e/lib.sh sets up the display, tray and
# Wine prefix and holds the helpers. The last line printed is "N passed, N failed".
set -u -o pipefail

# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

DEFAULT_LINES=('yyyy/mm/dd hh:mm aaa' '1.0' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' \
    ' 0 ' ' 0 ')

# --- First run: no settings file -------------------------------------------------------------
echo "== first run"
start_clock
if ! wait_until 30 window_visible; then
    fail "first run: the settings window did not appear"
    shot 01-first-run-failed
    finish
fi
pass "first run: the settings window appears"
sleep 1
shot 01-first-run
DUMP=$(probe dump)
echo "$DUMP" >"$OUT/first-run-dump.txt"
check "first run: caption is !Gorvandel" dump_has "$DUMP" 'caption=!Gorvandel'
check "first run: topmost" dump_has "$DUMP" 'topmost=1'
check "first run: fixed frame with close box only" bash -c '
    for want in caption_bar=1 system_menu=1 minimize_box=0 maximize_box=0 sizing_border=0 \
        has_menu=0 taskbar_button=0; do grep -qx "$want" <<<"$1" || exit 1; done' _ "$DUMP"
check "first run: client area 159x150" dump_has "$DUMP" 'client=0,0,159,150'
check "first run: outer frame ends at the work area's bottom-right corner" \
    test "$(field "$DUMP" window_right) $(field "$DUMP" window_bottom)" \
    = "$(field "$DUMP" work_right) $(field "$DUMP" work_bottom)"
check "first run: on bare Xvfb that corner is the screen's" bash -c '
    id=$(xdotool search --name "^!Gorvandel$" | head -n1)
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [[ $((X + WIDTH)) -eq $1 && $((Y + HEIGHT)) -eq $2 ]]' _ "$SCREEN_W" "$SCREEN_H"
for want in \
    'control id=100 class=GorvandelPicture1 rect=8,8,16,16 tabstop=0 text=' \
    'control id=101 class=Static rect=80,12,12,12 tabstop=0 notify=0 text=秒' \
    'control id=102 class=Edit rect=40,8,37,18 tabstop=1 centred=1 text=1.0' \
    'control id=103 class=Button rect=108,4,41,21 tabstop=1 text=設定' \
    'control id=106 class=Button rect=4,48,149,37 tabstop=0 text=' \
    'control id=107 class=Button rect=4,108,149,37 tabstop=0 text='; do
    check "first run: ${want#control }" dump_has "$DUMP" "$want"
done
check "first run: top list is a drop-down with edit field at 4,32 width 149" \
    grep -q '^control id=104 class=ComboBox rect=4,32,149,[0-9]* tabstop=1 dropdown=1 text=アナログ$' \
    <<<"$DUMP"
check "first run: bottom list is a drop-down with edit field at 4,92 width 149" \
    grep -q '^control id=105 class=ComboBox rect=4,92,149,[0-9]* tabstop=1 dropdown=1 text=なし$' \
    <<<"$DUMP"
swatch_tops=(64 64 64 64 124 124 124 124)
swatch_lefts=(16 48 80 112 16 48 80 112)
digits=(１ ２ ３ ４ ５ ６ ７ ８)
for i in 0 1 2 3 4 5 6 7; do
    check "first run: swatch $i" dump_has "$DUMP" \
        "control id=$((108 + i)) class=Static rect=${swatch_lefts[i]},${swatch_tops[i]},22,13 tabstop=0 notify=1 text=${digits[i]}"
done
check "first run: top list items" dump_has "$DUMP" \
    'combo1.items=アナログ|デジタル [12]|デジタル [24]|月日 [ 1 1]|月日 [0101]|西暦'
check "first run: bottom list items" dump_has "$DUMP" \
    'combo2.items=なし|デジタル [12]|デジタル [24]|月日 [ 1 1]|月日 [0101]|西暦'
check "first run: アナログ selected, なし selected and disabled" bash -c '
    for want in combo1.selected=0 combo1.enabled=1 combo2.selected=0 combo2.enabled=0; do
        grep -qx "$want" <<<"$1" || exit 1; done' _ "$DUMP"
check "first run: the open top list shows all six items" \
    test "$(field "$DUMP" combo1.list_rows)" -ge 6
check "first run: tab order Text1, Command1, Combo1 (Combo2 is disabled)" dump_has "$DUMP" \
    'tab_order=Edit:1.0,Button:設定,ComboBox:アナログ'
check "first run: no tray icon while the window is up" icon_gone
# The caption's icon is the program's own clock picture: 12 yellow dots and 11 red hand pixels.
read -r WX WY < <(probe dump | awk -F'[=,]' '/^window=/ {print $2, $3}')
read -r CX CY < <(probe dump | awk -F'[=,]' '/^client_origin=/ {print $2, $3}')
crop 01-first-run "$WX" "$WY" 40 $((CY - WY)) "$WORK/caption.ppm"
check "first run: the caption shows the clock icon (12 yellow dots, 11 red hand pixels)" \
    test "$(count_colour "$WORK/caption.ppm" ffff00) $(count_colour "$WORK/caption.ppm" ff0000)" \
    = "12 11"
if [[ -x $FACE_DUMP ]]; then
    # The analog face at this minute; take the picture where the minute cannot turn over.
    while (($(date +%-S) < 2 || $(date +%-S) > 55)); do sleep 1; done
    sleep 2.5  # a refresh comes every two seconds with the default interval
    shot 01-first-run-preview
    expected_face 0 0 0 0 0 0 0 0 0 0 "$(date +%H:%M)"
    check "first run: the preview shows the analog face in black" match_preview 01-first-run-preview
fi

focus_window
xdotool key --clearmodifiers alt+F4
check "first run: Alt+F4 ends the program" wait_until 15 clock_exited
check "first run: closing writes the 77-byte default settings file" \
    settings_file_is "${DEFAULT_LINES[@]}"
check "first run: 77 bytes" test "$(stat -c %s "$INI" 2>/dev/null)" = 77

# --- Start with the default file: straight into the tray ------------------------------------
echo "== start with a settings file"
start_clock
check "with a file: the icon docks in the tray" wait_until 30 icon_docked
check "with a file: the window stays hidden" window_hidden
sleep 1
shot 02-tray-default
if [[ -x $FACE_DUMP ]]; then
    while (($(date +%-S) < 2 || $(date +%-S) > 55)); do sleep 1; done
    sleep 2.5
    shot 02-tray-default
    expected_face 0 0 0 0 0 0 0 0 0 0 "$(date +%H:%M)"
    check "with a file: the docked icon is the analog face, transparent around it" \
        match_icon 02-tray-default
fi

read -r IX IY IW IH < <(tray_icon_geometry)
xdotool mousemove $((IX + 3)) $((IY + 3)) sleep 0.3 mousemove $((IX + IW / 2)) $((IY + IH / 2)) \
    sleep 0.3 mousemove $((IX + IW - 3)) $((IY + IH - 3))
sleep 1.5
check "mere movement over the icon leaves the window hidden" window_hidden
check "mere movement over the icon keeps the icon" icon_docked
# Resting on the icon shows its tooltip: the default pattern with the locale's weekday, in the
# Japanese code page on the way to the tray.
WEEKDAYS=(日 月 火 水 木 金 土)
tip_now() { echo "tip=$(date '+%Y/%m/%d %H:%M') ${WEEKDAYS[$(date +%w)]}"; }
TIP_BEFORE=$(tip_now)
xdotool mousemove $((IX + IW / 2)) $((IY + IH / 2))
wait_until 5 bash -c '[[ -n $(wine "$1" tips 2>/dev/null | tr -d "\r") ]]' _ "$PROBE"
TIP=$(probe tips | head -n1)
TIP_AFTER=$(tip_now)
shot 02-tooltip
echo "tooltip: $TIP"
check "the tooltip reads yyyy/mm/dd hh:mm and the weekday" \
    test "$TIP" = "$TIP_BEFORE" -o "$TIP" = "$TIP_AFTER"

click_icon 1
check "left click on the icon brings the window up" wait_until 10 window_visible
check "left click: the icon is removed" wait_until 10 icon_gone
DUMP=$(probe dump)
check "left click: the window is topmost" dump_has "$DUMP" 'topmost=1'
check "left click: the window is at the work area's corner" \
    test "$(field "$DUMP" window_right) $(field "$DUMP" window_bottom)" \
    = "$(field "$DUMP" work_right) $(field "$DUMP" work_bottom)"
shot 03-after-left-click

type_interval 0
press_apply
check "Apply with 0: a message box appears" wait_until 10 box_open
BOXES=$(probe boxes)
echo "$BOXES" >"$OUT/message-box.txt"
check "Apply with 0: the box is titled !Gorvandel" dump_has "$BOXES" 'box.title=!Gorvandel'
check "Apply with 0: the box asks for 0.001 or more" dump_has "$BOXES" \
    'box.text=更新時間を 0.001 以上に設定して下さい'
check "Apply with 0: the box has an OK button only" \
    test "$(grep -c '^box.button=' <<<"$BOXES")" = 1
shot 04-message-box
xdotool key --clearmodifiers Return
check "Apply with 0: OK closes the box" wait_until 10 box_closed
check "Apply with 0: the window stays up" window_visible
check "Apply with 0: the text stays as typed" dump_has "$(probe dump)" \
    'control id=102 class=Edit rect=40,8,37,18 tabstop=1 centred=1 text=0'
check "Apply with 0: no tray icon" icon_gone

type_interval 2
press_apply
check "Apply with 2: the window goes back to the tray" wait_until 10 window_hidden
check "Apply with 2: the icon docks again" wait_until 15 icon_docked
shot 05-back-in-tray

click_icon 3
check "right click on the icon brings the window up" wait_until 10 window_visible
check "right click: the icon is removed" wait_until 10 icon_gone
shot 06-after-right-click
press_apply
check "Apply with 2 again: back to the tray" wait_until 10 window_hidden
check "Apply with 2 again: the icon docks" wait_until 15 icon_docked

# The shell forgets every icon when it restarts and then broadcasts "TaskbarCreated".
check "an outside delete removes the icon" bash -c '[[ $(wine "$1" tray-delete 2>/dev/null |
    tr -d "\r") == deleted=1 ]]' _ "$PROBE"
check "after the delete the tray is empty" wait_until 10 icon_gone
probe taskbar-created >/dev/null
check "TaskbarCreated puts the icon back" wait_until 15 icon_docked
check "TaskbarCreated leaves the window hidden" window_hidden

kill "$WD_TRAYER_PID" 2>/dev/null
wait "$WD_TRAYER_PID" 2>/dev/null
sleep 1
start_trayer
check "a restarted tray host shows the icon again" wait_until 20 icon_docked
shot 07-tray-restarted

# Logging off: the session's end saves the settings while the window is hidden.
wineboot --end-session >"$OUT/end-session.log" 2>&1
check "end of session ends the program" wait_until 20 clock_exited
check "end of session saves the settings (the applied interval 2)" settings_file_is \
    'yyyy/mm/dd hh:mm aaa' '2' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 '

# --- Digits in colour: year on top, month and day below -------------------------------------
echo "== year and month-day faces"
COLOURS=(255 65280 16711680 65535 16711935 16776960 8388608 32768)
HEX=(ff0000 00ff00 0000ff ffff00 ff00ff 00ffff 000080 008000)
# The tooltip pattern carries kanji, stored in code page 932 like everything in the file.
COLOUR_LINES=('yyyy年mm月dd日(aaa)' '0.05' ' 5 ' ' 4 ')
for c in "${COLOURS[@]}"; do COLOUR_LINES+=(" $c "); done
printf '%s\r\n' "${COLOUR_LINES[@]}" | iconv -f UTF-8 -t CP932 >"$INI"
rm -f "$GDI_REPORT"
start_clock
check "colour faces: the icon docks" wait_until 30 icon_docked
if [[ -x $FACE_DUMP ]]; then
    ok=1
    for _ in 1 2 3; do
        sleep 1
        expected_face 5 4 "${COLOURS[@]}"
        shot 08-tray-year-month-day
        if match_icon 08-tray-year-month-day >"$OUT/match-icon.txt"; then ok=0; break; fi
    done
    cat "$OUT/match-icon.txt"
    check "colour faces: the docked icon shows year and month-day in the slot colours" test $ok = 0
fi
read -r IX IY IW IH < <(tray_icon_geometry)
xdotool mousemove $((IX + IW / 2 - 2)) $((IY + IH / 2)) sleep 0.3 \
    mousemove $((IX + IW / 2)) $((IY + IH / 2))
wait_until 5 bash -c '[[ -n $(wine "$1" tips 2>/dev/null | tr -d "\r") ]]' _ "$PROBE"
TIP=$(probe tips | head -n1)
shot 08-tooltip-kanji
echo "tooltip: $TIP"
check "a pattern with kanji read from code page 932 formats the tooltip" \
    test "$TIP" = "tip=$(date +%Y年%m月%d日)(${WEEKDAYS[$(date +%w)]})"
sleep 2 # a stream of refreshes, twenty a second
click_icon 1
check "colour faces: a click brings the window up" wait_until 10 window_visible
sleep 1
shot 09-window-colours
DUMP=$(probe dump)
check "colour faces: 西暦 and 月日 [0101] selected, bottom list enabled" bash -c '
    for want in combo1.selected=5 combo2.selected=4 combo2.enabled=1; do
        grep -qx "$want" <<<"$1" || exit 1; done' _ "$DUMP"
check "tab order with both lists enabled: Text1, Command1, Combo1, Combo2" dump_has "$DUMP" \
    'tab_order=Edit:0.05,Button:設定,ComboBox:西暦,ComboBox:月日 [0101]'
read -r CX CY < <(awk -F'[=,]' '/^client_origin=/ {print $2, $3}' <<<"$DUMP")
for i in 0 1 2 3 4 5 6 7; do
    crop 09-window-colours $((CX + swatch_lefts[i])) $((CY + swatch_tops[i])) 22 13 \
        "$WORK/swatch.ppm"
    check "swatch $((i + 1)) is written in its slot's colour ${HEX[i]}" \
        test "$(count_colour "$WORK/swatch.ppm" "${HEX[i]}")" -ge 3
done
if [[ -x $FACE_DUMP ]]; then
    expected_face 5 4 "${COLOURS[@]}"
    check "colour faces: the preview shows the same face" match_preview 09-window-colours
fi

# The lists: choosing with the keyboard raises the same handlers as the mouse.
focus_window
click_client 60 42
xdotool key --clearmodifiers Up Up Up Up Up
sleep 0.5
DUMP=$(probe dump)
check "choosing アナログ on top sends the bottom list to なし and disables it" bash -c '
    for want in combo1.selected=0 combo2.selected=0 combo2.enabled=0; do
        grep -qx "$want" <<<"$1" || exit 1; done' _ "$DUMP"
xdotool key --clearmodifiers Down Down
sleep 0.5
DUMP=$(probe dump)
check "choosing デジタル [24] next enables the bottom list, still at なし" bash -c '
    for want in combo1.selected=2 combo2.selected=0 combo2.enabled=1; do
        grep -qx "$want" <<<"$1" || exit 1; done' _ "$DUMP"
COLOUR_LINES[2]=' 2 '
COLOUR_LINES[3]=' 0 '

# A swatch opens the colour dialog; cancelling it before any colour was confirmed in this run
# makes the slot black.
click_client $((swatch_lefts[2] + 11)) $((swatch_tops[2] + 6))
check "a click on swatch 3 opens the colour dialog" wait_until 10 box_open
shot 10-colour-dialog
xdotool key --clearmodifiers Escape
check "Escape closes the colour dialog" wait_until 10 box_closed
read -r CX CY < <(probe dump | awk -F'[=,]' '/^client_origin=/ {print $2, $3}')
# Repaints queue behind the stream of refreshes, so look a few times.
swatch_3_black() {
    shot 11-swatch-cancelled
    crop 11-swatch-cancelled $((CX + swatch_lefts[2])) $((CY + swatch_tops[2])) 22 13 \
        "$WORK/swatch.ppm"
    (($(count_colour "$WORK/swatch.ppm" 000000) >= 3 &&
        $(count_colour "$WORK/swatch.ppm" 0000ff) == 0))
}
check "after the cancel swatch 3 is written in black instead of blue" wait_until 10 swatch_3_black
COLOUR_LINES[6]=' 0 '
press_apply
check "colour faces: Apply returns to the tray" wait_until 10 window_hidden
wait_until 15 icon_docked
probe close >/dev/null
check "WM_CLOSE while in the tray ends the program" wait_until 15 clock_exited
check "WM_CLOSE while in the tray saves the settings unchanged" \
    settings_file_is "${COLOUR_LINES[@]}"
if [[ -s $GDI_REPORT ]]; then
    REPORT=$(tr -d '\r' <"$GDI_REPORT")
    echo "GDI: $REPORT"
    read -r made destroyed most bmade bdestroyed bmost sent skipped < <(sed -E \
        's/icons made ([0-9]+) destroyed ([0-9]+) most-alive ([0-9]+); bitmaps made ([0-9]+) destroyed ([0-9]+) most-alive ([0-9]+); tray modifies sent ([0-9]+) skipped ([0-9]+)/\1 \2 \3 \4 \5 \6 \7 \8/' \
        <<<"$REPORT")
    # Twenty refreshes a second, but the face and the tooltip stay the same: icons are made
    # only for the calls that reach the tray (the adds and a modify when something changed)
    # and once for the window.
    check "icons: only calls that reach the tray make icons ($made made, $sent modifies sent)" \
        test "${made:-99}" -le $((${sent:-0} + 4))
    check "icons: every icon made was destroyed" test "${made:-0}" = "${destroyed:-x}"
    check "icons: never more than two alive at once (window icon and one for the tray)" \
        test "${most:-99}" -le 2
    check "bitmaps: every bitmap made was deleted" test "${bmade:-0}" = "${bdestroyed:-x}"
    check "bitmaps: never more than two alive at once" test "${bmost:-99}" -le 2
    # Two for the window icon, made once, and one pair that every tray icon is made from.
    check "bitmaps: refreshing makes none of its own ($bmade made in all)" \
        test "${bmade:-99}" -le 4
    # In the tray the face and the tooltip stay the same all day: after the icon was added,
    # refresh after refresh would hand the shell the same picture again.
    check "tray: modifies that change nothing are skipped ($skipped skipped, $sent sent)" \
        test "${skipped:-0}" -ge 20
else
    fail "no GDI report was written at exit"
fi

# --- Logging off with the window up: what the box holds is saved, applied or not ------------
echo "== end of session with the window up"
start_clock
wait_until 30 icon_docked
if [[ -x $FACE_DUMP ]]; then
    # The time on top and a tooltip of the date alone: when the minute turns, only the picture
    # changes, and the new face must still reach the tray.
    DOCKED_AT=$(date +%H:%M)
    while [[ $(date +%H:%M) == "$DOCKED_AT" ]]; do sleep 0.5; done
    read -ra SLOTS <<<"${COLOUR_LINES[*]:4:8}"
    ok=1
    for _ in 1 2 3; do
        sleep 1
        MINUTE=$(date +%H:%M)
        expected_face 2 0 "${SLOTS[@]}" "$MINUTE"
        shot 12-tray-next-minute
        [[ $(date +%H:%M) == "$MINUTE" ]] || continue
        if match_icon 12-tray-next-minute >"$OUT/match-icon.txt"; then ok=0; break; fi
    done
    cat "$OUT/match-icon.txt"
    check "a new minute's face reaches the tray while the tooltip stays the same" test $ok = 0
fi
click_icon 1
check "window up again for the session's end" wait_until 10 window_visible
type_interval 3
check "the typed interval is in the box" wait_until 5 bash -c \
    '[[ $(wine "$1" dump 2>/dev/null | tr -d "\r" | grep "^control id=102") == *text=3 ]]' \
    _ "$PROBE"
wineboot --end-session >>"$OUT/end-session.log" 2>&1
check "end of session with the window up ends the program" wait_until 20 clock_exited
COLOUR_LINES[1]=3
check "end of session with the window up saves the unapplied interval" \
    settings_file_is "${COLOUR_LINES[@]}"

finish
