# The Windows checks proper, run by run.sh inside the virtual display with
# WINDOWS_BIN, LINUX_BIN, WORK, SCREENSHOT, FIXTURES and the Wine settings.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=checks.sh
source "$here/checks.sh"

SECONDS=0
trap 'wineserver -k 2>/dev/null || true' EXIT
wine wineboot --init >/dev/null 2>&1 || fail "cannot prepare the Wine prefix"
# No window manager runs on the virtual display: Wine then draws the title
# bar and border itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
echo "Wine prefix ready in ${SECONDS}s"

check_run_matches_linux
# The fresh prefix has none of Wine's own fonts: the label takes its stand-in.
check_wait_window "$WORK/wait-window-stand-in.png"
install_wine_fonts
check_wait_window "$WORK/wait-window.png"
if [[ -n "$SCREENSHOT" ]]; then
  cp "$WORK/wait-window.png" "$SCREENSHOT"
  echo "wait window picture kept as $SCREENSHOT"
fi

if [[ -x "$WINDOWS_BIN/scenario-tool.exe" && -x "$LINUX_BIN/scenario-tool" ]]; then
  check_tools_match_linux
  check_tool_embedded_scenario
  check_error_1250_message_box
else
  echo "scenario-tool is not built: tool comparison and message box check not run"
fi

echo "== Windows checks passed in ${SECONDS}s"
