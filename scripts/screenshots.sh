#!/usr/bin/env bash
# Takes the README's and the metainfo's screenshots from the real program on a real X server:
# the menu-type page, and a button page with both pictures chosen through the file dialog and
# the mouse on the preview, and the list of buttons opened over it. Writes
# data/screenshots/menu-type.png, button-page.png and button-list.png; then the button page and
# the file-name page in German, French and Spanish (button-page-de.png, file-name-de.png ...).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh screenshots
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tessel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for button in "Home:#1b5e9a:#f5c400" "Home over:#f5c400:#1b5e9a"; do
    IFS=: read -r name fill ink <<<"$button"
    convert -size 120x34 "xc:$fill" -font DejaVu-Sans-Bold -fill "$ink" -pointsize 18 -gravity center \
        -annotate 0 Home -bordercolor "$ink" -border 2 "$work/${name// /-}.bmp"
done

export WORK=$work OUT=$PWD/data/screenshots
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    QT_QPA_PLATFORM=xcb ./build/src/window/tessel & pid=$!
    sleep 2
    window=$(xdotool search --name "^Tessel 1.0\$" | head -n 1)
    shot() { import -window "$window" "$OUT/$1.png"; }
    # Places in pixels: twips divided by 15, the page area starting at (8, 64).
    at() { xdotool mousemove --window "$window" "$1" "$2"; sleep 0.3; }
    click() { at "$1" "$2"; xdotool click 1; sleep 0.5; }
    choose() {
        click 184 "$1"; sleep 0.5
        xdotool type --delay 10 "$2"; xdotool key Return; sleep 0.5
    }
    at 300 110; shot menu-type
    click 292 308
    choose 84 "$WORK/Home.bmp"
    choose 116 "$WORK/Home-over.bmp"
    click 100 190; xdotool type --delay 10 "index.html"
    click 100 270; xdotool type --delay 10 "Home"
    at 92 148; shot button-page
    xdotool key alt+l; sleep 0.5; shot button-list
    kill $pid
    # The button page and the file-name page in each of the other languages.
    for language in de fr es; do
        LANGUAGE=$language QT_QPA_PLATFORM=xcb ./build/src/window/tessel & pid=$!
        sleep 2
        window=$(xdotool search --name "^Tessel 1.0\$" | head -n 1)
        click 292 308
        choose 84 "$WORK/Home.bmp"
        choose 116 "$WORK/Home-over.bmp"
        click 100 190; xdotool type --delay 10 "index.html"
        click 100 270; xdotool type --delay 10 "Home"
        at 92 148; shot "button-page-$language"
        click 292 308; click 292 308; shot "file-name-$language"
        kill $pid
    done
'
ls -la data/screenshots
