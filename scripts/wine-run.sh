#!/bin/sh
# Runs a Windows program of the build under Wine, in the prefix WINEPREFIX that
# scripts/wine-prefix.sh prepared. With QZ_WINVER set (a Wine version name such as nt40) the
# program runs as a copy named after that version, for which Wine emulates that version alone,
# so that runs of several versions can go on side by side.
set -eu
program=$1
shift
: "${WINEPREFIX:?WINEPREFIX must name the prefix of the build}"
export WINEPREFIX WINEARCH=win32 WINEDEBUG="${WINEDEBUG:--all}"
if [ -n "${QZ_WINVER:-}" ]; then
    dir=$(dirname "$program")
    name="$(basename "$program" .exe)-$QZ_WINVER.exe"
    cp -p "$program" "$dir/$name"
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$name" /v Version /d "$QZ_WINVER" /f >/dev/null 2>&1
    program="$dir/$name"
fi
exec wine "$program" "$@"
