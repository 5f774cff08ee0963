#!/usr/bin/env bash
# Builds the Debian package valdero_<version>_<arch>.deb in build-deb/ from
# the build tree (BUILD, "build" unless set; it is configured and the two
# programs built when needed): both programs stripped, the chart module that
# valdero-cli loads for "grafiek --png" (/usr/lib/valdero), the desktop entry
# (Office;Finance), the icon in the hicolor theme (SVG and PNG sizes), the
# MIME type of the ".vdr" books, the README, and the dependencies that
# dpkg-shlibdeps finds from the binaries. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD:-build}
jobs=$(nproc 2>/dev/null || echo 2)
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j "$jobs" --target valdero valdero-cli valdero-grafiektekening >/dev/null

versie=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
uit="$PWD/build-deb"
root="$uit/root"
rm -rf "$uit" && mkdir -p "$root"

DESTDIR="$root" cmake --install "$build" --prefix /usr --strip >/dev/null

# PNG sizes beside the SVG, for menus and file managers that want pixels.
for maat in 48 128 256; do
  map="$root/usr/share/icons/hicolor/${maat}x${maat}/apps"
  mkdir -p "$map"
  convert -background none packaging/icons/valdero.svg -resize "${maat}x${maat}" "PNG32:$map/valdero.png"
done

doc="$root/usr/share/doc/valdero"
mkdir -p "$doc"
cat >"$doc/copyright" <<TEKST
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Valdero
Files: *
Copyright: Valdero
License: proprietary
TEKST

# dpkg-shlibdeps reads the package name from a debian/control of its own.
shlib="$uit/shlibdeps"
mkdir -p "$shlib/debian"
printf 'Source: valdero\n\nPackage: valdero\nArchitecture: any\n' >"$shlib/debian/control"
afhankelijk=$(cd "$shlib" && dpkg-shlibdeps -O "$root/usr/bin/valdero" "$root/usr/bin/valdero-cli" \
  "$root/usr/lib/valdero/valdero-grafiektekening.so" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')

# The X11/Wayland platform plugins are loaded at run time, so no library
# dependency names them.
grootte=$(du -sk "$root/usr" | cut -f1)
mkdir -p "$root/DEBIAN"
cat >"$root/DEBIAN/control" <<TEKST
Package: valdero
Version: $versie
Architecture: $arch
Maintainer: Valdero <valdero@example.nl>
Section: misc
Priority: optional
Installed-Size: $grootte
Depends: $afhankelijk, qt6-qpa-plugins
Homepage: https://valdero.example.nl
Description: kasboek voor huis en bedrijf
 Valdero houdt per jaar een kasboek bij: rekeningen, budgetgroepen in
 klassen, transacties met btw, effecten en relaties. Het leest de
 mutatiebestanden van Nederlandse banken en stemt elke regel af met het
 grootboek; overzichten, budgetten, saldi en grafieken worden afgedrukt of
 als tekst bewaard. Met valdero-cli voor hetzelfde werk zonder vensters.
TEKST

pakket="$uit/valdero_${versie}_${arch}.deb"
dpkg-deb --root-owner-group -Zxz --build "$root" "$pakket" >/dev/null
echo "$pakket"
