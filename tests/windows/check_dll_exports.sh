#!/bin/sh
# sorvil.dll exports GetRandomBuffer alone and imports system DLLs only.
# Usage: check_dll_exports.sh OBJDUMP DLL
objdump=$1
dll=$2
dump=$("$objdump" -p "$dll") || exit 1

# The names of the export table: the lines after "[Ordinal/Name Pointer] Table".
exports=$(printf '%s\n' "$dump" | awk '/\[Ordinal\/Name Pointer\] Table/{on=1; next}
  on && /^[ \t]*\[/ {print $NF; next} on {on=0}')
if [ "$exports" != "GetRandomBuffer" ]; then
  echo "exports: $exports" >&2
  exit 1
fi

imports=$(printf '%s\n' "$dump" | awk '/DLL Name:/{print tolower($3)}')
for dll_name in $imports; do
  case $dll_name in
    kernel32.dll | msvcrt.dll | advapi32.dll | api-ms-win-crt-*.dll | ucrtbase.dll) ;;
    *)
      echo "imports a DLL that is not the system's: $dll_name" >&2
      exit 1
      ;;
  esac
done
echo "exports: $exports; imports: $imports"
