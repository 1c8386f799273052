#!/usr/bin/env bash
# Fuzzes every door through which a stranger's text comes in, and the doors
# against each other (fuzz/CMakeLists.txt lists the targets), with clang,
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. The targets run
# side by side for MENSUREX_FUZZ_SECONDS (120 by default), which keeps the
# whole check within about three minutes on two cores. Any finding fails the
# check; its input is kept in build-fuzz/findings/, named after its target.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${MENSUREX_FUZZ_SECONDS:-120}
# Each target, with the longest input worth trying: a query is refused
# beyond a KiB, and so is what the doors are compared on.
targets=(engine_fuzz:4096 query_fuzz:1100 mensurex_fuzz:4096 doors_fuzz:1100)

cmake -S . -B build-fuzz -G Ninja -Wno-dev \
  -DCMAKE_CXX_COMPILER=clang++ -DMENSUREX_WITHOUT_QT=ON -DMENSUREX_FUZZ=ON -DMENSUREX_WERROR=ON \
  >/dev/null
cmake --build build-fuzz --target fuzzers >/dev/null

# New inputs go to scratch corpora, so the seeds in the tree stay as they are.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings=build-fuzz/findings
mkdir -p "$findings"
declare -A pids=()
for entry in "${targets[@]}"; do
  name=${entry%%:*}
  mkdir -p "$scratch/$name"
  build-fuzz/fuzz/"$name" -max_total_time="$seconds" -max_len="${entry##*:}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$scratch/$name" "fuzz/corpus/${name%_fuzz}" \
    >"$findings/$name.log" 2>&1 &
  pids[$name]=$!
done

failed=0
for entry in "${targets[@]}"; do
  name=${entry%%:*}
  status=0
  wait "${pids[$name]}" || status=$?
  log=$findings/$name.log
  if [[ $status -ne 0 ]]; then
    tail -n 40 "$log"
    echo "$name found a failure (exit $status); see $log"
    for finding in "$findings/$name"-*; do
      if [[ -e "$finding" ]]; then
        echo "  reproduce: build-fuzz/fuzz/$name $finding"
      fi
    done
    failed=1
    continue
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  echo "$name: $runs runs in ${seconds}s, clean (peak RSS ${rss} MB)"
done
exit "$failed"
