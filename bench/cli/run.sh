#!/usr/bin/env bash
# Converts COUNT amounts (default 1000000) read from a file with mensurex and
# with numfmt in the same run, as whole processes: to bytes and other units
# against `numfmt --from=iec`, byte counts to a readable unit against
# `numfmt --to=iec`, COUNT lines that are no amounts (complaints to a file)
# against as many good lines, and numfmt's own options (`--from=iec
# --to=si`) given to both. It prints for each command the median
# wall time of RUNS runs (default 5) and its ratio to the row it is compared
# with, with the median CPU time (user + system) beside it. The runs of the
# commands take turns, so that a change in the machine's load falls on all of
# them alike. Then it times one amount of 100,000 and of 1,000,000 digits
# (exabytes to bytes), and measures the peak memory over 10 million lines.
# Usage: bench/cli/run.sh BUILD_DIR [COUNT [RUNS]]   (build Release for figures)
set -euo pipefail
build=${1:?usage: bench/cli/run.sh BUILD_DIR [COUNT [RUNS]]}
count=${2:-1000000}
runs=${3:-5}
mensurex="$(cd "$build" && pwd)/cli/mensurex"
[[ -x "$mensurex" ]] || { echo "no $mensurex: build the mensurex target" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
amounts="$work/amounts.txt"
# Amounts that both programs read alike: integers and decimal fractions with
# no unit or a one-letter binary prefix, all below 2^63 bytes.
awk -v n="$count" 'BEGIN {
  srand(1)
  split(",K,M,G,T,P", units, ",")
  for (i = 0; i < n; i++) {
    unit = units[1 + int(rand() * 6)]
    amount = 1 + int(rand() * 8191)
    if (rand() < 0.5) amount = amount "." int(rand() * 1000)
    print amount unit
  }
}' >"$amounts"

# Byte counts for --to auto, and lines that are no amounts, as many.
awk -v n="$count" 'BEGIN { srand(3); for (i = 0; i < n; i++) printf "%d\n", int(2 ^ (rand() * 50)) }' >"$work/bytes.txt"
awk -v n="$count" 'BEGIN { for (i = 0; i < n; i++) print "x" i }' >"$work/bad.txt"

export LC_ALL=C
# Bad lines exit with status 1; their complaints go to a file.
bad_lines() { "$mensurex" --to B <"$work/bad.txt" 2>"$work/err.txt" || [[ $? == 1 ]]; }
# name, command, and the row whose time it is compared with
rows=(
  "numfmt --from=iec|numfmt --from=iec <$amounts|0"
  "mensurex --to B|$mensurex --to B <$amounts|0"
  "mensurex --to EB|$mensurex --to EB <$amounts|0"
  "mensurex (seven units)|$mensurex <$amounts|0"
  "numfmt --to=iec|numfmt --to=iec <$work/bytes.txt|4"
  "mensurex --to auto -p1|$mensurex --to auto --precision 1 <$work/bytes.txt|4"
  "mensurex --to B, bytes|$mensurex --to B <$work/bytes.txt|6"
  "mensurex --to B, bad|bad_lines|6"
  "numfmt --from=iec --to=si|numfmt --from=iec --to=si <$amounts|8"
  "mensurex --from=iec --to=si|$mensurex --from=iec --to=si <$amounts|8"
  "mensurex --from=iec|$mensurex --from=iec <$amounts|0"
  "numfmt --to=iec --suffix=B|numfmt --to=iec --suffix=B <$work/bytes.txt|11"
  "mensurex --to=iec --suffix=B|$mensurex --to=iec --suffix=B <$work/bytes.txt|11"
)
# Every command must do its work, or its time means nothing; this first
# pass also warms the file cache.
for row in "${rows[@]}"; do
  IFS='|' read -r name cmd ref <<<"$row"
  eval "$cmd" >/dev/null || { echo "not every amount converted: $name" >&2; exit 1; }
done

TIMEFORMAT='%R %U %S'
for ((run = 0; run < runs; run++)); do
  for i in "${!rows[@]}"; do
    IFS='|' read -r name cmd ref <<<"${rows[$i]}"
    { time eval "$cmd" >/dev/null; } 2>>"$work/times.$i"
  done
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "$count amounts (or lines), medians of $runs runs; ratio: to the row named"
printf '%-28s %8s %8s %8s  %s\n' "command" "wall s" "ratio" "cpu s" "compared with"
for i in "${!rows[@]}"; do
  IFS='|' read -r name cmd ref <<<"${rows[$i]}"
  IFS='|' read -r ref_name _ _ <<<"${rows[$ref]}"
  wall=$(awk '{ print $1 }' "$work/times.$i" | median)
  base=$(awk '{ print $1 }' "$work/times.$ref" | median)
  cpu=$(awk '{ print $2 + $3 }' "$work/times.$i" | median)
  awk -v n="$name" -v w="$wall" -v b="$base" -v c="$cpu" -v r="$ref_name" \
    'BEGIN { printf "%-28s %8.3f %8.2f %8.3f  %s\n", n, w, w / b, c, r }'
done

# The two speeds that matter most, against their limits.
ratio_of() {
  local wall base
  wall=$(awk '{ print $1 }' "$work/times.$1" | median)
  base=$(awk '{ print $1 }' "$work/times.$2" | median)
  awk -v w="$wall" -v b="$base" 'BEGIN { printf "%.2f", w / b }'
}
echo "mensurex --to auto -p1: $(ratio_of 5 4)x numfmt --to=iec (at most 0.5x);" \
  "mensurex --to B: $(ratio_of 1 0)x numfmt --from=iec (at most 0.35x);" \
  "mensurex --from=iec: $(ratio_of 10 0)x and --to=iec --suffix=B:" \
  "$(ratio_of 12 11)x numfmt's own (at most 0.5x)"

# The cost of one long amount must grow about linearly with its digits.
long_time() {
  awk -v n="$1" 'BEGIN { srand(2); s = "1"; for (i = 1; i < n; i++) s = s int(rand() * 10); print s " EB" }' >"$work/long.txt"
  for ((run = 0; run < runs; run++)); do
    { time "$mensurex" --to B <"$work/long.txt" >/dev/null; } 2>&1 | awk '{ print $1 }'
  done | median
}
short=$(long_time 100000)
long=$(long_time 1000000)
awk -v s="$short" -v l="$long" 'BEGIN {
  printf "one amount: 100000 digits %.3f s, 1000000 digits %.3f s (%.1fx)\n", s, l, l / s }'

# Peak memory (RSS) over 10 million lines, as the kernel counts it.
awk 'BEGIN { for (i = 0; i < 10000000; i++) print i % 100000 "." i % 7 "K" }' |
  python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
print("10000000 lines: peak RSS", resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss, "KiB")' \
    "$mensurex" --to B
