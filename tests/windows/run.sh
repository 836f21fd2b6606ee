#!/usr/bin/env bash
# Windows build check. Cross-builds the windows preset with MinGW-w64, then,
# on a virtual X display under Wine:
#  - runs scenario.exe and compares the files it writes, byte for byte, with
#    those of the Linux scenario;
#  - photographs the wait window and checks where its label stands, once with
#    the stand-in face and once with "MS Sans Serif" installed;
#  - when the authoring tool is built, compares scenario-tool.exe compile with
#    the Linux tool on every fixture pair, closing the message box of a fatal
#    report, and checks the error 1250 fixture ends through that box with
#    exit status 1 and no binary file.
#
# Usage: tests/windows/run.sh LINUX_BIN_DIR [SCREENSHOT.png]
#   LINUX_BIN_DIR   bin/ directory of a Linux build (scenario, scenario-tool)
#   SCREENSHOT.png  where to keep the picture of the wait window
# Needs: x86_64-w64-mingw32-g++, wine (64-bit), fonts-wine, xvfb-run, xauth,
# xdotool and ImageMagick.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
if (($# < 1)) || [[ ! -x "$1/scenario" ]]; then
  echo "usage: $0 LINUX_BIN_DIR [SCREENSHOT.png] (LINUX_BIN_DIR holds the Linux scenario)" >&2
  exit 2
fi
linux_bin=$(cd "$1" && pwd)
screenshot=""
if (($# > 1)); then screenshot=$(realpath -m "$2"); fi

cd "$root"
cmake --preset windows >/dev/null
cmake --build --preset windows

work=$(mktemp -d /tmp/scenario-windows.XXXXXX)
# KEEP_WINDOWS_WORK=1 keeps the folder (pictures, outputs) for a look.
if [[ "${KEEP_WINDOWS_WORK:-}" == 1 ]]; then
  echo "work folder kept: $work"
else
  trap 'rm -rf "$work"' EXIT
fi

# A prefix of its own for every run, with the Mono and Gecko installers
# switched off: they would prompt, and nothing here needs them.
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINDOWS_BIN=$root/build/windows/bin LINUX_BIN=$linux_bin WORK=$work
export SCREENSHOT=$screenshot FIXTURES=$root/tests/fixtures

timeout 900 xvfb-run -a -s "-screen 0 800x600x24" bash "$here/session.sh"
