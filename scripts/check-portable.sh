#!/usr/bin/env bash
# Compiles every portable source (all of src/ but the platform backends, the
# toolkit backends and the two entry points) with the Windows cross compiler,
# compile only, so that a POSIX, Linux or toolkit header in portable code
# fails before a Windows backend exists.
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=i686-w64-mingw32-g++-posix
if ! command -v "$compiler" >/dev/null; then
  echo "check-portable: $compiler is missing (scripts/install-deps.sh installs it)" >&2
  exit 1
fi

mapfile -t sources < <(find src -name '*.cpp' -not -path 'src/platform/posix/*' \
  -not -path 'src/platform/win32/*' -not -path 'src/ui/qt/*' -not -path 'src/ui/win32/*' -not -path 'src/main.cpp' -not -path 'src/WinMain.cpp' | sort)
failed=0
# The cross compiler ships some POSIX headers of its own (unistd.h,
# pthread.h), so those are looked for by name as well.
if grep -nE '^#include <(unistd|pthread|dlfcn|fcntl|poll|spawn|sched|semaphore|termios)\.h>|^#include <(sys|linux|vulkan|xcb|X11)/|^#include <(SDL|Q[A-Za-z]+|windows\.h)' \
    $(find src -name '*.h' -o -name '*.cpp' | grep -vE '^src/(platform/posix|platform/win32|ui/qt|ui/win32)/|^src/(main|WinMain).cpp$'); then
  echo "check-portable: the includes above belong in a platform or toolkit backend" >&2
  failed=1
fi
for source in "${sources[@]}"; do
  if ! "$compiler" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Isrc "$source"; then
    failed=1
  fi
done
if [ "$failed" -ne 0 ]; then
  echo "check-portable: portable code is not portable" >&2
  exit 1
fi
echo "check-portable: ${#sources[@]} portable sources compile for Windows"
