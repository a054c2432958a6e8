#!/usr/bin/env bash
# Takes the README's pictures: starts the built program under Xvfb with a window manager,
# goes from the start window through "Systemwahl" (filtered), "Zahlenwahl" (numbers chosen)
# to "Tippreihen" and saves the main window at each step as docs/bilder/<page>.png.
# The clicks are the positions of the controls in the main window's fixed layout; after a
# change of that layout, look at the pictures before committing them.
set -euo pipefail

wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$wurzel"
. scripts/pakete-installieren.sh
kbw_pakete_installieren scripts/pakete.txt
kbw_pakete_installieren <(printf '%s\n' openbox xdotool x11-utils)

if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
fi
cmake --build build -j"$(nproc)" --target kombiwerk

ziel="$wurzel/docs/bilder"
mkdir -p "$ziel"
# A fresh home: no settings or own systems of the user in the pictures, none left behind.
zuhause="$(mktemp -d)"
trap 'rm -rf "$zuhause"' EXIT

HOME="$zuhause" xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -euo pipefail
    programm="$1"
    ziel="$2"
    openbox >/dev/null 2>&1 &
    sleep 1
    wm=$!
    "$programm" >/dev/null 2>&1 &
    kbw=$!

    klick() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
    doppelklick() { xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 80 1; }
    # Number n on the board of the "Zahlenwahl" page (ten to a row).
    zahl() { klick "$haupt" $((31 + 34 * (($1 - 1) % 10))) $((308 + 26 * (($1 - 1) / 10))); }
    foto() {
        # Away with the pointer and its tool tip.
        xdotool mousemove 1270 1010
        sleep 1.5
        import -frame -window "$haupt" "$ziel/$1.png"
    }

    start=$(xdotool search --sync --onlyvisible --name "^Kombiwerk")
    sleep 1 # the catalogue is read, "Weiter" is enabled
    klick "$start" 343 264
    # The main window fades in once the start window is gone.
    haupt=""
    for _ in $(seq 50); do
        for w in $(xdotool search --onlyvisible --name "^Kombiwerk" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$w")"
            if [ "$WIDTH" -ge 600 ]; then haupt=$w; fi
        done
        [ -n "$haupt" ] && break
        sleep 0.2
    done
    [ -n "$haupt" ] || { echo "Kein Hauptfenster" >&2; exit 1; }
    sleep 1

    klick "$haupt" 651 472 # "Filtern" with the default scales
    foto systemwahl
    doppelklick "$haupt" 100 498 # the system found: on to "Zahlenwahl"
    sleep 0.5
    for n in 3 7 12 18 21 25 29 33 38 42 47 9 44; do zahl "$n"; done # pool, then the bankers
    foto zahlenwahl
    klick "$haupt" 638 663 # "Tippreihen bilden"
    foto tippreihen
    kill "$kbw" "$wm"
' bash "$wurzel/build/app/kombiwerk" "$ziel"

for seite in systemwahl zahlenwahl tippreihen; do
    bild="$ziel/$seite.png"
    test -s "$bild"
    # Small for the README: at most 800 px wide, a palette instead of true colour.
    convert "$bild" -resize '800x>' -strip +dither -colors 256 -define png:compression-level=9 "$bild"
    echo "$bild: $(identify -format '%wx%h' "$bild"), $(stat -c %s "$bild") Bytes"
done
if [ "$(md5sum "$ziel"/*.png | cut -d' ' -f1 | sort -u | wc -l)" -ne 3 ]; then
    echo "Two pictures are the same: a click missed its control." >&2
    exit 1
fi
