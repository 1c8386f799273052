#!/usr/bin/env bash
# Installs what is missing, builds, and runs the checks: the unit and window
# tests through CTest ("ctest"), then each further check in scripts/test.d/ in
# order, named after its file without the number and ".sh" ("e2e" for
# 10-e2e.sh; the full "10-e2e" is accepted too).
#
# Usage: scripts/test.sh [NAME...]   runs only the named checks, in the order
#                                    above; with no names, runs every check
#        scripts/test.sh --list      prints the check names
set -euo pipefail
cd "$(dirname "$0")/.."

# All checks as "name file" lines; the file of ctest is "-".
all_checks() {
  echo "ctest -"
  local file base
  for file in scripts/test.d/*.sh; do
    [[ -e "$file" ]] || continue
    base=$(basename "$file" .sh)
    echo "${base#[0-9]*-} $file"
  done
}

if [[ ${1:-} == --list ]]; then
  all_checks | cut -d' ' -f1
  exit 0
fi

# Each name must match a check, by its name or by its file's base name.
declare -A wanted=()
for name in "$@"; do
  match=$(all_checks | while read -r check file; do
    if [[ $name == "$check" || $name == "$(basename "$file" .sh)" ]]; then
      echo "$check"
    fi
  done)
  if [[ -z $match ]]; then
    echo "no check named '$name'; the checks are: $(all_checks | cut -d' ' -f1 | xargs)" >&2
    exit 2
  fi
  wanted[$match]=1
done

scripts/deps.sh build test
scripts/build.sh

passed=0
failed=0
run_check() {
  local name=$1
  shift
  echo "== $name"
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "== $name FAILED"
  fi
}

# Read first: a check must not read the list from its standard input.
mapfile -t checks < <(all_checks)
for line in "${checks[@]}"; do
  read -r check file <<<"$line"
  [[ $# -eq 0 || -n ${wanted[$check]:-} ]] || continue
  if [[ $file == - ]]; then
    run_check ctest ctest --test-dir build --output-on-failure --no-tests=error
  else
    run_check "$check" bash "$file"
  fi
done

echo "checks: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
