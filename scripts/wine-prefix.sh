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
