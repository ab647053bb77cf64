#!/usr/bin/env bash
# The Windows zor-import.exe, run under wine, against the Linux zor-import: the demo import, its
# undo, an export whose name Windows-1252 cannot show, and a game folder deeper than the classic
# 260-character limit must leave the same bytes on both systems; so must the demo import clicked
# through the Windows window (zor-wizard.exe and zor-drive-wizard.exe from the same build).
# Usage: scripts/windows-end-to-end.sh LINUX_ZOR_IMPORT WINDOWS_ZOR_IMPORT_EXE
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
linux="$(realpath "$1")"
windows="$(realpath "$2")"
windows_build="$(dirname "$windows")/.."
wizard="$(realpath "$windows_build/src/zor-wizard.exe")"
driver="$(realpath "$windows_build/tests/zor-drive-wizard.exe")"
source "$root/scripts/wine-session.sh"

work="$(mktemp -d)"
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
cd "$work"
failures=0

# Runs one command (the arguments after the game folder) on both systems, in game folders copied
# from the demo game; the exit codes and the folders must agree. Game folders are relative: wine
# takes "/tmp/..." as a path on its current drive.
both() {
  local name="$1" folder="$2"
  shift 2
  local linux_code=0 windows_code=0
  "$linux" -C "linux/$folder" "$@" >"$name.linux.out" 2>&1 || linux_code=$?
  "$wine" "$windows" -C "windows/$folder" "$@" >"$name.windows.out" 2>&1 || windows_code=$?
  if [ "$linux_code" != "$windows_code" ]; then
    echo "FAIL $name: exit code $linux_code on Linux, $windows_code on Windows"
    cat "$name.windows.out"
    failures=$((failures + 1))
  elif ! diff -r "linux/$folder" "windows/$folder" >"$name.diff"; then
    echo "FAIL $name: the game folders differ"
    head -20 "$name.diff"
    failures=$((failures + 1))
  else
    echo "ok   $name (exit code $linux_code)"
  fi
}

prepare() {
  local folder="$1"
  for system in linux windows; do
    mkdir -p "$system/$folder"
    cp -r "$root/examples/demo-game/." "$system/$folder/"
  done
}

prepare demo
both import demo import "$root/examples/exports/demo-wrestlers.zor" --all
both "second import" demo import "$root/examples/exports/demo-more-wrestlers.zor" --all
both undo demo undo
both objects demo import "$root/examples/exports/demo-objects.zor" --all

# A name outside Windows-1252 (Greek, Cyrillic) reaches the program through the wide command line.
prepare "Ελλάδα"
cp "$root/examples/exports/demo-wrestlers.zor" "Борец Ω.zor"
both "name outside Windows-1252" "Ελλάδα" import "$work/Борец Ω.zor" --all

# A game folder whose record files lie deeper than 260 characters.
deep="long"
while [ ${#deep} -lt 280 ]; do deep="$deep/a-folder-name-of-some-length"; done
prepare "$deep"
both "path longer than 260 characters" "$deep" import "$root/examples/exports/demo-wrestlers.zor" --all

# The window, clicked through from outside as a player would (Parse Selection, Import File, Yes, OK,
# Quit), against zor-import with the wizard's default selection.
prepare wizard
"$linux" -C linux/wizard import "$root/examples/exports/demo-wrestlers.zor" >wizard.linux.out 2>&1
# Wine's session of the programs above had no display; the window needs one that starts with it.
"$wineserver" -k 2>/dev/null || true
if ! "${on_test_display[@]}" "$wine" "$driver" "$wizard" windows/wizard \
    "$root/examples/exports/demo-wrestlers.zor" >wizard.windows.out 2>&1; then
  echo "FAIL the window's import"
  cat wizard.windows.out
  failures=$((failures + 1))
elif ! diff -r linux/wizard windows/wizard >wizard.diff; then
  echo "FAIL the window's import: the game folders differ"
  head -20 wizard.diff
  failures=$((failures + 1))
else
  echo "ok   the window's import (Parse Selection, Import File, Yes, OK, Quit)"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures Windows end-to-end check(s) failed"
  exit 1
fi
