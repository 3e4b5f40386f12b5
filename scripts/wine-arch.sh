#!/bin/sh
# Prints the Wine architecture that the scenarios use, and with it the build they
# drive: ZW_WINEARCH when set; else win32 where this host runs 32-bit x86 code
# and 32-bit Wine is installed, win64 (the 64-bit test build) where either is
# missing. The one place this is decided; set-up installs 32-bit Wine where
# host-runs-i386.sh says the kernel runs 32-bit code.
if [ -n "${ZW_WINEARCH:-}" ]; then
    echo "$ZW_WINEARCH"
elif [ -x /usr/lib/wine/wine ] && "$(dirname "$0")/host-runs-i386.sh"; then
    echo win32
else
    echo win64
fi
