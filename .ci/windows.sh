#!/usr/bin/env bash
# CI stage for the Windows build: installs the MinGW-w64 cross compiler, Wine
# and a virtual X display when they are missing, then runs the Windows
# checks of tests/windows/run.sh against the Linux build of the ci preset.
# Without a way to install them the stage fails: a Windows build that
# cannot be checked is not a passed check.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== Windows build under Wine"
SECONDS=0
need=()
for pkg in g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth xdotool imagemagick; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if ((${#need[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${need[@]}"; } \
    >/tmp/windows-stage-install.log 2>&1; then
    tail -n 5 /tmp/windows-stage-install.log >&2 || true
    echo "FAILED: Windows build (cannot install ${need[*]})" >&2
    exit 1
  fi
  echo "installed ${need[*]} in ${SECONDS}s"
fi

bash tests/windows/run.sh build/ci/bin
echo "== Windows stage done in ${SECONDS}s"
