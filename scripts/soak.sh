#!/usr/bin/env bash
# Soak test of the settings file over many runs of the tool; not run by CI.
#   scripts/soak.sh [scripted-rounds [real-rounds]]     (default 10000 and 1000)
# 1. The main window on the scripted backend: each round a new run of the
#    program that opens the window, picks another quality level and presses
#    OK. Once in the normal build (build/), where resident memory may grow by
#    at most 1 MiB after the first round, and once with the sanitizers
#    (build-san/), where LeakSanitizer checks the process when it ends.
# 2. The real qvconfig (build/) under Xvfb: open, change the level with the
#    keyboard, OK.
# Both check the file after every save (valid, the chosen level) and print
# rounds, time and resident memory at the start and the end. SOAK_JOBS sets
# the build's parallel jobs (2).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scripted=${1:-10000}
real=${2:-1000}
jobs=${SOAK_JOBS:-2}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-san" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_SANITIZE=ON >/dev/null
cmake --build "$root/build-san" -j"$jobs" --target qv_soak
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$jobs" --target qvconfig qv_soak

echo "== $scripted rounds on the scripted backend (normal build)"
"$root/build/tests/soak/qv_soak" "$scripted" 1024
echo "== $scripted rounds on the scripted backend (sanitizer build)"
LSAN_OPTIONS="suppressions=$root/tests/lsan.supp" "$root/build-san/tests/soak/qv_soak" "$scripted"

echo "== $real rounds of the real program under Xvfb"
status=0
python3 "$root/tests/soak/soak_e2e.py" "$real" "$root/build/src/qvconfig" || status=$?
# 77: Xvfb or xdotool missing, which the first part does not need.
[ "$status" -eq 77 ] && exit 0
exit "$status"
