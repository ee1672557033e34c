# Sourced by the Wine scripts: the build tree's private prefix and the display of
# the one Xvfb that a test session started. LUMIVANE_WINE_DIR defaults to the
# "wine" folder of the current build tree.
: "${LUMIVANE_WINE_DIR:=$PWD/wine}"
export WINEPREFIX="$LUMIVANE_WINE_DIR/prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ -z "${DISPLAY:-}" ] && [ -f "$LUMIVANE_WINE_DIR/display" ]; then
    export DISPLAY=":$(cat "$LUMIVANE_WINE_DIR/display")"
fi
