#!/bin/sh
# Pictures of the search dialog as a user sees it (the full list, a free
# search with the detail grid, a multi-row pick), taken under a virtual X
# server into build/screenshots/.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
ninja -C build -j2 tst_zoekdlg
mkdir -p build/screenshots
VALDERO_SCHERMAFDRUK="$PWD/build/screenshots" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/tst_zoekdlg >/dev/null
ls build/screenshots
