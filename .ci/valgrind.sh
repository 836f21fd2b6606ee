#!/usr/bin/env bash
# Memory check stage: a full run of the program, and a compile by the
# authoring tool, under valgrind; an invalid access or a leak fails it.
# Uses the executables of the ci build, which .ci/run builds first.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! dpkg -s valgrind >/dev/null 2>&1; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq valgrind
fi

bin=$PWD/build/ci/bin
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
memcheck=(valgrind --quiet --error-exitcode=1 --leak-check=full)

echo "== valgrind: a full run of scenario"
cp "$bin/scenario" "$dir/"
(cd "$dir" && "${memcheck[@]}" ./scenario)

echo "== valgrind: scenario-tool compile of the embedded scenario"
mkdir "$dir/tool"
"$bin/scenario-tool" sources --out "$dir/tool"
(cd "$dir/tool" && "${memcheck[@]}" "$bin/scenario-tool" compile \
  BORGOLAGO-CIMAPASSO_linea.txt BORGOLAGO-CIMAPASSO_51827-.txt --out .)
echo "== valgrind: no invalid access, no leak"
