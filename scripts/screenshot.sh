#!/usr/bin/env bash
# Pictures of the windows for the README: starts a private X server (Xvfb), runs
# tests/ui/kepek/kepernyokep.cpp from the build tree (a deal played with the mouse,
# the last trick held, the table on a whole 2560 x 1440 screen, the announcements
# dialog, the result table, the about box), and puts card faces side by side, as
# drawn and in their twice-sized drawings. With QT_SCALE_FACTOR=2 in the environment
# the windows are drawn at twice the size.
# The README shows asztal.png, asztal_nagy.png, utolso_utes.png, eredmeny.png, lapok.png,
# billentyu.png (a card picked with the keys), statisztika.png (a game of twelve
# computer deals) and visszanezes.png (the review of the deal played, at the card that
# turned it) (docs/).
# Usage: scripts/screenshot.sh [build-dir] [out-dir, build-dir/kepernyokepek]
# (DISPLAY_NUMBER=n starts the search for a free display there)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
OUT="$(mkdir -p "${2:-$BUILD/kepernyokepek}" && cd "${2:-$BUILD/kepernyokepek}" && pwd)"

cmake --build "$BUILD" --target ulti_kepernyokep kartyak >/dev/null

# A display number nobody uses.
n="${DISPLAY_NUMBER:-90}"
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"
unset QT_QPA_PLATFORM

XPID=""
cleanup() {
  if [ -n "$XPID" ]; then kill "$XPID" 2>/dev/null || true; wait "$XPID" 2>/dev/null || true; fi
}
trap cleanup EXIT

Xvfb "$DISPLAY" -screen 0 2560x1440x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

(cd "$BUILD" && ./tests/ui/ulti_kepernyokep "$OUT")

# The faces that are easiest to mix up, with a number card and the back.
K="$BUILD/kartya"
lapok=(pa pd za zd ma md ta td pk p9 hat)
montage $(for l in "${lapok[@]}"; do echo "$K/$l.jpg"; done) -geometry +4+4 -tile x1 -background '#008000' "$OUT/lapok.png"
echo "$OUT/lapok.png"
if [ -e "$K/pd@2x.jpg" ]; then
  montage $(for l in "${lapok[@]}"; do echo "$K/$l@2x.jpg"; done) -geometry +8+8 -tile x1 -background '#008000' "$OUT/lapok@2x.png"
  echo "$OUT/lapok@2x.png"
fi
