#!/bin/sh
# Starts the window, or without a display shows the system at work headless.
BUILD=${1:-build}
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
  exec "$BUILD/bin/zek"
fi
echo "Kein Bildschirm (DISPLAY/WAYLAND_DISPLAY) vorhanden: ein Beispielprogramm läuft mit zekrun."
exec "$BUILD/bin/zekrun" examples/schleife.zek
