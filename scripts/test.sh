#!/usr/bin/env bash
# Builds and runs every test: once in a normal build, once with AddressSanitizer and
# UndefinedBehaviorSanitizer, and once cross-built for Windows and run under wine (with the Windows
# programs compared byte for byte against the Linux zor-import).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZOR_SANITIZE=ON -DZOR_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

./scripts/build-windows.sh
./scripts/windows-end-to-end.sh build/src/zor-import build-windows/src/zor-import.exe
