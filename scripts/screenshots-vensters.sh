#!/bin/sh
# Pictures of the windows as a user sees them, taken under a virtual X server
# into build/screenshots/. The window tests take them when VALDERO_SCHERMAFDRUK
# names a folder; tests/ui/plaatjes/voorbeeldvensters (no test) takes the
# accounts and budget windows on the example book. Without arguments all of
# them run; otherwise only the named ones (e.g. tst_zoekdlg).
set -e
cd "$(dirname "$0")/.."
tests="$*"
if [ -z "$tests" ]; then
  tests="tst_groepen tst_navigator tst_nieuwrekendlg tst_passworddlg tst_zoekdlg
         tst_boekingform tst_boekingform_effecten tst_boekingform_zoeken tst_afschrift
         tst_rekeningen tst_budget tst_relaties_opties_export tst_groepuit tst_grafiek
         tst_wachtwoordzin voorbeeldvensters"
fi
cmake -S . -B build -G Ninja >/dev/null
# shellcheck disable=SC2086
ninja -C build -j2 $tests
mkdir -p build/screenshots
for t in $tests; do
  VALDERO_SCHERMAFDRUK="$PWD/build/screenshots" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" "build/tests/$t" >/dev/null
done
ls build/screenshots
