# Sourced by the scripts that run a Windows program under Wine without a desktop of their own:
# a private virtual X display, an XEmbed tray host the program's tray icon docks into, and a
# fresh Wine prefix with a Japanese locale (so the ANSI code page is 932).
#
#   wd_start_display LOG     starts Xvfb on a free display and exports DISPLAY
#   wd_start_trayer LOG      starts (or, after it was killed, restarts) the tray host, a panel
#                            WD_TRAYER_HEIGHT pixels tall (default 24)
#   wd_make_prefix DIR LOG   exports WINEPREFIX=DIR and the rest of Wine's settings, runs wineboot
#   wd_stop                  ends Wine, the tray host and the display
#   wd_bench_setup TAG [TOOL...]  for the benchmark scripts: checks the tools, makes $WORK,
#                            starts all three in it and stops them at exit; exits 2 on failure
# Each start returns non-zero when it failed; the log says why.

WD_XVFB_PID=
WD_TRAYER_PID=

wd_start_display() {
    local fd_file
    fd_file=$(mktemp)
    # -displayfd lets the server pick a free display number and tell us which.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >"$1" 2>&1 &
    WD_XVFB_PID=$!
    for _ in $(seq 50); do [[ -s $fd_file ]] && break; sleep 0.1; done
    if [[ ! -s $fd_file ]]; then
        rm -f "$fd_file"
        return 1
    fi
    DISPLAY=:$(head -n1 "$fd_file")
    export DISPLAY
    rm -f "$fd_file"
}

wd_start_trayer() {
    trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
        --height "${WD_TRAYER_HEIGHT:-24}" --SetDockType true --transparent false >>"$1" 2>&1 &
    WD_TRAYER_PID=$!
}

wd_make_prefix() {
    export WINEPREFIX=$1
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES='mscoree,mshtml='
    export LANG=ja_JP.UTF-8
    export LC_ALL=ja_JP.UTF-8
    wineboot -i >"$2" 2>&1 || return 1
    # Without a window manager nobody draws window frames; Wine then draws them itself, so
    # screenshots show the caption and a window's X geometry is its whole outer frame.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
}

wd_stop() {
    [[ -n ${WINEPREFIX:-} && -d ${WINEPREFIX:-/nonexistent} ]] && wineserver -k 2>/dev/null
    [[ -n $WD_TRAYER_PID ]] && kill "$WD_TRAYER_PID" 2>/dev/null
    [[ -n $WD_XVFB_PID ]] && kill "$WD_XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    return 0
}

# wd_setup_failed WHAT LOG: says what failed and why, and ends the script with status 2.
wd_setup_failed() {
    echo "$1" >&2
    [[ -f $2 ]] && cat "$2" >&2
    exit 2
}

wd_bench_setup() {
    local tag=$1 tool
    shift
    local missing=()
    for tool in Xvfb trayer wine wineboot wineserver "$@"; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    if ((${#missing[@]})); then
        echo "tools missing: ${missing[*]}" >&2
        exit 2
    fi
    WORK=$(mktemp -d "/tmp/gorvandel-$tag.XXXXXX")
    trap 'wd_stop; rm -rf "$WORK"' EXIT
    trap 'exit 130' INT TERM
    wd_start_display "$WORK/xvfb.log" || wd_setup_failed "Xvfb did not start" "$WORK/xvfb.log"
    wd_start_trayer "$WORK/trayer.log"
    wd_make_prefix "$WORK/prefix" "$WORK/wineboot.log" ||
        wd_setup_failed "wineboot -i failed" "$WORK/wineboot.log"
}
