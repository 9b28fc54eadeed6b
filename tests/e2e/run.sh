#!/usr/bin/env bash
# End-to-end tests: the real Gorvandel.exe under Wine, on a private virtual X display with a real
# XEmbed tray host (trayer), in a fresh Wine prefix with a Japanese locale.
#
#   run.sh CASE GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]
#
# CASE is a row of the table below: the screen density the prefix is set to before its server
# starts, and the parts that run, in order, each a function of this file. OUTPUT_DIR (default:
# beside the .exe, e2e-CASE/) receives the screenshots in screens/ and the logs. FACE_DUMP is the
# native tools/face_dump program (also taken from $GV_FACE_DUMP): the icon and the preview are
# compared with the faces it draws. The last line printed is "N passed, N failed".
set -u -o pipefail

declare -A CASES=(
    [96]="96 first_run tray life_in_tray colours"
    [144]="144 first_run tray close_window"
    [192]="192 first_run tray close_window"
    [instance]="96 second_starts closing_folder two_folders"
)
if [[ $# -lt 2 || -z ${CASES[${1:-}]:-} || ! -f $2 ]]; then
    echo "usage: $0 ${!CASES[*]// /|} GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]" >&2
    echo "0 passed, 1 failed"
    exit 2
fi
read -r DPI PARTS <<<"${CASES[$1]}"
EXE=$(realpath "$2")
OUT=$(realpath -m "${3:-$(dirname "$EXE")/e2e-$1}")
FACE_DUMP=$(realpath -m "${4:-${GV_FACE_DUMP:-/nonexistent}}")
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

DEFAULT_LINES=('yyyy/mm/dd hh:mm aaa' '1.0' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' ' 0 ' \
    ' 0 ')
COLOURS=(255 65280 16711680 65535 16711935 16776960 8388608 32768)
HEX=(ff0000 00ff00 0000ff ffff00 ff00ff 00ffff 000080 008000)
BLACK=(0 0 0 0 0 0 0 0)
WEEKDAYS=(日 月 火 水 木 金 土)
SWATCH_X=(16 48 80 112 16 48 80 112)
SWATCH_Y=(64 64 64 64 124 124 124 124)
# The settings window as designed, in pixels at 96 DPI.
DESIGNED=(
    'control id=100 class=preview rect=8,8,16,16 tabstop=0 text='
    'control id=101 class=Static rect=80,12,12,12 tabstop=0 notify=0 text=秒'
    'control id=102 class=Edit rect=40,8,37,18 tabstop=1 centred=1 text=1.0'
    'control id=103 class=Button rect=108,4,41,21 tabstop=1 text=設定'
    'control id=106 class=Button rect=4,48,149,37 tabstop=0 text='
    'control id=107 class=Button rect=4,108,149,37 tabstop=0 text='
)
DIGITS=(１ ２ ３ ４ ５ ６ ７ ８)
for i in {0..7}; do
    DESIGNED+=("control id=$((108 + i)) class=Static rect=${SWATCH_X[i]},${SWATCH_Y[i]},22,13 tabstop=0 notify=1 text=${DIGITS[i]}")
done
ITEMS='デジタル [12]|デジタル [24]|月日 [ 1 1]|月日 [0101]|西暦'
# At this density the names of the screenshots the README's pictures come from.
named() { if ((DPI == 96)); then echo "$1"; else echo "$2"; fi; }

# --- Conditions the checks wait for ------------------------------------------------------------
docked_and_hidden() { icon_docked && window_hidden; }
# The window's outer frame ends at the work area's bottom-right corner as the program sees it,
# and on bare Xvfb that is the screen's corner as X sees it.
at_corner() {
    local x y w h
    read -r x y w h < <(mapped_geometry) && ((x + w == SCREEN_W && y + h == SCREEN_H)) &&
        [[ $(field "$(probe dump)" corner_gap) == 0,0 ]]
}
topmost() { [[ ,$(field "$(probe dump)" frame), == *,topmost,* ]]; }
# Brought up from the tray: the window wholly on the screen at the corner, on top, the icon gone.
up_from_tray() { window_on_screen && icon_gone && at_corner && topmost; }
# within_a_pixel GOT SIZE96: GOT is SIZE96 scaled from 96 DPI to this density, within a pixel.
within_a_pixel() { (($1 * 96 - $2 * DPI <= 96 && $2 * DPI - $1 * 96 <= 96)); }
# preview_shows SHOT TOP BOTTOM C0..C7: the preview control shows that face, enlarged to its
# size, on the button face round it.
preview_shows() {
    local dump px py pw
    dump=$(probe dump)
    read -r px py pw _ < <(awk -F'[ =,]' '/^control id=100 / {print $7, $8, $9, $10}' <<<"$dump")
    IFS=, read -r cx cy <<<"$(field "$dump" client_origin)"
    face_in "$1" $((cx + px - 1)) $((cy + py - 1)) $((pw + 2)) $((pw + 2)) "$pw" "${@:2}"
}
# The tooltip the tray shows while the mouse rests on the icon, after moving over it; moved
# again while there is none (an icon just added has an empty tooltip until its first refresh).
hover_tooltip() {
    local x y w h
    for _ in 1 2 3 4 5 6; do
        read -r x y w h < <(docked_icons) || return 1
        xdotool mousemove $((x + 3)) $((y + 3)) sleep 0.3 mousemove $((x + w - 3)) \
            $((y + h - 3)) sleep 0.3 mousemove $((x + w / 2)) $((y + h / 2)) sleep 1
        probe popups | grep -m1 '^tip=.' && return
    done
}
tip_now() { echo "tip=$(date "+$1")${WEEKDAYS[$(date +%w)]}${2:-}"; }
# read_report: the counts the clock wrote at its exit (GORVANDEL_GDI_REPORT).
read_report() {
    [[ -s $GDI_REPORT ]] || { echo "no GDI report was written at exit" && return 1; }
    echo "GDI: $(tr -d '\r' <"$GDI_REPORT")"
    read -r MADE DESTROYED MOST BMADE BDESTROYED BMOST SENT SKIPPED < <(grep -o '[0-9]\+' \
        "$GDI_REPORT" | xargs)
}
# end_session_saves LINE...: the end of the session ends the program, which saves these lines.
end_session_saves() {
    wineboot --end-session >>"$OUT/end-session.log" 2>&1
    wait_until 20 clock_exited && settings_file_is "$@"
}

# --- Parts -------------------------------------------------------------------------------------
first_run() {
    echo "== first run at $DPI DPI"
    rm -f "$INI"
    start_clock
    if ! wait_until 30 window_on_screen; then
        fail "first run: the window comes up wholly on the screen ($(mapped_geometry || echo 'not mapped'))"
        shot first-run-failed
        finish
    fi
    local shot dump cw ch outside unfit px py pw ph wx wy cx cy
    shot=$(named 01-first-run "window-$DPI")
    dump=$(probe dump)
    echo "$dump" >"$OUT/first-run-dump.txt"
    check "first run: the window is up wholly on the screen, at the work area's corner, which on bare Xvfb is the screen's" at_corner
    check "first run: caption !Gorvandel, a fixed frame with a close box only, no taskbar button, topmost" \
        has_lines "$dump" 'caption=!Gorvandel' 'frame=caption,sysmenu,topmost'
    check "first run: the lists hold their items, アナログ and なし selected, the bottom one disabled; the open top list shows all six; tab order Text1, Command1, Combo1" \
        has_lines "$dump" "combo id=104 selected=0 enabled=1 items=アナログ|$ITEMS" \
        "combo id=105 selected=0 enabled=0 items=なし|$ITEMS" '~combo id=104 rows=\([6-9]\|[1-9][0-9]\+\)' \
        'tab_order=Edit:1.0,Button:設定,ComboBox:アナログ'
    check "first run: no tray icon while the window is up" icon_gone
    if ((DPI == 96)); then
        check "first run at 96 DPI: the client area is 159x150 and every control is where it was designed" \
            has_lines "$dump" 'client=159x150' "${DESIGNED[@]}" \
            '~control id=104 class=ComboBox rect=4,32,149,[0-9]* tabstop=1 dropdown=1 text=アナログ' \
            '~control id=105 class=ComboBox rect=4,92,149,[0-9]* tabstop=1 dropdown=1 text=なし'
    fi
    IFS=x read -r cw ch <<<"$(field "$dump" client)"
    outside=$(awk -F'[ =,]' -v w="$cw" -v h="$ch" '/^control / && ($7 < 0 || $8 < 0 ||
        $7 + $9 > w || $8 + $10 > h) {printf " %s", $3}' <<<"$dump")
    check "first run: the client area ${cw}x$ch is 159x150 at $DPI DPI within a pixel, every control inside it${outside:+ (not:$outside)}" \
        eval 'within_a_pixel "$cw" 159 && within_a_pixel "$ch" 150 && [[ -z $outside ]]'
    # A measured line ends in a row the glyphs leave blank: a control one row short of it (the
    # designed unit label at 96 DPI) still shows the whole text, as the layout allows.
    unfit=$(awk '/^text / {split(substr($3, 8), e, "x"); split(substr($4, 8), c, "x")
        if (e[1] > c[1] || e[2] - 1 > c[2]) printf " %s", $2}' <<<"$dump")
    check "first run: the eleven texts, measured at $DPI DPI in the message font, fit their controls${unfit:+ (not:$unfit)}" \
        test "$(field "$dump" dpi) $(grep -c '^text ' <<<"$dump")$unfit" = "$DPI 11"
    read -r px py pw ph < <(awk -F'[ =,]' '/^control id=100 / {print $7, $8, $9, $10}' <<<"$dump")
    check "first run: the preview is ${pw}x$ph, 16x16 scaled within a pixel, and shows the analog face in black in solid blocks" \
        eval 'within_a_pixel "$pw" 16 && [[ $pw == "$ph" ]] && wait_until 10 preview_shows "$shot" 0 0 "${BLACK[@]}"'
    if ((DPI == 96)); then
        # The caption's icon is the program's own clock picture: 12 yellow dots, 11 red hand pixels.
        IFS=, read -r wx wy <<<"$(field "$dump" window)"
        IFS=, read -r cx cy <<<"$(field "$dump" client_origin)"
        crop "$shot" "$wx" "$wy" 40 $((cy - wy))
        check "first run: the caption shows the clock icon (12 yellow dots, 11 red hand pixels)" \
            test "$(count_colour ffff00) $(count_colour ff0000)" = "12 11"
    else
        # A change of DPI, which Wine never sends by itself: told 96, the controls are the
        # designed ones to the pixel; told this screen's DPI again, all is as it came up. (Wine
        # draws the frame for the screen's DPI whatever the window's, so the outer size told 96
        # is not the one Windows would give.)
        local designed=() line
        for line in "${DESIGNED[@]}"; do designed+=("~${line%% tabstop=*} .*"); done
        probe send clock 0x2E0 $((96 * 65537)) >/dev/null # WM_DPICHANGED, the DPI twice
        check "first run: told 96 DPI, every control is where it was designed" \
            has_lines "$(probe dump | tee "$OUT/told-96-dump.txt")" "${designed[@]}"
        probe send clock 0x2E0 $((DPI * 65537)) >/dev/null
        check "first run: told $DPI DPI again, the client area and every control are as they came up" \
            test "$(grep -E '^(control |client=)' <<<"$dump")" = "$(probe dump | grep -E '^(control |client=)')"
    fi
    focus_window
    xdotool key --clearmodifiers alt+F4
    check "first run: Alt+F4 ends the program, which writes the 77-byte default settings file" \
        eval 'wait_until 15 clock_exited && settings_file_is "${DEFAULT_LINES[@]}"'
}


tray() {
    echo "== start with the settings file at $DPI DPI"
    local shot x y w h tip before after
    shot=$(named 02-tray-default dpi-tray)
    start_clock
    check "with a file: the icon docks in the tray, the window stays hidden" \
        wait_until 30 docked_and_hidden
    check "with a file: the icon is the analog face in solid ${ICON_SIZE}x$ICON_SIZE blocks, transparent round it" \
        wait_until 10 icon_shows "$shot" 0 0 "${BLACK[@]}"
    # The icon and the tray round it, eight times enlarged, for looking at.
    read -r x y w h < <(docked_icons) && /usr/bin/convert "$SCREENS/$shot.png" -crop \
        "$((w + 40))x$((h + 16))+$((x - 20))+$((y - 8))" +repage -filter point -resize 800% \
        "$SCREENS/dpi-tray-icon-zoomed.png"
    # Moving over the icon and resting on it shows its tooltip: the default pattern with the
    # locale's weekday, through the Japanese code page on the way to the tray.
    before=$(tip_now '%Y/%m/%d %H:%M ')
    tip=$(hover_tooltip)
    after=$(tip_now '%Y/%m/%d %H:%M ')
    shot "$(named 02-tooltip dpi-tooltip)"
    check "movement over the icon leaves the window hidden and the icon docked; resting on it shows the tooltip yyyy/mm/dd hh:mm and the weekday ($tip)" \
        eval 'docked_and_hidden && [[ -n $tip && ($tip == "$before" || $tip == "$after") ]]'
    click_icon 1
    check "left click on the icon: the window comes up wholly on the screen at the work area's corner, topmost, and the icon goes" \
        wait_until 10 up_from_tray
    shot "$(named 03-after-left-click dpi-after-release)"
}

close_window() {
    probe send clock 0x10 >/dev/null # WM_CLOSE
    check "WM_CLOSE with the window up ends the program" wait_until 15 clock_exited
}

life_in_tray() {
    echo "== the window and the tray"
    local boxes
    type_interval 0
    press_apply
    wait_until 10 boxes_open 1
    boxes=$(probe popups | grep '^box ' | tee "$OUT/message-box.txt")
    shot 04-message-box
    check "Apply with 0: a box titled !Gorvandel asks for 0.001 or more, with an OK button only" \
        eval 'has_lines "$boxes" "box title=!Gorvandel" "box Static=更新時間を 0.001 以上に設定して下さい" &&
            [[ $(grep -c "^box Button=" <<<"$boxes") == 1 ]]'
    xdotool key --clearmodifiers Return
    wait_until 10 boxes_open 0
    type_interval 2
    press_apply
    check "OK, then Apply with 2: the window goes back to the tray and the icon docks" \
        wait_until 15 docked_and_hidden
    shot 05-back-in-tray
    click_icon 3
    check "right click on the icon: the window comes up and the icon goes" \
        eval 'wait_until 10 window_on_screen && wait_until 10 icon_gone'
    shot 06-after-right-click
    press_apply
    wait_until 15 docked_and_hidden
    # The shell forgets every icon when it restarts and then broadcasts "TaskbarCreated".
    check "an outside delete empties the tray; TaskbarCreated docks the icon again, the window stays hidden" \
        eval '[[ $(probe tray-delete) == deleted=1 ]] && wait_until 10 icon_gone &&
            probe send all TaskbarCreated >/dev/null && wait_until 15 docked_and_hidden'
    kill "$WD_TRAYER_PID" 2>/dev/null
    wait "$WD_TRAYER_PID" 2>/dev/null
    sleep 1
    wd_start_trayer "$OUT/trayer.log"
    check "a restarted tray host docks the icon again" wait_until 20 icon_docked
    shot 07-tray-restarted
    # Logging off: the session's end saves the settings while the window is hidden.
    check "end of session in the tray: the program ends and saves the applied interval 2" \
        end_session_saves 'yyyy/mm/dd hh:mm aaa' '2' "${DEFAULT_LINES[@]:2}"
}

colours() {
    echo "== year over month and day, in colour"
    # The tooltip pattern carries kanji, stored in code page 932 like everything in the file.
    local lines=('yyyy年mm月dd日(aaa)' '0.05' ' 5 ' ' 4 ') c i dump docked tip wrong cx cy
    for c in "${COLOURS[@]}"; do lines+=(" $c "); done
    write_settings "$INI" "${lines[@]}"
    rm -f "$GDI_REPORT"
    start_clock
    check "colour faces: the icon docks and shows the year over month and day in the slot colours" \
        wait_until 30 icon_shows 08-tray-year-month-day 5 4 "${COLOURS[@]}"
    click_icon 1
    wait_until 10 window_on_screen
    sleep 1 # painted
    shot 09-window-colours
    dump=$(probe dump)
    check "colour faces: the lists show 西暦 over 月日 [0101], both enabled; tab order Text1, Command1, Combo1, Combo2" \
        has_lines "$dump" '~combo id=104 selected=5 enabled=1 .*' '~combo id=105 selected=4 enabled=1 .*' \
        'tab_order=Edit:0.05,Button:設定,ComboBox:西暦,ComboBox:月日 [0101]'
    IFS=, read -r cx cy <<<"$(field "$dump" client_origin)"
    wrong=
    for i in {0..7}; do
        crop 09-window-colours $((cx + SWATCH_X[i])) $((cy + SWATCH_Y[i])) 22 13
        (($(count_colour "${HEX[i]}") >= 3)) || wrong+=" $((i + 1))"
    done
    check "colour faces: every swatch is written in its slot's colour${wrong:+ (not:$wrong)}" \
        test -z "$wrong"
    check "colour faces: the preview shows the same face" \
        wait_until 10 preview_shows 09-window-colours 5 4 "${COLOURS[@]}"
    # The lists: choosing with the keyboard raises the same handlers as the mouse.
    check "choosing with the keyboard: アナログ on top sends the bottom list to なし and disables it; デジタル [24] next enables it, still at なし" \
        eval 'focus_window && click_client 60 42 && xdotool key --clearmodifiers Up Up Up Up Up &&
            sleep 0.5 && has_lines "$(probe dump)" "~combo id=104 selected=0 .*" "~combo id=105 selected=0 enabled=0 .*" &&
            xdotool key --clearmodifiers Down Down && sleep 0.5 &&
            has_lines "$(probe dump)" "~combo id=104 selected=2 .*" "~combo id=105 selected=0 enabled=1 .*"'
    lines[2]=' 2 '
    lines[3]=' 0 '
    # A swatch opens the colour dialog; cancelling it before any colour was confirmed in this run
    # makes the slot black. Repaints queue behind the stream of refreshes, so look a few times.
    swatch_3_black() {
        boxes_open 0 && shot 11-swatch-cancelled &&
            crop 11-swatch-cancelled $((cx + SWATCH_X[2])) $((cy + SWATCH_Y[2])) 22 13 &&
            (($(count_colour 000000) >= 3 && $(count_colour 0000ff) == 0))
    }
    click_client $((SWATCH_X[2] + 11)) $((SWATCH_Y[2] + 6))
    check "a click on swatch 3 opens the colour dialog; cancelled, swatch 3 is written in black instead of blue" \
        eval 'wait_until 10 boxes_open 1 && shot 10-colour-dialog &&
            xdotool key --clearmodifiers Escape && wait_until 10 swatch_3_black'
    lines[6]=' 0 '
    press_apply
    wait_until 15 docked_and_hidden
    docked=$(date +%H:%M)
    # The time on top and a tooltip of the date alone: when the minute turns only the picture
    # changes, and the new face must still reach the tray.
    tip=$(hover_tooltip)
    shot 08-tooltip-kanji
    check "a pattern with kanji read from code page 932 formats the tooltip ($tip)" \
        test "$tip" = "$(tip_now '%Y年%m月%d日(' ')')"
    while [[ $(date +%H:%M) == "$docked" ]]; do sleep 0.5; done
    check "a new minute's face reaches the tray while the tooltip stays the same" \
        wait_until 10 icon_shows 12-tray-next-minute 2 0 "${COLOURS[@]:0:2}" 0 "${COLOURS[@]:3}"
    # Logging off with the window up: what the box holds is saved, applied or not.
    click_icon 1
    wait_until 10 window_on_screen
    type_interval 3
    wait_until 5 bash -c '[[ $(wine "$1" dump 2>/dev/null | grep "^control id=102") == *text=3? ]]' \
        _ "$PROBE"
    lines[1]=3
    check "end of session with the window up: the program ends and saves the unapplied interval" \
        end_session_saves "${lines[@]}"
    read_report || { fail "the counts of icons, bitmaps and tray modifies at exit" && return; }
    # Twenty refreshes a second, but the face and the tooltip change seldom: icons are made only
    # for the calls that reach the tray (the adds, and the modifies that change something) and
    # once for the window; one pair of bitmaps serves every icon, and two more the window's.
    while IFS='|' read -r rule what; do
        # shellcheck disable=SC2086 # the rule is the test's arguments
        check "counts at exit: $what" test $rule
    done <<END
$MADE -le $((SENT + 4))|icons only for calls that reach the tray ($MADE made, $SENT modifies sent)
$MADE -eq $DESTROYED|every icon made was destroyed
$MOST -le 2|never more than two icons alive (the window's and one for the tray)
$BMADE -eq $BDESTROYED|every bitmap made was deleted
$BMOST -le 2|never more than two bitmaps alive
$BMADE -le 4|refreshing makes no bitmaps of its own ($BMADE made in all)
$SKIPPED -ge 20|tray modifies that change nothing are skipped ($SKIPPED skipped, $SENT sent)
END
}

HOURLY=('yyyy/mm/dd hh:mm aaa' '3600' ' 2 ' ' 0 ')
for c in "${COLOURS[@]}"; do HOURLY+=(" $c "); done
file_state() { stat -c '%i %s %Y' "$INI"; }

second_starts() {
    echo "== second starts, and the events that refresh at once"
    local before upper short how exe status
    write_settings "$INI" "${HOURLY[@]}"
    rm -f "$GDI_REPORT"
    start_clock
    wait_until 30 docked_and_hidden || { fail "the clock with a settings file did not dock" && finish; }
    before=$(file_state)
    check "second start: ends with status 0; the running clock's window comes up wholly on the screen at the corner, topmost, its icon gone; still one clock" \
        eval 'start_again "$APP" && wait_until 10 up_from_tray && clocks_are 1'
    shot instance-second-start
    # The same folder for Windows, however it is spelled: in capitals, or in short (8.3) names on
    # the drive that maps the root.
    upper=$(winepath -w "$APP/Gorvandel.exe" | tr '[:lower:]' '[:upper:]')
    short=Z:$(winepath -s "$APP/Gorvandel.exe" 2>/dev/null | tr / '\\')
    while IFS='|' read -r how exe; do
        check "second start while the window is up, through $how: ends with status 0, the window stays up, still one clock, no icon" \
            eval 'start_again "$APP" "$exe" && window_up && clocks_are 1 && icon_gone'
    done <<END
its own name|Gorvandel.exe
the path in capitals|$upper
the short path|$short
END
    # A clock that does not answer must not keep the new start waiting for long.
    kill -STOP "$CLOCK_PID"
    start_again "$APP"
    status=$?
    kill -CONT "$CLOCK_PID"
    check "second start while the running clock hangs: ends with status 0, still one clock" \
        eval '[[ $status == 0 ]] && clocks_are 1'
    press_apply
    wait_until 15 docked_and_hidden
    # The events, sent as the system sends them: going to sleep once, the clock changed twice,
    # waking up four times; then at once the close. With an hour between refreshes, each refresh
    # is one tray modify, sent or skipped: one at the start, and one for each of the events that
    # must refresh, none for the others.
    probe send all 0x218 4 >/dev/null # WM_POWERBROADCAST, PBT_APMSUSPEND
    for _ in 1 2; do probe send all 0x1E >/dev/null; done # WM_TIMECHANGE
    for _ in 1 2 3 4; do probe send all 0x218 0x12 >/dev/null; done # PBT_APMRESUMEAUTOMATIC
    check "the settings file is untouched until the close" test "$(file_state)" = "$before"
    probe send clock 0x10 >/dev/null # WM_CLOSE
    check "closing in the tray ends the clock, which writes the settings file anew, as read" \
        eval 'wait_until 15 clock_exited && [[ $(file_state) != "$before" ]] && settings_file_is "${HOURLY[@]}"'
    check "one refresh at the start, one for each clock change and wake-up, none for going to sleep nor from an hour's timer" \
        eval 'read_report && ((SENT + SKIPPED == 1 + 2 + 4))'
}

# hold KIND PATH MS: the probe holds what a clock holds, in the background; succeeds once it does.
hold() {
    wine "$PROBE" hold "$@" >"$WORK/hold.txt" 2>/dev/null &
    HOLDER=$!
    wait_until 10 grep -qs 'held=1' "$WORK/hold.txt"
}

# A start meets the folder held as a clock holds it in its last steps of closing (settings being
# written, window gone): it waits for it, then runs; a folder held for longer than a few seconds
# is left alone.
closing_folder() {
    echo "== a start while the folder's clock is closing"
    check "a start while the folder's clock is closing waits, then runs the one clock" \
        eval 'hold folder "$(winepath -w "$APP")" 2500 && start_clock && wait_until 30 icon_docked &&
            clocks_are 1'
    wait "$HOLDER"
    probe send clock 0x10 >/dev/null
    wait_until 15 clock_exited
    check "a start while the folder stays held gives up with status 0, runs no clock, docks no icon" \
        eval 'hold folder "$(winepath -w "$APP")" 8000 && start_again "$APP" && clocks_are 0 && icon_gone'
    wait "$HOLDER"
}

two_folders() {
    echo "== two folders, two clocks"
    local app2=$WORK/app2 clocks
    mkdir -p "$app2"
    cp "$APP/Gorvandel.exe" "$app2/Gorvandel.exe"
    write_settings "$app2/Gorvandel.ini" "${HOURLY[@]}"
    start_clock
    start_clock "$app2"
    check "two copies in two folders: two clocks, two icons" \
        wait_until 30 eval 'icons_docked 2 && clocks_are 2'
    check "second start in the second folder: ends with status 0, and one icon goes" \
        eval 'start_again "$app2" && wait_until 10 icons_docked 1'
    clocks=$(probe clocks | tee "$OUT/two-folders.txt")
    check "second start in the second folder: that folder's window comes up, the first folder's clock stays in the tray" \
        eval 'grep -qiF "clock visible=1 exe=$(winepath -w "$app2")\Gorvandel.exe" <<<"$clocks" &&
            grep -qiF "clock visible=0 exe=$(winepath -w "$APP")\Gorvandel.exe" <<<"$clocks"'
}

for part in $PARTS; do "$part"; done
finish
