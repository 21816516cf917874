#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing TAVEL Editor need.
# Returns at once when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6svg6
  libhunspell-dev hunspell-en-us hunspell-cs hunspell-de-de hunspell-fr hunspell-it
  hunspell-pl hunspell-es hunspell-sk hunspell-ru
  libcurl4-openssl-dev libzip-dev libpugixml-dev libssl-dev
  libgtest-dev libgmock-dev
  breeze-icon-theme fonts-liberation2 fonts-dejavu-core
  xdg-utils xvfb xauth
  python3 openssl
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "These packages are missing and this script can neither run apt-get as root nor use sudo." >&2
  echo "Run as root: apt-get update && apt-get install -y ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
