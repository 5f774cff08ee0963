#!/bin/sh
# Pictures of the booking window as a user sees it (an ordinary booking with
# the account grid, the balances grid with the action menu, a securities
# booking) and of the search dialog picking a record, taken from a virtual X
# server's screen into build/screenshots/.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
ninja -C build -j2 tst_boekingform tst_boekingform_effecten tst_boekingform_zoeken
mkdir -p build/screenshots
for t in tst_boekingform tst_boekingform_effecten tst_boekingform_zoeken; do
  VALDERO_SCHERMAFDRUK="$PWD/build/screenshots" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/$t >/dev/null
done
ls build/screenshots | grep '^boeking'
