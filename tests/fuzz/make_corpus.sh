#!/usr/bin/env bash
# Rebuilds the fuzzer's seed corpus: the embedded scenario (as the authoring
# tool writes it) and small descriptions that each reach one part of the
# compiler. A seed is a line description, a NUL byte, then a train
# description; a seed without a NUL byte has no train description, and a
# seed whose last byte is NUL builds the plan.
#   usage: tests/fuzz/make_corpus.sh BUILD_BIN_DIR
set -euo pipefail
bin=${1:?usage: make_corpus.sh BUILD_BIN_DIR}
here=$(cd "$(dirname "$0")" && pwd)
out=$here/corpus
src=$(mktemp -d)
trap 'rm -rf "$src"' EXIT
"$bin/scenario-tool" sources --out "$src" >/dev/null
line_file=$src/BORGOLAGO-CIMAPASSO_linea.txt
train_file=$src/BORGOLAGO-CIMAPASSO_51827-.txt

rm -rf "$out"
mkdir -p "$out"

# Lines with CR LF after each.
crlf() { printf '%s\r\n' "$@"; }

# seed NAME LINE_TEXT [TRAIN_TEXT [plan]]: without a train text no NUL is
# written; "plan" appends the NUL that turns the plan on.
seed() {
  if (($# >= 3)); then
    { printf '%s' "$2"; printf '\0'; printf '%s' "$3"; } >"$out/$1"
  else
    printf '%s' "$2" >"$out/$1"
  fi
  if (($# == 4)); then printf '\0' >>"$out/$1"; fi
}

small_line() {  # small_line LENGTH BODY_LINE...
  local length=$1
  shift
  crlf "[generale]" "lunghezza percorso,    $length" \
    "progressiva chilometrica uno,    0,    0,    0" "[curve]" "$@" "[fine]"
}
empty_train=$(crlf "[generale]" "[fine]")
small_train() { crlf "[generale]" "$@" "[fine]"; }

# The embedded descriptions byte for byte (command substitution would drop
# their last line end).
cat "$line_file" <(printf '\0') "$train_file" >"$out/embedded"
cat "$line_file" <(printf '\0') "$train_file" <(printf '\0') >"$out/embedded-with-plan"
cp "$line_file" "$out/embedded-line-no-train"
cat "$line_file" <(printf '\0') <(printf '%s' "$empty_train") >"$out/embedded-line-empty-train"
cat <(small_line 20000) <(printf '\0') "$train_file" >"$out/embedded-train-short-line"
seed empty ""
seed nul-only "" ""
seed no-generale "$(crlf "lunghezza percorso, 5000" "[fine]")" "$empty_train"
seed too-long "$(small_line 1000001)" "$empty_train"
seed longest "$(small_line 1000000 "pendenza, 999000, 3")" "$empty_train"
seed zero-length "$(small_line 0)" "$empty_train"
seed negative-length "$(small_line -7000)" "$empty_train"
seed negative-length-with-plan "$(small_line -7001)" "$empty_train" plan
seed general-records "$(crlf "[generale]" "lunghezza percorso, 8000" \
  "progressiva chilometrica uno, 0, 100, 0" "progressiva chilometrica due, 3000, 2000, 1" \
  "progressiva chilometrica tre, 6000, 5000, 0" "sfondo uno, 1" "sfondo due, 2000" \
  "sfondo tre, 4000" "ripetizione segnali 9 codici, 500, 1000" "[curve]" "[fine]")" \
  "$empty_train"
seed repetition-refused "$(crlf "[generale]" "lunghezza percorso, 8000" \
  "ripetizione segnali codici, 500, 1000" "[curve]" "[fine]")" "$empty_train"
seed curves "$(small_line 6000 "curvad1, 100, 200" "curvas2, 400, 200" "curvad3, 700, 100" \
  "curvas4, 900, 300" "curvad5, 1300, 200" "curvas6, 1600, 400")" "$empty_train" plan
seed curve-without-class "$(small_line 6000 "curvad, 100, 200")" "$empty_train" plan
seed curve-past-the-walk "$(small_line 1000 "curvad4, 999990, 100")" "$empty_train" plan
seed gradients "$(small_line 6000 "[pendenze]" "pendenza, 0, 4" "pendenza, 1200, -22" \
  "pendenza, 3000, 35")" "$empty_train"
seed beyond-line "$(small_line 3000 "pendenza, 9950, 4")" "$empty_train"
seed backdrops "$(small_line 9000 "[montagne]" "montagna, 500, 900, 12" \
  "montagna, 1000, 1400, 1" "montagna, 3000, 3600, 2")" "$empty_train"
seed speed-posts "$(small_line 6000 "[cartelli]" \
  "indicatori_vmax, 600, 90, 95, 95, 0, , , , 0" "indicatori_vmax, 600, 60, 65, 65, 0, , , , 0")" \
  "$empty_train"
seed text-boards "$(small_line 6000 "[indicazioni]" \
  "cartello_indicatore, 1000, ( GALLERIA 1$(printf '\xb0') )(Km.1+000)" \
  "cartello_indicatore, 1000, (taken)")" "$empty_train"
seed comments "$(crlf "[generale]" "- comment" "lunghezza percorso, 5000" "[curve]" "- one" \
  "- two" "pendenza, 100, 3" "[fine]")" "$empty_train"
seed bare-line-ends "$(printf '[generale]\nlunghezza percorso, 5000\r[curve]\npendenza, 100, 3\r[fine]')" \
  "$(printf '[generale]\rvelocita, 0, 90\n[fine]')" plan
seed number-overflow "$(small_line 99999999999)" "$empty_train"
seed train-general "$(small_line 6000)" "$(small_train "numero vetture, 10" \
  "percentuale massa frenata, 60" "sabbia, 300" "orologio, 11 3 0")"
seed train-profiles "$(small_line 6000)" "$(small_train "[aderenze]" "aderenza, 0, 100" \
  "aderenza, 2000, 80" "[vel_limite]" "velocita, 0, 90" "velocita, 1200, 33")"
seed stations "$(small_line 12000)" "$(small_train "[stazioni]" \
  "stazione, 0, 8, 500, 1, 0, 0, 4, 1, 0, 2, 1, 1, 1, 11, 4, 0, PRIMA" \
  "stazione, 2000, 5, 600, 0, 0, 1, 1, 1, 0, 4, 1, 1, 0, 0, 0, 0, SECONDA" \
  "stazione, 4000, 25, 400, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, TERZA" \
  "stazione, 7000, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 99, 11, 26, 0, QUARTA")"
seed stations-refused "$(small_line 12000)" "$(small_train \
  "stazione, 2025, 12, 600, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, STORTA" \
  "stazione, 3000, 12, 650, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, CORTA")"
seed station-too-early "$(small_line 12000)" "$(small_train \
  "stazione, 0, 12, 200, 1, 0, 0, 4, 1, 0, 2, 1, 1, 0, 0, 0, 0, INIZIO")"
seed slowdowns "$(small_line 12000)" "$(small_train "[rallentamenti]" \
  "rallentamento, 3950, 75, 350, 1, 0, 0" "rallentamento, 7600, 30, 50, 1, 1, 1")"
seed slowdown-at-start "$(small_line 6000)" "$(small_train "rallentamento, 0, 30, 100, 1, 0, 0")"
seed signals "$(small_line 12000)" "$(small_train "[segnali]" \
  "segnale, 2450, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0" "segnale, 3650, 2, 2, 3, 0, 0, 0, 0, 0, 0, 201" \
  "segnale, 3650, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0")"
seed reduction-marks "$(small_line 6000)" "$(small_train "abbattimento, 1000, 40" \
  "abbattimento, 1000, 40")"
seed signal-before-slowdown "$(small_line 12000)" "$(small_train \
  "segnale, 5000, 1, 3, 0, 0, 0, 0, 0, 0, 0, 0" "rallentamento, 5400, 30, 800, 1, 0, 0" \
  "segnale, 6400, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0")"
seed value-too-wide "$(small_line 6000)" "$(small_train "sabbia, 40000")"
ls "$out" | wc -l
