#!/usr/bin/env bash
# Compares the end-to-end compile of several builds of the tool with each
# other and with cp.
#
# Usage: bench/compare_builds.sh LENGTH TOOL [TOOL...]
#
# Generates the synthetic scenario of LENGTH metres with make_synthetic.py
# under build/, then runs ROUNDS rounds (default 31): in each, every TOOL
# compiles into a new empty directory after a sync, the order of the tools
# turning by one from round to round (a command that follows another's
# writes runs slower), then `cp` copies the three files into another new
# directory. Prints each tool's median time and its ratio to the median cp.
set -euo pipefail

length=${1:?usage: compare_builds.sh LENGTH TOOL [TOOL...]}
shift
tools=("$@")
((${#tools[@]})) || { echo "usage: compare_builds.sh LENGTH TOOL [TOOL...]" >&2; exit 2; }
rounds=${ROUNDS:-31}
source "$(dirname "$0")/synthetic_work.sh"
make_synthetic_work compare_builds "$length"

n=${#tools[@]}
for ((r = 0; r < rounds; r++)); do
  for ((j = 0; j < n; j++)); do
    i=$(((j + r) % n))
    rm -rf "$work/out"
    mkdir "$work/out"
    sync
    t0=${EPOCHREALTIME/./}
    "${tools[$i]}" compile "$line" "$train" --out "$work/out"
    t1=${EPOCHREALTIME/./}
    echo $((t1 - t0)) >>"$work/times.$i"
  done
  rm -rf "$work/copy"
  mkdir "$work/copy"
  sync
  t0=${EPOCHREALTIME/./}
  cp "$work"/out/SYNTH_linea.dat "$work"/out/SYNTH_90001.sim "$work"/out/SYNTH_90001.dat \
    "$work/copy/"
  t1=${EPOCHREALTIME/./}
  echo $((t1 - t0)) >>"$work/times.cp"
done

cp_med=$(median <"$work/times.cp")
for ((i = 0; i < n; i++)); do
  med=$(median <"$work/times.$i")
  awk -v m="$med" -v c="$cp_med" -v t="${tools[$i]}" \
    'BEGIN { printf "%-40s %6.2f ms  %.2f times cp\n", t, m / 1e3, m / c }'
done
awk -v c="$cp_med" -v n="$rounds" 'BEGIN { printf "cp (median of %d) %25.2f ms\n", n, c / 1e3 }'
