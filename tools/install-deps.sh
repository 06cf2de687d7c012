#!/bin/sh
# Installs the build and test dependencies on Debian (as root, or through sudo).
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    build-essential cmake qtbase5-dev qtbase5-dev-tools libqt5network5 libqt5test5 \
    qt5-qmake xvfb xauth imagemagick base-files ca-certificates >/dev/null
