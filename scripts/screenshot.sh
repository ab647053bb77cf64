#!/usr/bin/env bash
# Photographs the wizard's window on a small generated game folder and writes
#   docs/screenshot.png        the wizard as it starts
#   docs/screenshot-help.png   with the help panel open
#   docs/screenshot-batch.png  the batch view
# Runs under Xvfb when xvfb-run is there, otherwise on Qt's offscreen platform.
# BUILD_DIR names the build folder (default: build); the wizard is built there when missing.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
wizard="$build/src/zor-wizard"
if [ ! -x "$wizard" ]; then
  cmake -S . -B "$build" -G Ninja >/dev/null
  cmake --build "$build" --target zor-wizard
fi

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
mkdir "$game/data"

# A record file: the count line, then each record's lines, every line ending in CR LF.
number_line() { printf ' %s \r\n' "$1"; }
zeros() { local i; for ((i = 0; i < $1; i++)); do number_line 0; done; }

write_moves() {
  local names=("$@")
  {
    number_line "${#names[@]}"
    for name in "${names[@]}"; do
      printf '%s\r\n' "$name"
      zeros 26
    done
  } >"$game/data/moves.dat"
}

write_dives() {
  local names=("$@")
  {
    number_line "${#names[@]}"
    for name in "${names[@]}"; do
      printf '%s\r\n' "$name"
      zeros 9
    done
  } >"$game/data/dives.dat"
}

write_moves "a Piledriver" "a Suplex" "a Dropkick" "a Clothesline" "an Armbar" "a Powerbomb" \
  "a Sleeper Hold" "a Figure Four Leglock" "a DDT" "a Moonsault"
write_dives "a Plancha" "a Tope Suicida" "a Senton Bomb" "a Shooting Star Press"
for file in wrestlrs.dat managers.dat teams.dat stables.dat objects.dat gimmicks.dat referees.def; do
  number_line 0 >"$game/data/$file"
done
printf 'VersionNormalize=1\r\n' >"$game/zor.cnf"

run_wizard() {
  if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1600x1000x24" "$wizard" -C "$game"
  else
    QT_QPA_PLATFORM=offscreen "$wizard" -C "$game"
  fi
}

shoot() {
  local output=$1 clicks=$2
  # A sanitizer build would report the leaks of the system libraries at exit.
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} ZOR_SCREENSHOT="$PWD/$output" ZOR_SCREENSHOT_CLICKS="$clicks" run_wizard
  echo "wrote $output"
}

mkdir -p docs
shoot docs/screenshot.png ""
shoot docs/screenshot-help.png "195"
shoot docs/screenshot-batch.png "200"
