#!/usr/bin/env bash
# Installs the packages, builds and tests Kombiwerk twice: optimised in build/, then with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-san/. Fails on any error.
set -euo pipefail

wurzel="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$wurzel"
. scripts/pakete-installieren.sh
kbw_pakete_installieren scripts/pakete.txt

jobs="$(nproc)"

# The core of a subsystem never depends on widgets.
if grep -rnE '#include <(QtWidgets|QApplication|QWidget|QDialog|QMessageBox|QLabel|QPushButton|QMainWindow)' catalogue/ selection/systemfilter.* selection/systembeschreibung.* rows/zufall.* rows/zahlenwahl.* rows/systemanwenden.* rows/rueckmeldung.h app/inidatei.* app/einstellungen.*; then
    echo "Widget include in a core folder" >&2
    exit 1
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san"
cmake --build build-san -j"$jobs"
(cd build-san && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")

echo "All tests passed."
