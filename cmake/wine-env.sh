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
# Wine spells Windows file names in the character set of the Unix locale: only a
# UTF-8 locale holds names outside the code page (a program folder named in
# another script). The programs' 8-bit code page stays the Western one.
case "$(locale charmap 2>/dev/null)" in
UTF-8) ;;
*) export LC_ALL=C.UTF-8 ;;
esac
