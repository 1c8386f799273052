#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and window
# tests through CTest, then each further check in scripts/test.d/ in order.
set -euo pipefail
cd "$(dirname "$0")/.."
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

run_check "ctest" ctest --test-dir build --output-on-failure --no-tests=error
for check in scripts/test.d/*.sh; do
  [[ -e "$check" ]] || continue
  run_check "$(basename "$check" .sh)" bash "$check"
done

echo "checks: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
