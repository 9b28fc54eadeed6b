#!/usr/bin/env bash
# End-to-end tests of one clock per folder and of the refreshes that system events bring: the
# real Gorvandel.exe under Wine, started again from its folder (also through an upper-cased and
# a short path), from a second folder, while hung and while its folder is still held by a
# closing clock; and with an hour between refreshes, broadcast clock changes and wake-ups that
# must bring the icon to the current minute at once.
#
#   instance.sh GORVANDEL_EXE [OUTPUT_DIR [FACE_DUMP]]
#
# tests/e2e/lib.sh sets up the display, tray and Wine prefix and holds the helpers. The last line
# printed is "N passed, N failed".
set -u -o pipefail

# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

if [[ ! -x $FACE_DUMP ]]; then finish; fi

# An hour between refreshes and the time in 24 hours on top, in colour: the icon shows the
# minute it was drawn in until something else refreshes it.
COLOURS=(255 65280 16711680 65535 16711935 16776960 8388608 32768)
HOURLY_LINES=('yyyy/mm/dd hh:mm aaa' '3600' ' 2 ' ' 0 ')
for c in "${COLOURS[@]}"; do HOURLY_LINES+=(" $c "); done
write_hourly() { printf '%s\r\n' "${HOURLY_LINES[@]}" | iconv -f UTF-8 -t CP932 >"$1"; }

# How many icons are docked in the tray.
docked_icons() { docked_icon_ids | wc -l; }
icons_docked() { [[ $(docked_icons) == "$1" ]]; }

# icon_shows HH:MM: the docked icon is the hourly face at that minute.
SHOT_NUMBER=0
icon_shows() {
    SHOT_NUMBER=$((SHOT_NUMBER + 1))
    local name
    name=$(printf 'instance-%02d' "$SHOT_NUMBER")
    expected_face 2 0 "${COLOURS[@]}" "$1"
    shot "$name"
    match_icon "$name" >/dev/null
}
icon_shows_now() { icon_shows "$(date +%H:%M)"; }
icon_behind() { icon_docked && ! icon_shows_now; }
wait_for_minute_after() { while [[ $(date +%H:%M) == "$1" ]]; do sleep 0.2; done; }

# start_again DIR [EXE]: starts the program from DIR the way a user would a second time, and
# waits for it to end (at most 20 seconds); the exit status is the program's.
start_again() {
    (cd "$1" && exec timeout 20 wine "${2:-Gorvandel.exe}" >>"$OUT/second-start.log" 2>&1)
}
forms() { probe forms; }
file_state() { stat -c '%i %s %Y' "$INI"; }

# --- Refreshes on system events ---------------------------------------------------------------
echo "== an hour's interval and system events"
write_hourly "$INI"
start_clock
if ! wait_until 30 icon_docked; then
    fail "the clock with a settings file did not dock its icon"
    finish
fi
DOCKED=$(date +%H:%M)
# Wine's tray may stretch an icon just added until its first modification, so the face drawn at
# the start cannot always be matched exactly; what counts is that once the minute has turned the
# icon does not show the new one until something refreshes it, and then shows it exactly.
wait_for_minute_after "$DOCKED"
sleep 1
check "hourly: once the minute has turned the icon does not show the new minute" icon_behind
probe broadcast-suspend >/dev/null
sleep 1.5
check "hourly: going to sleep does not refresh" icon_behind
probe broadcast-timechange >/dev/null
check "WM_TIMECHANGE brings the icon to the current minute within two seconds" \
    wait_until 2 icon_shows_now
REFRESHED=$(date +%H:%M)

# --- A second start from the same folder -------------------------------------------------------
echo "== a second start from the same folder"
BEFORE=$(file_state)
start_again "$APP"
check "second start: ends with status 0" test $? = 0
check "second start: the running clock's window comes up" wait_until 10 window_visible
check "second start: its icon goes away" wait_until 10 icon_gone
sleep 0.5
shot instance-second-start
DUMP=$(probe dump)
check "second start: the window is topmost" dump_has "$DUMP" 'topmost=1'
check "second start: the window is at the work area's corner" \
    test "$(field "$DUMP" window_right) $(field "$DUMP" window_bottom)" \
    = "$(field "$DUMP" work_right) $(field "$DUMP" work_bottom)"
check "second start: still one clock" dump_has "$(forms)" 'forms=1'
check "second start: no icon of its own" icons_docked 0

start_again "$APP"
check "second start while the window is up: ends with status 0" test $? = 0
check "second start while the window is up: the window stays up" window_visible
check "second start while the window is up: still one clock" dump_has "$(forms)" 'forms=1'
check "second start while the window is up: no icon" icons_docked 0

