#!/usr/bin/env bash
# Builds the Debian package from build/, checks its contents and declared
# dependencies, installs it, starts the installed program under Xvfb, and
# removes the package again so the machine is left as it was.
set -euo pipefail
cd "$(dirname "$0")/../.."

pkg=mensurex2
id=org.example.Mensurex2
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

work=$(mktemp -d)
was_installed=0
dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' &&
  was_installed=1
installed_by_us=0
cleanup() {
  if [[ $installed_by_us -eq 1 ]]; then
    "${sudo[@]}" dpkg -r "$pkg" >/dev/null 2>&1 || echo "could not remove $pkg" >&2
  fi
  rm -rf "$work"
}
trap cleanup EXIT

if ! cpack -G DEB --config build/CPackConfig.cmake -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
deb=$(find "$work" -maxdepth 1 -name "${pkg}_*.deb" -print -quit)
[[ -n "$deb" ]] || { echo "cpack made no .deb" >&2; exit 1; }

# Contents: the program and its desktop integration, under /usr.
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
fail=0
for f in ./usr/bin/Mensurex2 "./usr/share/applications/$id.desktop" \
         "./usr/share/metainfo/$id.metainfo.xml" \
         "./usr/share/icons/hicolor/32x32/apps/$id.png" \
         "./usr/share/icons/hicolor/256x256/apps/$id.png"; do
  grep -qxF "$f" <<<"$contents" || { echo "package lacks $f" >&2; fail=1; }
done
if grep -vE '^\./(usr/((bin|share)(/.*)?)?)?$' <<<"$contents" | grep -q .; then
  echo "package installs outside /usr/bin and /usr/share:" >&2
  grep -vE '^\./(usr/((bin|share)(/.*)?)?)?$' <<<"$contents" >&2
  fail=1
fi

# Control fields, and a dependency for every shared library the program
# links, plus the platform plugin that Qt loads at run time.
[[ $(dpkg-deb -f "$deb" Version) == "$(sed -n 's/^project(Mensurex2 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ]] ||
  { echo "package version differs from the project version" >&2; fail=1; }
for field in Maintainer Description Section; do
  [[ -n $(dpkg-deb -f "$deb" "$field") ]] || { echo "control field $field empty" >&2; fail=1; }
done
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
need_pkgs=(qt6-qpa-plugins)
while read -r soname; do
  path=$(ldconfig -p | awk -v so="$soname" '$1 == so && /x86-64/ && !n++ {print $NF}')
  [[ -n "$path" ]] || { echo "$soname not found by ldconfig" >&2; fail=1; continue; }
  owner=$({ dpkg -S "$path" || dpkg -S "$(readlink -f "$path")"; } 2>/dev/null |
          sed -n '1s/:.*//p') || true
  [[ -n "$owner" ]] || { echo "no package owns $soname" >&2; fail=1; continue; }
  need_pkgs+=("$owner")
done < <(objdump -p build/app/Mensurex2 | awk '$1 == "NEEDED" {print $2}')
for p in "${need_pkgs[@]}"; do
  grep -qxF "$p" <<<"$depends" || { echo "package does not depend on $p" >&2; fail=1; }
done
[[ $fail -eq 0 ]] || exit 1

# Install it as a user would, pulling in anything missing.
if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive dpkg -i "$deb" >"$work/dpkg.log" 2>&1; then
  if ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq \
       >>"$work/dpkg.log" 2>&1; then
    cat "$work/dpkg.log" >&2
    exit 1
  fi
fi
[[ $was_installed -eq 0 ]] && installed_by_us=1
dpkg-query -W -f='${Status}' "$pkg" | grep -q 'install ok installed' ||
  { cat "$work/dpkg.log" >&2; echo "$pkg did not install" >&2; exit 1; }

# The installed program must open its main window on a real X server.
cat >"$work/start.sh" <<'INNER'
/usr/bin/Mensurex2 >"$1/app.log" 2>&1 &
app=$!
found=0
timeout 30 xdotool search --sync --onlyvisible --name '^Mensurex$' >/dev/null && found=1
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
[[ $found -eq 1 ]] || { echo "no window named Mensurex appeared" >&2; cat "$1/app.log" >&2; exit 1; }
INNER
env -u QT_QPA_PLATFORM xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' \
  bash "$work/start.sh" "$work"
echo "deb: package built, checked, installed, started and removed"
