#!/usr/bin/env bash
# CI stage for installation and release packages:
#  - `cmake --install` into an empty prefix gives both programs, their
#    manual pages, the completion script, the docs and the examples;
#  - the Debian package lists usr/bin/scenario-tool and declares its
#    dependencies; unpacked into a scratch root, its scenario-tool reports
#    the project version, man renders both manual pages, and the completion
#    script loads in bash and completes "scenario-tool co" to "compile";
#  - the .tar.gz holds the same tree;
#  - the Windows cross build gives a .zip with both .exe files, the docs and
#    the examples (skipped, saying so, when MinGW-w64 cannot be installed).
# Uses the build of the ci preset (configured and built when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

echo "== packages"
SECONDS=0
need=()
for pkg in dpkg-dev man-db groff-base bsdextrautils unzip; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if ((${#need[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

fail() {
  echo "FAILED: $*" >&2
  exit 1
}
# Fails unless the listing on standard input has a line ending in each name.
expect_listed() {
  local what=$1 listing name
  shift
  listing=$(cat)
  for name in "$@"; do
    grep -Eq "(^|[ /])${name//./\\.}\$" <<<"$listing" || fail "$what does not list $name"
  done
}

cmake --preset ci >/dev/null
cmake --build --preset ci
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/ci/CMakeCache.txt)
[[ -n $version ]] || fail "no project version in build/ci/CMakeCache.txt"

work=$(mktemp -d /tmp/scenario-packages.XXXXXX)
trap 'rm -rf "$work"' EXIT

echo "-- cmake --install into an empty prefix"
cmake --install build/ci --prefix "$work/prefix" >/dev/null
installed=(bin/scenario bin/scenario-tool share/man/man1/scenario.1 share/man/man1/scenario-tool.1
  share/bash-completion/completions/scenario-tool share/doc/scenario-compiler/README.md
  share/doc/scenario-compiler/docs/binary-files.md)
for f in "${installed[@]}"; do
  [[ -s $work/prefix/$f ]] || fail "cmake --install did not install $f"
done
[[ -x $work/prefix/bin/scenario && -x $work/prefix/bin/scenario-tool ]] || fail "programs not executable"
ls "$work"/prefix/share/doc/scenario-compiler/examples/embedded/*_linea.txt >/dev/null ||
  fail "no embedded example installed"
if "$work/prefix/bin/scenario-tool" help new >/dev/null 2>&1; then
  ls "$work"/prefix/share/doc/scenario-compiler/examples/starter/*_linea.txt >/dev/null ||
    fail "the tool has \"new\" but no starter example is installed"
fi

echo "-- Debian package and .tar.gz"
rm -rf build/ci/packages
(cd build/ci && cpack -G "DEB;TGZ" >/dev/null)
deb=$(ls build/ci/packages/scenario-compiler_"$version"_*.deb)
tgz=$(ls build/ci/packages/scenario-compiler-"$version"-*.tar.gz)
dpkg-deb -c "$deb" | awk '{print $NF}' |
  expect_listed "$deb" usr/bin/scenario usr/bin/scenario-tool usr/share/man/man1/scenario.1 \
    usr/share/man/man1/scenario-tool.1 usr/share/bash-completion/completions/scenario-tool \
    usr/share/doc/scenario-compiler/README.md
depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libc6* ]] || fail "$deb declares Depends: '$depends'"
if objdump -p build/ci/bin/scenario-tool | grep -q 'NEEDED.*librsvg'; then
  [[ $depends == *librsvg* ]] || fail "scenario-tool links librsvg but $deb declares Depends: '$depends'"
fi
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "$deb is not version $version"
tar -tzf "$tgz" | expect_listed "$tgz" bin/scenario bin/scenario-tool share/man/man1/scenario-tool.1

echo "-- the Debian package unpacked into a scratch root"
dpkg -x "$deb" "$work/root"
tool=$work/root/usr/bin/scenario-tool
out=$("$tool" --version 2>&1) || fail "scenario-tool --version failed: $out"
[[ $out == *"$version"* ]] || fail "scenario-tool --version says '$out', not $version"
echo "scenario-tool --version: $out"
for page in scenario scenario-tool; do
  file=$work/root/usr/share/man/man1/$page.1
  rendered=$(MANWIDTH=100 man --warnings -l "$file" 2>"$work/man.err" | col -bx)
  [[ ! -s $work/man.err ]] || fail "man -l $page.1 warns: $(cat "$work/man.err")"
  { grep -q "^NAME" <<<"$rendered" && grep -q "$version" <<<"$rendered"; } ||
    fail "man -l $page.1 renders no NAME section or no version"
done
completion=$work/root/usr/share/bash-completion/completions/scenario-tool
completed=$(bash --norc --noprofile -c '
  source "$1" && complete -p scenario-tool >/dev/null || exit 1
  COMP_WORDS=(scenario-tool co) COMP_CWORD=1 COMP_LINE="scenario-tool co" COMP_POINT=16
  _scenario_tool scenario-tool co scenario-tool
  echo "${COMPREPLY[*]}"' _ "$completion")
[[ $completed == compile ]] || fail "completion of 'scenario-tool co' gives '$completed'"
stat -c '%s bytes: %n' "$deb" "$tgz"

echo "-- Windows .zip"
if ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
  export DEBIAN_FRONTEND=noninteractive
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends g++-mingw-w64-x86-64; } \
    >"$work/mingw-install.log" 2>&1; then
    tail -n 5 "$work/mingw-install.log" >&2 || true
    echo "SKIPPED: Windows .zip (cannot install g++-mingw-w64-x86-64)"
    echo "== packages done in ${SECONDS}s"
    exit 0
  fi
fi
# The examples of the cross build come from the Linux tool just built.
cmake --preset windows -DSCENARIO_HOST_TOOL="$root/build/ci/bin/scenario-tool" >/dev/null
cmake --build --preset windows
rm -rf build/windows/packages
cpack --preset windows >/dev/null
zip=$(ls build/windows/packages/scenario-compiler-"$version"-*.zip)
unzip -l "$zip" | awk '{print $NF}' |
  expect_listed "$zip" scenario.exe scenario-tool.exe README.md docs/binary-files.md \
    examples/embedded/BORGOLAGO-CIMAPASSO_linea.txt
if build/ci/bin/scenario-tool help new >/dev/null 2>&1; then
  unzip -l "$zip" | awk '{print $NF}' | expect_listed "$zip" examples/starter/ESEMPIO_linea.txt
fi
stat -c '%s bytes: %n' "$zip"
echo "== packages done in ${SECONDS}s"
