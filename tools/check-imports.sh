#!/usr/bin/env bash
# Fails when an executable imports from a DLL outside tools/allowed-imports.txt.
#   tools/check-imports.sh EXE...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
allowed=$(grep -v '^#' "$here/allowed-imports.txt" | tr 'A-Z' 'a-z')
status=0
for exe in "$@"; do
    imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
    if [[ -z $imports ]]; then
        echo "imports of $exe: none found (not an executable?)"
        status=1
        continue
    fi
    for dll in $imports; do
        if ! grep -qxF "$dll" <<<"$allowed"; then
            echo "imports of $exe: $dll is not in tools/allowed-imports.txt"
            status=1
        fi
    done
    [[ $status -eq 0 ]] && echo "imports of $exe: $(echo $imports)"
done
exit $status
