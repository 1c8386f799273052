#!/usr/bin/env bash
# Every text the program shows is in every translation file and translated:
# lupdate reads the sources into copies of translations/*.ts (the search
# provider's into copies of translations/search/*.ts), and any entry
# that it finds new (unfinished) fails the check. The menu entry's and
# AppStream page's texts (translations/desktop/*.po) are checked the same
# way. After changing a text, run
# `cmake --build build --target update_translations` and translate it.
set -euo pipefail
cd "$(dirname "$0")/../.."

lupdate=/usr/lib/qt6/bin/lupdate
[[ -x $lupdate ]] || { echo "translations: missing $lupdate (qt6-l10n-tools)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# check_set SOURCES TS_FOLDER: lupdate reads SOURCES into copies of the .ts
# files of TS_FOLDER; every entry must be translated and the copies unchanged.
fail=0
check_set() {
  local sources=$1 folder=$2 copy="$work/$2"
  mkdir -p "$copy"
  cp "$folder"/*.ts "$copy/"
  # Without the build's include paths lupdate warns about classes it cannot
  # see; the contexts it records are right all the same.
  if ! "$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$copy"/*.ts \
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
check_set ui translations
# The search provider's texts, a set of their own.
check_set search translations/search
# Every language of translations/LANGUAGES has the windows' texts, its menu
# entry and AppStream texts and the search provider's texts, and the other
# way round; CMake gives each its fit test.
ts_languages=$(for ts in translations/mensurex2_*.ts; do
  basename "$ts" .ts | sed 's/^mensurex2_//'
done | sort)
listed_languages=$(grep -v '^#' translations/LANGUAGES | cut -d' ' -f1 | sort)
if [[ $ts_languages != "$listed_languages" ]]; then
  echo "translations: the languages of translations/*.ts and translations/LANGUAGES differ:" >&2
  diff <(echo "$ts_languages") <(echo "$listed_languages") >&2 || true
  fail=1
fi
for language in $ts_languages; do
  if [[ ! -e translations/search/search_$language.ts ]]; then
    echo "translations: $language has no translations/search/search_$language.ts" >&2
    fail=1
  fi
  po=translations/desktop/$language.po
  if ! stats=$(msgfmt --check-format --statistics -o /dev/null "$po" 2>&1) ||
     [[ $stats == *untranslated* || $stats == *fuzzy* ]]; then
    echo "translations: $po: $stats" >&2
    fail=1
  fi
done
ts_files=(translations/*.ts)
[[ $fail -eq 0 ]] && echo "translations: every text translated in ${#ts_files[@]} languages"
exit $fail
