#!/usr/bin/env bash
# Photographs the wizard's window on a scratch copy of the demo game folder and writes
#   docs/screenshot.png        the demo wrestler export open and its selection parsed
#   docs/screenshot-help.png   the same with the help panel open
#   docs/screenshot-batch.png  the batch view with the two demo wrestler exports added
# With --windows, instead: docs/screenshot-windows.png, the first of them from the Windows build's
# zor-wizard.exe under wine (scripts/build-windows.sh makes it).
# Runs under Xvfb when xvfb-run is there, otherwise on Qt's offscreen platform.
# BUILD_DIR names the build folder (default: build); the wizard is built there when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
wizard="$build/src/zor-wizard"
if [ "${1:-}" != "--windows" ] && [ ! -x "$wizard" ]; then
  cmake -S . -B "$build" -G Ninja >/dev/null
  cmake --build "$build" --target zor-wizard
fi

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp -r examples/demo-game/. "$game/"
cp examples/exports/demo-wrestlers.zor examples/exports/demo-more-wrestlers.zor "$game/"

run_wizard() {
  if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1600x1000x24" "$wizard" -C "$game"
  else
    QT_QPA_PLATFORM=offscreen "$wizard" -C "$game"
  fi
}

# shoot OUTPUT CLICKS FILES: clicks the buttons (ids separated by ","), answering the file dialogs they
# open with FILES (one dialog's paths separated by ";", dialogs by "|"), then saves the window.
shoot() {
  local output=$1 clicks=$2 files=$3
  # A sanitizer build would report the leaks of the system libraries at exit.
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} ZOR_SCREENSHOT="$PWD/$output" ZOR_SCREENSHOT_CLICKS="$clicks" \
    ZOR_SCREENSHOT_FILES="$files" run_wizard
  echo "wrote $output"
}

open=110 parse=150 help=195 batch=200 add_files=220
mkdir -p docs

if [ "${1:-}" = "--windows" ]; then
  source scripts/wine-session.sh
  prepare_wine_prefix
  # Wine takes "/tmp/..." as a path on its current drive; Z: is the whole Linux file system.
  windows_game="Z:${game//\//\\}"
  ZOR_SCREENSHOT="Z:${PWD//\//\\}\\docs\\screenshot-windows.png" ZOR_SCREENSHOT_CLICKS="$open,$parse" \
    ZOR_SCREENSHOT_FILES="$windows_game\\demo-wrestlers.zor" \
    "${on_test_display[@]}" "$wine" build-windows/src/zor-wizard.exe -C "$windows_game"
  echo "wrote docs/screenshot-windows.png"
  exit 0
fi
shoot docs/screenshot.png "$open,$parse" "$game/demo-wrestlers.zor"
shoot docs/screenshot-help.png "$open,$parse,$help" "$game/demo-wrestlers.zor"
shoot docs/screenshot-batch.png "$batch,$add_files" "$game/demo-wrestlers.zor;$game/demo-more-wrestlers.zor"
