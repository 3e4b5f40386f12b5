#!/usr/bin/env bash
# Checks the built exe: 32-bit, GUI subsystem for Windows Vista (6.0) and later,
# terminal-server aware with ASLR and DEP, imports only DLLs every Windows has (and
# those it needs only at times are loaded on first use),
# and carries its icon, manifest and version information.
set -uo pipefail
exe=${1:-build/win32/zarnres.exe}
objdump=i686-w64-mingw32-objdump
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }

headers=$($objdump -p "$exe")
check "32-bit PE (i386)" 'grep -q "file format pei-i386" <<<"$headers"'
check "GUI subsystem" 'grep -Eq "^Subsystem[[:space:]]+00000002" <<<"$headers"'
field() { awk -v f="$1" '$1 == f { print $2; exit }' <<<"$headers"; }
check "subsystem version 6.0 (Vista)" '[ "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)" = 6.0 ]'
check "OS version 6.0 (Vista)" '[ "$(field MajorOSystemVersion).$(field MinorOSystemVersion)" = 6.0 ]'
check "terminal-server aware" 'grep -q "TERMINAL_SERVICE_AWARE" <<<"$headers"'
check "ASLR (dynamic base)" 'grep -q "DYNAMIC_BASE" <<<"$headers"'
check "DEP (NX compatible)" 'grep -q "NX_COMPAT" <<<"$headers"'

# msvcrt.dll is the C runtime of Windows itself (mingw-w64 links its static code against it).
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll comctl32.dll msvcrt.dll"
# Loaded on first use from Windows' own folder, not imported: the file-open box (comdlg32),
# a start through the shell (shell32) and COM for it (ole32). A start pays nothing for them.
# The list is the program's own: the DLL(Name, L"name.dll") entries of ZARN_SYSTEM_DLLS, on whatever lines.
delayed=$(grep -oE 'DLL\( *[A-Za-z0-9_]+ *, *L"[A-Za-z0-9_]+\.dll" *\)' "$(dirname "$0")/../src/win32/system_library.h" |
    grep -oE '[A-Za-z0-9_]+\.dll' | tr '[:upper:]' '[:lower:]' | xargs)
check "a list of DLLs loaded on first use" '[ -n "$delayed" ]'
imports=$(grep "DLL Name:" <<<"$headers" | awk '{print tolower($3)}' | sort -u)
echo "imports: $(echo $imports); loaded on first use: $delayed"
for dll in $imports; do
    check "import $dll is a system DLL" '[[ " $allowed " == *" $dll "* ]]'
done
for dll in $delayed; do
    check "$dll is loaded on first use, not imported" '! grep -qx "$dll" <<<"$imports" && strings -a -el "$exe" | grep -qi "$dll\$"'
done

resources=$($objdump -s -j .rsrc "$exe" 2>/dev/null)
check "has a resource section" '[ -n "$resources" ]'
check "manifest asks for common controls 6" 'grep -q "Common-Controls" <<<"$(strings -a "$exe")"'
check "manifest declares no Windows 8 or later" '! grep -Eq "4a2f28e3|1f676c76|8e0f7a12" <<<"$(strings -a "$exe")"'
check "version information" 'strings -a -el "$exe" | grep -q VS_VERSION_INFO'
exit $fail
