#!/usr/bin/env bash
# Builds the Debian packages mensurex (the command) and mensurex2 (the window
# program) twice, from clean copies of the tree in two different folders:
# once running the build's tests, once with nocheck; both builds must give
# byte-identical packages. Then runs lintian on them, checks that together
# they hold everything that `cmake --install` installs and that mensurex
# depends on nothing graphical, installs, runs and removes each package on
# its own, and runs the autopkgtest tests against both. Packages that this
# check installed are removed again, so the machine is left as it was.
set -euo pipefail
cd "$(dirname "$0")/../.."
[[ -s build/identity.env ]] || { echo "no build/identity.env: build first" >&2; exit 1; }
# shellcheck source=/dev/null  # written by the build
source build/identity.env  # MENSUREX_APP_ID, MENSUREX_VERSION

started=$SECONDS
packages=(mensurex mensurex2)
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}
declare -A was_installed=()
for p in "${packages[@]}"; do
  if installed "$p"; then was_installed[$p]=1; fi
done

deb_work=$(mktemp -d)
# Removes the given packages unless they were installed before this check.
remove_ours() {
  local p
  for p in "$@"; do
    if [[ -z ${was_installed[$p]:-} ]] && installed "$p"; then
      "${sudo[@]}" dpkg -r "$p" >/dev/null 2>&1 || echo "could not remove $p" >&2
    fi
  done
}
# Another program's file for GNOME Shell beside the package's, as GNOME's
# Settings installs one, for the autopkgtest to tell apart from its own.
providers=/usr/share/gnome-shell/search-providers
stray=$providers/org.example.MensurexStray.search-provider.ini
providers_made=
remove_stray() {
  [[ -e $stray ]] && "${sudo[@]}" rm -f "$stray"
  [[ -z $providers_made ]] || "${sudo[@]}" rmdir --ignore-fail-on-non-empty "$providers"
}
cleanup() {
  remove_stray
  remove_ours "${packages[@]}"
  rm -rf "$deb_work"
}
trap cleanup EXIT
fail() {
  echo "deb: $*" >&2
  exit 1
}

# copy_tree DIR: the tracked and new files of the work tree, without build
# directories or ignored files.
copy_tree() {
  mkdir -p "$1"
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done |
    tar -c --null -T - | tar -x -C "$1"
}

# build_packages DIR [VAR=VALUE...]: dpkg-buildpackage in DIR/src with the
# given environment; the packages land in DIR.
build_packages() {
  local dir=$1
  shift
  copy_tree "$dir/src"
  if ! (cd "$dir/src" &&
        env -u DEB_BUILD_OPTIONS -u DEB_BUILD_PROFILES "$@" \
          dpkg-buildpackage -us -uc -b -Jauto) >"$dir/build.log" 2>&1; then
    tail -n 60 "$dir/build.log" >&2
    fail "dpkg-buildpackage failed in $dir"
  fi
}

# The second folder's path differs in length too, so that no path of the
# build can leak into the packages unnoticed.
checked=$deb_work/checked
unchecked=$deb_work/second-build-without-tests
build_packages "$checked"
build_packages "$unchecked" DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck
build_seconds=$((SECONDS - started))

# The first build ran the engine's and mensurex's tests and looked for no
# test framework but GoogleTest (Build-Depends name no other); the second
# looked for none.
grep -Eq '100% tests passed, 0 tests failed out of [1-9]' "$checked/build.log" ||
  fail "the package build ran no tests"
for frameworks in "$checked benchmark|Qt6Test" "$unchecked GTest|benchmark|Qt6Test"; do
  if grep -E "^(${frameworks#* })_DIR:" "${frameworks% *}"/src/obj-*/CMakeCache.txt |
     grep -v NOTFOUND; then
    fail "the package build in ${frameworks% *} looked for a test framework"
  fi
done

# Both builds give the same files, byte for byte.
mapfile -t built < <(cd "$checked" && find . -maxdepth 1 -name '*.*deb' -printf '%f\n' | sort)
[[ $(cd "$unchecked" && find . -maxdepth 1 -name '*.*deb' -printf '%f\n' | sort) == \
   "$(printf '%s\n' "${built[@]}")" ]] || fail "the two builds made different packages"
for f in "${built[@]}"; do
  cmp -s "$checked/$f" "$unchecked/$f" || fail "$f differs between the two builds"
done

declare -A deb=()
for p in "${packages[@]}"; do
  deb[$p]=$(find "$checked" -maxdepth 1 -name "${p}_*.deb" -print -quit)
  [[ -n ${deb[$p]} ]] || fail "dpkg-buildpackage made no ${p}_*.deb"
  [[ $(dpkg-deb -f "${deb[$p]}" Version) == "$MENSUREX_VERSION"-* ]] ||
    fail "$p version $(dpkg-deb -f "${deb[$p]}" Version) is not the project's $MENSUREX_VERSION"
done

if ! lintian_out=$(lintian --fail-on error,warning --info "${deb[@]}" 2>&1); then
  echo "$lintian_out" >&2
  fail "lintian found errors or warnings"
