#!/usr/bin/env bash
# The Windows build: installs what is missing (the MinGW-w64 cross compiler,
# Wine, GoogleTest's sources, Xvfb), cross-builds the tree into build-win/
# with cmake/mingw-w64-i686.cmake, packs build-win/qvconfig-<version>-win32.zip,
# and runs the Windows tests under 32-bit Wine in build-win/wineprefix, with an
# Xvfb display of their own for the tests that open windows or Direct3D. The
# end-to-end test compares qvconfig.exe with the Linux build's program, which
# it takes from build/ (scripts/test.sh's), building just that when missing.
#   scripts/windows.sh            build and test
#   scripts/windows.sh --build    build only
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh --windows

build=build-win
jobs="${QV_JOBS:-$(nproc)}"
start=$SECONDS
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j"$jobs"
cpack --config "$build/CPackConfig.cmake" -B "$build" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip="$build/qvconfig-$version-win32.zip"
# Its files at its top, to unpack into the game's folder (a licence file added
# to the tree joins them and this list).
contents=$(python3 -c 'import sys, zipfile
print(" ".join(sorted(zipfile.ZipFile(sys.argv[1]).namelist())))' "$zip")
[ "$contents" = "qvconfig-README.md qvconfig.exe" ] || { echo "windows: $zip holds: $contents" >&2; exit 1; }
echo "windows: built and packed $zip in $((SECONDS - start)) s"
[ "${1:-}" = "--build" ] && exit 0

# The Linux program the end-to-end test compares with, up to date (nothing to
# do after scripts/test.sh).
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target qvconfig >/dev/null

# A display of our own: the first free one that Xvfb finds.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
export WINEPREFIX="$PWD/$build/wineprefix"
cleanup() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
[ -s "$display_file" ] || { echo "windows: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$display_file")"

# A new prefix is made once (a few seconds), before the tests start at once.
"$build/wine-run.sh" wineboot --init >/dev/null 2>&1
# Without a window manager Wine waits about 2 s for each window it hands to
# one; unmanaged, it places and draws them itself.
"$build/wine-run.sh" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w
tests_start=$SECONDS
# A test that hangs fails after five minutes instead of holding up the run.
ctest --test-dir "$build" --output-on-failure --timeout 300 -j"$jobs"
echo "windows: tests in $((SECONDS - tests_start)) s, $((SECONDS - start)) s in all"
