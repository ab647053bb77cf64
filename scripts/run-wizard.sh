#!/usr/bin/env bash
# Sets everything up and runs the wizard on a scratch copy of the demo game folder.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

echo "The core libraries are built. The window and the demo game folder are not part of this build yet:"
echo "this command will copy examples/ to a scratch folder and open the wizard there once they are."