fi
# Only informational tags can remain; lintian also remarks on running as root.
lintian_out=$(grep -v 'running with root privileges' <<<"$lintian_out" || true)
[[ -z $lintian_out ]] || echo "$lintian_out"

# Together the packages hold what `cmake --install` installs (manual pages
# are compressed on the way); mensurex holds the command, its manual page and
# its bash completion alone, besides its copyright and changelog.
contents() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ {print $6}' | sort; }
DESTDIR="$deb_work/installed" cmake --install build --prefix /usr >/dev/null
expected=$(cd "$deb_work/installed" && find . -type f -o -type l |
  sed -E 's|^(\./usr/share/man/.*)$|\1.gz|' | sort)
missing=$(comm -23 <(echo "$expected") \
  <({ contents "${deb[mensurex]}"; contents "${deb[mensurex2]}"; } | sort))
[[ -z $missing ]] || fail "the packages lack: $missing"
for p in "${packages[@]}"; do
  for f in "./usr/share/doc/$p/copyright" "./usr/share/doc/$p/changelog.Debian.gz"; do
    contents "${deb[$p]}" | grep -qxF "$f" || fail "$p lacks $f"
  done
done
extra=$(contents "${deb[mensurex]}" | grep -v '^\./usr/share/doc/mensurex/' |
  grep -vxF -e ./usr/bin/mensurex -e ./usr/share/man/man1/mensurex.1.gz \
    -e ./usr/share/bash-completion/completions/mensurex || true)
[[ -z $extra ]] || fail "mensurex holds more than the command: $extra"

# field PACKAGE FIELD: the package names of a relationship field, one a line.
field() {
  dpkg-deb -f "${deb[$1]}" "$2" | sed 's/[,|]/\n/g' | sed 's/^ *//; s/ .*//; /^$/d'
}
# The command needs the C and C++ libraries, GMP and ICU, nothing graphical.
others=$(field mensurex Depends | grep -vxE 'libc6|libgcc-s1|libstdc\+\+6|libgmp10|libicu72' || true)
[[ -z $others ]] || fail "mensurex depends on more than the C, C++, GMP and ICU libraries: $others"
# libcups through the print helper's link, from shlibs; the platform plugins
# are loaded at run time, where no linker-level tool can find them.
for p in libcups2 qt6-qpa-plugins; do
  field mensurex2 Depends | grep -qxF "$p" || fail "mensurex2 does not depend on $p"
done
for p in mensurex qt6-wayland; do
  field mensurex2 Recommends | grep -qxF "$p" || fail "mensurex2 does not recommend $p"
done

# install_deb PACKAGE: installs its package as a user would, pulling in
# anything missing but nothing merely recommended.
install_deb() {
  if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive dpkg -i "${deb[$1]}" \
       >"$deb_work/dpkg.log" 2>&1; then
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq \
      --no-install-recommends >>"$deb_work/dpkg.log" 2>&1 ||
      { cat "$deb_work/dpkg.log" >&2; fail "$1 did not install"; }
  fi
  installed "$1" || { cat "$deb_work/dpkg.log" >&2; fail "$1 did not install"; }
}

# Each package installs, runs and removes without the other.
remove_ours "${packages[@]}"
install_deb mensurex
[[ $(/usr/bin/mensurex --to B 1 KB 2>&1) == 1024 ]] || fail "the installed mensurex does not convert"
remove_ours mensurex

install_deb mensurex2
# The installed program opens its main window on X11 and on Wayland.
(
  source scripts/lib/private-x.sh
  trap stop_private_x EXIT
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  start_private_x 1280x1024x24 || fail "Xvfb did not start"
  start_program /usr/bin/Mensurex2
  [[ -n $window ]] || { cat "$work/app.log" >&2; fail "no window named Mensurex on X11"; }
)
(
  source scripts/lib/private-wayland.sh
  trap stop_private_wayland EXIT
  start_private_wayland || fail "weston did not start"
  toplevel=$(wayland_toplevel /usr/bin/Mensurex2) || fail "no toplevel window on Wayland"
  [[ $toplevel == "Mensurex"$'\n'"$MENSUREX_APP_ID" ]] ||
    fail "Wayland toplevel: $toplevel"
)
remove_ours mensurex2

# debian/tests against both packages, on this machine (the null runner),
# from a copy of the tree as it was before any build.
copy_tree "$deb_work/tests-src"
[[ -d $providers ]] || providers_made=1
"${sudo[@]}" mkdir -p "$providers"
printf '[Shell Search Provider]\nBusName=org.example.MensurexStray\nObjectPath=/org/example/MensurexStray\nVersion=2\n' |
  "${sudo[@]}" tee "$stray" >/dev/null
if ! autopkgtest --output-dir "$deb_work/autopkgtest" "${deb[@]}" \
       "$deb_work/tests-src/" -- null >"$deb_work/autopkgtest.log" 2>&1; then
  cat "$deb_work/autopkgtest.log" >&2
  fail "autopkgtest failed"
fi
remove_stray
cat "$deb_work/autopkgtest/summary"

echo "deb: two packages built twice alike (tests run in the build), lintian clean," \
  "each installed, run and removed on its own, autopkgtest passed;" \
  "$((SECONDS - started)) s, of which $build_seconds s building"
