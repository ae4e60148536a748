#!/usr/bin/env bash
# Fails when the sources use constructs the project bans:
#  - atof/atoi/strtod outside the number module: numbers must be read in the "C" locale
#  - setlocale outside the number module and the application start-up
#  - "using namespace" in a header
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
status=0
sources=$(git ls-files '*.cpp' '*.h' 2>/dev/null | grep -v -E '(^|/)tests?/|^bench/' || true)
[ -n "$sources" ] || exit 0

report() { echo "banned: $1"; echo "$2"; status=1; }

hits=$(grep -n -E '\b(atof|atoi|strtod)\s*\(' $sources | grep -v '^platform/core/NumberFormat' || true)
[ -z "$hits" ] || report "atof/atoi/strtod (use platform::ScanDouble/ScanInt)" "$hits"

hits=$(grep -n -E '\bsetlocale\s*\(' $sources | grep -v -E '^platform/(core/NumberFormat|ui/)' || true)
[ -z "$hits" ] || report "setlocale outside the number module and the application start-up" "$hits"

headers=$(echo "$sources" | grep -E '\.h$' || true)
if [ -n "$headers" ]; then
  hits=$(grep -n -E '^\s*using\s+namespace\b' $headers || true)
  [ -z "$hits" ] || report "using namespace in a header" "$hits"
fi
exit $status
