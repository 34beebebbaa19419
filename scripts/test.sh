#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite headless:
# first in the normal build, then built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -e
cd "$(dirname "$0")/.."
sh scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
sh scripts/test-sanitize.sh
