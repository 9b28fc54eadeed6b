# Shared by the end-to-end scripts: sourced, never run. It reads the script's arguments
#   SCRIPT GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]
# checks the tools, starts a private display, a tray host and a fresh Wine prefix with a Japanese
# locale, builds the probe, copies the .exe into a folder of its own ($APP), and defines the
# helpers the scenarios use. Everything it starts is stopped when the script exits.
# OUTPUT_DIR (default: beside the .exe, e2e/) receives screenshots in screens/ and the logs.
# FACE_DUMP is the native tools/face_dump program (also taken from $GV_FACE_DUMP); the icon and
# preview pictures are compared with what it draws. Scripts end with `finish`, which prints
# "N passed, N failed" and exits non-zero when anything failed.

if [[ $# -lt 1 || ! -f $1 ]]; then
    echo "usage: $0 GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]" >&2
    echo "0 passed, 1 failed"
    exit 2
fi
EXE=$(realpath "$1")
OUT=$(realpath -m "${2:-$(dirname "$EXE")/e2e}")
FACE_DUMP=${3:-${GV_FACE_DUMP:-}}
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
SCREENS=$OUT/screens
mkdir -p "$SCREENS"
rm -f "$SCREENS"/*.png

passed=0
failed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
# check DESCRIPTION COMMAND...: one test result from a command's exit status.
check() {
    local description=$1
    shift
    if "$@"; then pass "$description"; else fail "$description"; fi
}
finish() {
    echo "$passed passed, $failed failed"
    [[ $failed -eq 0 ]]
    exit
}

# --- What the run needs -------------------------------------------------------------------
missing=()
for tool in Xvfb trayer xdotool xwininfo wine wineboot wineserver winepath python3 iconv \
    x86_64-w64-mingw32-g++-posix; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
# The real ImageMagick, not a look-alike earlier in PATH.
CONVERT=/usr/bin/convert
IMPORT=/usr/bin/import
[[ -x $CONVERT && -x $IMPORT ]] || missing+=(imagemagick)
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || missing+=(ja_JP.UTF-8-locale)
if [[ ${#missing[@]} -gt 0 ]]; then
    fail "tools missing: ${missing[*]}"
    finish
fi
if [[ -z $FACE_DUMP || ! -x $FACE_DUMP ]]; then
    fail "face_dump not given (third argument or GV_FACE_DUMP): the pictures cannot be checked"
fi

# --- A private display, tray and Wine prefix ------------------------------------------------
WORK=$(mktemp -d /tmp/gorvandel-e2e.XXXXXX)
CLOCK_PID=
# shellcheck source=../../tools/wine-desktop.sh
source "$HERE/../../tools/wine-desktop.sh"
cleanup() {
    [[ -n $CLOCK_PID ]] && kill "$CLOCK_PID" 2>/dev/null
    wd_stop
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if ! wd_start_display "$OUT/xvfb.log"; then
    fail "Xvfb did not start (see $OUT/xvfb.log)"
    finish
fi
SCREEN_W=1024
SCREEN_H=768
start_trayer() { wd_start_trayer "$OUT/trayer.log"; }
start_trayer
if ! wd_make_prefix "$WORK/prefix" "$OUT/wineboot.log"; then
    fail "wineboot -i failed (see $OUT/wineboot.log)"
    finish
fi

PROBE=$WORK/probe.exe
if ! x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -static -I "$HERE/../../src" -o "$PROBE" \
    "$HERE/probe.cpp" -lshell32 -lcomctl32 -lgdi32 >"$OUT/probe-build.log" 2>&1; then
    fail "the probe did not build (see $OUT/probe-build.log)"
    finish
fi
probe() { wine "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }

APP=$WORK/app
mkdir -p "$APP"
cp "$EXE" "$APP/Gorvandel.exe"
INI=$APP/Gorvandel.ini
GDI_REPORT=$WORK/gdi-report.txt

# --- Helpers --------------------------------------------------------------------------------
start_clock() {
    (cd "$APP" && GORVANDEL_GDI_REPORT=$(winepath -w "$GDI_REPORT" 2>/dev/null) \
        exec wine Gorvandel.exe >>"$OUT/clock.log" 2>&1) &
    CLOCK_PID=$!
}
clock_running() { [[ -n $CLOCK_PID ]] && kill -0 "$CLOCK_PID" 2>/dev/null; }
# wait_until SECONDS COMMAND...: polls the command until it succeeds.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS >= deadline)) && return 1
        sleep 0.3
    done
}
clock_exited() { ! clock_running; }
window_visible() { probe dump | grep -qx 'visible=1'; }
window_hidden() { probe dump | grep -qx 'visible=0'; }
dump_has() { grep -qxF -- "$2" <<<"$1"; }
field() { sed -n "s/^$2=//p" <<<"$1" | head -n1; }

# viewable_geometry XID: prints "X Y W H" of an X window that is mapped and viewable, or fails.
viewable_geometry() {
    local info
    info=$(xwininfo -id "$1" 2>/dev/null)
    grep -q 'Map State: IsViewable' <<<"$info" || return 1
    awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
         /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}' <<<"$info"
}
# The docked icons: trayer puts each client in a socket window of its panel, and Wine's icon
# window sits inside that. Prints the X ids of the viewable icon windows, one a line.
docked_icon_ids() {
    local panel socket icon
    panel=$(xwininfo -root -tree 2>/dev/null | awk '/"panel": \("panel" "trayer"\)/ {print $1; exit}')
    [[ -n $panel ]] || return 0
    for socket in $(xwininfo -children -id "$panel" 2>/dev/null | awk '/^ +0x/ {print $1}'); do
        icon=$(xwininfo -children -id "$socket" 2>/dev/null |
            awk '/"explorer.exe"/ {print $1; exit}')
        [[ -n $icon ]] && viewable_geometry "$icon" >/dev/null && echo "$icon"
    done
    return 0
}
# "X Y W H" of the (first) docked icon, or nothing.
tray_icon_geometry() {
    local icon
    icon=$(docked_icon_ids | head -n1)
    [[ -n $icon ]] && viewable_geometry "$icon"
}
icon_docked() { [[ -n $(tray_icon_geometry) ]]; }
icon_gone() { ! icon_docked; }

shot() { "$IMPORT" -window root "$SCREENS/$1.png" 2>/dev/null; }
# crop SHOT X Y W H OUT.ppm
crop() { "$CONVERT" "$SCREENS/$1.png" -crop "$4x$5+$2+$3" +repage -depth 8 "ppm:$6"; }
count_colour() { python3 "$HERE/pixels.py" count "$1" "$2"; }

# Mouse actions on the docked icon's centre.
icon_centre() {
    local x y w h
    read -r x y w h < <(tray_icon_geometry) || return 1
    echo "$((x + w / 2)) $((y + h / 2))"
}
click_icon() {
    local cx cy
    read -r cx cy < <(icon_centre) || return 1
    xdotool mousemove "$cx" "$cy" sleep 0.2 click "$1"
}
# A click on the settings window at client coordinates (pixels).
click_client() {
    local dump origin
    dump=$(probe dump)
    origin=$(field "$dump" client_origin)
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
    xdotool key --clearmodifiers End BackSpace BackSpace BackSpace BackSpace BackSpace \
        BackSpace BackSpace BackSpace
    xdotool type --delay 50 "$1"
}
press_apply() { click_client 128 14; }
box_open() { probe boxes | grep -qx 'boxes=1'; }
box_closed() { probe boxes | grep -qx 'boxes=0'; }

# expected_face TOP BOTTOM C0..C7 [HH:MM]: the face for those settings today, from the
# program's own drawing code.
expected_face() {
    "$FACE_DUMP" "${@:1:10}" "$(date +%F)" ${11:+"${11}"} >"$WORK/expected.txt"
}
# match_icon SHOT: the docked icon in the screenshot shows the expected face exactly, on the
# tray's background where the icon is transparent.
match_icon() {
    local x y w h
    read -r x y w h < <(tray_icon_geometry) || return 1
    crop "$1" "$x" "$y" "$w" "$h" "$WORK/icon.ppm" &&
        python3 "$HERE/pixels.py" match-face "$WORK/expected.txt" "$WORK/icon.ppm" 0 0
}
# match_preview SHOT: Picture1 at client (8, 8) shows the same face on the button face.
match_preview() {
    local dump origin
    dump=$(probe dump)
    origin=$(field "$dump" client_origin)
    crop "$1" $((${origin%,*} + 7)) $((${origin#*,} + 7)) 18 18 "$WORK/preview.ppm" &&
        python3 "$HERE/pixels.py" match-face "$WORK/expected.txt" "$WORK/preview.ppm" 0 0
}
# settings_file_is LINE...: the file holds exactly these lines, in the Japanese ANSI code page.
settings_file_is() { cmp -s "$INI" <(printf '%s\r\n' "$@" | iconv -f UTF-8 -t CP932); }

# set_screen_dpi DPI: the density the next Wine programs see (96, 144, 192, ...). Wine reads it
# when its server starts, so this waits for the running server to end.
set_screen_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}
