#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over the changed C++ sources, with the compile commands of a
# configured build (default build/test); "all" checks every source of the compile database.
# Headers are checked through the sources that include them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
build=${VERRANT_TIDY_BUILD:-build/test}
jobs=${VERRANT_TIDY_JOBS:-$(nproc 2>/dev/null || echo 4)}
[ -f "$build/compile_commands.json" ] || { echo "check-tidy: configure $build first"; exit 1; }

if [ "${1:-}" = "all" ]; then
  files=$(git ls-files '*.cpp')
else
  changed=$(bash scripts/changed-sources.sh)
  # A changed header is checked through the changed sources and its own source beside it.
  files=$(for f in $changed; do
    case $f in
      *.cpp) echo "$f" ;;
      *.h) if [ -f "${f%.h}.cpp" ]; then echo "${f%.h}.cpp"; fi ;;
    esac
  done | sort -u)
fi
# Only sources the build compiles (the compile database names them by absolute path).
files=$(for f in $files; do grep -q "\"file\": \"$top/$f\"" "$build/compile_commands.json" && echo "$f"; done || true)
[ -n "$files" ] || { echo "check-tidy: no changed sources in the build"; exit 0; }
echo "check-tidy: $(echo "$files" | wc -l) sources"
log=$(mktemp)
status=0
echo "$files" | xargs -P "$jobs" -n 4 clang-tidy -p "$build" --quiet >"$log" 2>&1 || status=$?
grep -v -E '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter' "$log" || true
rm -f "$log"
if [ $status -ne 0 ]; then
  echo "check-tidy: findings above"
  exit 1
fi
echo "check-tidy: clean"
