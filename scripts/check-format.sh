#!/usr/bin/env bash
# Fails when a changed C++ source differs from what the tree's .clang-format makes of it
# (scripts/changed-sources.sh names the files; "all" checks every source).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "all" ]; then
  files=$(git ls-files '*.cpp' '*.h')
else
  files=$(bash scripts/changed-sources.sh)
fi
[ -n "$files" ] || { echo "check-format: no changed sources"; exit 0; }
# shellcheck disable=SC2086
if ! clang-format --dry-run -Werror $files; then
  echo "check-format: run clang-format -i on the files above"
  exit 1
fi
echo "check-format: $(echo "$files" | wc -l) files formatted"
