#!/usr/bin/env bash
# Checks the shipped runtime: a PE32 GUI program for i386 with the MAINICON icon, importing only
# DLLs that every Windows has.
set -euo pipefail
exe=$1
headers=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "FAIL: $*" >&2; exit 1; }
grep -q 'file format pei-i386' <<<"$headers" || fail "not a PE32 i386 image"
grep -Eq 'Magic[[:space:]]+010b' <<<"$headers" || fail "not PE32"
grep -Eq 'Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI program"
allowed='^(KERNEL32|USER32|GDI32|ADVAPI32|SHELL32|OLE32|OLEAUT32|COMCTL32|COMDLG32|WINMM|MSVCRT)\.DLL$'
while read -r dll; do
  [[ ${dll^^} =~ $allowed ]] || fail "imports $dll"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
# grep -c reads to the end, so tr never dies of SIGPIPE under pipefail.
tr '\0' '.' <"$exe" | grep -ac 'M.A.I.N.I.C.O.N' >/dev/null || fail "no MAINICON resource"
echo "ok: $exe is a static PE32 GUI program ($(stat -c %s "$exe") bytes)"
