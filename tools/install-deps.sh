#!/bin/sh
# Installs the build and test dependencies on Debian (as root, or through
# sudo), edid-decode included (the info benchmark compares with it). With
# --virtual-display it also installs what runs the editor without a
# display: a virtual X server and a screenshot tool; with --fuzz clang and
# its libFuzzer and sanitizer runtimes.
set -e
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
PACKAGES="build-essential cmake qtbase5-dev qtbase5-dev-tools libqt5network5 libqt5test5 base-files desktop-file-utils edid-decode"
[ "$1" = "--virtual-display" ] && PACKAGES="$PACKAGES xvfb xauth imagemagick"
[ "$1" = "--fuzz" ] && PACKAGES="clang libclang-rt-14-dev"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $PACKAGES >/dev/null
