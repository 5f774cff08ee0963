#!/usr/bin/env bash
# Builds the Debian package (scripts/deb.sh) and tries it as a user gets it:
# validates the desktop entry and the MIME type, installs the package, runs
# the installed valdero-cli from another folder (an example book, then its
# balances by full path and its balance chart as a PNG through the installed
# chart module, into build-deb/grafiek.png) and, with xvfb-run present,
# pictures the installed program opening that book by full path into
# build-deb/geinstalleerd.png.
#
# With VALDERO_PAKKET_INSTALLEREN=1 (the CI machine, a throwaway one run as
# root) the package is installed with dpkg -i, which also checks its
# dependencies, and removed again; otherwise it is unpacked into a scratch
# root, so that a developer's machine is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."

pakket=$(scripts/deb.sh)
echo "pakket: $pakket"
uit=$(dirname "$pakket")
root="$uit/root"

desktop-file-validate "$root/usr/share/applications/valdero.desktop"
xmllint --noout "$root/usr/share/mime/packages/valdero.xml"
dpkg-deb --info "$pakket" | sed -n 's/^ \(Depends\|Version\|Architecture\):/  \1:/p'
inhoud=$(dpkg-deb --contents "$pakket")
for nodig in ./usr/bin/valdero ./usr/bin/valdero-cli ./usr/lib/valdero/valdero-grafiektekening.so \
  ./usr/share/applications/valdero.desktop \
  ./usr/share/icons/hicolor/scalable/apps/valdero.svg ./usr/share/icons/hicolor/48x48/apps/valdero.png \
  ./usr/share/mime/packages/valdero.xml ./usr/share/doc/valdero/copyright; do
  if ! grep -q " $nodig\$" <<<"$inhoud"; then
    echo "deb-test: $nodig ontbreekt in het pakket" >&2
    exit 1
  fi
done

if [ "${VALDERO_PAKKET_INSTALLEREN:-0}" = 1 ]; then
  dpkg -i "$pakket"
  bin=/usr/bin
else
  geinstalleerd="$uit/geinstalleerd"
  rm -rf "$geinstalleerd"
  dpkg -x "$pakket" "$geinstalleerd"
  bin="$geinstalleerd/usr/bin"
fi

werk=$(mktemp -d)
trap 'rm -rf "$werk"' EXIT
mkdir -p "$werk/boeken" "$werk/elders"
cd "$werk/elders"
boek=$("$bin/valdero-cli" voorbeeld --vandaag 15-3-2026 "$werk/boeken")
echo "voorbeeldboek: $boek"
saldi=$("$bin/valdero-cli" saldi --vandaag 15-3-2026 "$boek")
if ! grep -q . <<<"$saldi"; then
  echo "deb-test: valdero-cli saldi gaf niets" >&2
  exit 1
fi
echo "$saldi" | head -n 5

# valdero-cli itself links no Qt; the chart comes from the installed module.
if ldd "$bin/valdero-cli" | grep -qi qt; then
  echo "deb-test: valdero-cli linkt Qt" >&2
  exit 1
fi
grafiek="$uit/grafiek.png"
rm -f "$grafiek"
if ! env -u DISPLAY -u WAYLAND_DISPLAY "$bin/valdero-cli" grafiek --vandaag 15-3-2026 --png "$grafiek" "$boek" 131 \
  >/dev/null || [ "$(head -c 4 "$grafiek" | tail -c 3)" != PNG ]; then
  echo "deb-test: valdero-cli grafiek --png tekende geen PNG" >&2
  exit 1
fi
echo "grafiek: $grafiek"

if command -v xvfb-run >/dev/null; then
  foto="$uit/geinstalleerd.png"
  rm -f "$foto"
  # The installed program has no screenshot hook: the picture is taken of
  # the virtual screen from outside, and the program is then stopped.
  xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$1" "$2" >/dev/null 2>&1 &
    programma=$!
    sleep 4
    import -window root "$3"
    kill "$programma" 2>/dev/null
    wait "$programma" 2>/dev/null
    exit 0' sh "$bin/valdero" "$boek" "$foto" >/dev/null 2>&1 || true
  if [ ! -s "$foto" ]; then
    echo "deb-test: het geïnstalleerde programma maakte geen schermafdruk" >&2
    exit 1
  fi
  echo "schermafdruk: $foto"
fi

if [ "${VALDERO_PAKKET_INSTALLEREN:-0}" = 1 ]; then
  dpkg -r valdero >/dev/null
fi
echo "deb-test: pakket gebouwd, geïnstalleerd en beproefd"
