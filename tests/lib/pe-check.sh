#!/usr/bin/env bash
# Checks a built Netvik.exe without running it: a GUI program (PE32 for the
# 32-bit build, with subsystem version 4.0 so that the oldest supported
# Windows loads it; PE32+ for the 64-bit one) that imports only from DLLs
# Windows ships and protects from a file of their name beside it. Given
# windres and the project's version, also its version resource (the version,
# the product's names) and, given a level, its manifest's execution level.
# Prints what it found and the file's size.
#
# usage: pe-check.sh OBJDUMP EXE [WINDRES VERSION [EXECUTION_LEVEL]]
set -euo pipefail
usage="usage: pe-check.sh OBJDUMP EXE [WINDRES VERSION [EXECUTION_LEVEL]]"
objdump=${1:?$usage}
exe=${2:?$usage}
windres=${3:-}
expected_version=${4:-}
expected_level=${5:-}

# The DLLs of every Windows the program (and its installer) runs on that
# Windows never loads from the program's folder: its known DLLs, and the
# common controls, which the manifest binds to the system's side-by-side
# copy. Any other is loaded at run time by its full path, or not at all.
system_dlls=" ADVAPI32.DLL COMCTL32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL SHELL32.DLL USER32.DLL "
# Functions that came with later Windows than the oldest the 32-bit program
# runs on, and that static run-time libraries are known to import: with any
# of them imported, the program would not even load there.
late_functions=" GetTickCount64 AddVectoredExceptionHandler RemoveVectoredExceptionHandler GetHandleInformation
  TryEnterCriticalSection GetProcessAffinityMask SetProcessAffinityMask IsDebuggerPresent InitializeCriticalSectionEx
  InitializeSRWLock AcquireSRWLockExclusive ReleaseSRWLockExclusive InitializeConditionVariable
  SleepConditionVariableCS WakeConditionVariable WakeAllConditionVariable InitOnceExecuteOnce FlsAlloc
  GetSystemTimePreciseAsFileTime "

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
    [[ $system_dlls == *" ${dll^^} "* ]] || failures+=("imports $dll, which Windows does not ship or protect")
done
if [ "$format" = PE32 ]; then
    # The functions imported by name: "HINT-TABLE-ENTRY HINT NAME" under each DLL.
    functions=$(awk '/DLL Name:/ { in_dll = 1; next } in_dll && NF == 3 && $2 ~ /^[0-9]+$/ { print $3 }' <<<"$headers")
    for function in $functions; do
        [[ $late_functions == *[[:space:]]"$function"[[:space:]]* ]] &&
            failures+=("imports $function, which the oldest supported Windows lacks")
    done
fi

if [ -n "$windres" ]; then
    # The resources as an .rc script: VERSIONINFO's fields, the manifest's lines.
    resources=$("$windres" -J coff -O rc -i "$exe")
    fixed() { sed -n "s/^ *$1 //p" <<<"$resources" | head -n 1; }
    value() { sed -n "s/^ *VALUE \"$1\", \"\(.*\)\"\$/\1/p" <<<"$resources" | head -n 1; }
    numbers="${expected_version//./, }, 0"
    [ "$(fixed FILEVERSION)" = "$numbers" ] || failures+=("FILEVERSION $(fixed FILEVERSION), not $numbers")
    [ "$(fixed PRODUCTVERSION)" = "$numbers" ] || failures+=("PRODUCTVERSION $(fixed PRODUCTVERSION), not $numbers")
    for name in FileVersion ProductVersion; do
        [ "$(value $name)" = "$expected_version" ] || failures+=("$name \"$(value $name)\", not $expected_version")
    done
    [ "$(value ProductName)" = Netvik ] || failures+=("ProductName \"$(value ProductName)\", not Netvik")
    for name in CompanyName FileDescription LegalCopyright; do
        [ -n "$(value $name)" ] || failures+=("no $name in the version resource")
    done
    echo "version: $(value ProductName) $(value ProductVersion), \"$(value FileDescription)\", $(value LegalCopyright)"
fi
if [ -n "$expected_level" ]; then
    level=$(grep -o 'requestedExecutionLevel level=""[A-Za-z]*""' <<<"$resources" | tr -d '"' | sed 's/.*=//' || true)
    [ "$level" = "$expected_level" ] || failures+=("manifest execution level '$level', not $expected_level")
    grep -q 'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""' <<<"$resources" ||
        failures+=("the manifest asks for no common controls 6")
    grep -q '<dpiAware [^>]*>true</dpiAware>' <<<"$resources" || failures+=("the manifest is not DPI-aware")
    grep -q "name=\"\"Netvik\"\" version=\"\"$expected_version.0\"\"" <<<"$resources" ||
        failures+=("the manifest's version is not $expected_version.0")
    echo "manifest: $level, common controls 6, DPI-aware, version $expected_version.0"
fi

size=$(stat -c %s "$exe")
echo "$(basename "$exe"): $format, Windows GUI, subsystem $version, $size bytes"
echo "imports: $(tr '\n' ' ' <<<"$imports")"
if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAIL: %s\n' "${failures[@]}" >&2
    exit 1
fi
