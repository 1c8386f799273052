#!/usr/bin/env bash
# Fuzzes the entry grammar and the whole conversion for about a minute
# (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer). Any
# finding fails the check; its input is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build-fuzz -G Ninja -Wno-dev \
  -DCMAKE_CXX_COMPILER=clang++ -DMENSUREX_WITHOUT_QT=ON -DMENSUREX_FUZZ=ON -DMENSUREX_WERROR=ON \
  >/dev/null
cmake --build build-fuzz --target engine_fuzz >/dev/null

# New inputs go to a scratch corpus, so the seeds in the tree stay as they are.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p build-fuzz/findings
log=build-fuzz/findings/last-run.log
status=0
build-fuzz/fuzz/engine_fuzz -max_total_time=60 -max_len=4096 -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix=build-fuzz/findings/ "$corpus" fuzz/corpus >"$log" 2>&1 ||
  status=$?
if [[ $status -ne 0 ]]; then
  tail -n 40 "$log"
  echo "engine_fuzz found a failure (exit $status); see $log"
  exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log"
