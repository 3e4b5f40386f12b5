# Wine plumbing for the end-to-end scenarios, the demo and the benchmark: the X
# server, the Wine architecture and its shims, the template prefix and the
# throwaway prefixes made from it, the programs run in them, screenshots and
# clean-up. Sourced through lib.sh; defines zw_* functions and variables, sets
# no shell options, and writes nothing until zw_setup_wine is called.
#
# Its settings (ZW_BUILD, ZW_OUT, ZW_PREFIXES, ZW_TEMPLATE, ZW_WINEARCH, ZW_TOOLS,
# ZW_EXE, ZW_KEEP, and DISPLAY: without one an Xvfb is started) are in the table
# of tests/wine/README.md.
#
# Every wait is bounded; scripts kill only processes they started (by PID) and
# shut down only the wineserver of their own prefix.

ZW_ROOT=${ZW_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}

ZW_OUT=${ZW_OUT:-$ZW_ROOT/build/wine-artifacts}
# Where each test's throwaway prefix goes; two runs at once need two of these.
ZW_PREFIXES=${ZW_PREFIXES:-$ZW_ROOT/build/wine-prefixes}
ZW_GAME_DIR='C:\Colvane\Vantreel'
ZW_GAME="$ZW_GAME_DIR\\zarnsl.exe"
ZW_ZARNRES='C:\ZarnRes\zarnres.exe'

ZW_PIDS=()          # background processes this script started
ZW_XVFB_PID=""
ZW_HOLD_PID=""
ZW_ZARNRES_PID=""
ZW_ZARNRES_RC=""

# Picks the Wine architecture and the build, and on a 64-bit-only host writes
# the shims into build/wine-bin and puts them first on PATH. Every script that
# runs Wine calls this once before it starts; calling it again changes nothing.
zw_setup_wine() {
    ZW_WINEARCH=${ZW_WINEARCH:-$("$ZW_ROOT/scripts/wine-arch.sh")}
    export ZW_WINEARCH WINEARCH=$ZW_WINEARCH
    if [ "$ZW_WINEARCH" = win64 ]; then
        ZW_BUILD=${ZW_BUILD:-$ZW_ROOT/build/win64-test}
        # The Debian wine wrapper always prefers the 32-bit loader when it is
        # installed; these shims call the 64-bit loader and server directly.
        local shims="$ZW_ROOT/build/wine-bin"
        if [ ! -x "$shims/wineboot" ]; then
            mkdir -p "$shims" || return 1
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/wine"
            printf '#!/bin/sh\nexec /usr/lib/wine/wineserver64 -p0 "$@"\n' >"$shims/wineserver"
            printf '#!/bin/sh\nexec /usr/lib/wine/wine64 wineboot.exe "$@"\n' >"$shims/wineboot"
            chmod +x "$shims/wine" "$shims/wineserver" "$shims/wineboot" || return 1
        fi
        case ":$PATH:" in *":$shims:"*) ;; *) export PATH="$shims:$PATH" ;; esac
        export WINELOADER=/usr/lib/wine/wine64
    else
        ZW_BUILD=${ZW_BUILD:-$ZW_ROOT/build/win32}
    fi
    ZW_TEMPLATE=${ZW_TEMPLATE:-$ZW_ROOT/build/wine-template-$ZW_WINEARCH}
    export WINEDEBUG=-all
    # No Mono/Gecko install prompts.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

