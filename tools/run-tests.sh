#!/bin/sh
# Installs what is needed, builds everything and runs every test.
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
