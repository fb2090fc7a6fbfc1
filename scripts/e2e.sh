#!/usr/bin/env bash
# End-to-end run: the real program under a private X server, started as `make run`
# starts it, driven by window-system clicks (xdotool): deal, the first bidder takes
# the talon, two cards laid back, then "Kilépés". Passes when every click changed
# the screen, the program ended with status 255 (exit(-1)) and printed nothing to
# standard error, and the card backs were drawn from their pictures.
# Usage: scripts/e2e.sh [build-dir]       the program of the build tree, run there
#        scripts/e2e.sh PROGRAM FOLDER    that program, run in that working folder
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ge 2 ]; then
  PROGRAM="$(realpath "$1")"
  FOLDER="$(cd "$2" && pwd)"
else
  FOLDER="$(cd "${1:-build}" && pwd)"
  PROGRAM="$FOLDER/ulti"
fi
[ -x "$PROGRAM" ] || { echo "No $PROGRAM: build first." >&2; exit 1; }

WORK=$(mktemp -d)
n=${E2E_DISPLAY:-70}   # the first display number tried
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A settings folder of its own: the run starts from the defaults and leaves the
# user's kept names, balances and window place alone.
export XDG_CONFIG_HOME="$WORK/config"

XPID=""
APID=""
cleanup() {
  if [ -n "$APID" ] && kill -0 "$APID" 2>/dev/null; then kill "$APID" 2>/dev/null || true; fi
  if [ -n "$XPID" ]; then kill "$XPID" 2>/dev/null || true; wait "$XPID" 2>/dev/null || true; fi
  if [ -n "${E2E_SHOTS:-}" ]; then mkdir -p "$E2E_SHOTS"; cp "$WORK"/*.png "$E2E_SHOTS"/ 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "e2e: FAIL: $*" >&2; exit 1; }

Xvfb "$DISPLAY" -screen 0 1024x700x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

(cd "$FOLDER" && exec "$PROGRAM") 2>"$WORK/stderr" &
APID=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kotlan$' | head -n 1)
[ -n "$WID" ] || fail "the main window did not appear"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$WID")"
MENU=$((HEIGHT - 504))   # the table lies below the menu bar

shot() { import -window root "$WORK/$1.png"; md5sum < "$WORK/$1.png" | cut -d' ' -f1; }
click() { xdotool mousemove --window "$WID" "$1" $((MENU + $2)) click 1; sleep "${3:-0.8}"; }

s0=$(shot start)
# Image1 shows the back of a card (red); a picture that was not found leaves a
# white card with its file name.
green=$(convert "$WORK/start.png" -crop "20x30+$((X + 150))+$((Y + MENU + 433))" -scale 1x1\! \
        -format '%[fx:int(255*g)]' info:)
[ "$green" -lt 128 ] || fail "the card back was not drawn (green $green): kartya/hat.jpg not found?"
click 64 418 1.5            # Button1 "Új parti": deal; seat 0 bids first and takes the talon
s1=$(shot dealt)
[ "$s1" != "$s0" ] || fail "Új parti changed nothing on the screen"
click 160 448               # Image1: the first card laid back
s2=$(shot discard1)
[ "$s2" != "$s1" ] || fail "the first discard changed nothing"
click 160 448               # Image1 again: the second card laid back
s3=$(shot discard2)
[ "$s3" != "$s2" ] || fail "the second discard changed nothing"

# "Játék" menu, then its last item "Kilépés" from the keyboard.
xdotool mousemove --window "$WID" 22 8 click 1
sleep 0.5
xdotool key Up Return
status=0
for _ in $(seq 50); do kill -0 "$APID" 2>/dev/null || break; sleep 0.1; done
wait "$APID" || status=$?
APID=""
[ "$status" -eq 255 ] || fail "exit status $status, expected 255"
if [ -s "$WORK/stderr" ]; then
  cat "$WORK/stderr" >&2
  fail "the program wrote to standard error"
fi
echo "e2e: deal, talon, two discards and Kilépés: exit status 255, no output on standard error"
