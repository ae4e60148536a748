#!/bin/bash
# Installs the suite into a temporary directory, starts the installed base menu under a
# virtual display, presses one of its program buttons and waits for the started program's
# main window class to be registered. Fails without xvfb-run or xdotool, which
# scripts/install-deps.sh installs. The programs
# run on the virtual display whatever platform the caller's environment names, and keep their
# settings in the temporary directory.
# Usage: PressBasnevButton.sh <build directory> <button y offset in the form> <window class>
set -u
build=$1
export BUTTON_Y=$2 WINDOW_CLASS=$3
if ! command -v xvfb-run >/dev/null || ! command -v xdotool >/dev/null; then
  echo "xvfb-run or xdotool missing (scripts/install-deps.sh installs them)"
  exit 1
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
  xdotool mousemove $((X + 90)) $((Y + BUTTON_Y)) click 1
  for _ in $(seq 100); do
    socket=$(ls "$XDG_RUNTIME_DIR"/verrant/*/window-$WINDOW_CLASS-*.sock 2>/dev/null | head -1)
    [ -n "$socket" ] && break
    sleep 0.1
  done
  if [ -n "$socket" ]; then
    program=${socket##*-}
    program=${program%.sock}
    echo "$WINDOW_CLASS window registered by process $program"
    kill "$program"
    status=0
  else
    echo "no $WINDOW_CLASS window"
    cat "$WORK/basnev.out"
  fi
fi
kill "$menu"
wait "$menu" 2>/dev/null
exit $status
SESSION
chmod +x "$work/session.sh"
unset QT_QPA_PLATFORM
DIST="$work/dist" WORK="$work" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$work/session.sh"
