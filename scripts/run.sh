#!/usr/bin/env bash
# Installs what is missing, builds the tool and opens it in a game folder:
#   bash scripts/run.sh [game-folder]
# Without a folder it opens in a demo game folder, build/demo-game, whose
# stand-in Zarvex.exe shows the settings it finds when Start Game runs it.
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
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target qvconfig

if [ -z "$folder" ]; then
  folder="$root/build/demo-game"
  mkdir -p "$folder"
  cp "$root/scripts/demo-game/Zarvex.exe" "$folder/Zarvex.exe"
  chmod +x "$folder/Zarvex.exe"
fi

cd "$folder"
exec "$root/build/src/qvconfig"
