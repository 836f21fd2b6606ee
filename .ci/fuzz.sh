#!/usr/bin/env bash
# Fuzz stage: builds the libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs it for a bounded time over the seed
# corpus and the regression inputs. Any finding fails the stage: a crash, a
# sanitizer report, a broken invariant, a timeout or running out of memory.
# New corpus entries go to a scratch directory; the committed seeds stay as
# they are. A finding is kept under build/fuzz/findings: add it to
# tests/fuzz/regressions once fixed, so the test binary replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${SCENARIO_FUZZ_SECONDS:-120}

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

echo "== fuzz target (clang, AddressSanitizer, UBSan)"
cmake --preset fuzz
cmake --build --preset fuzz

findings=build/fuzz/findings
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$findings"

echo "== fuzzing for ${seconds} s"
start=$(date +%s)
build/fuzz/bin/scenario_fuzz -dict=tests/fuzz/scenario.dict -max_total_time="$seconds" \
  -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
  "$work" tests/fuzz/corpus tests/fuzz/regressions 2>"$work.log" || {
  status=$?
  tail -n 60 "$work.log"
  rm -f "$work.log"
  echo "fuzz: finding (exit status $status); the input is in $findings" >&2
  exit 1
}
grep -E '^stat::(number_of_executed_units|average_exec_per_sec)|DONE' "$work.log" || true
rm -f "$work.log"
echo "== fuzz stage took $(($(date +%s) - start)) s of fuzzing, no finding"

# The language server's message layer: framing, JSON-RPC and the features
# behind them, fed whole sessions cut at any point.
lsp_seconds=${SCENARIO_LSP_FUZZ_SECONDS:-60}
lsp_work=$(mktemp -d)
echo "== fuzzing the language server's message layer for ${lsp_seconds} s"
start=$(date +%s)
build/fuzz/bin/scenario_lsp_fuzz -dict=tests/fuzz/lsp.dict -max_total_time="$lsp_seconds" \
  -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/lsp-" \
  "$lsp_work" tests/fuzz/lsp_corpus 2>"$lsp_work.log" || {
  status=$?
  tail -n 60 "$lsp_work.log"
  rm -rf "$lsp_work" "$lsp_work.log"
  echo "fuzz: language server finding (exit status $status); the input is in $findings" >&2
  exit 1
}
grep -E '^stat::(number_of_executed_units|average_exec_per_sec)|DONE' "$lsp_work.log" || true
rm -rf "$lsp_work" "$lsp_work.log"
echo "== language server fuzzing took $(($(date +%s) - start)) s, no finding"
