#!/bin/sh
# The program and the MakeTile command shipped beside it import only system DLLs that Windows keeps safe from planted
# copies (KnownDLLs, or comctl32 through the manifest); everything else is
# loaded at run time from System32. It is also marked terminal-server aware.
# Checks the 64-bit build given and, when built, the 32-bit release beside it.
# Usage: check-imports.sh <win64 build folder>
set -eu
build=$1
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll msvcrt.dll ws2_32.dll ole32.dll oleaut32.dll"
objdump=x86_64-w64-mingw32-objdump
failed=0
for exe in "$build/KalvexNow.exe" "$build/MakeTile.exe" "$build/../win32/KalvexNow.exe" "$build/../win32/MakeTile.exe"; do
    [ -f "$exe" ] || continue
    headers=$($objdump -p "$exe")
    imports=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    [ -n "$imports" ] || { echo "$exe: no imports found"; failed=1; }
    for dll in $imports; do
        case " $allowed " in
        *" $dll "*) ;;
        *) echo "$exe imports $dll, which is not on the allowed list"; failed=1 ;;
        esac
    done
    printf '%s\n' "$headers" | grep -q 'TERMINAL_SERVICE_AWARE' ||
        { echo "$exe is not marked terminal-server aware"; failed=1; }
    echo "$exe: $(echo $imports)"
done
[ -f "$build/KalvexNow.exe" ] || { echo "no KalvexNow.exe in $build"; exit 1; }
exit $failed
