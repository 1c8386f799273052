#!/usr/bin/env bash
# Fuzzes every door through which a stranger's text comes in, and the doors
# against each other (fuzz/CMakeLists.txt lists the targets), with clang,
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer. Any finding
# fails the check; its input is kept in build-fuzz/findings/, named after its
# target.
#
# The check is reproducible: each target makes a fixed number of runs from a
# fixed seed, with address randomisation off where the system allows it (the
# targets' coverage depends on where things lie in memory), so the same
# commit finds the same things on every machine. The targets run side by
# side, about two minutes on two cores. MENSUREX_FUZZ_SECONDS caps each
# target's time (300 by default); a slower machine stops early and makes a
# prefix of the same runs. To explore instead, set MENSUREX_FUZZ_SEED=0 (a
# new seed each time) and a longer MENSUREX_FUZZ_SECONDS.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${MENSUREX_FUZZ_SECONDS:-300}
seed=${MENSUREX_FUZZ_SEED:-1}
# Each target, with the longest input worth trying (a query is refused
# beyond a KiB, and so is what the doors are compared on) and its runs.
targets=(engine_fuzz:4096:4000000 query_fuzz:1100:3000000
  mensurex_fuzz:4096:300000 doors_fuzz:1100:2300000)
runs_of() {
  if [[ $seed == 0 ]]; then echo -1; else echo "${1##*:}"; fi
}
seed_name="seed $seed"
[[ $seed != 0 ]] || seed_name="a new seed"
fixed_layout=()
if setarch -R true 2>/dev/null; then fixed_layout=(setarch -R); fi

cmake -S . -B build-fuzz -G Ninja -Wno-dev \
  -DCMAKE_CXX_COMPILER=clang++ -DMENSUREX_FUZZ=ON -DMENSUREX_WERROR=ON \
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
  max_len=${entry#*:}
  "${fixed_layout[@]}" build-fuzz/fuzz/"$name" -seed="$seed" -runs="$(runs_of "$entry")" \
    -max_total_time="$seconds" -max_len="${max_len%%:*}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
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
  echo "$name: $runs runs from $seed_name, clean (peak RSS ${rss} MB)"
done
exit "$failed"
