#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for a given time.
#   scripts/fuzz.sh                      every target for 60 seconds
#   scripts/fuzz.sh --seconds 600        every target for ten minutes
#   scripts/fuzz.sh config_file file_handle --seconds 3600
# Each target keeps what it learns in build-fuzz/corpus/<target>, so later runs
# go on from there; the seeds in fuzz/corpus (each target's own folder, merged
# from long runs, and hand-written settings files) and the malformed settings
# files of tests/settings/corpus are read, never changed. An input that breaks a
# target is saved in build-fuzz/artifacts/<target>/; run the target on that
# file alone to see the failure again. Ends non-zero when any target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

seconds=60
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    -h|--help) sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done
all=(config_file config_values file_handle compose_path game_settings)
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

bash scripts/install-deps.sh --fuzz

build="$root/build-fuzz"
cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_C_COMPILER=clang-14 >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

# libFuzzer stops on the first finding; leaks count as findings too.
export ASAN_OPTIONS="detect_leaks=1:quarantine_size_mb=64:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"

failed=0
summary=()
for target in "${targets[@]}"; do
  case "$target" in
    compose_path) seeds=(); dict="$root/fuzz/compose_path.dict" ;;
    *) seeds=("$root/fuzz/corpus/settings" "$root/tests/settings/corpus"); dict="$root/fuzz/settings.dict" ;;
  esac
  # Each target's own seeds, merged from long runs, come first: a short run
  # starts from the coverage those reached.
  seeds=("$root/fuzz/corpus/$target" "${seeds[@]}")
  corpus="$build/corpus/$target"
  artifacts="$build/artifacts/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  existing=()
  for seed in "${seeds[@]}"; do [ -d "$seed" ] && existing+=("$seed"); done
  echo "fuzz: $target for ${seconds}s (log: ${log#"$root"/})"
  status=0
  # A settings file is a few KB; large files are the malformed-file test's
  # (and file_handle repeats its input up to megabytes itself), so inputs
  # stay small and the runs fast.
  "$build/fuzz_$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 -max_len=2048 \
    -print_final_stats=1 -dict="$dict" -artifact_prefix="$artifacts/" \
    "$corpus" "${existing[@]}" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  units=$(find "$corpus" -type f | wc -l)
  if [ "$status" -eq 0 ]; then
    result="ok"
  else
    result="FAILED"
    failed=1
    grep -E 'FUZZ CHECK|ERROR:|SUMMARY:|runtime error|  at |Test unit written' "$log" | head -20 >&2 || true
  fi
  summary+=("$(printf '%-14s %10s runs %8s/s %6s in corpus  %s' "$target" "${runs:-?}" \
    "${speed:-?}" "$units" "$result")")
done

echo
printf '%s\n' "${summary[@]}"
exit "$failed"
