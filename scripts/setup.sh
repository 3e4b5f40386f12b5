#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine; skips what is there.
set -euo pipefail

packages=(cmake make g++ libgtest-dev libgmock-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64-win32 wine wine64 wine32:i386
          xvfb x11-utils imagemagick python3 procps clang libclang-rt-14-dev debootstrap)

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
# A mirror in mid-sync can fail one index; the lists that did arrive still serve the install.
$sudo apt-get update -q || echo "apt-get update reported errors; installing from the lists it has"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
