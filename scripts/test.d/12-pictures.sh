#!/usr/bin/env bash
# The README's pictures are the program: each is remade from the build with
# scripts/screenshot.sh into a temporary folder and compared with its file in
# docs/. Tolerance: at most 8 pixels may differ by more than 10% of the colour
# range (ImageMagick `compare -metric AE -fuzz 10%`). Two remakes on one
# machine differ in no pixel; one changed letter of a caption changes 20 to
# 45, a control moved by one pixel about 400. On failure the remade pictures
# and the differences are kept for a look.
set -euo pipefail
cd "$(dirname "$0")/../.."

fuzz=10%
max_pixels=8

# One picture a line: its file in docs/, then the options of
# scripts/screenshot.sh that make it.
pictures=(
  "screenshot.png"
  "screenshot-dark-de.png --dark --locale de_DE.UTF-8"
  "about.png --about"
  "about-dark-de.png --about --dark --locale de_DE.UTF-8"
  "screenshot-ja.png --locale ja_JP.UTF-8"
  "screenshot-ar.png --locale ar_EG.UTF-8"
)

[[ -x build/app/Mensurex2 ]] || { echo "pictures: missing build/app/Mensurex2: build first" >&2; exit 1; }
work=$(mktemp -d)
keep=0
trap '[[ $keep -eq 1 ]] || rm -rf "$work"' EXIT

fail() {
  echo "pictures: $1" >&2
  keep=1
}

for line in "${pictures[@]}"; do
  read -r name options <<<"$line"
  read -ra options <<<"$options"
  remade=$work/$name
  remake="scripts/screenshot.sh ${options[*]}${options[*]:+ }docs/$name"
  if ! scripts/screenshot.sh "${options[@]}" "$remade" >"$work/$name.log" 2>&1; then
    cat "$work/$name.log" >&2
    fail "could not remake docs/$name"
    continue
  fi
  if [[ ! -f docs/$name ]]; then
    fail "docs/$name is missing; make it with $remake"
    continue
  fi
  # compare prints the count on standard error and exits 1 when the pictures
  # differ, 2 when it cannot compare them (other sizes, say).
  pixels=$(compare -metric AE -fuzz "$fuzz" "docs/$name" "$remade" \
    "$work/diff-$name" 2>&1) || true
  if [[ ! $pixels =~ ^[0-9]+$ ]]; then
    fail "docs/$name cannot be compared with the program's: $pixels; remake it with $remake"
  elif ((pixels > max_pixels)); then
    fail "docs/$name differs from the program's in $pixels pixels by more than $fuzz (at most $max_pixels allowed); remake it with $remake and look at it"
  fi
done

if [[ $keep -eq 1 ]]; then
  echo "pictures: the remade pictures and their differences (diff-*.png) are in $work" >&2
  exit 1
fi
echo "pictures: ${#pictures[@]} pictures match the program"
