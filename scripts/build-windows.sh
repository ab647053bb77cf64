#!/usr/bin/env bash
# Cross-builds the Windows programs with mingw-w64, runs the Windows test programs under wine (each
# program started once), and packs zor-wizard.exe and zor-import.exe for players into
# dist/zor-wizard-<version>-windows-x64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
[ -x /usr/lib/wine/wine64 ] || missing+=(wine wine64)
[ -d /usr/src/googletest/googletest ] || missing+=(googletest)
command -v zip >/dev/null || missing+=(zip)
command -v ninja >/dev/null || missing+=(ninja-build)
command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

jobs=$(nproc)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The build lists the corpus tests by running their program under wine.
source scripts/wine-session.sh
prepare_wine_prefix

# Without debug information: the zip's programs are stripped anyway, and the build takes a third less.
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DZOR_BUILD_BENCH=OFF -DZOR_BUILD_GUI=ON "${launcher[@]}" >/dev/null
cmake --build build-windows -j "$jobs"

./scripts/windows-tests.sh

version=$(sed -n 's/^project(ZorWizard VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
package="zor-wizard-${version}-windows-x64"
staging="build-windows/${package}"
rm -rf "$staging"
mkdir -p "$staging" dist
x86_64-w64-mingw32-strip -o "$staging/zor-wizard.exe" build-windows/src/zor-wizard.exe
x86_64-w64-mingw32-strip -o "$staging/zor-import.exe" build-windows/src/zor-import.exe
cat > "$staging/README.txt" <<'TEXT'
ZOR 7 SE Export File Wizard for Windows
=======================================

1. Unzip this folder's files into your game folder (the folder that holds the "data" folder).
2. Close the game.
3. Double-click zor-wizard.exe. The wizard shows the wrestlers of an export file (.zor), lets you
   choose which to import and map their moves and dives onto yours, and imports them ("Help" in the
   window explains each step). "Batch Import" imports several export files at once.

zor-import.exe does the same from a console (in Explorer, type "cmd" into the game folder's address
bar), for example:

     zor-import show wrestlers.zor
     zor-import import wrestlers.zor --all
     zor-import undo

   zor-import --help lists every command. -C FOLDER names the game folder when you start it elsewhere.

Before it changes anything, the wizard keeps the files it replaces (.bak); "zor-import undo" puts
them back.
TEXT
sed -i 's/$/\r/' "$staging/README.txt"
rm -f "dist/${package}.zip"
# The files lie at the top of the zip, so that unzipping into the game folder puts them there.
(cd "$staging" && zip -q -r "../../dist/${package}.zip" .)
echo "dist/${package}.zip"
