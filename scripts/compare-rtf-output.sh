#!/bin/sh
# Compares what two builds of kestrane-rtf make of the same documents, as HTML (every format the
# reader sets) and as plain text: a change meant to make reading faster must leave both alike.
#   scripts/compare-rtf-output.sh OLD-kestrane-rtf NEW-kestrane-rtf [FOLDER...]
# Without folders it reads the documents below tests/ and data/ (and ../shared/rtf-corpus when
# it is there). Exits 1 when any document differs.
set -eu
old=$1
new=$2
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
    set -- "$root/tests" "$root/data"
    [ -d "$root/../shared/rtf-corpus" ] && set -- "$@" "$root/../shared/rtf-corpus"
fi
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count=0
differ=0
for file in $(find "$@" -type f -iname '*.rtf' | sort); do
    count=$((count + 1))
    for mode in --html --text; do
        "$old" "$mode" "$file" >"$work/old" 2>/dev/null || true
        "$new" "$mode" "$file" >"$work/new" 2>/dev/null || true
        if ! cmp -s "$work/old" "$work/new"; then
            echo "differs ($mode): $file"
            differ=$((differ + 1))
        fi
    done
done
echo "$count documents read, $differ outputs differ"
[ "$differ" -eq 0 ]
