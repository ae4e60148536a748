#!/usr/bin/env bash
# Installs every Debian package that the suite, its tests, its benchmarks and its fuzz
# harnesses (clang with libFuzzer) need.
# Safe to run again; asks nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk xvfb xauth xdotool valgrind
  python3 python3-ezdxf librecad-data nlohmann-json3-dev poppler-utils
  clang libclang-rt-14-dev
  locales clang-format clang-tidy
)

# A locale with a decimal comma, for the test that number formatting ignores the process locale.
test_locale="de_DE.UTF-8"

generate_test_locale() {
  if locale -a 2>/dev/null | grep -qix "de_DE.utf8"; then
    return
  fi
  $sudo sed -i "s/^# *\(${test_locale} UTF-8\)/\1/" /etc/locale.gen
  grep -q "^${test_locale} UTF-8" /etc/locale.gen || echo "${test_locale} UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
  echo "install-deps: generated the ${test_locale} locale"
}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  generate_test_locale
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
echo "install-deps: installed ${missing[*]}"
generate_test_locale
