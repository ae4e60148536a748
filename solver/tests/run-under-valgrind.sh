#!/bin/sh
# Runs the sample runner under valgrind, which scripts/install-deps.sh installs.
command -v valgrind >/dev/null 2>&1 || { echo "valgrind is not installed (scripts/install-deps.sh installs it)"; exit 1; }
runner=$1
shift
exec valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,possible \
  "$runner" "$@"
