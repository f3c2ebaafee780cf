#!/usr/bin/env bash
# Installs what is missing, builds the tool in release mode and makes its
# Debian package:
#   bash scripts/package.sh        writes build-package/qvconfig_<version>_<arch>.deb
# The package's build folder has no tests and no benchmarks, so it builds only
# what the package holds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/scripts/install-deps.sh"
build="$root/build-package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQV_BUILD_TESTS=OFF -DQV_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
cpack --config "$build/CPackConfig.cmake" -B "$build" >/dev/null
ls "$build"/*.deb
