#!/usr/bin/env bash
# Checks the .deb that `make package` built: lintian (an error fails, the rest is
# listed), then the package unpacked into a temporary root: its desktop entry
# (desktop-file-validate) and AppStream metadata (appstreamcli), and the end-to-end
# run of the unpacked program, started as the desktop entry starts it, in the
# entry's folder or, as a menu does without one, in an empty folder standing for
# the home folder, where no kartya/ or help/ lies. Usage: scripts/check-package.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
shopt -s nullglob
debs=("$BUILD"/ulti_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "check-package: expected one ulti_*.deb in $BUILD, found ${#debs[@]}" >&2; exit 1; }
DEB="${debs[0]}"

echo "== lintian $DEB"
status=0
tags=$(lintian --fail-on error --display-info "$DEB" 2>&1) || status=$?
grep -v '^running with root privileges' <<<"$tags" || true
[ "$status" -eq 0 ] || { echo "check-package: lintian found errors (status $status)" >&2; exit 1; }

ROOT=$(mktemp -d)
HOME_DIR=$(mktemp -d)
trap 'rm -rf "$ROOT" "$HOME_DIR"' EXIT
dpkg-deb -x "$DEB" "$ROOT"

ENTRY="$ROOT/usr/share/applications/ulti.desktop"
echo "== desktop-file-validate $ENTRY"
desktop-file-validate "$ENTRY"
for m in "$ROOT"/usr/share/metainfo/*.metainfo.xml; do
  echo "== appstreamcli validate $(basename "$m")"
  appstreamcli validate --no-net "$m"
done

# The entry's command (field codes dropped) and folder, inside the unpacked root.
EXEC=$(sed -n 's/^Exec=//p' "$ENTRY" | head -n 1 | sed 's/ %[a-zA-Z]//g')
FOLDER=$(sed -n 's/^Path=//p' "$ENTRY" | head -n 1)
case "$EXEC" in /*) PROGRAM="$ROOT$EXEC" ;; *) PROGRAM="$ROOT/usr/games/$EXEC" ;; esac
if [ -n "$FOLDER" ]; then FOLDER="$ROOT$FOLDER"; else FOLDER="$HOME_DIR"; fi
echo "== end to end: $EXEC in ${FOLDER#"$ROOT"}"
bash scripts/e2e.sh "$PROGRAM" "$FOLDER"
echo "check-package: lintian, desktop entry, metainfo and end-to-end run passed"
