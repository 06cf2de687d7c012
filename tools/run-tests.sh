#!/bin/sh
# Installs what is needed, builds everything and runs every test, then a
# short fuzz run (about a minute, in build-fuzz/; skipped without clang).
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300
cd ..
tools/install-deps.sh --fuzz || echo "clang could not be installed"
fuzz/run.sh 20
