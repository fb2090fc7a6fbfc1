#!/usr/bin/env bash
# End-to-end run: the real program under a private X server, started as `make run`
# starts it, driven by window-system clicks (xdotool): a deal from the shuffle (the
# first bidder takes the talon, two cards laid back), then two deals loaded through
# "Betöltés" from scripts/osztasok/: one in which everybody passes, and a Betli lost
# in the first trick; the log and the guide line must say why each ended (their text
# is read by selecting it with the mouse, through xclip). Then "Kilépés". Passes when
# every click changed the screen, the program ended with status 255 (exit(-1)) and
# printed nothing to standard error, and the card backs were drawn from their pictures.
# Usage: scripts/e2e.sh [build-dir]       the program of the build tree, run there
#        scripts/e2e.sh PROGRAM FOLDER    that program, run in that working folder
set -euo pipefail
cd "$(dirname "$0")/.."
OSZTASOK="$(pwd)/scripts/osztasok"
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
# The same for the kept deals' records.
export XDG_DATA_HOME="$WORK/data"

XPID=""
APID=""
MENTES=""   # the working folder's own "mentes.txt", kept aside meanwhile
cleanup() {
  if [ -n "$APID" ] && kill -0 "$APID" 2>/dev/null; then kill "$APID" 2>/dev/null || true; fi
  if [ -n "$XPID" ]; then kill "$XPID" 2>/dev/null || true; wait "$XPID" 2>/dev/null || true; fi
  if [ -n "${E2E_SHOTS:-}" ]; then mkdir -p "$E2E_SHOTS"; cp "$WORK"/*.png "$E2E_SHOTS"/ 2>/dev/null || true; fi
  if [ -n "$MENTES" ]; then rm -f "$FOLDER/mentes.txt"; [ "$MENTES" = none ] || mv "$MENTES" "$FOLDER/mentes.txt"; fi
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "e2e: FAIL: $*" >&2; exit 1; }

Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
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
# The text of the guide line and the end of the log, selected with the mouse.
selected() { sleep 0.3; xclip -o -selection primary 2>/dev/null || true; }
guide() {
  xdotool mousemove --window "$WID" 316 $((MENU + 6)) mousedown 1 mousemove --window "$WID" 600 $((MENU + 20)) \
          mousemove --window "$WID" 785 $((MENU + 35)) mouseup 1
  selected
}
naplo() {
  xdotool mousemove --window "$WID" 652 $((MENU + 314)) mousedown 1 mousemove --window "$WID" 700 $((MENU + 400)) \
          mousemove --window "$WID" 770 $((MENU + 494)) mouseup 1
  selected
}
says() {  # says WHAT TEXT PIECE
  case "$2" in *"$3"*) ;; *) fail "$1 does not say \"$3\": \"$2\"";; esac
}
# With no deal running: "Játék" menu, "Betöltés" (the fourth item from the bottom
# that can act: "Kilépés", "Statisztika", "Szerkesztés", "Betöltés"; the fifth once a
# deal is kept, "Visszanézés" above "Statisztika") with the deal of FILE as "mentes.txt".
load() {
  cp "$OSZTASOK/$1" "$FOLDER/mentes.txt"
  xdotool mousemove --window "$WID" 22 8 click 1
  sleep 0.5
  xdotool key $(printf 'Up %.0s' $(seq "$2")) Return
  sleep 0.5
  says "the guide line after Betöltés" "$(guide)" "A kirakott lapokat"
}

if [ -e "$FOLDER/mentes.txt" ]; then MENTES="$WORK/mentes.txt"; cp "$FOLDER/mentes.txt" "$MENTES"; else MENTES=none; fi

# Everybody passes: the human's plain party, the computers' two passes, his own.
load mindenki_passzol.txt 4
click 64 418 1.5            # Button1 "Új parti": deal; seat 0 bids first and takes the talon
says "the guide line of the first bidder" "$(guide)" "Tegyen vissza két lapot"
s1=$(shot dealt)
[ "$s1" != "$s0" ] || fail "Új parti changed nothing on the screen"
click 160 448               # Image1: the first card laid back
s2=$(shot discard1)
[ "$s2" != "$s1" ] || fail "the first discard changed nothing"
click 160 448               # Image1 again: the second card laid back
s3=$(shot discard2)
[ "$s3" != "$s2" ] || fail "the second discard changed nothing"

s4=$s3
click 64 454 1.5            # "Passz": the opening plain party
says "the guide line after the opening bid" "$(guide)" "licitje áll"
click 64 454 1.5            # "Passz" again: the third pass in a row
s5=$(shot passz1)
[ "$s5" != "$s4" ] || fail "the passes changed nothing"
says "the guide line after all passed" "$(guide)" "Mindenki passzolt"
says "the log after all passed" "$(naplo)" "Mindenki passzolt: ebből a partiból nem lesz játék. Jöhet az új parti."

# A Betli: the human bids it, the computers pass, he leads the Makk Ász and takes
# the first trick, which ends the deal.
load betli.txt 5
click 64 418 1.5            # "Új parti"
click 160 448 0.5
click 160 448 0.5
click 64 418 1              # "Licitálás": the bidding dialog
LID=$(timeout 10 xdotool search --sync --onlyvisible --name '^Licitálás$' | head -n 1)
[ -n "$LID" ] || fail "the bidding dialog did not open"
xdotool mousemove --window "$LID" 40 236 click 1   # "Betli"
sleep 0.3
xdotool mousemove --window "$LID" 118 372 click 1  # "Kész"
sleep 1.5
says "the guide line after the Betli bid" "$(guide)" "licitje áll (5 Ft)"
click 64 454 1.5            # "Passz": the Betli is the contract
says "the guide line at the first lead" "$(guide)" "Ön hív az 1. ütésben"
click 476 448 0.5           # Image9, the Makk Ász
ended=""
for _ in $(seq 40); do
  # A computer's announcement or contra waits for "OK".
  if MID=$(xdotool search --onlyvisible --name '^Hellóbelló$' 2>/dev/null | head -n 1) && [ -n "$MID" ]; then
    xdotool mousemove --window "$MID" 205 76 click 1   # "OK"
    sleep 0.5
    continue
  fi
  g=$(guide)
  case "$g" in *"Bukott a Betli"*) ended=1; break;; esac
  sleep 0.5
done
[ -n "$ended" ] || fail "the Betli did not end in the first trick; the guide line says \"$(guide)\""
says "the guide line after the lost Betli" "$(guide)" "Kattintson az „Eredmény” gombra!"
says "the log after the lost Betli" "$(naplo)" "Bukott a Betli: Telmi vitt egy ütést, a többi lapot nem kell lejátszani. Jöhet az eredmény."
s6=$(shot betli)

# "Eredmény": the result table; when it closes, the next deal, from the shuffle.
click 64 418 1
RID=$(timeout 10 xdotool search --sync --onlyvisible --name '^Eredménytáblázat$' | head -n 1)
[ -n "$RID" ] || fail "the result table did not open"
xdotool mousemove --window "$RID" 584 224 click 1   # "Kész"
sleep 1.5
s7=$(shot next)
[ "$s7" != "$s6" ] || fail "the next deal changed nothing"

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
echo "e2e: deal, talon, two discards; an all-pass deal and a Betli lost in the first trick, each told why in the log and the guide line; Kilépés: exit status 255, no output on standard error"
