#!/bin/sh
# A long fuzz run: every target for HOURS hours (default 1) one after the
# other; the inputs it grows stay in build-fuzz/work, crashes go to
# build-fuzz/found.
set -e
HOURS="${1:-1}"
exec "$(dirname "$0")/run.sh" "$((HOURS * 3600))"
