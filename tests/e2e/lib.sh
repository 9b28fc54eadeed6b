# Set-up and helpers of run.sh, sourced once $DPI, $EXE, $OUT, $FACE_DUMP are known; all stops at exit.
passed=0 failed=0
fail() { echo "FAIL: $*" && failed=$((failed + 1)); }
check() { if "${@:2}"; then echo "PASS: $1" && passed=$((passed + 1)); else fail "$1"; fi; }
finish() { echo "$passed passed, $failed failed" && exit $((failed > 0)); }
setup_failed() { fail "$*" && finish; }

missing=()
for tool in Xvfb trayer xdotool xwininfo wine wineboot wineserver winepath iconv basenc \
    x86_64-w64-mingw32-g++-posix /usr/bin/convert /usr/bin/import /usr/bin/compare "$FACE_DUMP"; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || missing+=(ja_JP.UTF-8-locale)
((${#missing[@]} == 0)) || setup_failed "missing (face_dump is the 4th argument): ${missing[*]}"

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SCREENS=$OUT/screens
mkdir -p "$SCREENS" && rm -f "$SCREENS"/*.png
WORK=$(mktemp -d /tmp/gorvandel-e2e.XXXXXX)
# shellcheck source=../../tools/wine-desktop.sh
source "$HERE/../../tools/wine-desktop.sh"
trap 'wd_stop; rm -rf "$WORK"' EXIT
trap 'exit 130' INT TERM
# One zone without daylight saving for the clock and for `date`, which says what it must show.
export TZ=JST-9
# The tray draws icons at the small-icon size, in a panel tall enough for it and its border.
ICON_SIZE=$((16 * DPI / 96))
((DPI == 96)) || export WD_TRAYER_HEIGHT=$((ICON_SIZE + 12))
wd_start_display "$OUT/xvfb.log" || setup_failed "Xvfb did not start (see $OUT/xvfb.log)"
wd_start_trayer "$OUT/trayer.log"
wd_make_prefix "$WORK/prefix" "$OUT/wineboot.log" || setup_failed "wineboot failed (see $OUT/wineboot.log)"
if ((DPI != 96)); then # read as the server starts: set, then let the server end
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$DPI" /f >/dev/null 2>&1
    wineserver -w
fi
# The probe takes the clock's names from its sources.
PROBE=$WORK/probe.exe
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -static -municode -I "$HERE/../../src" -o "$PROBE" \
    "$HERE/probe.cpp" -lshell32 -lgdi32 >"$OUT/probe-build.log" 2>&1 ||
    setup_failed "the probe did not build (see $OUT/probe-build.log)"
probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }
APP=$WORK/app INI=$WORK/app/Gorvandel.ini GDI_REPORT=$WORK/gdi-report.txt
mkdir -p "$APP" && cp "$EXE" "$APP/Gorvandel.exe"

# start_clock [DIR]: starts the clock of DIR (default $APP) in the background.
start_clock() {
    (cd "${1:-$APP}" && GORVANDEL_GDI_REPORT=$(winepath -w "$GDI_REPORT" 2>/dev/null) \
        exec wine Gorvandel.exe >>"$OUT/clock.log" 2>&1) &
    CLOCK_PID=$!
}
clock_exited() { ! kill -0 "$CLOCK_PID" 2>/dev/null; }
# start_again DIR [EXE]: a second start, as a user makes it; ends with the program's exit status.
start_again() { (cd "$1" && exec timeout 20 wine "${2:-Gorvandel.exe}" >>"$OUT/clock.log" 2>&1); }
wait_until() { local end=$((SECONDS + $1)); until "${@:2}"; do ((SECONDS < end)) && sleep 0.3 || return 1; done; }
# write_settings FILE PATTERN INTERVAL TOP BOTTOM C0..C7: a settings file in code page 932.
write_settings() { { printf '%s\r\n' "$2" "$3" && printf ' %s \r\n' "${@:4}"; } | iconv -f UTF-8 -t CP932 >"$1"; }
settings_file_is() { cmp -s "$INI" <(write_settings /dev/stdout "$@"); }
field() { sed -n "s/^$2=//p" <<<"$1" | head -n1; }
# has_lines TEXT LINE...: TEXT holds every line; a LINE starting with ~ is a regular expression.
has_lines() {
    local line status=0
    for line in "${@:2}"; do
        if [[ $line == '~'* ]]; then grep -qx -- "${line#\~}"; else grep -qxF -- "$line"; fi <<<"$1" ||
            { echo "  missing: $line" && status=1; }
    done
    return $status
}

# geometry ID: "X Y W H" of a viewable X window.
geometry() {
    [[ -n $1 ]] && xwininfo -id "$1" 2>/dev/null | awk '/IsViewable/ {v=1} /Absolute upper-left X/ {x=$NF}
        /Absolute upper-left Y/ {y=$NF} /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {if (!v) exit 1; print x, y, w, h}'
}
# The settings window as X maps it; Wine leaves a window placed wholly off the screen unmapped.
window_geometry() { local id; for id in $(xdotool search --name '^!Gorvandel$' 2>/dev/null); do geometry "$id" && return; done; false; }
window_on_screen() { local x y w h; read -r x y w h < <(window_geometry) && ((x >= 0 && y >= 0 && x + w <= 1024 && y + h <= 768)); }
# The docked icons: trayer puts each in a socket window of its panel, Wine's icon window inside.
docked_icons() {
    local panel socket
    panel=$(xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}')
    [[ -n $panel ]] || return 0 # (xwininfo without a window waits for a click on one)
    for socket in $(xwininfo -children -id "$panel" 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        geometry "$(xwininfo -children -id "$socket" 2>/dev/null | awk '/"explorer.exe"/ {print $1}')"
    done
    return 0
}
icons_docked() { [[ $(docked_icons | wc -l) == "$1" ]]; }
shown_is() { probe clocks | grep -q "^clock visible=$1"; }
docked_and_hidden() { icons_docked 1 && shown_is 0; }
clocks_are() { probe clocks | grep -qx "clocks=$1"; }
boxes_open() { [[ $(probe popups | grep -c '^box title=') == "$1" ]]; }

click_icon() { local x y w h; read -r x y w h < <(docked_icons) && xdotool mousemove $((x + w / 2)) $((y + h / 2)) sleep 0.2 click "$1"; }
# click_client X Y: a click on the settings window, at client pixels.
click_client() {
    local origin
    origin=$(field "$(probe dump)" client_origin)
    xdotool mousemove $((${origin%,*} + $1)) $((${origin#*,} + $2)) sleep 0.1 click 1
}
focus_window() { xdotool search --name '^!Gorvandel$' windowfocus --sync 2>/dev/null; }
type_interval() {
    focus_window && click_client 58 17
    xdotool key --clearmodifiers End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
    xdotool type --delay 50 "$1"
}
press_apply() { click_client 128 14; }

# crop SHOT X Y W H: that part of the screenshot, as $WORK/region.ppm.
shot() { /usr/bin/import -window root "$SCREENS/$1.png" 2>/dev/null; }
crop() { /usr/bin/convert "$SCREENS/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 "ppm:$WORK/region.ppm"; }
count_colour() { /usr/bin/convert "$WORK/region.ppm" txt:- | grep -ci " #$1 "; }
# face_in SHOT X Y W H N TOP BOTTOM C0..C7: the region shows face_dump's face enlarged to N x N,
# exact colours, clear pixels in the region's top-left one.
face_in() {
    local minute bg
    for _ in 1 2; do # taken again when the minute turned meanwhile
        minute=$(date '+%F %H:%M') && shot "$1" && [[ $(date '+%F %H:%M') == "$minute" ]] && break
    done
    "$FACE_DUMP" "${@:7:10}" "${minute% *}" "${minute#* }" >"$WORK/face.txt" && crop "$@" &&
        bg=$(/usr/bin/convert "$WORK/region.ppm" -format '%[hex:p{0,0}]' info:) || return 1
    # Nothing drawn, or drawn in the background's colour, would match blindly.
    grep -q '[0-9a-f]\{6\}' "$WORK/face.txt" && ! grep -qi "$bg" "$WORK/face.txt" &&
        { printf 'P6 16 16 255\n' && tr -d ' \n' <"$WORK/face.txt" | tr a-f A-F | sed "s/------/$bg/g" |
            basenc --base16 -d; } | /usr/bin/convert - -define sample:offset=93.75 \
        -sample "$6x$6" "$OUT/face-$1.png" && /usr/bin/compare -metric AE -subimage-search \
        "$WORK/region.ppm" "$OUT/face-$1.png" null: 2>"$OUT/match-$1.txt"
}
# icon_shows SHOT TOP BOTTOM C0..C7: the docked icon shows that face at the tray's icon size.
icon_shows() { local x y w h; read -r x y w h < <(docked_icons) && face_in "$1" "$x" "$y" "$w" "$h" "$ICON_SIZE" "${@:2}"; }
