#!/usr/bin/env bash
# Fails when the sources use constructs the project bans:
#  - atof/atoi/strtod outside the number module: numbers must be read in the "C" locale
#  - setlocale outside the number module and the application start-up
#  - "using namespace" in a header
#  - a test naming /tmp/ (tests make their files under $TMPDIR)
#  - includes that run upward or sideways (tests included): platform/ and testsupport/
#    include nothing of common/ or a program; common/ nothing of a program; solver/ and each
#    program's core/ nothing of a window folder, an app/ or another program; no program includes
#    another, except that its tests may read a peer's files through that peer's core/
#  - a program laid out otherwise than in core/ (no windows) and app/ (its windows), with no
#    source at its top level
#  - a header (tests, test support, benchmarks and fuzzers aside) that declares a namespace-level
#    class or struct but none named after the file, unless it is a listed concept header of structs
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
# shellcheck disable=SC2086
refuse_includes solver "a window folder or a program" platform/ui common/ui testsupport/ui $programs
for program in $programs; do
  others=$(echo $programs | tr ' ' '\n' | grep -v -x "$program" | tr '\n' ' ')
  # shellcheck disable=SC2086
  refuse_includes "$program/core" "a window folder, an app/ or another program" platform/ui common/ui \
    testsupport/ui "$program/app" $others
  # A test may read what a peer writes through the peer's core/; nothing else crosses.
  files=$(echo "$all_sources" | grep -E "^$program/" || true)
  alternatives=$(echo $others | tr ' ' '|')
  nontests=$(echo "$files" | grep -v -E '(^|/)tests?/' || true)
  tests=$(echo "$files" | grep -E '(^|/)tests?/' || true)
  hits=""
  [ -z "$nontests" ] || hits=$(grep -H -n -E "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"($alternatives)/" $nontests || true)
  [ -z "$tests" ] || hits="$hits$(grep -H -n -P "^\s*#\s*include\s*\"($alternatives)/(?!core/)" $tests || true)"
  [ -z "$hits" ] || report "$program/ includes another program" "$hits"
  # Every program reads core/ + app/: its code lies in those, never at its top level.
  top_level=$(echo "$files" | grep -E "^$program/[^/]+\.(cpp|h)$" || true)
  [ -z "$top_level" ] || report "$program/ has sources outside core/ and app/" "$top_level"
  for part in core app; do
    grep -q -E "^$program/$part/" <<<"$files" || report "$program/ has no $part/" "$program/$part"
  done
done
# One class per header, the file named after it: a header that declares a namespace-level
# class declares one named after the file. A header that declares only plain structs may instead
# be named after the concept its free functions serve, when scripts/concept-headers.txt lists it.
concepts=$(grep -v -E '^\s*(#|$)' scripts/concept-headers.txt || true)
type_line='^(template\s*<.*>\s*)?(class|struct)\s+[A-Za-z_]'
forward_line='^(template\s*<.*>\s*)?(class|struct)\s+[A-Za-z_][A-Za-z0-9_:]*\s*;'
for header in $(echo "$sources" | grep -E '\.h$' | grep -v -E '^(testsupport|fuzz)/' || true); do
  types=$(grep -E "$type_line" "$header" | grep -v -E "$forward_line" || true)
  [ -n "$types" ] || continue
  name=$(basename "$header" .h)
  grep -q -E "^(template\s*<.*>\s*)?(class|struct)\s+$name\b" "$header" && continue
  if grep -q -E '^(template\s*<.*>\s*)?class\s' <<<"$types"; then
    report "a header declaring a class not named after it" "$header"
  elif ! grep -q -x -F "$header" <<<"$concepts"; then
    report "a header of structs not named after one (name it, or list it as a concept header)" "$header"
  fi
done
while IFS= read -r listed; do
  [ -z "$listed" ] || grep -q -x -F "$listed" <<<"$sources" ||
    report "scripts/concept-headers.txt lists a header that is gone" "$listed"
done <<<"$concepts"
exit $status
