#!/usr/bin/env bash
# Installs what is missing, builds the tool and opens it in a game folder:
#   bash scripts/run.sh [game-folder]
# Without a folder it opens in a demo game folder, build-tool/demo-game, whose
# stand-in Zarvex.exe shows the settings it finds when Start Game runs it.
# The tool has a build folder of its own without tests and benchmarks, so
# running it needs neither GoogleTest nor the benchmarks' libraries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi

folder=""
if [ $# -gt 0 ]; then
  if [ ! -d "$1" ]; then
    echo "run.sh: no such game folder: $1" >&2
    exit 2
  fi
  folder=$(cd "$1" && pwd)
fi

bash "$root/scripts/install-deps.sh"
build="$root/build-tool"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target qvconfig

if [ -z "$folder" ]; then
  folder="$build/demo-game"
  mkdir -p "$folder"
  cp "$root/scripts/demo-game/Zarvex.exe" "$folder/Zarvex.exe"
  chmod +x "$folder/Zarvex.exe"
fi

exec "$build/src/qvconfig" -- "$folder"
