#!/usr/bin/env bash
# Fails on an #include that goes against the layer table in README.md (section "Layout"): a file
# under src/<folder>/ may include only the folders its row allows. Files outside a ui/ folder
# (and outside the platform's Qt and test-double implementations) may not include a ui/ header or
# a Qt Widgets header: rules and tables stay free of windows.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed
while IFS='|' read -r _ folder uses _; do
  folder=$(echo "$folder" | tr -d '` ')
  uses=$(echo "$uses" | tr -d '`,' | xargs)
  allowed[$folder]="$uses"
done < <(sed -n '/<!-- layers -->/,/<!-- \/layers -->/p' README.md | grep '^| `')
[ ${#allowed[@]} -gt 0 ] || { echo "check-layers: no layer table in README.md" >&2; exit 2; }

widget_dir=$(find /usr/include -maxdepth 3 -type d -name QtWidgets 2>/dev/null | head -1 || true)

failures=0
complain() {
  echo "$1:$2: $3" >&2
  failures=$((failures + 1))
}

while IFS= read -r file; do
  rel=${file#src/}
  folder=${rel%%/*}
  [ "$folder" = "$rel" ] && folder=main.cpp
  if [ -z "${allowed[$folder]+set}" ]; then
    complain "$file" 1 "folder '$folder' has no row in the layer table"
    continue
  fi
  rules_file=1
  case "$rel" in
    */ui/* | platform/qt/* | platform/fakes/* | main.cpp) rules_file=0 ;;
  esac
  while IFS=: read -r line text; do
    if [[ $text =~ \#include\ \"([a-z_]+)/([^\"]*)\" ]]; then
      target=${BASH_REMATCH[1]}
      path=${BASH_REMATCH[2]}
      if [ "$target" != "$folder" ] && [[ " ${allowed[$folder]} " != *" $target "* ]]; then
        complain "$file" "$line" "'$folder' may not include '$target/$path' (allowed: ${allowed[$folder]})"
      fi
      if [ $rules_file = 1 ] && [[ $path == ui/* || $path == */ui/* ]]; then
        complain "$file" "$line" "a rule outside ui/ includes the window header '$target/$path'"
      fi
    elif [ $rules_file = 1 ] && [ -n "$widget_dir" ] && [[ $text =~ \#include\ \<(Q[A-Za-z]+)\> ]]; then
      if [ -e "$widget_dir/${BASH_REMATCH[1]}" ]; then
        complain "$file" "$line" "a rule outside ui/ includes the widget header <${BASH_REMATCH[1]}>"
      fi
    fi
  done < <(grep -n '^#include' "$file" || true)
done < <(find src -name '*.h' -o -name '*.cpp' | sort)

if [ $failures -gt 0 ]; then
  echo "check-layers: $failures include(s) against the layer table" >&2
  exit 1
fi
echo "check-layers: every include follows the layer table"
