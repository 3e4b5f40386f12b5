#!/usr/bin/env bash
# Installs what building and testing need on a Debian machine; skips what is there.
# 32-bit Wine only where the kernel runs 32-bit x86 code: elsewhere it cannot run,
# and the scenarios drive the 64-bit test build under 64-bit Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ libgtest-dev libgmock-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64-win32 wine wine64
          xvfb x11-utils imagemagick python3 procps clang libclang-rt-14-dev debootstrap)
wine32=()
scripts/host-runs-i386.sh && wine32=(wine32:i386)

installed() { dpkg -s "$1" >/dev/null 2>&1; }
missing=()
for p in "${packages[@]}" "${wine32[@]}"; do
    installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
install() { DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "$@"; }
echo "Installing: ${missing[*]}"
# A mirror in mid-sync can fail one index; the lists that did arrive still serve the install.
$sudo apt-get update -q || echo "apt-get update reported errors; installing from the lists it has"
base=()
for p in "${missing[@]}"; do [ "$p" = wine32:i386 ] || base+=("$p"); done
[ ${#base[@]} -eq 0 ] || install "${base[@]}"
installed wine32:i386 || [ ${#wine32[@]} -eq 0 ] || {
    # Apart, so that an i386 index that does not match the amd64 one stops only this.
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    mkdir -p build
    if ! { $sudo apt-get update -q && install wine32:i386; } >build/wine32-install.log 2>&1; then
        echo "32-bit Wine could not be installed (build/wine32-install.log); the scenarios run the 64-bit test build"
        $sudo dpkg --remove-architecture i386 2>/dev/null || true
    fi
}
