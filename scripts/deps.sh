#!/usr/bin/env bash
# Installs the Debian packages named in the given lists (scripts/packages-NAME.txt)
# that are not installed yet. Prints nothing when nothing is missing.
# Usage: scripts/deps.sh build [test]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

missing=()
for list in "$@"; do
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done <"$here/packages-$list.txt"
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
echo "Installing: ${missing[*]}"
log=$(mktemp)
if ! { "${sudo[@]}" apt-get update -qq &&
       "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
         apt-get install -y -qq "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  echo "Package installation failed." >&2
  exit 1
fi
rm -f "$log"
