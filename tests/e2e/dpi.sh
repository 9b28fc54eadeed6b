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

finish