zw_log() { printf '[%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2; }

# Runs a command every 0.1 s until it succeeds, for up to $1 seconds; fails if it never does.
zw_within() {
    local tries=$(($1 * 10)) i
    shift
    for i in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Find the tools: the CMake build puts them under tests/wine/; a standalone
# configure of this folder puts them in build/wine-tools, or set ZW_TOOLS.
zw_tool() {
    local name=$1 d
    for d in "${ZW_TOOLS:-}" "$ZW_BUILD/tests/wine" "$ZW_BUILD/bench" "$ZW_BUILD" "$ZW_ROOT/build/wine-tools"; do
        [ -n "$d" ] && [ -f "$d/$name" ] && { printf '%s\n' "$d/$name"; return 0; }
    done
    return 1
}

# --- X server ------------------------------------------------------------

# Use $DISPLAY when set, otherwise start Xvfb on the first free display.
zw_start_x() {
    if [ -n "${DISPLAY:-}" ]; then return 0; fi
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
        ZW_XVFB_PID=$!
        local i
        for i in $(seq 1 50); do
            if [ -e "/tmp/.X11-unix/X$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            kill -0 "$ZW_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        kill "$ZW_XVFB_PID" 2>/dev/null
        wait "$ZW_XVFB_PID" 2>/dev/null
        ZW_XVFB_PID=""
    done
    zw_log "could not start Xvfb"
    return 1
}

zw_stop_x() {
    if [ -n "$ZW_XVFB_PID" ]; then
        kill "$ZW_XVFB_PID" 2>/dev/null
        wait "$ZW_XVFB_PID" 2>/dev/null
        ZW_XVFB_PID=""
    fi
}

# --- Wine prefixes -------------------------------------------------------

# A booted prefix, made once and reused: wineboot takes ~12 s.
zw_template() {
    local stamp="$ZW_TEMPLATE/.zw-ready" version
    version=$(wine --version 2>/dev/null)
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then return 0; fi
    mkdir -p "$(dirname "$ZW_TEMPLATE")"
    (
        # One builder at a time; others wait for its result.
        flock -w 120 9 || exit 1
        if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then exit 0; fi
        rm -rf "$ZW_TEMPLATE"
        export WINEPREFIX="$ZW_TEMPLATE"
        zw_log "making the Wine template prefix (once)"
        timeout 120 wineboot -i >/dev/null 2>&1 || exit 1
        # One virtual desktop for every process of the prefix, so the UI
        # driver sees the program's windows and modes really switch; no crash
        # dialog that would wait for a user.
        cat >"$ZW_TEMPLATE/zw-setup.reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1600x1200"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF
        timeout 60 wine regedit /S "Z:${ZW_TEMPLATE//\//\\}\\zw-setup.reg" >/dev/null 2>&1 || exit 1
        timeout 60 wineserver -w
        printf '%s' "$version" >"$stamp"
    ) 9>"$ZW_TEMPLATE.lock"
}

# Fresh throwaway prefix for one test: exports WINEPREFIX.
# The DLL folders are hard-linked (nothing writes to them); the rest is copied.
zw_new_prefix() {
    local name=$1
    zw_template || { zw_log "no template prefix"; return 1; }
    local dir="$ZW_PREFIXES/$name"
    rm -rf "$dir"
    mkdir -p "$dir/drive_c/windows"
    local item
    for item in "$ZW_TEMPLATE"/* "$ZW_TEMPLATE"/.update-timestamp; do
        case $(basename "$item") in
            drive_c|wineserver|zw-setup.reg) ;;
            *) cp -a "$item" "$dir/" ;;
        esac
    done
    for item in "$ZW_TEMPLATE"/drive_c/*; do
        [ "$(basename "$item")" = windows ] || cp -a "$item" "$dir/drive_c/"
    done
    for item in "$ZW_TEMPLATE"/drive_c/windows/*; do
        case $(basename "$item") in
            system32|syswow64|winsxs) cp -al "$item" "$dir/drive_c/windows/" ;;
            *) cp -a "$item" "$dir/drive_c/windows/" ;;
        esac
    done
    # dosdevices holds symlinks relative to the prefix (c: -> ../drive_c).
    export WINEPREFIX="$dir"
    mkdir -p "$dir/drive_c/zw"
}

# Unix path of a Windows path inside the prefix (drive C: only).
zw_unix() {
    local p=${1#[Cc]:}
    p=${p//\\//}
    printf '%s/drive_c%s\n' "$WINEPREFIX" "$p"
}

# Copy a file into the prefix at a Windows path.
zw_install() {
    local src=$1 dst
    dst=$(zw_unix "$2")
    mkdir -p "$(dirname "$dst")" && cp "$src" "$dst"
}

zw_install_standin() {
    local exe
    exe=$(zw_tool zarnsl.exe) || { zw_log "zarnsl.exe not built"; return 1; }
    zw_install "$exe" "${1:-$ZW_GAME}"
}

zw_install_zarnres() {
    local exe="${ZW_EXE:-$ZW_BUILD/zarnres.exe}"
    [ -f "$exe" ] || { zw_log "zarnres.exe not built ($exe)"; return 1; }
    zw_install "$exe" "$ZW_ZARNRES"
}

# --- processes -------------------------------------------------------------

# Run the UI driver once; its output goes to stdout. Bounded by timeout(1)
# even if Wine itself stalls.
zw_drv() {
    local drv
    drv=$(zw_tool uidriver.exe) || { echo "error: uidriver.exe not built"; return 1; }
    timeout 40 wine "$drv" "$@" 2>/dev/null | tr -d '\r'
    return "${PIPESTATUS[0]}"
}

# Keep the prefix's virtual desktop up for the whole test, so that modes
# persist between programs and the driver can set one before a launch.
zw_hold_desktop() {
    local drv
    drv=$(zw_tool uidriver.exe) || return 1
    local note="$WINEPREFIX/drive_c/zw/hold.out"
    wine "$drv" hold 600 >"$note" 2>/dev/null &
    ZW_HOLD_PID=$!
    ZW_PIDS+=("$ZW_HOLD_PID")
    zw_within 15 grep -q '^hold: ok' "$note" 2>/dev/null && return 0
    zw_log "the virtual desktop did not come up"
    return 1
}

# Start zarnres.exe in the background with the given arguments.
zw_start_zarnres() {
    (cd "$WINEPREFIX/drive_c" && exec wine "$ZW_ZARNRES" "$@") >/dev/null 2>&1 &
    ZW_ZARNRES_PID=$!
    ZW_PIDS+=("$ZW_ZARNRES_PID")
}

# Wait up to $1 seconds for zarnres.exe to end; sets ZW_ZARNRES_RC.
zw_wait_zarnres() {
    ZW_ZARNRES_RC=""
    zw_within "${1:-20}" zw_ended "$ZW_ZARNRES_PID" || return 1
    wait "$ZW_ZARNRES_PID"
    ZW_ZARNRES_RC=$?
}

zw_ended() { ! kill -0 "$1" 2>/dev/null; }

# Unix pids of this prefix's processes whose command line matches $1, now.
zw_prefix_pids() {
    local pid
    for pid in $(pgrep -f "$1"); do
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$WINEPREFIX" && printf '%s\n' "$pid"
    done
}

# The first of them (for /proc readings), waited for up to 5 s.
zw_unix_pid() { zw_within 5 zw_first_prefix_pid "$1"; }

zw_first_prefix_pid() {
    local pid
    pid=$(zw_prefix_pids "$1" | head -n1)
    [ -n "$pid" ] && printf '%s\n' "$pid"
}

# How many of them there are, now.
zw_count_processes() {
    zw_prefix_pids "$1" | wc -l
}

# None of them is left, now.
zw_none_left() { [ -z "$(zw_prefix_pids "$1")" ]; }

# utime + stime (clock ticks) of a Unix process, from fields 14 and 15 of stat;
# the command name in field 2 may hold blanks, so count after its ")".
zw_cpu_ticks() {
    sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $12 + $13 }'
}

# Context switches of a Unix process's main thread so far: each wake-up from a
# blocking wait is one.
zw_switches() {
    awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n }' "/proc/$1/status" 2>/dev/null
}

# Milliseconds since the epoch, for timing a wait.
zw_ms() { echo $(($(date +%s%N) / 1000000)); }

# Wait up to $3 seconds (15) until a file exists and has at least $2 lines (1).
zw_wait_lines() { zw_within "${3:-15}" zw_has_lines "$1" "${2:-1}"; }

zw_has_lines() { [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ]; }

# --- screenshots -------------------------------------------------------------

zw_shot() {
    mkdir -p "$ZW_OUT"
    sleep 0.3
    timeout 15 import -window root "$ZW_OUT/$1.png" 2>/dev/null
}

# --- clean-up ----------------------------------------------------------------

# Leave the desktop at a safe size, end our processes and our wineserver,
# and throw the prefix away (unless ZW_KEEP is set).
zw_cleanup() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        if [ -n "$ZW_HOLD_PID" ] && kill -0 "$ZW_HOLD_PID" 2>/dev/null; then
            zw_drv -t 2 setmode 1600x1200x32 >/dev/null 2>&1
        fi
        local pid
        for pid in "${ZW_PIDS[@]}"; do
            kill "$pid" 2>/dev/null
        done
        timeout 20 wineserver -k >/dev/null 2>&1
        timeout 20 wineserver -w >/dev/null 2>&1
        for pid in "${ZW_PIDS[@]}"; do
            wait "$pid" 2>/dev/null
        done
        if [ -z "${ZW_KEEP:-}" ] && [[ "$WINEPREFIX" == "$ZW_PREFIXES/"* ]]; then
            rm -rf "$WINEPREFIX"
        fi
    fi
    ZW_PIDS=()
    ZW_HOLD_PID=""
    zw_stop_x
}
