#!/usr/bin/env bash
# Draws the splash picture (304 x 313) with ImageMagick; run it again after
# changing the design and commit the JPEG.
set -euo pipefail
cd "$(dirname "$0")/../src/ui/shell/beeld"
convert -size 304x313 gradient:'#0a6e78'-'#06303a' \
  -fill '#f2c14e' -stroke '#a67c1a' -strokewidth 3 \
  -draw "circle 200,205 245,205" -draw "circle 160,225 200,225" -draw "circle 235,250 268,250" \
  -fill none -stroke '#ffffff40' -strokewidth 1 -draw "line 20,90 284,90" -draw "line 20,92 284,92" \
  -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 40 -annotate +26+70 'Valdero' \
  -fill '#f2c14e' -pointsize 34 -annotate +232+70 '10' \
  -fill '#d8f3f5' -font DejaVu-Sans -pointsize 15 -annotate +28+122 'Kasboek voor huis en bedrijf' \
  -fill '#a67c1a' -font DejaVu-Sans-Bold -pointsize 34 -annotate +189+218 '€' -annotate +150+238 '€' \
  -pointsize 26 -annotate +227+260 '€' \
  -fill '#bfe6ea' -font DejaVu-Sans -pointsize 12 -annotate +28+295 'Versie 10.0.1' \
  -quality 88 splash.jpg
