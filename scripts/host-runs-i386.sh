#!/bin/sh
# Exits 0 when this host runs 32-bit x86 code, 1 when it does not (some hosts run
# 64-bit user code only, and there not even Wine's 32-bit loader starts) or Wine's
# 32-bit loader is not installed. Runs the loader's --version only: writes nothing.
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
