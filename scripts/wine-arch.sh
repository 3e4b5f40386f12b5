#!/bin/sh
# Prints the Wine architecture that the scenarios use, and with it the build they
# drive: ZW_WINEARCH when set; else win32 where this host runs 32-bit x86 code,
# win64 (the 64-bit test build) where it does not. The one place this is decided.
if [ -n "${ZW_WINEARCH:-}" ]; then
    echo "$ZW_WINEARCH"
elif "$(dirname "$0")/host-runs-i386.sh"; then
    echo win32
else
    echo win64
fi
