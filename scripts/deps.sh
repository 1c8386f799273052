#!/usr/bin/env bash
# Installs the Debian packages named in the given lists (scripts/packages-NAME.txt)
# that are not installed yet and, for the test list, generates the locales the
# tests run under. Prints nothing when nothing is missing.
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

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

install_missing() {
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  local log
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
}

# The locales that tests set in LANG; each is generated once (localedef from
# the locales package), so a second run does nothing.
generate_test_locales() {
  local locale
  # The languages' locales, and further ones whose numbers tests read.
  for locale in $(grep -v '^#' "$here/../translations/LANGUAGES" | cut -d' ' -f2) \
      en_US de_CH ar_EG fa_IR hi_IN en_IN; do
    if ! locale -a 2>/dev/null | grep -qix "${locale}.utf-\?8"; then
      echo "Generating the locale ${locale}.UTF-8"
      "${sudo[@]}" localedef -i "$locale" -f UTF-8 "${locale}.UTF-8"
    fi
  done
}

install_missing
for list in "$@"; do
  [[ "$list" == test ]] && generate_test_locales
done
exit 0
