#!/usr/bin/env bash
# Exits 0 when this host's kernel runs 32-bit x86 code, 1 when it does not (some
# kernels run 64-bit user code only). Asks the kernel itself: writes a 32-bit
# program of a few bytes that exits with 42 and runs it. Needs no Wine, so set-up
# can decide before installing it. A qemu handler for i386 does not count: Wine
# does not start under it in any useful time.
set -u
if grep -qsx enabled /proc/sys/fs/binfmt_misc/qemu-i386; then exit 1; fi
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
# ELF header, one loadable segment at 0x08048000, then the code:
# xor ebx,ebx; mov bl,42; xor eax,eax; inc eax (exit); int 0x80.
printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\010\064\0\0\0\0\0\0\0\0\0\0\0\064\0\040\0\1\0\0\0\0\0\0\0'\
'\1\0\0\0\0\0\0\0\0\200\4\010\0\200\4\010\135\0\0\0\135\0\0\0\5\0\0\0\0\020\0\0'\
'\061\333\263\052\061\300\100\315\200' >"$dir/probe"
chmod +x "$dir/probe"
"$dir/probe" 2>/dev/null
[ $? -eq 42 ]
