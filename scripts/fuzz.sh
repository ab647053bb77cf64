#!/usr/bin/env bash
# Runs one fuzz target (tests/fuzz/targets/TARGET.cpp) for SECONDS under libFuzzer, then adds the new
# inputs that reach code the corpus did not, minimised to the fewest and smallest, to
# tests/fuzz/corpus/TARGET/. A fault stops the run; its input is left in build-fuzz/artifacts/TARGET/.
#   scripts/fuzz.sh TARGET SECONDS [JOBS]
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh TARGET SECONDS [JOBS]" >&2
  echo "targets: $(cd tests/fuzz/targets && ls *.cpp | sed 's/\.cpp$//' | tr '\n' ' ')" >&2
  exit 2
fi
target=$1
seconds=$2
jobs=${3:-1}
if [ ! -f "tests/fuzz/targets/$target.cpp" ]; then
  echo "fuzz.sh: no target '$target' in tests/fuzz/targets" >&2
  exit 2
fi

./scripts/install-deps.sh
if ! command -v clang++-14 >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get install -y clang-14
fi

build=build-fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DZOR_FUZZ=ON -DZOR_BUILD_GUI=OFF -DZOR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target "fuzz_$target"

program="$build/tests/fuzz/fuzz_$target"
corpus="tests/fuzz/corpus/$target"
artifacts="$build/artifacts/$target"
found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
mkdir -p "$corpus" "$artifacts"

# New inputs go to the first folder; the kept corpus is only read.
"$program" -max_total_time="$seconds" -jobs="$jobs" -workers="$jobs" -print_final_stats=1 \
  -artifact_prefix="$artifacts/" -timeout=10 -rss_limit_mb=4096 "$found" "$corpus"
"$program" -merge=1 "$corpus" "$found"
