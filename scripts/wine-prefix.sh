#!/bin/sh
# start PREFIX DISPLAY: makes the 32-bit Wine prefix of the test run (once), starts the X server
#   that the Wine programs draw on and a persistent wineserver.
# stop PREFIX DISPLAY: ends both.
set -eu
action=$1
prefix=$2
display=$3
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all DISPLAY="$display"
xvfb_pid="$prefix.xvfb.pid"

case "$action" in
start)
    # Fails with a message when 32-bit Wine cannot run here (run scripts/setup-wine.sh as root).
    "$(dirname "$0")/setup-wine.sh" --check >&2
    if [ ! -f "$prefix/system.reg" ]; then
        mkdir -p "$prefix"
        # No Mono or Gecko installers: nothing here needs them, and they would ask.
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
        wineserver -w
        # Without a window manager Wine sets focus itself only when windows are not managed.
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
        wineserver -w
    fi
    if [ -f "$xvfb_pid" ] && kill -0 "$(cat "$xvfb_pid")" 2>/dev/null; then
        :
    else
        nohup Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        echo $! >"$xvfb_pid"
    fi
    wineserver -p >/dev/null 2>&1 </dev/null
    # Start the prefix's system processes (services.exe and the ones it starts) now, detached from
    # any test's output: started by the first test program they would inherit its stdout and
    # stderr, and CTest would wait for them until the test's timeout. The persistent server keeps
    # them alive for the whole run, so no test pays for their start (seconds under qemu).
    wine wineboot >/dev/null 2>&1 </dev/null
    ;;
stop)
    wineserver -k 2>/dev/null || true
    if [ -f "$xvfb_pid" ]; then
        kill "$(cat "$xvfb_pid")" 2>/dev/null || true
        rm -f "$xvfb_pid"
    fi
    ;;
*)
    echo "usage: $0 start|stop PREFIX DISPLAY" >&2
    exit 2
    ;;
esac
