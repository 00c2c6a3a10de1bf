#!/usr/bin/env bash
# Checks a built Netvik.exe without running it: a GUI program (PE32 for the
# 32-bit build, with subsystem version 4.0 so that the oldest supported
# Windows loads it; PE32+ for the 64-bit one) that imports only from DLLs
# Windows ships. Prints what it found and the file's size.
#
# usage: pe-check.sh OBJDUMP EXE
set -euo pipefail
objdump=${1:?usage: pe-check.sh OBJDUMP EXE}
exe=${2:?usage: pe-check.sh OBJDUMP EXE}

# The DLLs of every Windows the program runs on.
system_dlls=" ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL SHELL32.DLL USER32.DLL WSOCK32.DLL "

headers=$("$objdump" -p "$exe")
field() { awk -v name="$1" '$1 == name { print $2; exit }' <<<"$headers"; }
failures=()

magic=$(field Magic)
subsystem=$(field Subsystem)
version="$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)"
case $magic in
    010b) format=PE32 ;;
    020b) format=PE32+ ;;
    *) format="unknown ($magic)"; failures+=("not a PE32 or PE32+ image") ;;
esac
[ "$subsystem" = 00000002 ] || failures+=("subsystem $subsystem is not the Windows GUI (2)")
if [ "$format" = PE32 ] && [ "$version" != 4.0 ]; then
    failures+=("subsystem version $version, not 4.0")
fi

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | sort -fu)
[ -n "$imports" ] || failures+=("no imports found")
for dll in $imports; do
    [[ $system_dlls == *" ${dll^^} "* ]] || failures+=("imports $dll, which Windows does not ship")
done

size=$(stat -c %s "$exe")
echo "$(basename "$exe"): $format, Windows GUI, subsystem $version, $size bytes"
echo "imports: $(tr '\n' ' ' <<<"$imports")"
if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}" >&2
    exit 1
fi
