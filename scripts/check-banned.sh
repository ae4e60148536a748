#!/usr/bin/env bash
# Fails when the sources use constructs the project bans:
#  - atof/atoi/strtod outside the number module: numbers must be read in the "C" locale
#  - setlocale outside the number module and the application start-up
#  - "using namespace" in a header
#  - a test naming /tmp/ (tests make their files under $TMPDIR)
#  - includes that run upward or sideways (tests included): platform/ and testsupport/
#    include nothing of common/ or a program; common/ nothing of a program; model/ and
#    solver/ nothing of a window folder or a program; no program includes another
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
# Tests make their files under $TMPDIR (testsupport::TempDir, mktemp): a fixed /tmp/ path is
# shared by every run on the machine and missing where /tmp is not writable.
test_files=$(git ls-files 2>/dev/null | grep -E '(^|/)tests?/|^testsupport/' || true)
if [ -n "$test_files" ]; then
  # shellcheck disable=SC2086
  hits=$(grep -I -n -F '/tmp/' $test_files || true)
  [ -z "$hits" ] || report "a test names /tmp/ (use testsupport::TempDir or \$TMPDIR)" "$hits"
fi
# Layering: "<folder> must not include <prefix>" over every source of the folder.
programs="analysis control section_editor measurement_table drawing_viewer list_viewer"
all_sources=$(git ls-files '*.cpp' '*.h' 2>/dev/null || true)
refuse_includes() { # folder, what, prefixes...
  local folder=$1 what=$2; shift 2
  local files pattern
  files=$(echo "$all_sources" | grep -E "^$folder/" || true)
  [ -n "$files" ] || return 0
  pattern=$(printf '%s|' "$@")
  pattern="^[[:space:]]*#[[:space:]]*include[[:space:]]*\"(${pattern%|})/"
  hits=$(grep -H -n -E "$pattern" $files || true)
  [ -z "$hits" ] || report "$folder/ includes $what" "$hits"
}
# shellcheck disable=SC2086
refuse_includes platform "common/ or a program" common $programs
# shellcheck disable=SC2086
refuse_includes testsupport "common/ or a program" common $programs
# shellcheck disable=SC2086
refuse_includes common "a program" $programs
for folder in model solver; do
  # shellcheck disable=SC2086
  refuse_includes $folder "a window folder or a program" platform/ui common/ui testsupport/ui $programs
done
for program in $programs; do
  # shellcheck disable=SC2086
  refuse_includes "$program" "another program" $(echo $programs | tr ' ' '\n' | grep -v -x "$program")
done
exit $status
