# Helpers of the Windows checks: running a Windows program under Wine with
# its message boxes answered, waiting for windows, comparing output folders.
# Sourced by session.sh; expects WORK, WINEPREFIX and a DISPLAY.

MAGICK_CONVERT=/usr/bin/convert
MAGICK_IMPORT=/usr/bin/import

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Window id of the first visible window whose title is exactly $1, waiting
# up to $2 seconds while process $3 lives; prints nothing when none shows.
wait_for_window() {
  local title=$1 seconds=$2 pid=$3 id="" tries=$(($2 * 5))
  while ((tries-- > 0)) && kill -0 "$pid" 2>/dev/null; do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    if [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
}

# Runs a Windows program under Wine in the current folder, answers each
# message box titled $1 with Return (keeping a picture of it in WORK), and
# leaves in BOXES how many it closed
# and in STATUS the exit status (124 when it did not end within 120 s).
run_windows() {
  local title=$1 id
  shift
  BOXES=0
  timeout 120 wine "$@" &
  local pid=$!
  while kill -0 "$pid" 2>/dev/null; do
    id=$(wait_for_window "$title" 1 "$pid")
    [[ -z "$id" ]] && continue
    # A modal box holds the program until it is answered.
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "$title ended while its message box was still open"
    BOXES=$((BOXES + 1))
    window_geometry "$id"
    "$MAGICK_IMPORT" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage \
      "$WORK/message-box-$(date +%s%N).png"
    xdotool windowfocus --sync "$id" key Return
    sleep 0.5
  done
  STATUS=0
  wait "$pid" || STATUS=$?
}

# Lists the regular files under folder $1 (relative names, sorted), leaving
# out the names given after it.
list_files() {
  local dir=$1
  shift
  (cd "$dir" && find . -type f | sed 's|^\./||' | sort) | grep -vxF -f <(printf '%s\n' "$@") || true
}

# The two folders hold the same set of files with the same bytes; the names
# after the folders are left out (the programs themselves).
same_files() {
  local a=$1 b=$2 name
  shift 2
  diff <(list_files "$a" "$@") <(list_files "$b" "$@") >&2 ||
    fail "$a and $b hold different files"
  while IFS= read -r name; do
    cmp "$a/$name" "$b/$name" >&2 || fail "$name differs between $a and $b"
  done < <(list_files "$a" "$@")
}

# Geometry of window $1 as X, Y, WIDTH and HEIGHT variables.
window_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
}
