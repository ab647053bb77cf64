#!/usr/bin/env bash
# Runs the Windows test programs of build-windows under wine, each program started once, on an X
# display of their own (Xvfb) for the window's tests. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${ZOR_TEST_DISPLAY:-}" ]; then
  ZOR_TEST_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi
source scripts/wine-session.sh
prepare_wine_prefix
start_wine_session
# A program that hangs fails after 15 minutes, with what it printed, instead of holding the run
# until CI gives up.
ctest --test-dir build-windows -LE fuzz --output-on-failure -j "$(nproc)" --timeout 900 "$@"
