#!/usr/bin/env bash
# Compares the end-to-end compile of a synthetic scenario with copying its
# output files.
#
# Usage: bench/compare_cp.sh TOOL LENGTH [WORKDIR]
#
# Generates the synthetic scenario of LENGTH metres with make_synthetic.py in
# WORKDIR (default: a new directory under build/, so on the disk the files
# are written to), compiles it once to warm the caches, then times, in turn
# and ROUNDS times each (default 11): `TOOL compile` into a new empty
# directory, and `cp` of the three files that first compile wrote into
# another new empty directory on the same disk; the two take turns at going
# first. Prints the median of each, their ratio, the
# size of the output files and the compile's peak memory (maximum resident
# set from /usr/bin/time -v). Exits 1 when the compile's status is not 0,
# when the ratio exceeds MAX_RATIO (default 3) or when the peak memory is
# not below MAX_MEMORY (default 3) times the size of the output files.
set -euo pipefail

tool=${1:?usage: compare_cp.sh TOOL LENGTH [WORKDIR]}
length=${2:?usage: compare_cp.sh TOOL LENGTH [WORKDIR]}
rounds=${ROUNDS:-11}
max_ratio=${MAX_RATIO:-3}
max_memory=${MAX_MEMORY:-3}
source "$(dirname "$0")/synthetic_work.sh"
make_synthetic_work compare_cp "$length" "${@:3}"

# Warm-up compile, which also checks the scenario compiles cleanly.
mkdir -p "$work/warm"
json=$("$tool" compile "$line" "$train" --out "$work/warm" --json) || true
# The JSON may be compact or spaced.
clean='"status_code":[[:space:]]*0,.*"error":[[:space:]]*null'
if ! [[ $json =~ $clean ]]; then
  echo "compare_cp: the synthetic scenario did not compile cleanly: $json" >&2
  exit 1
fi
files=("$work"/warm/SYNTH_linea.dat "$work"/warm/SYNTH_90001.sim "$work"/warm/SYNTH_90001.dat)
out_bytes=$(cat "${files[@]}" | wc -c)

# Times in microseconds, read from bash's own clock so that no clock process
# is timed with the commands.
# Each command runs after the same preparation (the previous outputs
# removed, a sync), and the two take turns at going first, since the one
# that follows the other's writes runs slower.
time_compile() {
  rm -rf "$work/out" "$work/copy"
  mkdir "$work/out" "$work/copy"
  sync
  local t0=${EPOCHREALTIME/./}
  "$tool" compile "$line" "$train" --out "$work/out"
  local t1=${EPOCHREALTIME/./}
  compile_us+=($((t1 - t0)))
}
time_cp() {
  rm -rf "$work/out" "$work/copy"
  mkdir "$work/out" "$work/copy"
  sync
  local t0=${EPOCHREALTIME/./}
  cp "${files[@]}" "$work/copy/"
  local t1=${EPOCHREALTIME/./}
  cp_us+=($((t1 - t0)))
}
compile_us=()
cp_us=()
for ((r = 0; r < rounds; r++)); do
  if ((r % 2 == 0)); then
    time_compile
    time_cp
  else
    time_cp
    time_compile
  fi
done

compile_med=$(printf '%s\n' "${compile_us[@]}" | median)
cp_med=$(printf '%s\n' "${cp_us[@]}" | median)

rm -rf "$work/out"
mkdir "$work/out"
peak_kb=$(/usr/bin/time -v "$tool" compile "$line" "$train" --out "$work/out" 2>&1 >/dev/null |
  awk -F': ' '/Maximum resident set size/ { print $2 }')

awk -v c="$compile_med" -v p="$cp_med" -v b="$out_bytes" -v m="$peak_kb" -v l="$length" \
  -v n="$rounds" -v max_ratio="$max_ratio" -v max_memory="$max_memory" 'BEGIN {
  printf "line length:        %d m\n", l
  printf "output files:       %d bytes\n", b
  printf "compile (median):   %.2f ms over %d runs\n", c / 1e3, n
  printf "cp (median):        %.2f ms\n", p / 1e3
  printf "ratio compile/cp:   %.2f (bound %s)\n", c / p, max_ratio
  printf "peak memory:        %d KiB, %.2f times the output files (bound %s)\n", m, m * 1024 / b,
    max_memory
  failed = 0
  if (c / p > max_ratio) { print "compare_cp: the compile takes too long against cp"; failed = 1 }
  if (m * 1024 >= max_memory * b) { print "compare_cp: the compile uses too much memory"; failed = 1 }
  exit failed
}'