# The path spelled in capitals: the same folder for Windows.
UPPER=$(winepath -w "$APP/Gorvandel.exe" | tr '[:lower:]' '[:upper:]')
start_again "$APP" "$UPPER"
check "second start through an upper-cased path: ends with status 0" test $? = 0
check "second start through an upper-cased path: still one clock" dump_has "$(forms)" 'forms=1'
# winepath -s spells the short names with slashes, on the drive that maps the root.
SHORT=Z:$(winepath -s "$APP/Gorvandel.exe" 2>/dev/null | tr / '\\')
echo "short path: $SHORT"
start_again "$APP" "$SHORT"
check "second start through the short (8.3) path: ends with status 0" test $? = 0
check "second start through the short (8.3) path: still one clock" dump_has "$(forms)" 'forms=1'

# A clock that does not answer (stopped) must not keep the new start waiting for long.
kill -STOP "$CLOCK_PID"
start_again "$APP"
STATUS=$?
kill -CONT "$CLOCK_PID"
check "second start while the running clock hangs: ends with status 0" test "$STATUS" = 0
check "second start while the running clock hangs: still one clock" dump_has "$(forms)" \
    'forms=1'
check "the settings file is untouched while the window is up" test "$(file_state)" = "$BEFORE"

press_apply
check "Apply sends the window back to the tray" wait_until 10 window_hidden
check "the icon docks again" wait_until 15 icon_docked

# --- Waking up ----------------------------------------------------------------------------------
echo "== waking up"
wait_for_minute_after "$REFRESHED"
sleep 1
check "hourly: after the next turn the icon does not show the new minute yet" icon_behind
probe broadcast-resume >/dev/null
check "a wake-up (WM_POWERBROADCAST) brings the icon to the current minute within two seconds" \
    wait_until 2 icon_shows_now
check "the settings file is still untouched" test "$(file_state)" = "$BEFORE"

probe close >/dev/null
check "closing ends the clock" wait_until 15 clock_exited
check "closing writes the settings file anew" test "$(file_state)" != "$BEFORE"
check "closing writes the settings as read" settings_file_is "${HOURLY_LINES[@]}"

# --- A start while the folder's clock is closing ---------------------------------------------
# The probe holds the folder as a clock does in its last steps of closing (settings being
# written, window gone). A start waits for it, then runs with the file just written; a folder
# held for longer than a few seconds is left alone.
echo "== a start while the folder's clock is closing"
APP_WIN=$(winepath -w "$APP")
wine "$PROBE" hold-folder "$APP_WIN" 2500 >"$WORK/hold.txt" 2>/dev/null &
HOLDER=$!
wait_until 10 grep -qs 'held=1' "$WORK/hold.txt"
check "the probe holds the folder" grep -q 'held=1' "$WORK/hold.txt"
start_clock
check "a start during the close waits and then runs the clock" wait_until 30 icon_docked
wait "$HOLDER"
check "it is the only clock" dump_has "$(forms)" 'forms=1'
probe close >/dev/null
wait_until 15 clock_exited

wine "$PROBE" hold-folder "$APP_WIN" 8000 >"$WORK/hold.txt" 2>/dev/null &
HOLDER=$!
wait_until 10 grep -qs 'held=1' "$WORK/hold.txt"
start_again "$APP"
check "a start while the folder stays held gives up with status 0" test $? = 0
check "... and runs no clock" dump_has "$(forms)" 'forms=0'
check "... and docks no icon" icons_docked 0
wait "$HOLDER"

# --- Two folders, two clocks ------------------------------------------------------------------
echo "== two folders"
APP2=$WORK/app2
mkdir -p "$APP2"
cp "$APP/Gorvandel.exe" "$APP2/Gorvandel.exe"
write_hourly "$APP2/Gorvandel.ini"
start_clock
(cd "$APP2" && exec wine Gorvandel.exe >>"$OUT/clock2.log" 2>&1) &
check "two copies in two folders dock two icons" wait_until 30 icons_docked 2
check "two copies in two folders: two clocks" dump_has "$(forms)" 'forms=2'
start_again "$APP2"
check "second start in the second folder: ends with status 0" test $? = 0
check "second start in the second folder: one icon goes away" wait_until 10 icons_docked 1
FORMS=$(forms)
echo "$FORMS" >"$OUT/two-folders.txt"
check "second start in the second folder: that folder's window comes up" \
    grep -qiF "form visible=1 exe=$(winepath -w "$APP2")\\Gorvandel.exe" <<<"$FORMS"
check "second start in the second folder: the first folder's clock stays in the tray" \
    grep -qiF "form visible=0 exe=$APP_WIN\\Gorvandel.exe" <<<"$FORMS"

finish
