#!/bin/sh
# Shows ZEK's windows under a dark desktop theme and saves screenshots: the
# window test DarkPalette_uitest runs on a virtual X display with Qt's GTK
# platform theme set to Adwaita's dark variant, checks that every text box,
# label and button reads well in the palette the theme gives, and saves the
# main window (editor and report), the I/O dialog, the halt dialog and the
# text window as PNGs. A root-window screenshot of the running program joins
# them, with an example program in the editor (gutter and colours).
#
#   sh scripts/dark-screenshots.sh [BUILD_DIR] [OUTPUT_DIR]   (build, dark-screenshots)
set -e
BUILD=${1:-build}
OUT=${2:-dark-screenshots}
ZEK_EXTRA_PACKAGES="xvfb imagemagick qt6-gtk-platformtheme" sh "$(dirname "$0")/install-deps.sh"

# The first free display from :90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 2

mkdir -p "$OUT"
export DISPLAY=":$display" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
ZEK_DESKTOP_PALETTE=1 ZEK_SCREENSHOT_DIR="$OUT" "$BUILD/tests/DarkPalette_uitest"

"$BUILD/bin/zek" "$(dirname "$0")/../examples/schleife.zek" &
zek=$!
sleep 3
import -window root -crop 900x520+0+0 "$OUT/desktop.png"
kill $zek
echo "Bildschirmfotos in $OUT/"
