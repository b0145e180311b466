#!/usr/bin/env bash
# Checks a shipped launcher.exe: a GUI executable of the build's
# architecture that imports only Windows' own DLLs and carries the icon,
# the version resource and the manifest.
#   check-exe.sh EXE POINTER_SIZE OBJDUMP
set -euo pipefail
exe="$1"; bits="$2"; objdump="$3"
fail() { echo "FAIL: $*" >&2; exit 1; }

kind="$(file -b "$exe")"
if [ "$bits" = 8 ]; then
    [[ "$kind" == PE32+\ executable\ \(GUI\)\ x86-64* ]] || fail "not a PE32+ x86-64 GUI executable: $kind"
else
    [[ "$kind" == PE32\ executable\ \(GUI\)\ Intel\ 80386* ]] || fail "not a PE32 i386 GUI executable: $kind"
fi

# Windows' own DLLs only: no C++ runtime, libgcc or winpthread.
allowed='^(ADVAPI32|COMCTL32|COMDLG32|GDI32|KERNEL32|msvcrt|ole32|OLEAUT32|SHELL32|SHLWAPI|USER32|UxTheme)\.(dll|DLL)$'
imports="$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')"
[ -n "$imports" ] || fail "no import table read"
while read -r dll; do
    [[ "$dll" =~ $allowed ]] || fail "imports $dll"
done <<<"$imports"

# Resources, as windres reads them back from the executable: icon 1 in
# icon group 128, the version resource, the manifest (type 24, id 1).
windres="${objdump%objdump}windres"
resources="$("$windres" -i "$exe" -J coff -O rc)"
grep -q '^1 3 /\* RT_ICON \*/' <<<"$resources" || fail "no icon 1"
grep -q '^128 14 /\* RT_GROUP_ICON \*/' <<<"$resources" || fail "no icon group 128"
grep -q '^1 VERSIONINFO' <<<"$resources" || fail "no version resource"
manifest_entry="$(grep -A3 'Type: 24' <<<"$resources" || true)"
grep -q 'Name: 1\.' <<<"$manifest_entry" || fail "no manifest resource"
grep -q 'name="Microsoft.Windows.BravelleJavaClassLoader"' <<<"$(strings -a "$exe")" || fail "no manifest identity"
grep -q 'name="Microsoft.Windows.Common-Controls"' <<<"$(strings -a "$exe")" || fail "no common-controls dependency"
echo "ok: $kind; imports: $(echo $imports)"
