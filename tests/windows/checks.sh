# The individual Windows checks, sourced by session.sh after lib.sh.

# scenario.exe, started from another folder, ends by itself and writes next
# to itself the same files, byte for byte, as the Linux scenario.
check_run_matches_linux() {
  local lin=$WORK/run-linux win=$WORK/run-windows cwd=$WORK/run-cwd lin_rc=0 win_rc=0 start
  mkdir -p "$lin" "$win" "$cwd"
  cp "$LINUX_BIN/scenario" "$lin/"
  cp "$WINDOWS_BIN/scenario.exe" "$win/"
  (cd "$cwd" && "$lin/scenario") 2>"$WORK/run-linux.err" || lin_rc=$?
  start=$SECONDS
  (cd "$cwd" && timeout 120 wine "$win/scenario.exe") 2>"$WORK/run-windows.err" || win_rc=$?
  ((win_rc != 124)) || fail "scenario.exe did not end by itself within 120 s"
  if ((lin_rc != win_rc)); then
    cat "$WORK/run-linux.err" "$WORK/run-windows.err" >&2
    fail "scenario.exe ended with status $win_rc, the Linux scenario with $lin_rc"
  fi
  [[ -z "$(ls -A "$cwd")" ]] || fail "a run wrote into the current folder: $(ls -A "$cwd")"
  same_files "$lin" "$win" scenario scenario.exe
  local written
  written=$(list_files "$win" scenario.exe | tr '\n' ' ')
  echo "scenario.exe ended by itself in $((SECONDS - start))s with status $win_rc and wrote" \
    "the same files as the Linux scenario: ${written:-none}"
}

