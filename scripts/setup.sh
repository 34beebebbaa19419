#!/bin/sh
# Installs what the editor needs to build, run and test on Debian 12, and
# nothing that is already there. Safe to run again. EXTRA_PACKAGES names more
# packages for one script's own needs (the fuzzer's clang).
set -e

PACKAGES="g++ cmake make qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev \
libgl-dev libx11-dev fonts-liberation xvfb xauth xdotool desktop-file-utils appstream \
dpkg-dev file acl qt6-l10n-tools qt6-tools-dev qt6-translations-l10n \
dbus at-spi2-core python3-pyatspi orca speech-dispatcher openbox lintian man-db groff-base \
$EXTRA_PACKAGES"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    echo "Installing:$missing"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
