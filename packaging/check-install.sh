#!/usr/bin/env bash
# Installs a build folder into a scratch directory and checks what a person
# gets: exactly the expected files, a menu entry and an AppStream description
# that their validators accept, icons of the sizes their folders name.
# Usage: check-install.sh BUILD_DIR APPSTREAM_ID
set -euo pipefail
build=$1
id=$2

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr > /dev/null
root=$stage/usr

expected=$(printf '%s\n' \
  bin/sorabun \
  share/applications/sorabun.desktop \
  share/icons/hicolor/16x16/apps/sorabun.png \
  share/icons/hicolor/32x32/apps/sorabun.png \
  share/icons/hicolor/64x64/apps/sorabun.png \
  "share/metainfo/$id.metainfo.xml" | sort)
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
if [ "$actual" != "$expected" ]; then
  echo "installed files differ from the expected list:" >&2
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  exit 1
fi

[ -x "$root/bin/sorabun" ] || { echo "bin/sorabun is not executable" >&2; exit 1; }

desktop=$root/share/applications/sorabun.desktop
desktop-file-validate "$desktop"
# The menu starts the program with no file: the list is filled from its window.
if grep -Eq '^Exec=.*%[fFuU]' "$desktop"; then
  echo "Exec takes file arguments: $(grep '^Exec=' "$desktop")" >&2
  exit 1
fi
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = sorabun ] || { echo "Icon=$icon, expected sorabun" >&2; exit 1; }

appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"
version=$(sed -n 's/^project(Sorabun VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
grep -q "<release version=\"$version\"" "$root/share/metainfo/$id.metainfo.xml" \
  || { echo "metainfo has no release $version" >&2; exit 1; }

for size in 16 32 64; do
  geometry=$(identify -format '%wx%h' "$root/share/icons/hicolor/${size}x${size}/apps/sorabun.png")
  [ "$geometry" = "${size}x${size}" ] || { echo "${size}x${size} icon is $geometry" >&2; exit 1; }
done
echo "install tree: OK"
