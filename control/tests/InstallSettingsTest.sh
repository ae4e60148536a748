#!/bin/bash
# The first settings file that an install writes beside the base menu names the sample data in
# CP932, as the base menu reads it, also under a Japanese-named install folder; a folder name
# CP932 cannot hold leaves the slots empty. Usage: InstallSettingsTest.sh <InstallSettings.cmake>
set -u
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
install_into() { # prefix
  mkdir -p "$1/bin" && cmake -DCMAKE_INSTALL_PREFIX="$1" -P "$script"
}

prefix="$work/解析 ソフト/dist"
install_into "$prefix" || exit 1
expected=$(printf '[Input File]\r\nFileName1=\r\nFileName2=%s/data/sample.sec\r\nFileName3=%s/data/sample.dis\r\nFileName4=%s/data/sample.slo\r' \
  "$prefix" "$prefix" "$prefix")
actual=$(iconv -f CP932 -t UTF-8 "$prefix/bin/basnev.INI") || { echo "basnev.INI is not CP932"; status=1; }
[ "$actual" = "$expected" ] || { echo "unexpected basnev.INI under a Japanese folder:"; echo "$actual"; status=1; }

prefix="$work/😀/dist"
install_into "$prefix" || exit 1
grep -q $'^FileName2=\r$' "$prefix/bin/basnev.INI" || { echo "slots not empty for a folder CP932 cannot hold"; status=1; }

printf 'kept' >"$prefix/bin/basnev.INI"
install_into "$prefix" || exit 1
[ "$(cat "$prefix/bin/basnev.INI")" = kept ] || { echo "an existing basnev.INI was replaced"; status=1; }
exit $status
