#!/usr/bin/env bash
# Draws the pictures of the installation data with ImageMagick 6 and the
# DejaVu fonts: the grid's check marks and the header, wizard and about
# pictures of both editions. Re-run after changing a colour or a text.
set -euo pipefail
cd "$(dirname "$0")/.."

img=install/Images
pic=install/recomSB
mkdir -p "$img" "$pic"

fontdir=/usr/share/fonts/truetype/dejavu
bold=$fontdir/DejaVuSans-Bold.ttf
book=$fontdir/DejaVuSans.ttf
light=$fontdir/DejaVuSans-ExtraLight.ttf
[ -f "$bold" ] || { echo "DejaVu fonts missing (fonts-dejavu-core)" >&2; exit 1; }

# Check marks: 13x13 like a classic check box, crisp pixels, 24-bit BMP.
box() {
  convert -size 13x13 xc:white +antialias \
    -fill none -stroke '#7a8a99' -strokewidth 1 -draw 'rectangle 0,0 12,12' \
    -stroke '#dde3ea' -draw 'line 1,1 11,1' -draw 'line 1,1 1,11' "$@"
}
box -stroke '#1c6b2d' -strokewidth 1 \
  -draw 'line 3,6 5,8' -draw 'line 3,7 5,9' -draw 'line 3,5 5,7' \
  -draw 'line 6,7 9,4' -draw 'line 6,8 9,5' -draw 'line 6,6 9,3' \
  -type TrueColor BMP3:"$img/True.bmp"
box -type TrueColor BMP3:"$img/False.bmp"

# Edition colours: blue for the database edition, deep green for the
# form-letter edition.
db_dark='#10355e'; db_light='#3f7fbf'; db_accent='#9cc7f0'
sb_dark='#0f4a3c'; sb_light='#3a9a7a'; sb_accent='#a8e0c8'

# Header banner 1000x60: horizontal gradient, title left, tag line right.
header() { # out dark light accent title tagline
  convert -size 60x1000 gradient:"$2"-"$3" -rotate -90 \
    -fill "$4" -draw "fill-opacity 0.12 circle 930,30 1010,30" \
    -draw "fill-opacity 0.10 circle 860,70 930,70" \
    -font "$bold" -pointsize 26 -fill white -gravity west \
    -annotate +22+0 "$5" \
    -font "$book" -pointsize 13 -fill "$4" -gravity east \
    -annotate +24+0 "$6" \
    -quality 92 "$1"
}
header "$pic/v_head.jpg" "$db_dark" "$db_light" "$db_accent" \
  "Lorvane Datenbank" "Adressen verwalten · suchen · filtern · exportieren"
header "$pic/v_head1.jpg" "$sb_dark" "$sb_light" "$sb_accent" \
  "Lorvane Serienbrief" "Adressen · Serienbriefe · Etiketten · Briefumschläge"

# Symbols, drawn white in a 100x100 box and placed on the tall and wide
# pictures: stacked discs for the database, an envelope for the letters.
symbol() { # kind out
  local draw=(-stroke white -strokewidth 4 -fill none)
  if [ "$1" = db ]; then
    draw+=(-draw 'ellipse 50,18 34,10 0,360'
      -draw 'line 16,18 16,82' -draw 'line 84,18 84,82'
      -draw 'ellipse 50,40 34,10 0,180'
      -draw 'ellipse 50,61 34,10 0,180'
      -draw 'ellipse 50,82 34,10 0,180')
  else
    # Separate lines: IM6 closes a stroked polyline.
    draw+=(-draw 'line 26,40 26,8' -draw 'line 26,8 74,8'
      -draw 'line 74,8 74,40'
      -draw 'line 34,20 66,20' -draw 'line 34,30 60,30'
      -draw 'rectangle 10,40 90,92'
      -draw 'line 10,40 50,70' -draw 'line 50,70 90,40'
      -draw 'line 10,92 40,64' -draw 'line 90,92 60,64')
  fi
  convert -size 100x100 xc:none "${draw[@]}" "$2"
}
sym=$(mktemp --suffix=.png)
trap 'rm -f "$sym"' EXIT

# Wizard side picture 160x320: vertical gradient, symbol, product name.
wizard() { # out dark light accent word symbol
  local out=$1 c_dark=$2 c_light=$3 c_accent=$4 word=$5
  symbol "$6" "$sym"
  convert -size 160x320 gradient:"$c_light"-"$c_dark" \
    -fill "$c_accent" -draw "fill-opacity 0.10 circle 150,20 230,20" \
    -draw "fill-opacity 0.08 circle 10,300 90,300" \
    "$sym" -gravity north -geometry +0+64 -composite \
    -font "$bold" -pointsize 22 -fill white -gravity south \
    -annotate +0+58 "Lorvane" \
    -font "$book" -pointsize 15 -fill "$c_accent" \
    -annotate +0+36 "$word" \
    -quality 92 "$out"
}
wizard "$pic/v_wizard.jpg" "$db_dark" "$db_light" "$db_accent" "Datenbank" \
  db
wizard "$pic/v_wizard1.jpg" "$sb_dark" "$sb_light" "$sb_accent" "Serienbrief" \
  letter

# About picture 400x200: gradient, symbol on the left, title block.
about() { # out dark light accent edition tagline symbol
  local out=$1 c_dark=$2 c_light=$3 c_accent=$4 edition=$5 tagline=$6
  symbol "$7" "$sym"
  convert -size 400x200 gradient:"$c_light"-"$c_dark" \
    -fill "$c_accent" -draw "fill-opacity 0.10 circle 380,10 480,10" \
    -draw "fill-opacity 0.08 circle 40,190 120,190" \
    "$sym" -gravity west -geometry +26+0 -composite \
    -font "$bold" -pointsize 28 -fill white -gravity northwest \
    -annotate +150+40 "Lorvane" \
    -font "$bold" -pointsize 20 -fill "$c_accent" \
    -annotate +151+78 "$edition" \
    -font "$book" -pointsize 12 -fill white \
    -annotate +152+116 "$tagline" \
    -font "$light" -pointsize 11 -fill white \
    -annotate +152+160 "Adressverwaltung und Serienbriefe" \
    -quality 92 "$out"
}
about "$pic/v_about.jpg" "$db_dark" "$db_light" "$db_accent" \
  "Datenbank" "Ihre Adressen im Griff" db
about "$pic/v_about1.jpg" "$sb_dark" "$sb_light" "$sb_accent" \
  "Serienbrief" "Briefe an viele – mit wenig Aufwand" letter

echo "Pictures written to $img and $pic"
