#!/usr/bin/env bash
# Include check: every #include "..." between the folders of src/ must point
# downwards in the layer order, no folder of the tool may include driver/,
# and the include graph between folders must have no cycle.
#
# Usage: .ci/check_layers.sh [SRC_DIR]   (default: the src/ of this checkout)
# Prints every offending include as FILE:LINE and exits 1; exits 0 when clean.
set -euo pipefail

src=${1:-"$(cd "$(dirname "$0")/.." && pwd)/src"}
src=$(cd "$src" && pwd)

# The program's layers, each with the layers directly below it; a layer may
# include itself and everything reachable downwards. Keep in step with the
# scenario_layer() calls of CMakeLists.txt.
declare -A below=(
  [platform]=""
  [model]="platform"
  [catalogue]="model"
  [compiler]="catalogue"
  [finishing]="compiler"
  [formats]="model"
  [pipeline]="finishing formats"
  [sources]="pipeline"
  [driver]="sources"
)

# Everything a layer may include: itself and the layers below it, transitively.
reachable() {
  local seen=" $1 " todo=("$1") layer next
  while ((${#todo[@]})); do
    layer=${todo[0]}
    todo=("${todo[@]:1}")
    for next in ${below[$layer]}; do
      [[ $seen == *" $next "* ]] && continue
      seen+="$next "
      todo+=("$next")
    done
  done
  echo "$seen"
}

declare -A allowed
for layer in "${!below[@]}"; do allowed[$layer]=$(reachable "$layer"); done

# The folder a path inside src/ belongs to, left in `folder`: tool/NAME for
# the tool's libraries, otherwise the first component.
folder_of() {
  local rest
  case $1 in
    tool/*/*)
      rest=${1#tool/}
      folder=tool/${rest%%/*}
      ;;
    */*) folder=${1%%/*} ;;
    *) folder="" ;;
  esac
}

is_tool_side() { [[ $1 == tool/* || $1 == plot ]]; }

failures=0
fail() {
  echo "$1" >&2
  failures=$((failures + 1))
}

edges=$(mktemp)
trap 'rm -f "$edges" "$edges.loop"' EXIT

# One line per #include "..." of every source: FILE|LINE|TARGET, and
# FILE|0| for each file, so that a folder without includes is seen too.
includes() {
  # shellcheck disable=SC2016 # the awk program is meant literally
  (cd "$src" && find . -type f \( -name '*.h' -o -name '*.cpp' \) | sed 's|^\./||' | sort |
    xargs -r awk '
      FNR == 1 { print FILENAME "|0|" }
      /^[ \t]*#[ \t]*include[ \t]*"/ { split($0, part, "\""); print FILENAME "|" FNR "|" part[2] }')
}

declare -A unknown_reported
while IFS='|' read -r rel line target; do
  folder_of "$rel"
  from=$folder
  if [[ -z ${below[$from]+x} ]] && ! is_tool_side "$from"; then
    if [[ -z ${unknown_reported[$from]+x} ]]; then
      unknown_reported[$from]=1
      fail "src/$from: folder in no layer (add it to the layer order here and in CMakeLists.txt)"
    fi
    continue
  fi
  [[ -z $target ]] && continue
  folder_of "$target"
  to=$folder
  [[ -z $to || $to == "$from" ]] && continue
  echo "$from $to" >>"$edges"
  where="src/$rel:$line: #include \"$target\""
  if is_tool_side "$from"; then
    [[ $to == driver ]] && fail "$where: the tool never includes the program's driver"
  elif is_tool_side "$to"; then
    fail "$where: layer $from includes the tool's $to"
  elif [[ -z ${below[$to]+x} ]]; then
    fail "$where: $to is in no layer"
  elif [[ ${allowed[$from]} != *" $to "* ]]; then
    fail "$where: $from may include only:${allowed[$from]% }"
  fi
done < <(includes)

# A cycle between folders, the tool's included: tsort names the loop.
if ! sort -u "$edges" | tsort >/dev/null 2>"$edges.loop"; then
  while IFS= read -r loop; do
    fail "include cycle between folders: $loop"
  done < <(awk '/input contains a loop/ { if (l != "") print l; l = ""; next }
                { sub(/^tsort: /, ""); l = l == "" ? $0 : l " -> " $0 }
                END { if (l != "") print l }' "$edges.loop")
fi
rm -f "$edges.loop"

if ((failures)); then
  echo "check_layers: $failures problem(s) with the layer order" >&2
  exit 1
fi
echo "check_layers: includes follow the layer order"
