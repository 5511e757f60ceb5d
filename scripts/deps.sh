#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing. Wine's
# recommended packages (its fonts and the X libraries it loads at run time) are wanted too.
set -eu
pkgs=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 xvfb xauth
      fonts-ipafont googletest libgtest-dev libgmock-dev nlohmann-json3-dev clang
      libclang-rt-14-dev imagemagick python3 wixl msitools)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
