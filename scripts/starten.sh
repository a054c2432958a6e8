#!/usr/bin/env bash
# Installs the packages, builds Kombiwerk in build/ and starts it. Without a display the
# program runs under Xvfb, a screenshot goes to build/screenshot.png and the script ends.
set -euo pipefail

wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$wurzel"
. scripts/pakete-installieren.sh
kbw_pakete_installieren scripts/pakete.txt

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"

if [ -n "${DISPLAY:-}" ]; then
    exec ./build/app/kombiwerk
fi

bild="$wurzel/build/screenshot.png"
rm -f "$bild"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    ./build/app/kombiwerk &
    programm=$!
    sleep 4
    import -window root "$1"
    kill "$programm"
    wait "$programm" 2>/dev/null || true
' bash "$bild"
test -s "$bild"
echo "Screenshot: $bild"
