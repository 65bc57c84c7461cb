#!/usr/bin/env bash
# Draws the wiring diagram shown on the "Wiring Diagram" page (873 x 393 JPEG).
# Needs ImageMagick's convert. Run from this folder: ./wiring.sh
set -euo pipefail

names=(VOUT GND 485B 485A AD2 AD1 GND DIN2 DIN1 AD4 AD3 GND POW)
top=18 pitch=28 stripX=380 stripW=64

draw=()
# The board: outline, USB socket, SIM holder, aerial, lamps.
draw+=(-fill '#1f5f3a' -stroke black -strokewidth 2 -draw "roundrectangle 20,18 330,380 10,10")
draw+=(-fill '#c0c0c0' -stroke black -draw "rectangle 40,40 100,70")
draw+=(-fill '#e8d27a' -stroke black -draw "rectangle 40,110 190,200")
draw+=(-fill '#222222' -stroke black -draw "rectangle 230,40 250,120")
draw+=(-stroke black -strokewidth 4 -draw "line 240,40 240,4")
draw+=(-fill black -stroke black -strokewidth 1 -draw "circle 240,4 244,4")
for lamp in "Data 60 260 '#33dd33'" "RS485 140 260 '#ffaa00'" "NET 220 260 '#ff3333'"; do
    eval "set -- $lamp"
    draw+=(-fill "$4" -stroke black -draw "circle $2,$3 $(($2 + 9)),$3")
    draw+=(-fill white -stroke none -pointsize 14 -draw "text $(($2 - 18)),$(($3 + 30)) '$1'")
done
draw+=(-fill white -stroke none -pointsize 14 -draw "text 46,90 'USB'")
draw+=(-fill black -stroke none -pointsize 14 -draw "text 70,160 'SIM card'")
draw+=(-fill white -stroke none -pointsize 14 -draw "text 200,140 'Aerial'")
draw+=(-fill white -stroke none -pointsize 18 -draw "text 80,340 'TL380 board'")
draw+=(-stroke '#888888' -strokewidth 3 -draw "line 330,190 $stripX,190")

# The terminal strip, top to bottom.
for i in "${!names[@]}"; do
    y=$((top + i * pitch))
    draw+=(-fill '#3a78c8' -stroke black -strokewidth 1 -draw "rectangle $stripX,$y $((stripX + stripW)),$((y + pitch - 2))")
    draw+=(-fill white -stroke none -pointsize 14 -draw "text $((stripX + 8)),$((y + 19)) '${names[$i]}'")
done

# A wire from terminal $1 to the point $2,$3 in colour $4, with a bend halfway.
wire() {
    local y=$((top + $1 * pitch + pitch / 2 - 1)) bend=$5
    draw+=(-fill none -stroke "$4" -strokewidth 2 -draw "polyline $((stripX + stripW)),$y $bend,$y $bend,$3 $2,$3")
}
# A device box with its name at $1,$2 - $3,$4.
device() {
    draw+=(-fill '#f4f4f4' -stroke black -strokewidth 1 -draw "rectangle $1,$2 $3,$4")
    draw+=(-fill black -stroke none -pointsize 14 -draw "text $(($1 + 10)),$(($2 + 20)) '$5'")
    [ -n "${6:-}" ] && draw+=(-fill black -stroke none -pointsize 12 -draw "text $(($1 + 10)),$(($2 + 38)) '$6'")
    return 0
}

device 610 8 860 62 "2-wire sensor 4-20 mA" "+ from VOUT, - to AD1"
wire 0 610 30 '#d02020' 470
wire 5 610 50 '#2060d0' 480

device 610 72 860 126 "RS485 device" "A to 485A, B to 485B"
wire 2 610 96 '#8a2be2' 500
wire 3 610 112 '#20a020' 510

device 610 136 860 204 "4-wire sensor" "own supply 24 V, out + to AD2"
wire 4 610 168 '#d07000' 530
wire 1 610 190 '#000000' 540

device 610 214 860 268 "Door contact" "DIN1 to GND"
wire 8 610 236 '#c000c0' 550
wire 6 610 256 '#000000' 560

device 610 282 860 350 "24 V DC supply" "+ to POW, - to GND"
wire 12 610 304 '#d02020' 570
wire 11 610 330 '#000000' 580

convert -size 873x393 xc:'#fbfbf4' -font DejaVu-Sans "${draw[@]}" -quality 90 wiring.jpg
