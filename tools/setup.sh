#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet.
# As root it installs them; otherwise it prints the one command to run.
set -euo pipefail

missing=()
for package in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

# Without --no-install-recommends qt6-base-dev brings GTK and its platform
# theme, whose native file dialogs no test can drive.
command=(apt-get install -y --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run this once, then try again:" >&2
  echo "  sudo ${command[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
"${command[@]}"
