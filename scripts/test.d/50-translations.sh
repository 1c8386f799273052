#!/usr/bin/env bash
# Every text the program shows is in every translation file and translated:
# lupdate reads each library's sources into copies of its own set,
# translations/SET/SET_LANG.ts, and any entry that it finds new (unfinished)
# or drops (another library's text) fails the check. The menu entry's and
# AppStream page's texts (translations/desktop/*.po) are checked the same
# way. After changing a text, run
# `cmake --build build --target update_translations` and translate it.
set -euo pipefail
cd "$(dirname "$0")/../.."

lupdate=/usr/lib/qt6/bin/lupdate
[[ -x $lupdate ]] || { echo "translations: missing $lupdate (qt6-l10n-tools)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check_set TS_FOLDER SOURCES...: lupdate reads SOURCES into copies of the .ts
# files of TS_FOLDER; every entry must be translated and the copies unchanged.
fail=0
check_set() {
  local folder=$1 copy="$work/$1"
  shift
  mkdir -p "$copy"
  cp "$folder"/*.ts "$copy/"
  # Without the build's include paths lupdate warns about classes it cannot
  # see; the contexts it records are right all the same.
  if ! "$lupdate" -silent -no-obsolete -locations none "$@" -ts "$copy"/*.ts \
      2>"$work/lupdate.log"; then
    cat "$work/lupdate.log" >&2
    exit 1
  fi
  local ts texts untranslated
  for ts in "$copy"/*.ts; do
    texts=$(grep -c '<source>' "$ts" || true)
    untranslated=$(grep -c 'type="unfinished"' "$ts" || true)
    if [[ $texts -eq 0 ]]; then
      echo "translations: lupdate found no texts for $(basename "$ts")" >&2
      fail=1
    elif [[ $untranslated -ne 0 ]]; then
      echo "translations: $(basename "$ts"): $untranslated of $texts texts untranslated:" >&2
      grep -B2 'type="unfinished"' "$ts" | sed -n 's/.*<source>\(.*\)<\/source>.*/  \1/p' >&2
      fail=1
    fi
    if ! cmp -s "$ts" "$folder/$(basename "$ts")"; then
      echo "translations: $folder/$(basename "$ts") is out of date with the sources" >&2
      fail=1
    fi
  done
}
# A window library's sources: its folder, less printing, a library of its own.
for set in main about shared; do
  # shellcheck disable=SC2046  # one word a file
  check_set "translations/$set" $(find "ui/$set" -path ui/main/print -prune \
    -o -name '*.cc' -print -o -name '*.h' -print)
done
check_set translations/search search
if "$lupdate" -silent ui/main/print -ts "$work/print.ts" 2>/dev/null &&
   grep -q '<source>' "$work/print.ts"; then
  echo "translations: ui/main/print shows texts, but has no set" >&2
  fail=1
fi
# Every set has every language of translations/LANGUAGES and no other, as
# has the menu entry's and AppStream texts; CMake gives each its fit test.
listed_languages=$(grep -v '^#' translations/LANGUAGES | cut -d' ' -f1 | sort)
for set in main about shared search; do
  set_languages=$(for ts in "translations/$set"/*.ts; do
    basename "$ts" .ts | sed "s/^${set}_//"
  done | sort)
  if [[ $set_languages != "$listed_languages" ]]; then
    echo "translations: the languages of translations/$set and translations/LANGUAGES differ:" >&2
    diff <(echo "$set_languages") <(echo "$listed_languages") >&2 || true
    fail=1
  fi
done
for language in $listed_languages; do
  po=translations/desktop/$language.po
  if ! stats=$(msgfmt --check-format --statistics -o /dev/null "$po" 2>&1) ||
     [[ $stats == *untranslated* || $stats == *fuzzy* ]]; then
    echo "translations: $po: $stats" >&2
    fail=1
  fi
done
[[ $fail -eq 0 ]] && echo "translations: every text translated in $(wc -w <<<"$listed_languages") languages"
exit $fail
