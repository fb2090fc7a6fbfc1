#!/usr/bin/env bash
# Takes a screenshot of the table for the README: starts a private X server
# (Xvfb), runs the program from the build tree, deals once, grabs the screen and
# cuts out the window. Usage: scripts/screenshot.sh [build-dir] [out.png]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
OUT="${2:-docs/table.png}"

if [ ! -x "$BUILD/ulti" ]; then
  echo "No $BUILD/ulti: build first (make build)." >&2
  exit 1
fi
cmake --build "$BUILD" --target ulti >/dev/null

# A display number nobody uses.
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
unset QT_QPA_PLATFORM

XPID=""
APID=""
cleanup() {
  if [ -n "$APID" ]; then kill "$APID" 2>/dev/null || true; wait "$APID" 2>/dev/null || true; fi
  if [ -n "$XPID" ]; then kill "$XPID" 2>/dev/null || true; wait "$XPID" 2>/dev/null || true; fi
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 1024x700x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

(cd "$BUILD" && exec ./ulti) &
APID=$!
WID=$(timeout 15 xdotool search --sync --onlyvisible --name '^Kotlan$' | head -n 1)
sleep 1

# Deal once: "Új parti" lies at (16, 404) of the table, below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$WID")"
MENU=$((HEIGHT - 504))
xdotool mousemove --window "$WID" 64 $((MENU + 418)) click 1
sleep 1.5
xdotool mousemove --window "$WID" 700 $((MENU + 20))
sleep 0.3

mkdir -p "$(dirname "$OUT")"
import -window root /tmp/ulti-screen-$$.png
convert /tmp/ulti-screen-$$.png -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT"
rm -f /tmp/ulti-screen-$$.png
echo "Wrote $OUT (${WIDTH}x${HEIGHT})"
