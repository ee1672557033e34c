#!/usr/bin/env bash
# make web: builds the web page (the wasm preset) and serves its site folder on
# 127.0.0.1 only, printing the address; Ctrl-C stops it.
#
# usage: scripts/web.sh
#
# Without a display it also takes screenshots with headless Chromium, at a desktop
# and a phone width, into build/web/ (screenshot.png, screenshot-phone.png,
# screenshot-dark.png). LUMIVANE_WEB_PORT picks the port (default 8080);
# LUMIVANE_WEB_SCREENSHOT_ONLY=1 stops after the screenshots instead of serving on.
set -eu
cd "$(dirname "$0")/.."
port=${LUMIVANE_WEB_PORT:-8080}
cmake --preset wasm >/dev/null
cmake --build --preset wasm
site=build/wasm/web/site
python3 web/scripts/sizes.py "$site" build/wasm/web/lumivane.html

/usr/bin/python3 -c '
import sys
sys.path.insert(0, "web/scripts")
from browser import SiteServer
server = SiteServer(sys.argv[1], int(sys.argv[2]))
print("Lumivane web page: " + server.url + "  (single file: build/wasm/web/lumivane.html)",
      flush=True)
server.serve_forever()
' "$site" "$port" &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
sleep 1
kill -0 "$server" 2>/dev/null || { echo "The server did not start (port $port in use?)" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    /usr/bin/python3 web/scripts/screenshot.py "http://127.0.0.1:$port/index.html" build/web
    [ "${LUMIVANE_WEB_SCREENSHOT_ONLY:-0}" = 1 ] && exit 0
fi
echo "Serving until Ctrl-C."
wait "$server"
