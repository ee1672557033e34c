#!/usr/bin/env bash
# wine-session.sh start|stop DIR
#
# One Wine session for a whole test run: a private prefix in DIR/prefix (made once),
# one Xvfb whose display number is kept in DIR/display, and one persistent
# wineserver, so that each test program starts in a fraction of a second and no
# wineserver started by a test holds the test runner's output open.
set -eu
action=$1
export LUMIVANE_WINE_DIR=$(mkdir -p "$2" && cd "$2" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
unset DISPLAY
. "$here/wine-env.sh"

make_prefix() {
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # A crash must end the program, not wait on a dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Without a window manager, unmanaged windows hide and close at once.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$LUMIVANE_WINE_DIR/prefix.ready"
}

start_xvfb() {
    local pidfile="$LUMIVANE_WINE_DIR/xvfb.pid"
    if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null && [ -s "$LUMIVANE_WINE_DIR/display" ]; then
        return
    fi
    rm -f "$LUMIVANE_WINE_DIR/display"
    local fifo="$LUMIVANE_WINE_DIR/display.new"
    rm -f "$fifo"
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 9>&- </dev/null >/dev/null 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 100); do
        [ -s "$fifo" ] && break
        sleep 0.05
    done
    [ -s "$fifo" ] || { echo "Xvfb did not start" >&2; exit 1; }
    tr -d '\n' <"$fifo" >"$LUMIVANE_WINE_DIR/display"
    rm -f "$fifo"
}

case $action in
start)
    exec 9>"$LUMIVANE_WINE_DIR/lock"
    flock 9
    [ -f "$LUMIVANE_WINE_DIR/prefix.ready" ] || make_prefix
    start_xvfb
    export DISPLAY=":$(cat "$LUMIVANE_WINE_DIR/display")"
    # The persistent server must not inherit the lock, or the next start waits on it.
    setsid wineserver -p 9>&- </dev/null >/dev/null 2>&1 || true
    wine wineboot 9>&- </dev/null >/dev/null 2>&1 || true
    echo "Wine session ready: prefix $WINEPREFIX, display $DISPLAY"
    ;;
stop)
    wineserver -k 2>/dev/null || true
    pidfile="$LUMIVANE_WINE_DIR/xvfb.pid"
    if [ -f "$pidfile" ]; then
        kill "$(cat "$pidfile")" 2>/dev/null || true
        rm -f "$pidfile" "$LUMIVANE_WINE_DIR/display"
    fi
    echo "Wine session closed"
    ;;
*)
    echo "usage: wine-session.sh start|stop DIR" >&2
    exit 2
    ;;
esac
