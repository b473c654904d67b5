#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the Windows cross build need,
# skipping those already there. Works as root or as a user with sudo.
set -euo pipefail

packages=(
  cmake make g++ pkg-config binutils file
  libcairo2-dev libfreetype-dev fontconfig fonts-liberation fonts-dejavu-core
  libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev libcli11-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
