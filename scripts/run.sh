#!/bin/sh
# Installs what is missing, builds, and starts the editor.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "No display here: starting the editor on a virtual one (Xvfb)."
    exec xvfb-run -a ./build/vexdit
fi
exec ./build/vexdit
