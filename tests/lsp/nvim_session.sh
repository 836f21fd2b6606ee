#!/usr/bin/env bash
# Drives "scenario-tool lsp" with Neovim's built-in client, headless, on a
# copy of the fixture pair. Usage: nvim_session.sh PATH/TO/scenario-tool
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
route=$(mktemp -d)
trap 'rm -rf "$route"' EXIT
cp "$here"/fixtures/* "$route"/
export SCENARIO_TOOL="$tool" SCENARIO_ROUTE="$route"
# --clean: no user configuration or plugins; the session's own script only.
timeout 120 nvim --headless --clean -c "luafile $here/nvim_session.lua" 2>&1