# Where the label's text stands in the photographed window $1 ($2 x $3
# pixels, frame included): inside Label1's box (64, 64, 177 x 53 pixels of
# the 280 x 179 client area at Wine's 96 dpi), left-aligned, and of the size
# of a 24-point face.
check_label_placement() {
  local png=$1 width=$2 height=$3 cw=280 ch=179 border top w h x y
  border=$(((width - cw) / 2))
  top=$((height - ch - border))
  ((border >= 0 && border < 16 && top > border)) ||
    fail "a ${width}x${height} window does not frame a ${cw}x${ch} client area"
  read -r w h x y < <("$MAGICK_CONVERT" "$png" -crop "${cw}x${ch}+${border}+${top}" +repage \
    -fuzz 20% -trim -format '%w %h %X %Y\n' info:)
  x=${x#+} y=${y#+}
  echo "label text: ${w}x${h} pixels at ${x},${y} of the client area (Label1: 177x53 at 64,64)"
  ((x >= 64 && y >= 64 && x + w <= 64 + 177 && y + h <= 64 + 53)) ||
    fail "the label's text leaves Label1's box"
  ((x <= 64 + 6)) || fail "the label's text is not aligned to Label1's left edge"
  ((h >= 18)) || fail "the label's text is too small for a 24-point face"
}

# Photographs the wait window (scenario.exe holds it on the screen through
# its test hook) into $1 and checks the label on the picture.
check_wait_window() {
  local out=$1 dir=$WORK/wait-window pid id
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$WINDOWS_BIN/scenario.exe" "$dir/"
  (cd "$dir" && SCENARIO_WAIT_WINDOW_HOLD_MS=5000 timeout 120 wine ./scenario.exe) \
    >/dev/null 2>&1 &
  pid=$!
  id=$(wait_for_window scenario 60 "$pid")
  [[ -n "$id" ]] || fail "the wait window did not show"
  sleep 1
  window_geometry "$id"
  "$MAGICK_IMPORT" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
  wait "$pid" || fail "scenario.exe failed while its wait window was photographed"
  check_label_placement "$out" "$WIDTH" "$HEIGHT"
}

# Wine's own fonts, "MS Sans Serif" among them, into the prefix's font folder.
install_wine_fonts() {
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" ||
    fail "cannot install Wine's fonts into the prefix"
}

# scenario-tool.exe compile and the Linux tool on one fixture pair ($1 line
# description, $2 train description, then further options), each in a folder
# of its own: same exit status, same standard output, same files. A fatal
# report must come as one message box exactly where the Linux tool reports
# " Errore n. " on standard error. Leaves the Windows folder in TOOL_DIR,
# STATUS and BOXES as run_windows sets them.
compare_tool_compile() {
  local line=$1 train=$2 tag lin win lin_rc=0 expected_boxes=0
  shift 2
  tag=$(basename "$train" -.txt)$(printf '%s' "$@" | tr -c 'a-z0-9' '_')
  lin=$WORK/tool/$tag/linux win=$WORK/tool/$tag/windows
  rm -rf "$WORK/tool/$tag"
  mkdir -p "$lin/out" "$win/out"
  cp "$line" "$train" "$lin/"
  cp "$line" "$train" "$win/"
  local args=(compile "$(basename "$line")" "$(basename "$train")" --out out "$@")
  (cd "$lin" && "$LINUX_BIN/scenario-tool" "${args[@]}") >"$lin.out" 2>"$lin.err" || lin_rc=$?
  pushd "$win" >/dev/null
  run_windows scenario-tool "$WINDOWS_BIN/scenario-tool.exe" "${args[@]}" >"$win.out" 2>"$win.err"
  popd >/dev/null
  ((STATUS != 124)) || fail "scenario-tool.exe compile $tag did not end within 120 s"
  ((STATUS == lin_rc)) || fail "compile $tag: status $STATUS under Wine, $lin_rc on Linux"
  grep -q ' Errore n\. ' "$lin.err" && expected_boxes=1
  ((BOXES == expected_boxes)) || fail "compile $tag: $BOXES message boxes, $expected_boxes expected"
  diff <(tr -d '\r' <"$win.out") "$lin.out" >&2 || fail "compile $tag: standard output differs"
  same_files "$lin" "$win"
  TOOL_DIR=$win
}

# Every fixture pair NAME_linea.txt with NAME_*-.txt beside it.
check_tools_match_linux() {
  local line train name pairs=0
  while IFS= read -r line; do
    name=$(basename "$line" _linea.txt)
    for train in "$(dirname "$line")/${name}_"*-.txt; do
      [[ -f "$train" ]] || continue
      compare_tool_compile "$line" "$train" --json
      compare_tool_compile "$line" "$train" --json --no-plan
      compare_tool_compile "$line" "$train" --json --as-program
      pairs=$((pairs + 1))
    done
  done < <(find "$FIXTURES" -name '*_linea.txt' | sort)
  ((pairs > 0)) || fail "no fixture pair NAME_linea.txt with NAME_*-.txt under $FIXTURES"
  echo "scenario-tool.exe compile --json (with and without the plan, strict and as the" \
    "program) matched the Linux tool" \
    "on $pairs fixture pairs"
}

# A text board at position 0 takes cell 1, the place of the format markers:
# without --json the run ends through the message box, with status 1 and no
# binary file.
check_error_1250_message_box() {
  local dir=$FIXTURES/error_1250 written
  compare_tool_compile "$dir/PROVA-1250_linea.txt" "$dir/PROVA-1250_00001-.txt"
  ((STATUS == 1)) || fail "error 1250 fixture: exit status $STATUS, 1 expected"
  ((BOXES == 1)) || fail "error 1250 fixture: no message box was shown"
  written=$(find "$TOOL_DIR" -name '*.dat' -o -name '*.sim')
  [[ -z "$written" ]] || fail "error 1250 fixture: binary files were written: $written"
  echo "error 1250: one modal message box, closed with Return; status 1; no binary file"
}

# The embedded scenario: "sources" writes the same five text files on both
# systems, and "compile" of them the same binary files, plan included.
check_tool_embedded_scenario() {
  local lin=$WORK/sources/linux win=$WORK/sources/windows
  mkdir -p "$lin" "$win"
  (cd "$lin" && "$LINUX_BIN/scenario-tool" sources --out .) || fail "scenario-tool sources failed"
  pushd "$win" >/dev/null
  run_windows scenario-tool "$WINDOWS_BIN/scenario-tool.exe" sources --out . >/dev/null
  popd >/dev/null
  ((STATUS == 0 && BOXES == 0)) || fail "scenario-tool.exe sources: status $STATUS"
  same_files "$lin" "$win"
  compare_tool_compile "$lin/BORGOLAGO-CIMAPASSO_linea.txt" \
    "$lin/BORGOLAGO-CIMAPASSO_51827-.txt" --json
  echo "embedded scenario: sources and compile --json gave the same files as the Linux tool:" \
    "$(list_files "$TOOL_DIR/out" | tr '\n' ' ')"
}
