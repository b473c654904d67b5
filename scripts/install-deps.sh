#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the Windows cross build need,
# skipping those already there. Works as root or as a user with sudo.
set -euo pipefail

packages=(
  cmake make g++ pkg-config binutils file
  libcairo2-dev libfreetype-dev fontconfig fonts-liberation fonts-dejavu-core
  libgtest-dev googletest libbenchmark-dev nlohmann-json3-dev libcli11-dev libcpp-httplib-dev
  chromium
  g++-mingw-w64-i686 binutils-mingw-w64-i686
)

# Wine runs panel.exe and the .gau files in the tests: Debian's 32-bit build, wine32,
# which needs the i386 architecture. It is installed apart, so that its failure is its own.
wine_packages=(wine wine32:i386)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for package in "${packages[@]}"; do installed "$package" || missing+=("$package"); done
# Node.js and npm drive the browser test; a machine that has them from elsewhere keeps those.
command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
missing_wine=()
for package in "${wine_packages[@]}"; do installed "$package" || missing_wine+=("$package"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_wine[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if [ ${#missing_wine[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ ${#missing_wine[@]} -gt 0 ]; then
  echo "Installing: ${missing_wine[*]}"
  if ! DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing_wine[@]}"; then
    echo "install-deps.sh: FAILED to install ${missing_wine[*]}; the Windows tests cannot run without Wine" >&2
    exit 1
  fi
fi
