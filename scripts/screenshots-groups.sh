#!/bin/sh
# Pictures of the group dialog, the groups manager, the sort dialog and the
# navigator bar as a user sees them, taken under a virtual X server into
# build/screenshots/.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
ninja -C build -j2 tst_groepen tst_navigator
mkdir -p build/screenshots
for t in tst_groepen tst_navigator; do
  VALDERO_SCHERMAFDRUK="$PWD/build/screenshots" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" "build/tests/$t" >/dev/null
done
ls build/screenshots
