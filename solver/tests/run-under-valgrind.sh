#!/bin/sh
# Runs the sample runner under valgrind; exit 77 (skipped) when valgrind is not installed or
# the programs were built with sanitizers.
[ -z "${KALIPE_SANITIZED_BUILD:-}" ] || { echo "sanitizer build: skipped"; exit 77; }
command -v valgrind >/dev/null 2>&1 || { echo "valgrind not installed: skipped"; exit 77; }
runner=$1
shift
exec valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,possible \
  "$runner" "$@"
