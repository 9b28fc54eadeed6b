#!/usr/bin/env bash
# Fails unless each release zip holds Gorvandel.exe, LICENSE, THIRD-PARTY-NOTICES.txt and
# README.txt, in that order and nothing else, with no extra fields (no owner, group or Unix
# times), the texts with CR LF line ends and README.txt opening with one UTF-8 byte-order mark.
#   tools/check-zip.sh ZIP...
set -euo pipefail
want="Gorvandel.exe LICENSE THIRD-PARTY-NOTICES.txt README.txt"
status=0
for zip in "$@"; do
    names=$(unzip -Z1 "$zip" | xargs)
    if [[ $names != "$want" ]]; then
        echo "$zip: holds $names, expected $want"
        status=1
        continue
    fi
    if zipinfo -v "$zip" | grep -q 'length of extra field: *[1-9]'; then
        echo "$zip: an entry carries an extra field"
        status=1
    fi
    for text in LICENSE THIRD-PARTY-NOTICES.txt README.txt; do
        if unzip -p "$zip" "$text" | grep -qv $'\r$'; then
            echo "$zip: $text has a line that does not end in CR LF"
            status=1
        fi
    done
    head=$(unzip -p "$zip" README.txt | od -An -tx1 | tr -d ' \n' | cut -c1-12)
    if [[ $head != efbbbf* || $head == efbbbfefbbbf ]]; then
        echo "$zip: README.txt does not open with one byte-order mark"
        status=1
    fi
    [[ $status -eq 0 ]] && echo "$zip: $want, CR LF, one byte-order mark"
done
exit $status
