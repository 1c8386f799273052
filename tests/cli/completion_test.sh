#!/usr/bin/env bash
# The bash completion of mensurex, called as bash calls it: COMP_WORDS and
# COMP_CWORD set, COMPREPLY read. Usage: completion_test.sh COMPLETION_FILE
set -uo pipefail
# shellcheck source=/dev/null
source "${1:?usage: completion_test.sh COMPLETION_FILE}"
failures=0
# expect "WANTED" WORD...: completing the last word gives WANTED.
expect() {
  local wanted=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _mensurex
  local got="${COMPREPLY[*]}"
  if [[ $got != "$wanted" ]]; then
    echo "completing ${COMP_WORDS[*]}: wanted \"$wanted\", got \"$got\"" >&2
    failures=$((failures + 1))
  fi
}
expect "--to --to-unit" mensurex --t
expect "--from-unit" mensurex --from-
expect "iec iec-i" mensurex --from = i
expect "--zero-terminated" mensurex 1 KB --z
expect "auto" mensurex --to a
expect "" mensurex --to-unit ""
expect "KB K Ki KiB" mensurex --to K
expect "GB G Gi GiB" mensurex --from G
expect "MB M Mi MiB" mensurex --to = M
expect "from-zero" mensurex --round = fr
expect "abort fail warn ignore" mensurex --invalid ""
expect "" mensurex --precision ""
expect "" mensurex 1
[[ $(complete -p mensurex) == "complete -F _mensurex mensurex" ]] ||
  { echo "no completion registered for mensurex" >&2; failures=$((failures + 1)); }
exit $((failures > 0))
