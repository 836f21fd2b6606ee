#!/usr/bin/env bash
# Fuzz stage: builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs them for a bounded time: the compiler
# target over the seed corpus and the regression inputs, check's analysis
# mode over the same inputs, then each binary decoder over its seeds, then
# the language server's message layer. Any finding fails the stage: a
# crash, a sanitizer report, a broken invariant, a timeout or running out
# of memory.
# New corpus entries go to a scratch directory; the committed seeds stay as
# they are. A finding is kept under build/fuzz/findings: add it to
# tests/fuzz/regressions once fixed, so the test binary replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${SCENARIO_FUZZ_SECONDS:-120}
# The stage's time is shared: the three decoders are small and saturate
# their coverage in seconds; check's analysis mode gets twice a decoder's
# share, the compiler the rest.
decoder_seconds=$((seconds / 12))
check_seconds=$((2 * decoder_seconds))
compiler_seconds=$((seconds - 3 * decoder_seconds - check_seconds))

install_missing() {
  local need=()
  for pkg in "$@"; do dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg"); done
  if ((${#need[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${need[@]}"
  fi
}

install_missing clang
# The fuzzer's runtime comes with the clang version that is installed.
clang_major=$(clang++ -dumpversion | cut -d. -f1)
install_missing "libclang-rt-${clang_major}-dev"

echo "== fuzz targets (clang, AddressSanitizer, UBSan)"
cmake --preset fuzz
cmake --build --preset fuzz

findings=build/fuzz/findings
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$findings"

start=$(date +%s)

# Runs one target; a finding stops the stage with its log and input kept.
fuzz() {
  local target=$1 limit=$2
  shift 2
  echo "== fuzzing ${target} for ${limit} s"
  mkdir -p "$work/$target"
  build/fuzz/bin/"$target" -max_total_time="$limit" -timeout=25 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$work/$target" "$@" 2>"$work.log" || {
    status=$?
    tail -n 60 "$work.log"
    rm -f "$work.log"
    echo "fuzz: finding in ${target} (exit status $status); the input is in $findings" >&2
    exit 1
  }
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)|DONE' "$work.log" || true
  rm -f "$work.log"
}

fuzz scenario_fuzz "$compiler_seconds" -dict=tests/fuzz/scenario.dict tests/fuzz/corpus \
  tests/fuzz/regressions
fuzz scenario_fuzz_check "$check_seconds" -dict=tests/fuzz/scenario.dict tests/fuzz/corpus \
  tests/fuzz/regressions
for kind in cells items plan; do
  fuzz "scenario_fuzz_${kind}" "$decoder_seconds" "tests/fuzz/decoders/${kind}"
done
echo "== fuzz stage took $(($(date +%s) - start)) s of fuzzing, no finding"

# The language server's message layer: framing, JSON-RPC and the features
# behind them, fed whole sessions cut at any point.
start=$(date +%s)
fuzz scenario_fuzz_lsp "${SCENARIO_LSP_FUZZ_SECONDS:-$((seconds / 4))}" -dict=tests/fuzz/lsp.dict \
  tests/fuzz/lsp_corpus
echo "== language server fuzzing took $(($(date +%s) - start)) s, no finding"
