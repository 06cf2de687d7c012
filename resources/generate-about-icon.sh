#!/bin/sh
# Draws the program's application icon (shown in the About dialog) with
# ImageMagick. The icon is committed; run this again only to change it.
set -e
cd "$(dirname "$0")"
ORANGE='#EE8619'
DARK='#212121'
convert -size 256x256 xc:none -fill "$ORANGE" -draw "roundrectangle 8,8 248,248 40,40" \
     -fill "$DARK" -draw "roundrectangle 28,28 228,228 28,28" \
     -fill white -font DejaVu-Sans-Bold -pointsize 96 -gravity center -annotate +0-22 "VQ" \
     -fill "$ORANGE" -font DejaVu-Sans-Bold -pointsize 30 -annotate +0+58 "EDID" \
     -define icon:auto-resize=256,128,64,48,32,16 icon_app256_edid-editor.ico
# The same picture for the desktop's icon theme.
convert "icon_app256_edid-editor.ico[0]" -depth 8 desktop/vqzavozozezi.png
