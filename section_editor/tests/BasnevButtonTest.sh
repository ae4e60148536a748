#!/bin/bash
# Installs the suite into a temporary directory, starts the installed base menu under a
# virtual display, presses its section model button and waits for the analysis program's main
# window class "VerrantSection" to be registered. Skipped (77) without xvfb-run or xdotool.
# Usage: BasnevButtonTest.sh <build directory>
set -u
build=$1
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "xvfb-run or xdotool missing: skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/dist" >/dev/null || exit 1
mkdir -m 700 "$work/run"

cat >"$work/session.sh" <<'SESSION'
#!/bin/bash
set -u
cd "$DIST/bin"
./basnev >"$WORK/basnev.out" 2>&1 &
menu=$!
status=1
window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$menu" | head -1)
if [ -n "$window" ]; then
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The section model button is the first program button of the form.
  xdotool mousemove $((X + 90)) $((Y + 95)) click 1
  for _ in $(seq 100); do
    socket=$(ls "$XDG_RUNTIME_DIR"/verrant/window-VerrantSection-*.sock 2>/dev/null | head -1)
    [ -n "$socket" ] && break
    sleep 0.1
  done
  if [ -n "$socket" ]; then
    editor=${socket##*-}
    editor=${editor%.sock}
    echo "section editor window registered by process $editor"
    kill "$editor"
    status=0
  else
    echo "no VerrantSection window"
    cat "$WORK/basnev.out"
  fi
fi
kill "$menu"
wait "$menu" 2>/dev/null
exit $status
SESSION
chmod +x "$work/session.sh"
DIST="$work/dist" WORK="$work" XDG_RUNTIME_DIR="$work/run" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$work/session.sh"
