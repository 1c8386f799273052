#!/usr/bin/env bash
# Every shell script in the repository passes shellcheck at its default
# severity (style and above). A script is a file that git tracks, or would
# track, named *.sh or *.bash or whose #! line names a shell, so a new script
# is checked without editing this file. Sourced files are followed (-x) from
# the repository's root, where the scripts' `source` paths start.
set -euo pipefail
cd "$(dirname "$0")/../.."
command -v shellcheck >/dev/null ||
  { echo "shellcheck: not installed (package shellcheck)" >&2; exit 1; }

is_shell_script() {
  local first=""
  case $1 in *.sh | *.bash) return 0 ;; esac
  IFS= read -r -n 128 first <"$1" 2>/dev/null || true
  [[ $first =~ ^#!.*[/[:space:]](sh|bash|dash|ksh)([[:space:]]|$) ]]
}

scripts=()
while IFS= read -r -d '' f; do
  [[ -f $f ]] && is_shell_script "$f" && scripts+=("$f")
done < <(git ls-files -z --cached --others --exclude-standard)
[[ ${#scripts[@]} -gt 0 ]] || { echo "shellcheck: no scripts found" >&2; exit 1; }

if ! shellcheck -x "${scripts[@]}" >&2; then
  echo "shellcheck: findings above (fix them, or disable one on its line with the reason)" >&2
  exit 1
fi
echo "shellcheck: ${#scripts[@]} scripts clean"
