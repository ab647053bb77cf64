#!/usr/bin/env bash
# The main job in one command: installs what is missing, builds, copies the demo game folder and the
# demo exports to a fresh scratch folder (examples/ itself is never changed) and opens the wizard there.
# Without a display it runs the demo batch import with zor-import instead and prints what it imported.
# BUILD_DIR names the build folder (default: build), JOBS the parallel build jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${BUILD_DIR:-build}
log="$build/run-wizard-build.log"
echo "Building zor-wizard, zor-import and zor-make-demo in $build (log: $log) ..."
mkdir -p "$build"
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
  cmake --build "$build" -j "${JOBS:-$(nproc)}" --target zor-wizard zor-import zor-make-demo; } >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "The build failed; the whole log is in $log." >&2
  exit 1
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zor-demo-game.XXXXXX")
cp -r examples/demo-game/. "$scratch/"
cp examples/exports/*.zor "$scratch/"
echo "Demo game folder: $scratch"
echo "  a copy of examples/demo-game with the demo exports beside it (examples/ is left as it is)"

# The record count of a game file: its first line.
count() { head -n 1 "$scratch/data/$1" | tr -d ' \r'; }
# The name of wrestler k: line 1 of his 120-line record, in the game's code page.
wrestler_name() { sed -n "$((2 + ($1 - 1) * 120))p" "$scratch/data/wrestlrs.dat" | tr -d '\r' | iconv -f CP437 -t UTF-8; }

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo
  echo "No display (DISPLAY and WAYLAND_DISPLAY are empty), so the window cannot open."
  echo "Running the demo batch import with zor-import instead:"
  echo "  zor-import -C $scratch batch demo-wrestlers.zor demo-more-wrestlers.zor"
  kinds=(wrestlrs.dat moves.dat dives.dat managers.dat teams.dat)
  before=()
  for kind in "${kinds[@]}"; do before+=("$(count "$kind")"); done
  status=0
  "$build/src/zor-import" -C "$scratch" batch "$scratch/demo-wrestlers.zor" "$scratch/demo-more-wrestlers.zor" ||
    status=$?
  echo
  echo "Records in the game (before -> after):"
  labels=(wrestlers moves dives managers "tag teams")
  for i in "${!kinds[@]}"; do
    printf '  %-10s %4s -> %s\n' "${labels[$i]}" "${before[$i]}" "$(count "${kinds[$i]}")"
  done
  echo "Wrestlers added:"
  for ((k = before[0] + 1; k <= $(count wrestlrs.dat); k++)); do echo "  $k $(wrestler_name "$k")"; done
  echo "Backups of the replaced files (.bak) and the rebuilt indexes (.idx) are in $scratch/data."
  exit "$status"
fi

echo
echo "Opening the wizard. Click \"Open Export File\" and pick demo-wrestlers.zor; the help panel (Help)"
echo "explains the five steps. examples/README.md says what the import adds."
exec "$build/src/zor-wizard" -C "$scratch"
