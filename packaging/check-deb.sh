#!/usr/bin/env bash
# Builds the Debian package of a build folder into a scratch directory and
# checks its files and its dependencies: the libraries found by
# dpkg-shlibdeps and the run-time packages no link shows.
# Usage: check-deb.sh BUILD_DIR
set -euo pipefail
build=$1

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 \
  || { cat "$out/cpack.log" >&2; exit 1; }
deb=$(ls "$out"/sorabun_*_amd64.deb)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(tr ',' '\n' <<< "$depends" | sed 's/^ *//; s/ .*//')
for package in libqt6widgets6 libc6 libstdc++6 fonts-ipafont-gothic qt6-translations-l10n qt6-wayland; do
  if ! grep -qxF "$package" <<< "$names"; then
    echo "Depends lacks $package" >&2
    exit 1
  fi
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/sorabun ./usr/share/applications/sorabun.desktop \
            ./usr/share/icons/hicolor/32x32/apps/sorabun.png; do
  grep -qxF "$path" <<< "$contents" || { echo "package lacks $path" >&2; exit 1; }
done
# Stripped: the debug information stays in the build folder.
dpkg-deb -x "$deb" "$out/root"
if file "$out/root/usr/bin/sorabun" | grep -q 'not stripped'; then
  echo "usr/bin/sorabun is not stripped" >&2
  exit 1
fi
echo "package: OK ($(basename "$deb"), $(du -k "$deb" | cut -f1) KiB)"
