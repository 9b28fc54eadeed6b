# The end-to-end runner's set-up and helpers, sourced by run.sh once it knows the screen density
# ($DPI) and the paths ($EXE, $OUT, $FACE_DUMP). It checks the tools, starts a private display, a
# tray host and a fresh Wine prefix with a Japanese locale at that density, builds the probe, and
# copies the .exe into a folder of its own ($APP). Everything it starts is stopped at exit.

passed=0
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
# check DESCRIPTION COMMAND...: one result from a command's exit status.
check() {
    local description=$1
    shift
    if "$@"; then echo "PASS: $description"; passed=$((passed + 1)); else fail "$description"; fi
}
finish() {
    echo "$passed passed, $failed failed"
    [[ $failed -eq 0 ]]
    exit
}

missing=()
for tool in Xvfb trayer xdotool xwininfo wine wineboot wineserver winepath python3 iconv \
    x86_64-w64-mingw32-g++-posix /usr/bin/convert /usr/bin/import; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || missing+=(ja_JP.UTF-8-locale)
[[ -x $FACE_DUMP ]] || missing+=("face_dump (fourth argument or GV_FACE_DUMP)")
((${#missing[@]} == 0)) || { fail "tools missing: ${missing[*]}" && finish; }

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SCREENS=$OUT/screens
mkdir -p "$SCREENS"
rm -f "$SCREENS"/*.png
WORK=$(mktemp -d /tmp/gorvandel-e2e.XXXXXX)
CLOCK_PID=
# shellcheck source=../../tools/wine-desktop.sh
source "$HERE/../../tools/wine-desktop.sh"
trap '[[ -n $CLOCK_PID ]] && kill "$CLOCK_PID" 2>/dev/null; wd_stop; rm -rf "$WORK"' EXIT
trap 'exit 130' INT TERM
# The clock and `date` read the time in one fixed zone, so that the faces expected from `date`
# are the clock's whatever the machine's zone and its daylight saving.
export TZ=JST-9

SCREEN_W=1024
SCREEN_H=768
# The tray draws notification icons at the small-icon size, 16 pixels at 96 DPI, in a panel tall
# enough for the icon and the border round it.
ICON_SIZE=$((16 * DPI / 96))
((DPI == 96)) || export WD_TRAYER_HEIGHT=$((ICON_SIZE + 12))
wd_start_display "$OUT/xvfb.log" || { fail "Xvfb did not start (see $OUT/xvfb.log)" && finish; }
wd_start_trayer "$OUT/trayer.log"
wd_make_prefix "$WORK/prefix" "$OUT/wineboot.log" ||
    { fail "wineboot -i failed (see $OUT/wineboot.log)" && finish; }
if ((DPI != 96)); then
    # Wine reads the density when its server starts: set it, then let the server end.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
    wineserver -w
fi

# The probe reads the clock's names from its sources: the only place the runner spells them.
PROBE=$WORK/probe.exe
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -static -municode -I "$HERE/../../src" -o "$PROBE" \
    "$HERE/probe.cpp" -lshell32 -lcomctl32 -lgdi32 >"$OUT/probe-build.log" 2>&1 ||
    { fail "the probe did not build (see $OUT/probe-build.log)" && finish; }
probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

APP=$WORK/app
mkdir -p "$APP"
cp "$EXE" "$APP/Gorvandel.exe"
INI=$APP/Gorvandel.ini
GDI_REPORT=$WORK/gdi-report.txt

# --- The clock and its files -----------------------------------------------------------------
# start_clock [DIR]: starts the clock of DIR (default $APP) in the background.
start_clock() {
    (cd "${1:-$APP}" && GORVANDEL_GDI_REPORT=$(winepath -w "$GDI_REPORT" 2>/dev/null) \
        exec wine Gorvandel.exe >>"$OUT/clock.log" 2>&1) &
    CLOCK_PID=$!
}
clock_exited() { ! kill -0 "$CLOCK_PID" 2>/dev/null; }
# start_again DIR [EXE]: starts the program from DIR the way a user would a second time and waits
# for it to end (at most 20 seconds); the exit status is the program's.
start_again() { (cd "$1" && exec timeout 20 wine "${2:-Gorvandel.exe}" >>"$OUT/clock.log" 2>&1); }
# wait_until SECONDS COMMAND...: polls the command until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.3
    done
}
# write_settings FILE LINE...: a settings file of these lines, in the Japanese ANSI code page.
write_settings() { printf '%s\r\n' "${@:2}" | iconv -f UTF-8 -t CP932 >"$1"; }
# settings_file_is LINE...: the settings file holds exactly these lines.
settings_file_is() { cmp -s "$INI" <(printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932); }

# --- The settings window ---------------------------------------------------------------------
window_up() { probe clocks | grep -q '^clock visible=1'; }
window_hidden() { probe clocks | grep -q '^clock visible=0'; }
clocks_are() { probe clocks | grep -qx "clocks=$1"; }
field() { sed -n "s/^$2=//p" <<<"$1" | head -n1; }
# has_lines TEXT LINE...: TEXT holds every line; a LINE starting with ~ is a regular expression.
has_lines() {
    local text=$1 line status=0
    shift
    for line; do
        if [[ $line == '~'* ]]; then grep -qx -- "${line#\~}" <<<"$text"; else grep -qxF -- "$line" <<<"$text"; fi ||
            { echo "  missing: $line" && status=1; }
    done
    return $status
}
# The settings window as X shows it: "X Y W H" of the mapped, viewable window, or nothing. Wine
# leaves a window placed wholly off the screen unmapped.
mapped_geometry() {
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
window_on_screen() {
    local x y w h
    read -r x y w h < <(mapped_geometry) || return 1
    ((x >= 0 && y >= 0 && w > 0 && h > 0 && x + w <= SCREEN_W && y + h <= SCREEN_H))
}
# A click on the settings window at client coordinates (pixels).
click_client() {
    local origin
    origin=$(field "$(probe dump)" client_origin)
    xdotool mousemove $((${origin%,*} + $1)) $((${origin#*,} + $2)) sleep 0.1 click 1
}
focus_window() {
    local id
    id=$(xdotool search --name '^!Gorvandel$' 2>/dev/null | head -n1)
    [[ -n $id ]] && xdotool windowfocus --sync "$id" 2>/dev/null
}
# Replaces the interval text the way a user would: click into it, clear it, type.
type_interval() {
    focus_window
    click_client 58 17
    xdotool key --clearmodifiers End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
    xdotool type --delay 50 "$1"
}
press_apply() { click_client 128 14; }
boxes_open() { [[ $(probe popups | grep -c '^box title=') == "$1" ]]; }

# --- The tray --------------------------------------------------------------------------------
# Trayer puts each client in a socket window of its panel, and Wine's icon window sits inside
# that. Prints "X Y W H" of each viewable docked icon, one a line.
docked_icons() {
    local panel socket icon
    panel=$(xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}')
    [[ -n $panel ]] || return 0
    for socket in $(xwininfo -children -id "$panel" 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        icon=$(xwininfo -children -id "$socket" 2>/dev/null | awk '/"explorer.exe"/ {print $1; exit}')
        [[ -n $icon ]] && xwininfo -id "$icon" 2>/dev/null | awk '/IsViewable/ {v=1}
            /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
            /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {if (v) print x, y, w, h}'
    done
    return 0
}
icons_docked() { [[ $(docked_icons | wc -l) == "$1" ]]; }
icon_docked() { icons_docked 1; }
icon_gone() { icons_docked 0; }
# Mouse actions on the docked icon's centre: click_icon BUTTON, or a move over it.
click_icon() {
    local x y w h
    read -r x y w h < <(docked_icons) || return 1
    xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.2 click "$1"
}

# --- Pictures --------------------------------------------------------------------------------
shot() { /usr/bin/import -window root "$SCREENS/$1.png" 2>/dev/null; }
# crop SHOT X Y W H: that part of the screenshot as $WORK/region.ppm.
crop() { /usr/bin/convert "$SCREENS/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 "ppm:$WORK/region.ppm"; }
count_colour() { python3 "$HERE/pixels.py" count "$WORK/region.ppm" "$1"; }
# face_in SHOT X Y W H N TOP BOTTOM C0..C7: the region of the screenshot shows the face for those
# settings at the minute the screenshot was taken, from the program's own drawing code, enlarged
# to N x N. A screenshot taken as the minute turned is taken again.
face_in() {
    local minute
    for _ in 1 2; do
        minute=$(date +%F\ %H:%M)
        shot "$1"
        [[ $(date +%F\ %H:%M) == "$minute" ]] && break
    done
    "$FACE_DUMP" "${@:7:10}" "${minute% *}" "${minute#* }" >"$WORK/expected.txt" &&
        crop "$@" && python3 "$HERE/pixels.py" face "$WORK/expected.txt" "$WORK/region.ppm" "$6" \
        >"$OUT/match-$1.txt"
}
# icon_shows SHOT TOP BOTTOM C0..C7: the docked icon shows that face at the tray's icon size, on
# the tray's background where it is transparent.
icon_shows() {
    local x y w h
    read -r x y w h < <(docked_icons) || return 1
    face_in "$1" "$x" "$y" "$w" "$h" "$ICON_SIZE" "${@:2}"
}
