#!/usr/bin/env bash
# VS Code extension stage: installs the extension's dependencies from npm and
# packages it with vsce into build/vscode/. Skipped, with a note, when npm or
# its registry cannot be reached; a packaging failure fails the stage.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v npm >/dev/null 2>&1; then
  echo "== vscode extension: npm is not installed; skipped"
  exit 0
fi
if ! timeout 20 npm ping >/dev/null 2>&1; then
  echo "== vscode extension: the npm registry is not reachable; skipped"
  exit 0
fi

echo "== vscode extension: package with vsce"
repo=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r editors/vscode/. "$work"/
mkdir -p build/vscode
(
  cd "$work"
  npm install --no-audit --no-fund --omit=dev
  # vsce asks before packaging without a repository or a licence file:
  # the answers are yes.
  { yes y || true; } | npx --yes @vscode/vsce package --out "$repo/build/vscode/scenario-descriptions.vsix"
)
ls -l build/vscode/scenario-descriptions.vsix
