#!/usr/bin/env bash
# Prints the C++ sources (.cpp, .h) that differ from a base commit and still exist, one a
# line. The base: $VERRANT_CHECK_BASE when set; else the merge base with origin/main when
# that is not HEAD itself; else the previous commit. Without history: every source.
set -euo pipefail
cd "$(dirname "$0")/.."

base=${VERRANT_CHECK_BASE:-}
if [ -z "$base" ] && git rev-parse -q --verify origin/main >/dev/null; then
  merge_base=$(git merge-base HEAD origin/main || true)
  [ "$merge_base" = "$(git rev-parse HEAD)" ] || base=$merge_base
fi
if [ -z "$base" ] && git rev-parse -q --verify HEAD~1 >/dev/null; then
  base=HEAD~1
fi
if [ -z "$base" ]; then
  git ls-files '*.cpp' '*.h'
  exit 0
fi
# Committed changes since the base and changes not yet committed.
{ git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h'; git ls-files --others --exclude-standard '*.cpp' '*.h'; } | sort -u
