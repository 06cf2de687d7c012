#!/bin/sh
# Draws the program's icons and logos with ImageMagick. The PNG files are
# committed; run this again only to change the pictures. Pictures are drawn
# at the size they are shown, in 8 bits per channel, so that they load fast;
# the start logo's rows are stored with the "sub" filter, the cheapest to undo.
set -e
cd "$(dirname "$0")"
ORANGE='#EE8619'
DARK='#212121'

icon() { convert -size 32x32 xc:none "$@"; }

icon -fill white -stroke "$DARK" -strokewidth 1.5 -draw "polygon 7,3 20,3 26,9 26,29 7,29" \
     -fill "$ORANGE" -stroke none -draw "polygon 20,3 26,9 20,9" \
     -fill "$ORANGE" -draw "rectangle 11,17 22,19" -draw "rectangle 15,13 17,23" new_file.png
icon -fill "$ORANGE" -stroke "$DARK" -strokewidth 1.5 -draw "polygon 3,8 12,8 14,11 28,11 28,27 3,27" \
     -fill '#F6B25E' -draw "polygon 6,15 30,15 27,27 3,27" open.png
icon -fill "$ORANGE" -stroke "$DARK" -strokewidth 1.5 -draw "roundrectangle 4,4 28,28 3,3" \
     -fill white -stroke none -draw "rectangle 9,6 23,14" -fill "$DARK" -draw "rectangle 10,19 22,27" save.png
icon -fill "$ORANGE" -stroke "$DARK" -strokewidth 1.5 -draw "roundrectangle 3,3 23,23 3,3" \
     -fill white -stroke none -draw "rectangle 7,5 19,11" \
     -fill white -stroke "$DARK" -strokewidth 1.5 -draw "polygon 17,29 29,17 26,14 14,26 13,30" save_as.png
icon -fill "$DARK" -stroke "$ORANGE" -strokewidth 2 -draw "roundrectangle 3,5 29,23 2,2" \
     -fill "$ORANGE" -stroke none -draw "rectangle 13,23 19,27" -draw "rectangle 9,27 23,29" \
     -fill white -draw "rectangle 7,9 11,11" -draw "rectangle 14,9 18,11" -draw "rectangle 21,9 25,11" \
     -draw "rectangle 7,15 11,17" -draw "rectangle 14,15 18,17" system_registry.png
icon -fill "$DARK" -stroke "$ORANGE" -strokewidth 1.5 -draw "rectangle 2,4 29,27" \
     -stroke none -fill white -pointsize 11 -font DejaVu-Sans-Bold -annotate +5+15 "0F" \
     -fill "$ORANGE" -annotate +5+25 "A5" hexa_viewer.png
convert -size 32x32 xc:none -fill "$DARK" -stroke "$ORANGE" -strokewidth 2 \
     -draw "roundrectangle 7,7 25,25 2,2" -stroke "$ORANGE" -strokewidth 2 \
     -draw "line 11,2 11,6" -draw "line 16,2 16,6" -draw "line 21,2 21,6" \
     -draw "line 11,26 11,30" -draw "line 16,26 16,30" -draw "line 21,26 21,30" \
     -draw "line 2,11 6,11" -draw "line 2,16 6,16" -draw "line 2,21 6,21" \
     -draw "line 26,11 30,11" -draw "line 26,16 30,16" -draw "line 26,21 30,21" \
     -define icon:auto-resize=32,16 chip.ico
convert -size 950x700 xc:none -fill "$ORANGE" -draw "circle 475,290 475,70" \
     -fill "$DARK" -draw "circle 475,290 475,110" \
     -fill white -font DejaVu-Sans-Bold -pointsize 150 -gravity north -annotate +0+200 "VQ" \
     -fill white -pointsize 64 -gravity south -annotate +0+120 "ZAVO Zozezi" \
     -fill "$ORANGE" -pointsize 30 -annotate +0+70 "EDID Editor" -resize 50% -depth 8 \
     -define png:compression-filter=1 -define png:compression-level=9 -define png:compression-strategy=1 \
     logo-blanc.png
convert -size 140x21 xc:none -fill "$ORANGE" -draw "roundrectangle 0,2 26,19 4,4" \
     -fill "$DARK" -font DejaVu-Sans-Bold -pointsize 12 -annotate +2+15 "VQ" \
     -fill white -font DejaVu-Sans -pointsize 12 -annotate +32+15 "ZAVO Zozezi" logo-banc-VQ-140.png
# Undo: an arrow curving back to the left; redo is its mirror image. The
# curve is drawn as short lines (a stroked path would be closed).
ARC="line 26,29 26.3,26.3 line 26.3,26.3 26.3,23.8 line 26.3,23.8 26,21.5 line 26,21.5 25.4,19.4
     line 25.4,19.4 24.6,17.6 line 24.6,17.6 23.4,15.9 line 23.4,15.9 21.9,14.4
     line 21.9,14.4 20.2,13.2 line 20.2,13.2 18.3,12.3 line 18.3,12.3 16.1,11.6
     line 16.1,11.6 13.6,11.1 line 13.6,11.1 11,11"
icon -fill none -stroke "$DARK" -strokewidth 6.5 -draw "$ARC" -stroke "$ORANGE" -strokewidth 3.5 -draw "$ARC" \
     -fill "$ORANGE" -stroke "$DARK" -strokewidth 1.2 -draw "polygon 2,11 13,3 13,19" undo.png
convert undo.png -flop redo.png
# The picture shown in the CEA extension tab while no block is selected:
# the three steps of adding and editing a data block.
step() { printf 'roundrectangle %s 12,12' "$1"; }
convert -size 500x400 xc:none -font DejaVu-Sans -pointsize 19 \
     -fill "$DARK" -stroke "$ORANGE" -strokewidth 3 \
     -draw "$(step '20,20 480,110')" -draw "$(step '20,150 480,240')" -draw "$(step '20,280 480,370')" \
     -stroke none -fill "$ORANGE" -font DejaVu-Sans-Bold -pointsize 40 \
     -annotate +42+80 "1" -annotate +42+210 "2" -annotate +42+340 "3" \
     -fill white -font DejaVu-Sans -pointsize 19 \
     -annotate +95+58 "Choose a type in \"Block types\"" -annotate +95+86 "and press \"+\" to add the block." \
     -annotate +95+188 "Select it in \"Instanciated blocks\"" -annotate +95+216 "to edit its fields here." \
     -annotate +95+318 "Keep the total within 122 bytes:" -annotate +95+346 "blocks in red are left out." \
     -fill "$ORANGE" -draw "polygon 240,118 260,118 250,142" -draw "polygon 240,248 260,248 250,272" \
     -depth 8 CEA_tuto.png
