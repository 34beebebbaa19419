#!/bin/sh
# Installs what is missing, builds, and starts the editor.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
exec ./build/vexdit
