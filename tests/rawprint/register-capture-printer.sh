#!/bin/sh
# Registers the capture printer of capture-printer.reg in the Wine prefix WINEPREFIX. Its port
# is a pipe: Wine runs the command through /bin/sh with each job on stdin, so every job is
# appended to the file that SPOOL_CAPTURE names in the printing program's environment.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name the prefix of the build}"
export WINEPREFIX WINEARCH=win32 WINEDEBUG=-all
wine reg import "$(winepath -w "$1")"
