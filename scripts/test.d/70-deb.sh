#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree with
# dpkg-buildpackage, runs lintian on it, checks that it holds everything that
# `cmake --install` installs and that the program was built without tests,
# installs it, starts the installed program on X11 and on Wayland, and
# removes the package again so that the machine is left as it was.
set -euo pipefail
cd "$(dirname "$0")/../.."
[[ -s build/identity.env ]] || { echo "no build/identity.env: build first" >&2; exit 1; }
# shellcheck source=/dev/null  # written by the build
source build/identity.env  # MENSUREX_APP_ID, MENSUREX_VERSION

pkg=$(sed -n 's/^Package: //p' debian/control | head -n 1)
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

deb_work=$(mktemp -d)
was_installed=0
dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' &&
  was_installed=1
installed_by_us=0
cleanup() {
  if [[ $installed_by_us -eq 1 ]]; then
    "${sudo[@]}" dpkg -r "$pkg" >/dev/null 2>&1 || echo "could not remove $pkg" >&2
  fi
  rm -rf "$deb_work"
}
trap cleanup EXIT
fail() {
  echo "deb: $*" >&2
  exit 1
}

# The tracked and new files of the work tree, without build directories or
# ignored files; dpkg-buildpackage writes its results beside that copy.
mkdir "$deb_work/src"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [[ -e $f ]] && printf '%s\0' "$f"; done |
  tar -c --null -T - | tar -x -C "$deb_work/src"
if ! (cd "$deb_work/src" && dpkg-buildpackage -us -uc -b) >"$deb_work/build.log" 2>&1; then
  tail -n 60 "$deb_work/build.log" >&2
  fail "dpkg-buildpackage failed"
fi
deb=$(find "$deb_work" -maxdepth 1 -name "${pkg}_*.deb" -print -quit)
[[ -n $deb ]] || fail "dpkg-buildpackage made no ${pkg}_*.deb"

# Built as a program alone: none of the test frameworks was looked for.
cache=$(find "$deb_work/src" -maxdepth 2 -name CMakeCache.txt -print -quit)
[[ -n $cache ]] || fail "no CMakeCache.txt in the package build"
grep -qx 'BUILD_TESTING:BOOL=OFF' "$cache" || fail "package build has tests on"
if grep -E '^(GTest|benchmark|Qt6Test)_DIR:' "$cache" | grep -v NOTFOUND; then
  fail "package build looked for a test framework"
fi

if ! lintian_out=$(lintian --fail-on error,warning --info "$deb" 2>&1); then
  echo "$lintian_out" >&2
  fail "lintian found errors or warnings"
fi
# Only informational tags can remain; lintian also remarks on running as root.
lintian_out=$(grep -v 'running with root privileges' <<<"$lintian_out" || true)
[[ -z $lintian_out ]] || echo "$lintian_out"

# The package holds what `cmake --install` installs (manual pages are
# compressed on the way), plus its copyright and changelog.
DESTDIR="$deb_work/installed" cmake --install build --prefix /usr >/dev/null
expected=$(cd "$deb_work/installed" && find . -type f -o -type l |
  sed -E 's|^(\./usr/share/man/.*)$|\1.gz|' | sort)
contents=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
missing=$(comm -23 <(echo "$expected") <(echo "$contents"))
[[ -z $missing ]] || fail "package lacks: $missing"
for f in "./usr/share/doc/$pkg/copyright" "./usr/share/doc/$pkg/changelog.Debian.gz"; do
  grep -qxF "$f" <<<"$contents" || fail "package lacks $f"
done
[[ $(dpkg-deb -f "$deb" Version) == "$MENSUREX_VERSION"-* ]] ||
  fail "package version $(dpkg-deb -f "$deb" Version) is not the project's $MENSUREX_VERSION"
# Loaded at run time, so no linker-level tool can find them.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for p in libcups2 qt6-qpa-plugins; do
  grep -qxF "$p" <<<"$depends" || fail "package does not depend on $p"
done
dpkg-deb -f "$deb" Recommends | grep -qw qt6-wayland ||
  fail "package does not recommend qt6-wayland"

# Install it as a user would, pulling in anything missing.
if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive dpkg -i "$deb" >"$deb_work/dpkg.log" 2>&1; then
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq \
    >>"$deb_work/dpkg.log" 2>&1 || { cat "$deb_work/dpkg.log" >&2; fail "install failed"; }
fi
[[ $was_installed -eq 0 ]] && installed_by_us=1
dpkg-query -W -f='${Status}' "$pkg" | grep -q 'install ok installed' ||
  { cat "$deb_work/dpkg.log" >&2; fail "$pkg did not install"; }

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
echo "deb: built, lintian clean, installed, started on X11 and Wayland, removed"
