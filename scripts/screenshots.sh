#!/usr/bin/env bash
# Pictures of the desktop program under a virtual X server, into
# build/screenshots/: the splash, the main window on the example book, the
# start panel (no book), a message dialog, the account dialog of New and the
# password dialog. Each run of the program saves
# one picture of the screen after a delay (VALDERO_SCREENSHOT) and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

cmake -S . -B build -G Ninja >/dev/null
ninja -C build -j2 valdero valdero-cli

uit="$root/build/screenshots"
werk="$root/build/screenshots-werk"
mkdir -p "$uit"
rm -rf "$werk"
mkdir -p "$werk/voorbeeld" "$werk/leeg" "$werk/bericht" "$werk/nieuw"

app="$root/build/src/app/valdero"
"$root/build/src/app/valdero-cli" voorbeeld "$werk/voorbeeld" >/dev/null || true
boek=$(basename "$(ls "$werk/voorbeeld"/*.vdr 2>/dev/null | head -n 1)" .vdr)

foto() {  # name folder delay [argument]; VALDERO_SCREENSHOT_COMMANDO picks a menu item
  local naam=$1 map=$2 wacht=$3
  shift 3
  (cd "$map" && VALDERO_SCREENSHOT="$uit/$naam.png:$wacht" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$app" "$@" >/dev/null 2>&1 || true)
  echo "$uit/$naam.png"
}

foto startpaneel "$werk/leeg" 2500
VALDERO_SCREENSHOT_COMMANDO='&Bestand|&Nieuw' foto nieuw-rekening "$werk/nieuw" 3000
if [ -z "$boek" ]; then
  echo "Geen voorbeeldboek: valdero-cli voorbeeld maakte niets; alleen het startpaneel." >&2
  exit 0
fi
# A book whose name has no year: loading it reports that in a message.
cp "$werk/voorbeeld/$boek.vdr" "$werk/bericht/Huis.vdr"
foto splash "$werk/voorbeeld" 500 "$boek"
foto hoofdvenster "$werk/voorbeeld" 3000 "$boek"
foto bericht "$werk/bericht" 2500 Huis
VALDERO_SCREENSHOT_COMMANDO='&Bestand|&Wachtwoord' foto wachtwoord "$werk/voorbeeld" 3500 "$boek"
VALDERO_SCREENSHOT_COMMANDO='&Transacties|&Bijboeken' foto boeking-bijboeken "$werk/voorbeeld" 3500 "$boek"
# The progress of saving a year of 100 000 transactions: pictured as soon as
# the dialog shows.
mkdir -p "$werk/groot"
"$root/build/src/app/valdero-cli" voorbeeld --transacties 100000 "$werk/groot" >/dev/null || true
groot=$(basename "$(ls "$werk/groot"/*.vdr 2>/dev/null | head -n 1)" .vdr)
if [ -n "$groot" ]; then
  VALDERO_SCREENSHOT_VOORTGANG=1 VALDERO_SCREENSHOT_COMMANDO='&Bestand|&Bewaren' \
    foto voortgang-bewaren "$werk/groot" 30000 "$groot"
fi
