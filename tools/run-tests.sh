#!/bin/sh
# Installs what is needed, builds everything and runs every test, then the
# benchmarks (their figures) and a short fuzz run (about a minute, in build-fuzz/; skipped without clang).
set -e
cd "$(dirname "$0")/.."
tools/install-deps.sh
tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -LE bench
# The benchmarks print figures and assert nothing: show what they print.
QT_QPA_PLATFORM=offscreen ctest --timeout 300 -L bench --verbose | grep -v propagateSizeHints
cd ..
tools/install-deps.sh --fuzz || echo "clang could not be installed"
fuzz/run.sh 20
