#!/bin/sh
# Installs what is needed, builds the editor and starts it on the sample
# EDID. Without a display the editor runs on a virtual one: a picture of its
# window is saved, and the sample's check and decode are printed instead.
set -e
cd "$(dirname "$0")/.."
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    tools/install-deps.sh
else
    tools/install-deps.sh --virtual-display
fi
tools/build.sh
SAMPLE="$PWD/resources/samples/zozezi-sample.bin"
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    exec build/vqzavozozezi "$SAMPLE"
fi
SHOT="$PWD/build/editor-window.png"
echo "No display found: starting the editor on a virtual X display instead."
xvfb-run -a -s "-screen 0 1280x720x24" sh -c "
    build/vqzavozozezi '$SAMPLE' & pid=\$!
    sleep 3
    import -window root '$SHOT'
    kill \$pid"
echo "The editor opened $SAMPLE; a picture of its window is in $SHOT"
echo "What the editor shows of the sample, from its command-line tool:"
build/zozezi-cli check "$SAMPLE" || true
build/zozezi-cli info "$SAMPLE"
