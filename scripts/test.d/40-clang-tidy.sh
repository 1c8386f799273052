#!/usr/bin/env bash
# Runs clang-tidy (configuration in .clang-tidy) over the project's own C++
# sources that build/ compiles, two files at a time; any finding fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
db=build/compile_commands.json
command -v clang-tidy >/dev/null || { echo "clang-tidy not found" >&2; exit 1; }
[[ -s "$db" ]] || { echo "no $db: build first" >&2; exit 1; }

# The database holds g++'s flags; clang skips those it does not know.
# Tracked sources only (never generated moc files), and only those the build
# compiles, so that every file is analysed with its real flags.
mapfile -t files < <(git ls-files '*.cc' '*.cpp' | while read -r f; do
  grep -qF "\"file\": \"$root/$f\"" "$db" && echo "$f"
done)
[[ ${#files[@]} -gt 0 ]] || { echo "no sources found in $db" >&2; exit 1; }

log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
export root log
status=0
# The file name is an argument of the inner shell, never part of its code.
# shellcheck disable=SC2016  # the inner shell expands these
printf '%s\n' "${files[@]}" | xargs -P 2 -I{} bash -c '
  out="$log/$(echo "$1" | tr / _).txt"
  clang-tidy -p build --quiet --extra-arg=-Wno-unknown-warning-option \
    --header-filter="^$root/((amounts|engine|cli|search|window_bus|ui|app|tests|bench|fuzz|packaging)/)" \
    "$1" >"$out" 2>&1 || { echo "clang-tidy: findings in $1" >"$out.failed"; }
' clang-tidy {} || status=1
for f in "$log"/*.failed; do
  [[ -e "$f" ]] || continue
  status=1
  cat "$f" >&2
  grep -vE '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$' "${f%.failed}" >&2 || true
done
[[ $status -eq 0 ]] && echo "clang-tidy: ${#files[@]} files clean"
exit $status
