#!/usr/bin/env bash
# Fails when a C++ file under src/ tests/ tools/ bench/ fuzz/ differs from what clang-format makes
# of it with the project's .clang-format, and lists those files. Changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
if ! command -v "$format" >/dev/null; then
  echo "check-format: $format not found (scripts/install-deps.sh installs it)" >&2
  exit 2
fi

# A .clang-format this version cannot read would make every file look unformatted: say so instead.
"$format" --style=file --dump-config src/main.cpp >/dev/null

mapfile -d '' files < <(find src tests tools bench fuzz -type f \
  \( -name '*.cpp' -o -name '*.cc' -o -name '*.h' -o -name '*.hpp' \) -print0 | sort -z)
unformatted=()
for f in "${files[@]}"; do
  "$format" --style=file --dry-run -Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done

if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check-format: ${#unformatted[@]} of ${#files[@]} files are not formatted ($("$format" --version)):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  echo "check-format: see the changes with: $format --style=file FILE | diff FILE -" >&2
  exit 1
fi
echo "check-format: ${#files[@]} files formatted"
