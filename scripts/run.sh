#!/usr/bin/env bash
# make run: builds the 64-bit Windows program and the stand-in chat room if
# needed and runs both under Wine.
#
# usage: scripts/run.sh
#
# With a working $DISPLAY the two windows open on it and you type into
# Lumivane yourself; close it with its "X" label. Without a display both run on
# a private Xvfb: one demo line is typed into Lumivane, a screenshot of the two
# windows is saved to build/run/screenshot.png, and both are closed again.
# LUMIVANE_BUILD_DIR picks another build tree of the win64 preset, relative to the
# source tree or absolute.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
. scripts/build-dir.sh
build=$(resolve_build_dir "$root" "${LUMIVANE_BUILD_DIR:-build/win64}")
run=build/run
mkdir -p "$run"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake --preset win64 -B "$build" >/dev/null
fi
cmake --build "$build" -j2 --target lumivane lumivane-chatroom >/dev/null
cp "$build/ui/lumivane.exe" "$run/lumivane.exe"
chatroom="$build/tools/chatroom/lumivane-chatroom.exe"
log="$run/chatroom.log"
rm -f "$log"

desktop=
if [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    desktop=$DISPLAY
fi

# The prefix (and, without a desktop, the Xvfb) of the run's own Wine session.
wine_dir="$root/$run/wine"
"$root/cmake/wine-session.sh" start "$wine_dir" >/dev/null
export LUMIVANE_WINE_DIR=$wine_dir
started=()
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    "$root/cmake/wine-session.sh" stop "$wine_dir" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ -n "$desktop" ]; then
    # On a desktop the window manager places and focuses the windows.
    "$root/cmake/wine-session.sh" stop "$wine_dir" >/dev/null
    export DISPLAY=$desktop
    . "$root/cmake/wine-env.sh"
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d Y /f >/dev/null 2>&1
    wine "$chatroom" --log "$(winepath -w "$log")" &
    started+=($!)
    sleep 1
    (cd "$run" && exec wine lumivane.exe) &
    started+=($!)
    echo "Lumivane and the stand-in chat room are open on $DISPLAY."
    echo "Type a line and press Enter; the chat room shows it and logs it to $log."
    echo "Close Lumivane with its X label (this saves $run/Saved Info.dll)."
    wait "${started[1]}" || true
    echo "Lines the chat room received:"
    cat "$log" 2>/dev/null || true
    exit 0
fi

unset DISPLAY
. "$root/cmake/wine-env.sh"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
echo "No display: running on Xvfb $DISPLAY"

lines() { [ -f "$log" ] && wc -l <"$log" || echo 0; }
wait_lines() {  # wait_lines COUNT SECONDS
    for _ in $(seq $(($2 * 20))); do
        [ "$(lines)" -ge "$1" ] && return 0
        sleep 0.05
    done
    echo "the chat room received $(lines) lines, expected $1" >&2
    return 1
}

wine "$chatroom" --log "$(winepath -w "$log")" </dev/null >/dev/null 2>&1 &
started+=($!)
timeout 20 xdotool search --sync --onlyvisible --classname 'lumivane-chatroom.exe' >/dev/null
(cd "$run" && exec wine lumivane.exe) </dev/null >/dev/null 2>&1 &
lumivane_pid=$!
started+=($lumivane_pid)
form=$(timeout 20 xdotool search --sync --onlyvisible --classname 'lumivane.exe' | head -n 1)
wait_lines 2 10

# One demo line, typed into Text1 and sent with Enter.
xdotool windowfocus --sync "$form" 2>/dev/null || xdotool windowfocus "$form"
xdotool type --delay 40 "Hello from Lumivane"
xdotool key Return
wait_lines 3 10
sleep 0.5

import -window root "$run/screen.png"
convert "$run/screen.png" -trim +repage "$run/screenshot.png"
rm -f "$run/screen.png"

# Close with the X label: saves the settings and sends the two closing lines.
eval "$(xdotool getwindowgeometry --shell "$form")"
xdotool mousemove $((X + 1 + 284)) $((Y + 1 + 8)) click 1
wait_lines 5 10 || true
for _ in $(seq 60); do kill -0 "$lumivane_pid" 2>/dev/null || break; sleep 0.05; done

echo "Lines the chat room received ($log):"
cat "$log"
echo
echo "Screenshot of both windows: $run/screenshot.png"
echo "Settings saved beside the program: $run/Saved Info.dll"
echo "On a desktop (DISPLAY set to a running X server), 'make run' opens both windows for you to type into."
