#!/usr/bin/env bash
# The replace case: a compile whose output files are already there, against
# one into an empty directory, and cp over existing copies against cp into
# an empty directory.
#
# Usage: bench/replace_cp.sh TOOL LENGTH
#
# Generates the synthetic scenario of LENGTH metres, then times, in turn and
# ROUNDS times each (default 11): `TOOL compile` into a new empty directory,
# `TOOL compile` into a directory that holds the files of the previous
# compile, `cp` of the three files into a new empty directory and `cp` over
# the copies already there. Prints the median of each.
set -euo pipefail

tool=${1:?usage: replace_cp.sh TOOL LENGTH}
length=${2:?usage: replace_cp.sh TOOL LENGTH}
rounds=${ROUNDS:-11}
source "$(dirname "$0")/synthetic_work.sh"
make_synthetic_work replace_cp "$length"
mkdir -p "$work/kept" "$work/kept_copy"
"$tool" compile "$line" "$train" --out "$work/kept" >/dev/null
files=(SYNTH_linea.dat SYNTH_90001.sim SYNTH_90001.dat)
cp "${files[@]/#/$work/kept/}" "$work/kept_copy/"

now() { echo "${EPOCHREALTIME/./}"; }

new_us=() over_us=() cp_new_us=() cp_over_us=()
for ((r = 0; r < rounds; r++)); do
  rm -rf "$work/out" "$work/copy"
  mkdir "$work/out" "$work/copy"
  sync
  t0=$(now); "$tool" compile "$line" "$train" --out "$work/out"
  t1=$(now); "$tool" compile "$line" "$train" --out "$work/kept"
  t2=$(now); cp "${files[@]/#/$work/out/}" "$work/copy/"
  t3=$(now); cp "${files[@]/#/$work/out/}" "$work/kept_copy/"
  t4=$(now)
  new_us+=($((t1 - t0))) over_us+=($((t2 - t1))) cp_new_us+=($((t3 - t2))) cp_over_us+=($((t4 - t3)))
done

for name in new over cp_new cp_over; do
  declare -n times="${name}_us"
  printf '%-8s %8.2f ms\n' "$name" "$(printf '%s\n' "${times[@]}" | median | awk '{ print $1 / 1e3 }')"
done
