#!/bin/sh
# check-dll.sh OBJDUMP DLL [EXPORT@ORDINAL...]: the DLL is a 32-bit x86 DLL that imports only
# system DLLs and exports each name at its ordinal.
set -eu
objdump=$1
dll=$2
shift 2
headers=$("$objdump" -p "$dll")
failures=0
fail() {
    echo "FAILED: $dll: $*"
    failures=$((failures + 1))
}

echo "$headers" | grep -q "file format pei-i386" || fail "not a 32-bit x86 image"
characteristics=$(echo "$headers" | sed -n 's/^Characteristics[[:space:]]*0x//p')
[ $((0x$characteristics & 0x2000)) -ne 0 ] || fail "not a DLL"
base=$(echo "$headers" | sed -n 's/^Ordinal Base[[:space:]]*//p')
for imported in $(echo "$headers" | sed -n 's/^\tDLL Name: //p'); do
    case $(echo "$imported" | tr 'a-z' 'A-Z') in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | WINSPOOL.DRV | ADVAPI32.DLL | MSVCRT.DLL) ;;
    *) fail "imports $imported, which is not a system DLL" ;;
    esac
done
for export in "$@"; do
    name=${export%@*}
    ordinal=${export#*@}
    # The name table lists "[index] name", the index counted from the ordinal base.
    index=$(echo "$headers" | sed -n '/Ordinal\/Name Pointer/,/^$/s/^\t\[ *\([0-9]*\)\] '"$name"'$/\1/p')
    [ -n "$index" ] && [ $((base + index)) -eq "$ordinal" ] ||
        fail "does not export $name at ordinal $ordinal"
done
[ $failures -eq 0 ] && echo "$dll: 32-bit DLL, system imports only${*:+, exports $*}"
exit $failures
