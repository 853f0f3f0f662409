#!/bin/sh
# Registers the capture printer of capture-printer.reg in the Wine prefix WINEPREFIX. Its port
# is a pipe: Wine runs the command through /bin/sh with each job on stdin, so every job is
# appended to the file that SPOOL_CAPTURE names in the printing program's environment.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the prefix of the build}"
export WINEPREFIX WINEARCH=win32 WINEDEBUG=-all
wine reg import "$(winepath -w "$1")"

# When Wine emulates a 9x version its spooler loads print processors from the "Windows 4.0"
# folder (prtprocs\win40), but Wine installs WinPrint only in the NT folder (prtprocs\w32x86):
# without this copy every job fails at EndDocPrinter under win95, win98 and winme.
processors="$WINEPREFIX/drive_c/windows/system32/spool/prtprocs"
mkdir -p "$processors/win40"
cp -p "$processors/w32x86/winprint.dll" "$processors/win40/"
