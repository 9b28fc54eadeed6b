#!/usr/bin/env bash
# The real Gorvandel.exe under Wine with a real XEmbed tray (trayer), Japanese locale. A case is
# a density and the parts below, in order. OUTPUT_DIR gets screens/ and logs. Last: "N passed, N failed".
set -u -o pipefail
declare -A CASES=(
    [96]="96 first_run tray life_in_tray colours"
    [144]="144 first_run tray"
    [192]="192 first_run tray"
    [instance]="96 second_starts closing_folder two_folders"
    [files]="96 held_file linked_files"
    [shell]="96 own_desktop"
    [dark]="96 dark_first_run light_first_run"
)
if [[ $# -lt 2 || -z ${CASES[${1:-}]:-} || ! -f $2 ]]; then
    echo "usage: $0 CASE GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]; CASE: ${!CASES[*]}" >&2
    echo "0 passed, 1 failed" && exit 2
fi
read -r DPI PARTS <<<"${CASES[$1]}"
EXE=$(realpath "$2")
OUT=$(realpath -m "${3:-$(dirname "$EXE")/e2e-$1}")
FACE_DUMP=$(realpath -m "${4:-${GV_FACE_DUMP:-/nonexistent}}")
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Settings: the tooltip pattern, the interval, the top and bottom modes, the eight slot colours.
DEFAULTS=('yyyy/mm/dd hh:mm aaa' 1.0 0 0 0 0 0 0 0 0 0 0)
COLOURS=(255 65280 16711680 65535 16711935 16776960 8388608 32768)
HEX=(ff0000 00ff00 0000ff ffff00 ff00ff 00ffff 000080 008000)
ITEMS='デジタル [12]|デジタル [24]|月日 [ 1 1]|月日 [0101]|西暦'
# The settings window as designed, in pixels at 96 DPI.
SWATCH_X=(16 48 80 112 16 48 80 112) SWATCH_Y=(64 64 64 64 124 124 124 124) DIGITS=(１ ２ ３ ４ ５ ６ ７ ８)
DESIGNED=('control id=100 class=preview rect=8,8,16,16 tabstop=0 text='
    'control id=101 class=Static rect=80,12,12,12 tabstop=0 notify=0 text=秒'
    'control id=102 class=Edit rect=40,8,37,18 tabstop=1 centred=1 text=1.0'
    'control id=103 class=Button rect=108,4,41,21 tabstop=1 text=設定'
    'control id=106 class=Button rect=4,48,149,37 tabstop=0 text='
    'control id=107 class=Button rect=4,108,149,37 tabstop=0 text=')
for i in {0..7}; do
    DESIGNED+=("control id=$((108 + i)) class=Static rect=${SWATCH_X[i]},${SWATCH_Y[i]},22,13 tabstop=0 notify=1 text=${DIGITS[i]}")
done
WHITE=(16777215 16777215 16777215 16777215 16777215 16777215 16777215 16777215)
# taskbar_theme 0|1|none: the taskbar's theme setting in the prefix (0: dark), or none at all.
taskbar_theme() {
    local key='HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize'
    if [[ $1 == none ]]; then wine reg delete "$key" /v SystemUsesLightTheme /f || true # none already
    else wine reg add "$key" /v SystemUsesLightTheme /t REG_DWORD /d "$1" /f; fi >/dev/null 2>&1
}
# swatches_on SHOT BACK DIGIT...: each swatch's digit in DIGIT (one for all, or one each) on BACK, at 96 DPI.
swatches_on() {
    local i cx cy back=$2 digits=("${@:3}") wrong=''
    IFS=, read -r cx cy <<<"$(field "$(probe dump)" client_origin)"
    [[ $back != window ]] || back=$(/usr/bin/convert "$SCREENS/$1.png" -format "%[hex:p{$((cx + 1)),$((cy + 1))}]" info:)
    for i in {0..7}; do
        crop "$1" $((cx + SWATCH_X[i])) $((cy + SWATCH_Y[i])) 22 13
        (($(count_colour "${digits[i]:-$3}") >= 3 && $(count_colour "$back") >= 100)) || wrong+=" $((i + 1))"
    done
    [[ -z $wrong ]] || echo "  not:$wrong"
    [[ -z $wrong ]]
}

# The frame ends at the work area's corner: on bare Xvfb, the screen's.
at_corner() { local x y w h; read -r x y w h < <(window_geometry) && ((x + w == 1024 && y + h == 768)); }
up_from_tray() { window_on_screen && icons_docked 0 && at_corner && [[ $(probe dump) == *frame=*topmost* ]]; }
# within_a_pixel GOT SIZE96: GOT is SIZE96 scaled from 96 DPI to this density, within a pixel.
within_a_pixel() { (($1 * 96 - $2 * DPI <= 96 && $2 * DPI - $1 * 96 <= 96)); }
# preview_shows SHOT MARGIN TOP BOTTOM C0..C7: face_in on the preview and MARGIN pixels round it.
preview_shows() {
    local dump x y size cx cy
    dump=$(probe dump)
    read -r x y size < <(awk -F'[ =,]' '/^control id=100 / {print $7, $8, $9}' <<<"$dump")
    IFS=, read -r cx cy <<<"$(field "$dump" client_origin)"
    face_in "$1" $((cx + x - $2)) $((cy + y - $2)) $((size + 2 * $2)) $((size + 2 * $2)) "$size" "${@:3}"
}
# The icon's tooltip, the mouse resting on it; moved again while there is none yet.
hover_tooltip() {
    local x y w h
    for _ in 1 2 3 4 5 6; do
        read -r x y w h < <(docked_icons) || return 1
        xdotool mousemove $((x + 3)) $((y + 3)) sleep 0.3 mousemove $((x + w - 3)) $((y + h - 3)) \
            sleep 0.3 mousemove $((x + w / 2)) $((y + h / 2)) sleep 1
        probe popups | grep -m1 '^tip=.' && return
    done
}
end_session_saves() {
    wineboot --end-session >>"$OUT/end-session.log" 2>&1
    wait_until 20 clock_exited && settings_file_is "$@"
}
closed_quietly() { probe send clock 0x10 >/dev/null && wait_until 15 clock_exited; } # WM_CLOSE
# box_says TEXT LINE...: one box is up, titled !Gorvandel, with an OK button only, saying TEXT and LINEs.
box_says() {
    local boxes
    wait_until 20 boxes_open 1 || return 1
    boxes=$(probe popups | grep '^box \|^[A-Z]:' | tee -a "$OUT/boxes.txt")
    [[ $(grep -c '^box Button=' <<<"$boxes") == 1 ]] && has_lines "$boxes" 'box title=!Gorvandel' "box Static=$1" "${@:2}"
}
# closed_saying TEXT: WM_CLOSE shows a box with TEXT and the file's name; OK ends the program.
closed_saying() {
    probe send clock 0x10 >/dev/null # the box keeps the message from being answered
    box_says "$1" "$(winepath -w "$INI")" && xdotool key --clearmodifiers Return && wait_until 15 clock_exited
}
# A box no check expected: OK it, so that the next start is alone.
ended() { clock_exited || { xdotool key --clearmodifiers Return && wait_until 10 clock_exited; }; }
bring_up() { click_icon 1 && wait_until 10 window_on_screen; }
read_report() {
    echo "GDI: $(tr -d '\r' <"$GDI_REPORT")" && read -r MADE DESTROYED MOST BMADE BDESTROYED BMOST \
        SENT SKIPPED < <(grep -o '[0-9]\+' "$GDI_REPORT" | xargs) && [[ -n $SKIPPED ]]
}

first_run() {
    local shot=01-first-run dump cw ch outside unfit x y w h designed=() line picture
    taskbar_theme "${THEME:-none}" && rm -f "$INI" && start_clock
    wait_until 30 window_on_screen || setup_failed "first run: no window wholly on the screen"
    dump=$(probe dump | tee "$OUT/first-run-dump.txt")
    check "first run: the window is wholly on the screen, at the work area's corner" at_corner
    check "first run: caption, a fixed frame with a close box only, topmost" has_lines "$dump" 'caption=!Gorvandel' \
        'frame=caption,sysmenu,topmost'
    check "first run: the lists' items, アナログ over なし (disabled), all six shown open; tab order" \
        has_lines "$dump" "combo id=104 selected=0 enabled=1 items=アナログ|$ITEMS" \
        "combo id=105 selected=0 enabled=0 items=なし|$ITEMS" '~combo id=104 rows=\([6-9]\|[1-9][0-9]\+\)' \
        'tab_order=Edit:1.0,Button:設定,ComboBox:アナログ'
    ((DPI == 96)) && check "first run: the client area is 159x150, every control as designed" \
        has_lines "$dump" 'client=159x150' "${DESIGNED[@]}" \
        '~control id=104 class=ComboBox rect=4,32,149,[0-9]* tabstop=1 dropdown=1 text=アナログ' \
        '~control id=105 class=ComboBox rect=4,92,149,[0-9]* tabstop=1 dropdown=1 text=なし'
    IFS=x read -r cw ch <<<"$(field "$dump" client)"
    outside=$(awk -F'[ =,]' -v w="$cw" -v h="$ch" '/^control / && ($7 < 0 || $8 < 0 || $7 + $9 > w ||
        $8 + $10 > h) {printf " %s", $3}' <<<"$dump")
    check "first run: the client area ${cw}x$ch is 159x150 scaled within a pixel, every control inside${outside:+ (not:$outside)}" \
        eval 'within_a_pixel "$cw" 159 && within_a_pixel "$ch" 150 && [[ -z $outside ]]'
    unfit=$(awk '/^text / {split(substr($3, 8), e, "x"); split(substr($4, 8), c, "x")
        if (e[1] > c[1] || e[2] - 1 > c[2]) printf " %s", $2}' <<<"$dump")
    check "first run: eleven texts, measured at $DPI DPI in the message font, fit their controls${unfit:+ (not:$unfit)}" \
        test "$(field "$dump" dpi) $(grep -c '^text ' <<<"$dump")$unfit" = "$DPI 11"
    read -r x y w h < <(awk -F'[ =,]' '/^control id=100 / {print $7, $8, $9, $10}' <<<"$dump")
    check "first run: the preview, ${w}x$h, 16x16 scaled within a pixel, shows the analog face in black" \
        eval 'within_a_pixel "$w" 16 && [[ $w == "$h" ]] && wait_until 10 preview_shows "$shot" 1 "${DEFAULTS[@]:2}"'
    ((DPI == 96)) && check "first run: the swatches, black, on the window's own background" swatches_on "$shot" window 000000
    picture=$("$(dirname "$FACE_DUMP")/host-tools/icon_maker" --print "$ICON_SIZE")
    IFS=, read -r x y <<<"$(field "$dump" window)"
    crop "$shot" "$x" "$y" $((40 * DPI / 96)) $(($(field "$dump" client_origin | cut -d, -f2) - y))
    check "first run: the caption shows the clock icon at ${ICON_SIZE}x$ICON_SIZE" test \
        "$(count_colour ffff00) $(count_colour ff0000)" = "$(grep -o ffff00 <<<"$picture" | wc -l) $(grep -o ff0000 <<<"$picture" | wc -l)"
    if ((DPI != 96)); then
        for line in "${DESIGNED[@]}"; do designed+=("~${line%% tabstop=*} .*"); done
        probe send clock 0x2E0 $((96 * 65537)) >/dev/null # WM_DPICHANGED, the DPI twice
        check "first run: told 96 DPI, every control is where it was designed" \
            has_lines "$(probe dump | tee "$OUT/told-96-dump.txt")" "${designed[@]}"
        probe send clock 0x2E0 $((DPI * 65537)) >/dev/null
        check "first run: told $DPI DPI again, the client area and every control are as they came up" \
            test "$(grep -E '^(control |client=)' <<<"$dump")" = "$(probe dump | grep -E '^(control |client=)')"
    fi
    focus_window && xdotool key --clearmodifiers alt+F4
    check "first run: Alt+F4 ends the program, which writes the 77-byte default settings file" \
        eval 'wait_until 15 clock_exited && settings_file_is "${DEFAULTS[@]}"'
}

dark_first_run() {
    local x y w h
    taskbar_theme 0 && rm -f "$INI" && start_clock
    wait_until 30 window_on_screen || setup_failed "dark taskbar: no window wholly on the screen"
    check "dark taskbar, first run: the preview shows the face in white, its clear pixels dark" wait_until 10 eval \
        'preview_shows window-dark 0 0 0 "${WHITE[@]}" && (($(count_colour 202020) > 16 * 16 / 2))'
    check "dark taskbar, first run: every swatch is white on the dark colour" swatches_on window-dark 202020 ffffff
    read -r x y w h < <(window_geometry) && /usr/bin/convert "$SCREENS/window-dark.png" -crop "${w}x$h+$x+$y" +repage \
        -sample 200% "$OUT/window-dark.png" # the README's picture
    press_apply
    check "dark taskbar: Apply docks the icon, its face white" wait_until 30 eval \
        'docked_and_hidden && icon_shows dark-tray 0 0 "${WHITE[@]}"'
    check "dark taskbar: the close writes the first run's settings, every slot white" \
        eval 'closed_quietly && settings_file_is "${DEFAULTS[@]:0:4}" "${WHITE[@]}"'
}
light_first_run() { THEME=1 first_run; }

tray() {
    local tip before
    start_clock
    check "with a file: the window stays hidden, the icon docks: the analog face in ${ICON_SIZE}x$ICON_SIZE blocks, transparent round it" \
        wait_until 30 eval 'docked_and_hidden && icon_shows 02-tray-default "${DEFAULTS[@]:2}"'
    before=$(date '+tip=%Y/%m/%d %H:%M %a') && tip=$(hover_tooltip)
    check "moving over the icon leaves it docked and the window hidden; resting shows the tooltip ($tip)" \
        eval 'docked_and_hidden && [[ $tip == "$before" || $tip == $(date "+tip=%Y/%m/%d %H:%M %a") ]]'
    click_icon 1
    check "left click: the window comes up at the corner, topmost; the icon goes" wait_until 10 up_from_tray
}

life_in_tray() {
    type_interval 0 && press_apply
    check "Apply with 0: a box titled !Gorvandel asks for 0.001 or more, with an OK button only" \
        eval 'box_says "更新時間を 0.001 以上に設定して下さい" && shot 04-message-box'
    xdotool key --clearmodifiers Return && wait_until 10 boxes_open 0
    type_interval 2 && press_apply
    check "OK, then Apply with 2: back to the tray" wait_until 15 docked_and_hidden
    click_icon 3
    check "right click: the window comes up, the icon goes" eval 'wait_until 10 window_on_screen && wait_until 10 icons_docked 0'
    press_apply && wait_until 15 docked_and_hidden
    check "an outside delete empties the tray; TaskbarCreated docks the icon again, window hidden" \
        eval 'probe tray-delete && wait_until 10 icons_docked 0 &&
        probe send all TaskbarCreated >/dev/null && wait_until 15 docked_and_hidden'
    check "end of session in the tray: the program ends, saving the interval 2" end_session_saves "${DEFAULTS[0]}" 2 \
        "${DEFAULTS[@]:2}"
}

colours() {
    local lines=('yyyy年mm月dd日(aaa)' 0.05 5 4 "${COLOURS[@]}") docked tip
    write_settings "$INI" "${lines[@]}"
    rm -f "$GDI_REPORT" && start_clock
    check "colours: the icon docks, the year over month and day in the slot colours" wait_until 30 icon_shows \
        08-tray-year-month-day "${lines[@]:2}"
    bring_up && sleep 1 # and painted
    shot 09-window-colours
    check "colours: the lists show 西暦 over 月日 [0101], both enabled; the tab order" has_lines "$(probe dump)" \
        '~combo id=104 selected=5 enabled=1 .*' '~combo id=105 selected=4 enabled=1 .*' \
        'tab_order=Edit:0.05,Button:設定,ComboBox:西暦,ComboBox:月日 [0101]'
    check "colours: every swatch is written in its slot's colour" swatches_on 09-window-colours window "${HEX[@]}"
    check "colours: the preview shows the same face" wait_until 10 preview_shows 09-window-colours 1 "${lines[@]:2}"
    check "keyboard: アナログ on top sends the bottom list to なし, disabled; デジタル [24] enables it" \
        eval 'focus_window && click_client 60 42 && xdotool key --clearmodifiers Up Up Up Up Up && sleep 0.5 &&
        has_lines "$(probe dump)" "~combo id=104 selected=0 .*" "~combo id=105 selected=0 enabled=0 .*" &&
        xdotool key --clearmodifiers Down Down && sleep 0.5 &&
        has_lines "$(probe dump)" "~combo id=104 selected=2 .*" "~combo id=105 selected=0 enabled=1 .*"'
    click_client $((SWATCH_X[2] + 11)) $((SWATCH_Y[2] + 6))
    check "a click on swatch 3 opens the colour dialog; cancelled, every swatch keeps its colour (repaints given time)" eval \
        'wait_until 10 boxes_open 1 && shot 10-colour-dialog && xdotool key --clearmodifiers Escape &&
        wait_until 10 boxes_open 0 && sleep 6 && shot 11-swatch-cancelled && swatches_on 11-swatch-cancelled window "${HEX[@]}"'
    lines[2]=2 lines[3]=0
    press_apply && wait_until 15 docked_and_hidden
    docked=$(date +%H:%M)
    tip=$(hover_tooltip)
    shot 08-tooltip-kanji
    check "a pattern with kanji from code page 932 formats the tooltip ($tip)" test "$tip" = "$(date '+tip=%Y年%m月%d日(%a)')"
    while [[ $(date +%H:%M) == "$docked" ]]; do sleep 0.5; done
    check "a new minute's face reaches the tray, the tooltip the same" wait_until 10 icon_shows 12-tray-next-minute \
        "${lines[@]:2}"
    check "WM_CLOSE in the tray ends the program, which saves the settings as they stand" \
        eval 'closed_quietly && settings_file_is "${lines[@]}"'
    read_report || fail "no counts of icons, bitmaps and tray modifies at exit"
    while IFS='|' read -r rule what; do check "counts at exit: $what" test $rule; done <<END
$MADE -le $((SENT + 4))|icons only for calls that reach the tray ($MADE made, $SENT modifies sent)
$MADE -eq $DESTROYED|every icon made was destroyed
$MOST -le 3|never more than three icons alive (the caption's two and one for the tray)
$BMADE -eq $BDESTROYED|every bitmap made was deleted
$BMOST -le 2|never more than two bitmaps alive
$BMADE -le 4|refreshing makes no bitmaps of its own ($BMADE made in all)
$SKIPPED -ge 20|tray modifies that change nothing are skipped ($SKIPPED skipped, $SENT sent)
END
    start_clock && wait_until 30 docked_and_hidden && bring_up
    type_interval 3 && wait_until 5 eval '[[ $(probe dump | grep "^control id=102") == *text=3 ]]'
    lines[1]=3
    check "end of session with the window up: the program ends, saving the interval typed" end_session_saves "${lines[@]}"
}

HOURLY=('yyyy/mm/dd hh:mm aaa' 3600 2 0 "${COLOURS[@]}")
file_state() { stat -c '%i %s %Y' "$INI"; }
second_starts() {
    local before how exe hung
    write_settings "$INI" "${HOURLY[@]}"
    rm -f "$GDI_REPORT" && start_clock
    wait_until 30 docked_and_hidden || setup_failed "the clock with a settings file did not dock"
    before=$(file_state)
    check "second start: status 0; the clock's window comes up on the screen at the corner, topmost, its icon gone; one clock" \
        eval 'start_again "$APP" && wait_until 10 up_from_tray && clocks_are 1'
    while IFS='|' read -r how exe; do
        check "second start through $how while the window is up: status 0, the window stays up, one clock, no icon" \
            eval 'start_again "$APP" "$exe" && clocks_are 1 && shown_is 1 && icons_docked 0'
    done <<END
the path in capitals|$(winepath -w "$APP/Gorvandel.exe" | tr '[:lower:]' '[:upper:]')
the short path|Z:$(winepath -s "$APP/Gorvandel.exe" 2>/dev/null | tr / '\\')
a symbolic link to the folder|$(ln -sfn "$APP" "$WORK/link" && winepath -w "$WORK/link/Gorvandel.exe")
END
    check "second start while the running clock hangs: status 0, still one clock" eval \
        'kill -STOP "$CLOCK_PID"; start_again "$APP"; hung=$?; kill -CONT "$CLOCK_PID"; ((hung == 0)) && clocks_are 1'
    press_apply && wait_until 15 docked_and_hidden
    probe send all 0x218 4 >/dev/null                               # WM_POWERBROADCAST, PBT_APMSUSPEND
    for _ in 1 2; do probe send all 0x1E >/dev/null; done           # WM_TIMECHANGE
    for _ in 1 2 3 4; do probe send all 0x218 0x12 >/dev/null; done # PBT_APMRESUMEAUTOMATIC
    probe send all 0x15 >/dev/null && probe send all 0x31A >/dev/null # WM_SYSCOLORCHANGE, WM_THEMECHANGED
    check "the settings file is untouched until the close" test "$(file_state)" = "$before"
    check "closing in the tray ends the clock, which writes the settings file anew, as read" \
        eval 'closed_quietly && [[ $(file_state) != "$before" ]] && settings_file_is "${HOURLY[@]}"'
    check "one refresh at the start and for each clock change, wake-up and colour change; none for sleep nor from the timer" \
        eval 'read_report && ((SENT + SKIPPED == 1 + 2 + 4 + 2))'
}

# hold KIND PATH MS: the probe holds what a clock holds, in the background; true once it does.
hold() {
    rm -f "$WORK/hold.txt" # not the last hold's word
    wine "$PROBE" hold "$@" >"$WORK/hold.txt" 2>/dev/null &
    HOLDER=$!
    wait_until 30 grep -qs 'held=1' "$WORK/hold.txt" # after Wine's desktop starts
}
closing_folder() {
    check "a start while the folder's clock is closing waits, then runs the one clock" eval \
        'hold folder "$(winepath -w "$APP")" 2500 && start_clock && wait_until 30 icons_docked 1 && clocks_are 1'
    wait "$HOLDER"
    closed_quietly
    check "a start while the folder stays held gives up with status 0: no clock, no icon" eval \
        'hold folder "$(winepath -w "$APP")" 8000 && start_again "$APP" && clocks_are 0 && icons_docked 0'
    wait "$HOLDER"
}

two_folders() {
    local app2=$WORK/app2 clocks
    mkdir -p "$app2" && cp "$EXE" "$app2/Gorvandel.exe"
    write_settings "$app2/Gorvandel.ini" "${HOURLY[@]}"
    start_clock && start_clock "$app2"
    check "two copies in two folders: two clocks, two icons" wait_until 30 eval 'icons_docked 2 && clocks_are 2'
    check "second start in the second folder: status 0, one icon goes" eval 'start_again "$app2" && wait_until 10 icons_docked 1'
    clocks=$(probe clocks | tee "$OUT/two-folders.txt")
    check "second start in the second folder: its window comes up, the first folder's clock stays in the tray" \
        has_lines "${clocks,,}" "clock visible=1 exe=$(winepath -w "$app2" | tr '[:upper:]' '[:lower:]')\\gorvandel.exe" \
        "clock visible=0 exe=$(winepath -w "$APP" | tr '[:upper:]' '[:lower:]')\\gorvandel.exe"
}

# held_row WHEN MS READ SAVED: the file held, sharing nothing, for MS from before the start or the
# close (7 typed). READ: the icon shows the file's; SAVED: the close writes them, else a box says so.
hold_ini() { hold file "$(winepath -w "$INI")" "$1" || fail "the probe could not hold the settings file"; }
held_row() {
    local what="held from just before the $1 for $2 ms" face text=設定を保存できませんでした。
    local file=("${DEFAULTS[0]}" 0.5 2 0 "${COLOURS[@]}") # refreshed often: the icon follows the minute
    echo "== the settings file $what"
    write_settings "$INI" "${file[@]}" && cp "$INI" "$WORK/old.ini" && face=("${file[@]:2}")
    [[ $1 == start ]] && hold_ini "$2"
    start_clock
    (($3)) || face=("${DEFAULTS[@]:2}") text=設定ファイルを読み込めなかったため、設定を保存しませんでした。
    check "$what: the icon docks, showing the $( (($3)) && echo "file's settings" || echo defaults)" \
        wait_until 30 icon_shows "held-$1-$2" "${face[@]}"
    bring_up && type_interval 7
    if [[ $1 == start ]]; then wait "$HOLDER"; else hold_ini "$2"; fi
    if (($4)); then
        check "$what: the close waits, shows no box and saves the settings with the interval typed" \
            eval 'closed_quietly && settings_file_is "${file[0]}" 7 "${file[@]:2}"'
    else
        check "$what: the close shows one box titled !Gorvandel naming the file; OK ends the program; the file is as it was" \
            eval 'closed_saying "$text" && cmp "$INI" "$WORK/old.ini"'
    fi
    ended
    [[ $1 == start ]] || wait "$HOLDER"
}
held_file() { for row in 'start 3500 1 1' 'start 10000 0 0' 'close 1500 1 1' 'close 6000 1 0'; do held_row $row; done; }

# Written bare (no spaces round the numbers), so that the clock's save shows.
BARE=('yyyy/mm/dd hh:mm aaa' 0.5 2 0 "${COLOURS[@]}")
write_bare() { printf '%s\r\n' "${@:2}" | iconv -f UTF-8 -t CP932 >"$1"; }
saved_bare() { cmp -s "$1" <(write_settings /dev/stdout "${BARE[@]}"); }
attributes_of() { wine cmd /c attrib "$(winepath -w "$1")" 2>/dev/null | tr -d '\r' | cut -c1-12 | tr -d ' '; }
linked_files() {
    local far=$WORK/synced
    mkdir -p "$far" && rm -f "$INI" "$far"/*
    write_bare "$far/Gorvandel.ini" "${BARE[@]}" && ln -s "$far/Gorvandel.ini" "$INI"
    start_clock
    check "a symbolic link to a file in another folder: read (the clock goes to the tray), the close saves into that file, the link stays" \
        eval 'wait_until 30 docked_and_hidden && closed_quietly && [[ -L $INI && $(readlink "$INI") == "$far/Gorvandel.ini" ]] &&
        saved_bare "$far/Gorvandel.ini"'
    ended && rm -f "$INI" && write_bare "$far/other.ini" "${BARE[@]}" && ln "$far/other.ini" "$INI"
    start_clock
    check "a hard link: the close saves, and the two names stay one file (same inode, two links)" \
        eval 'wait_until 30 docked_and_hidden && closed_quietly && saved_bare "$far/other.ini" &&
        [[ $(stat -c "%i %h" "$INI") == "$(stat -c "%i %h" "$far/other.ini")" && $(stat -c %h "$INI") == 2 ]]'
    ended && rm -f "$INI" && ln -s "$far/missing.ini" "$INI"
    start_clock
    check "a link whose target is missing at the start: unreadable, not absent; the close says so and leaves the link as it was" \
        eval 'wait_until 30 window_on_screen &&
        closed_saying 設定ファイルを読み込めなかったため、設定を保存しませんでした。 &&
        [[ -L $INI && $(readlink "$INI") == "$far/missing.ini" && ! -e $far/missing.ini ]]'
    ended && rm -f "$INI" && write_bare "$far/Gorvandel.ini" "${BARE[@]}" && ln -s "$far/Gorvandel.ini" "$INI"
    start_clock
    check "a link whose target goes missing while the clock runs: the close says it could not save and puts no file in the link's place" \
        eval 'wait_until 30 docked_and_hidden && rm "$far/Gorvandel.ini" && bring_up && closed_saying 設定を保存できませんでした。 &&
        [[ -L $INI && ! -e $far/Gorvandel.ini ]]'
    ended && rm -f "$INI" && write_bare "$INI" "${BARE[@]}" && wine cmd /c attrib +h "$(winepath -w "$INI")" >/dev/null 2>&1
    check "a hidden file reads back hidden through Wine (attributes: $(attributes_of "$INI"))" eval '[[ $(attributes_of "$INI") == *H* ]]'
    start_clock
    check "a hidden file counts as none at the start (the window comes up), is read (interval 0.5), saved, and stays hidden" \
        eval 'wait_until 30 window_on_screen && probe dump | grep -q "^control id=102 .* text=0.5$" && closed_quietly &&
        saved_bare "$INI" && [[ $(attributes_of "$INI") == *H* ]]'
    ended && rm -f "$INI" && write_bare "$INI" "${BARE[@]}" && chmod a-w "$INI" && cp -p "$INI" "$WORK/old.ini"
    check "a file without write permission reads back read-only through Wine (attributes: $(attributes_of "$INI"))" \
        eval '[[ $(attributes_of "$INI") == *R* ]]'
    start_clock
    check "a read-only file: never written (even as root); the close says it is read-only" \
        eval 'wait_until 30 docked_and_hidden && bring_up && closed_saying 設定ファイルが読み取り専用のため、設定を保存しませんでした。 &&
        cmp -s "$INI" "$WORK/old.ini" && [[ $(stat -c %a "$INI") == 444 ]]'
    ended
    chmod -f u+w "$INI"; rm -f "$INI" "$far"/*
}

NOTICE=時計は通知領域に入り、アイコンをクリックすると設定画面に戻ります。タスクバーに見えないときは隠れているアイコンの中にあり、タスクバーの設定で常に表示できます。
notice() { probe popups | sed -n 's/^balloon=//p'; }
# Balloons show only in Wine's own desktop ("shell"): every program of the prefix runs there now.
own_desktop() {
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 800x600 /f >/dev/null 2>&1
    rm -f "$INI" && start_clock
    wait_until 30 shown_is 1 || setup_failed "no window on a first run in Wine's desktop"
    probe send clock 0x111 103 >/dev/null # 設定 (WM_COMMAND, BN_CLICKED)
    check "first run, 設定: in the tray, the icon tells where the clock went" \
        wait_until 15 eval 'shown_is 0 && [[ $(notice) == "$NOTICE" ]]'
    shot 13-first-run-notice
    probe post clock 0x200 0 514 && probe post clock 0x200 0 517 # WM_MOUSEMOVE at x = 514, 517
    check "mouse moves over the hidden window at x = 514 and 517 leave it hidden" eval 'sleep 1 && shown_is 0'
    # The icon's message with WM_RBUTTONUP; posted again should the probe not have reached the clock.
    up_by_message() { shown_is 1 || { probe post clock 0x8001 1 0x205; sleep 1; shown_is 1; }; }
    check "the icon's own message with a right release brings the window up, topmost" \
        wait_until 15 eval 'up_by_message && [[ $(probe dump) == *frame=*topmost* ]]'
    probe send clock 0x111 103 >/dev/null
    check "設定 again: in the tray, no second notice" eval 'wait_until 10 shown_is 0 && sleep 5 && [[ -z $(notice) ]]'
    closed_quietly
    start_clock
    check "a start with the settings file: in the tray, no notice" eval 'wait_until 30 shown_is 0 && sleep 5 && [[ -z $(notice) ]]'
}

for part in $PARTS; do
    echo "== $part at $DPI DPI"
    "$part"
done
finish
