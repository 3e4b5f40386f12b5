#!/usr/bin/env bash
# Runs every Wine scenario under Wine 10.0 from Debian 13 ("trixie"), in a root
# made once with debootstrap and kept in build/debian13-root; the host's own
# Wine (8.0 on Debian 12) is what tests/wine/run-all.sh uses.
#   scripts/wine10.sh [name-pattern]
# Runs the build that run-all.sh would (build/win32, or build/win64-test where
# this host cannot run 32-bit x86 code) and the release zip's direct launch when
# build/dist holds the zip. Ends with run-all.sh's "N passed, M failed" line.
# Needs root for debootstrap, mount and chroot (re-runs itself with sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd -P)
[ "$(id -u)" -eq 0 ] || exec sudo -E -- "$0" "$@"

# The binds live in a private mount namespace: whatever ends this script, even
# kill -9, the kernel drops them with it, and the host never sees them. Inside a
# chroot '/' is no mount point and cannot be made private: there the binds are
# the host's, and only this script's exit undoes them.
if [ -z "${ZW_WINE10_NS:-}" ]; then
    export ZW_WINE10_NS=1
    if unshare --mount --propagation private true 2>/dev/null; then
        exec unshare --mount --propagation private -- "$0" "$@"
    fi
    echo "no private mount namespace here (a chroot?): the binds are undone when this script ends"
fi

mirror=http://deb.debian.org/debian
# What the scenarios call besides Wine: Xvfb, xdpyinfo, import, pgrep, python3
# (to unpack the zip); the rest is in a minbase root already.
packages=(wine wine64 xvfb x11-utils imagemagick procps python3)
# 32-bit Wine only where the kernel runs 32-bit code: elsewhere the root's wine
# wrapper would prefer a 32-bit loader that cannot start.
wine32=""
"$repo/scripts/host-runs-i386.sh" && wine32=wine32:i386
root=$repo/build/debian13-root
want="trixie $mirror ${packages[*]} $wine32"     # what the cached root was made from
log=$repo/build/debian13-root.log
making=""
ran=""

# Without a verdict from the runner, end like it does on a failed set-up.
finish() {
    local rc=$?
    unbind_all
    if [ -n "$making" ]; then
        echo "could not make the Debian 13 root; the end of ${log#$repo/}:"
        tail -n 20 "$log"
    fi
    if [ -z "$ran" ] && [ $rc -ne 0 ]; then echo "0 passed, 1 failed"; fi
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mounts=()
bind() {
    mkdir -p "$2"
    mount --bind "$1" "$2"
    mounts+=("$2")
}
# Reverse order; a bind still busy (a process left in the root) goes lazily.
unbind_all() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
    done
    mounts=()
}
# What Wine, Xvfb and apt need, the repository at its own path (so build/ and
# every path in it are the same inside), and the host's X socket folder, so
# that Xvfb in the root never picks a display the host already uses.
bind_all() {
    local r=$1 d
    for d in /proc /sys /dev /dev/pts /dev/shm; do bind "$d" "$r$d"; done
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
    bind /tmp/.X11-unix "$r/tmp/.X11-unix"
    bind "$repo" "$r$repo"
}

# True when anything is mounted at or below $1 (never rm -rf through a bind).
mounted_below() {
    findmnt -rno TARGET | awk -v p="$1" '$0 == p || index($0, p "/") == 1 { f = 1 } END { exit !f }'
}
remove_tree() {
    [ -e "$1" ] || return 0
    if mounted_below "$1"; then echo "something is mounted below $1; not removing it" >&2; return 1; fi
    rm -rf "$1"
}

# Built beside the cache and renamed into place only when complete, so an
# interrupted first run leaves no half-made root to be reused.
make_root() {
    local new=$root.new
    remove_tree "$new"
    echo "making the Debian 13 root in ${root#$repo/} (once); log in ${log#$repo/}"
    debootstrap --variant=minbase trixie "$new" "$mirror" >"$log" 2>&1
    # No daemons start inside: postinst scripts ask policy-rc.d and are refused.
    printf '#!/bin/sh\nexit 101\n' >"$new/usr/sbin/policy-rc.d"
    chmod +x "$new/usr/sbin/policy-rc.d"
    cp /etc/resolv.conf "$new/etc/resolv.conf"
    bind_all "$new"
    chroot "$new" apt-get update -q >>"$log" 2>&1
    chroot "$new" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${packages[@]}" >>"$log" 2>&1
    # Apart, so that an i386 index that does not match the amd64 one stops only this.
    if [ -n "$wine32" ] && ! { chroot "$new" dpkg --add-architecture i386 && chroot "$new" apt-get update -q &&
        chroot "$new" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y -q --no-install-recommends "$wine32"; } >>"$log" 2>&1; then
        echo "32-bit Wine could not be installed in the Debian 13 root; its scenarios run the 64-bit test build"
        chroot "$new" dpkg --remove-architecture i386 2>/dev/null || true
    fi
    chroot "$new" apt-get clean
    unbind_all
    printf '%s\n' "$want" >"$new/.zw-made-from"
    remove_tree "$root.old"
    if [ -e "$root" ]; then mv "$root" "$root.old"; fi
    mv "$new" "$root"
    remove_tree "$root.old"
}

command -v debootstrap >/dev/null || scripts/setup.sh
mkdir -p "$repo/build"
# One Wine 10 run at a time: they share the root and the folders below.
exec 9>"$root.lock"
flock -n 9 || { echo "another scripts/wine10.sh is running in this build folder"; exit 1; }

if [ "$(cat "$root/.zw-made-from" 2>/dev/null)" != "$want" ]; then
    start=$(date +%s)
    making=yes
    make_root
    making=""
    echo "made the Debian 13 root in $(( $(date +%s) - start ))s"
fi

bind_all "$root"
echo "Wine in the Debian 13 root: $(chroot "$root" wine --version)"
# As the host run decides: the 32-bit exe where 32-bit code runs (the runner
# says so otherwise). Picked here so that each architecture gets its own template.
arch=$(chroot "$root" env ZW_WINEARCH="${ZW_WINEARCH:-}" "$repo/scripts/wine-arch.sh")
# The root may lack the 32-bit Wine that the host has: then it needs the test build too.
if [ "$arch" = win64 ] && [ ! -e build/win64-test/zarnres.exe ]; then
    { cmake --preset win64-test && cmake --build --preset win64-test -j"$(nproc)"; } >/dev/null
fi
# Own folders beside the host run's, so the two never share a prefix or a log.
env=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 ZW_WINEARCH="$arch"
     ZW_OUT="$repo/build/wine10-artifacts" ZW_PREFIXES="$repo/build/wine10-prefixes"
     ZW_TEMPLATE="$repo/build/wine10-template-$arch")
for v in $(compgen -e); do
    case $v in ZW_KEEP | ZARNSL_*) env+=("$v=${!v}") ;; esac
done
ran=yes
# In the background, so that a signal reaches this script at once: it is handed
# on to the runner, which ends after its current scenario and stops its Xvfb.
chroot "$root" env -i "${env[@]}" "$repo/tests/wine/run-all.sh" "" "${1:-.}" &
runner=$!
stop() { kill -TERM "$runner" 2>/dev/null; wait "$runner"; exit "$1"; }
trap 'stop 130' INT
trap 'stop 143' TERM
rc=0
wait "$runner" || rc=$?
exit $rc
