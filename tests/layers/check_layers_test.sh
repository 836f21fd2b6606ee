#!/usr/bin/env bash
# The include check: clean on this checkout, and each planted include
# against the layer order is named with its file and line.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
check=$root/.ci/check_layers.sh

bash "$check" "$root/src" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# file in src/ | include planted at its top | what the check must say
cases=(
  'model/scenario.cpp|pipeline/pipeline.h|src/model/scenario.cpp:1: #include "pipeline/pipeline.h": model may include only'
  'formats/cell_file.cpp|finishing/marker_pass.h|formats may include only'
  'platform/win32_platform.cpp|driver/run_sequence.h|platform may include only'
  'tool/check/check_lint.cpp|driver/run_sequence.h|the tool never includes the program'"'"'s driver'
  'plot/svg_text.cpp|driver/run_sequence.h|the tool never includes the program'"'"'s driver'
  'compiler/field_reader.cpp|tool/check/source_lines.h|layer compiler includes the tool'"'"'s tool/check'
  'tool/check/source_lines.cpp|tool/cli/options.h|include cycle between folders: tool/'
  'misc/stray.cpp|model/scenario.h|src/misc: folder in no layer'
)
failed=0
for c in "${cases[@]}"; do
  IFS='|' read -r file include expected <<<"$c"
  rm -rf "$work/src"
  cp -r "$root/src" "$work/src"
  mkdir -p "$(dirname "$work/src/$file")"
  touch "$work/src/$file"
  printf '#include "%s"\n' "$include" | cat - "$work/src/$file" >"$work/planted"
  mv "$work/planted" "$work/src/$file"
  if out=$(bash "$check" "$work/src" 2>&1); then
    echo "FAIL: $file including $include was accepted" >&2
    failed=1
  elif [[ $out != *"$expected"* ]]; then
    printf 'FAIL: %s including %s: expected "%s" in:\n%s\n' "$file" "$include" "$expected" "$out" >&2
    failed=1
  fi
done
exit "$failed"
