#!/usr/bin/env bash
# Runs the Windows test programs of build-windows under wine, each program started once, on an X
# display of their own (Xvfb) for the window's tests. Arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-session.sh
if [ -z "${ZOR_TEST_DISPLAY:-}" ]; then
  ZOR_TEST_DISPLAY=1 exec "${on_test_display[@]}" "$0" "$@"
fi
prepare_wine_prefix
start_wine_session
# A program that hangs fails after 15 minutes, with what it printed, instead of holding the run
# until CI gives up.
ctest --test-dir build-windows -LE fuzz --output-on-failure -j "$(nproc)" --timeout 900 "$@"
