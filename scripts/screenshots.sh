#!/usr/bin/env bash
# The walk through every window of the desktop program, under a virtual X
# server and a Dutch desktop (nl_NL.UTF-8), into build/screenshots/: the
# splash, the start panel, the main window on the example book, and every
# window opened from its menu or button (venster-*.png), Qt's own file
# dialogs included. Each run of the program takes the steps of
# VALDERO_SCREENSHOT_COMMANDO (menu paths, keys, buttons), saves one picture
# of the screen after a delay (VALDERO_SCREENSHOT) and ends; that hook is in
# the build valdero-schermafdruk only, not in the program users get.
# Look at every picture: clipped texts, missing headings, overlapping
# controls, English.
#   scripts/screenshots.sh            everything
#   scripts/screenshots.sh vensters   only the window walk
set -euo pipefail
# A Dutch desktop, as the program's users have.
export LANG=nl_NL.UTF-8 LC_ALL=nl_NL.UTF-8
cd "$(dirname "$0")/.."
root="$PWD"

# VALDERO_GEEN_BOUW=1: take the programs as they are built.
if [ -z "${VALDERO_GEEN_BOUW:-}" ]; then
  cmake -S . -B build -G Ninja >/dev/null
  ninja -C build -j2 valdero-schermafdruk valdero-cli
fi

uit="$root/build/screenshots"
werk="$root/build/screenshots-werk"
mkdir -p "$uit"
rm -rf "$werk"
mkdir -p "$werk/voorbeeld" "$werk/leeg" "$werk/bericht" "$werk/nieuw"

# The desktop program with the screenshot hook (src/app/schermafdruk).
app="$root/build/src/app/valdero-schermafdruk"
"$root/build/src/app/valdero-cli" voorbeeld "$werk/voorbeeld" >/dev/null || true
boek=$(basename "$(ls "$werk/voorbeeld"/*.vdr 2>/dev/null | head -n 1)" .vdr)

foto() {  # name folder delay [argument]; VALDERO_SCREENSHOT_COMMANDO picks a menu item
  local naam=$1 map=$2 wacht=$3
  shift 3
  (cd "$map" && VALDERO_SCREENSHOT="$uit/$naam.png:$wacht" \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$app" "$@" >/dev/null 2>&1 || true)
  echo "$uit/$naam.png"
}

# Every window from its menu, on a copy of the example book of its own.
# stap: name delay steps (";;" between steps, see Schermafdruk.h)
stap() {
  local naam=$1 wacht=$2 stappen=$3
  local map="$werk/wandeling-$naam"
  rm -rf "$map"
  mkdir -p "$map"
  cp "$werk/voorbeeld/$boek".* "$map/" 2>/dev/null || true
  VALDERO_SCREENSHOT_COMMANDO="$stappen" foto "venster-$naam" "$map" "$wacht" "$boek"
}

wandeling() {
  stap rekeningen 3500 '&Bestand|Open &Rekening'
  stap rekeningbeheer 3500 'knop:BankBtn'
  stap groepenbeheer 3500 'knop:GroepBtn'
  stap groepdialoog 4500 'knop:GroepBtn;;knop:NieuwBtn;;toets:Return'
  stap groepen 3500 '&Bestand|Open &Groep'
  stap budget-jaar 3500 '&Bestand|Open &Budget|Begroting per &Jaar'
  stap budget-periode 4500 '&Bestand|Open &Budget|Begrotig per &Periode;;toets:Return'
  stap budget-selectie 3500 '&Bestand|Open &Budget|&Selectie van klassen'
  stap relaties 3500 '&Bestand|Open Re&latie'
  stap herstelpunt 3500 '&Bestand|Herstel&punt terugzetten...'
  stap bewaren-als-vraag 3500 '&Bestand|Bewaren &als...'
  VALDERO_SCREENSHOT_BESTANDSDIALOOG=1 stap bewaren-als-dialoog 4500 '&Bestand|Bewaren &als...;;toets:Return'
  VALDERO_SCREENSHOT_BESTANDSDIALOOG=1 stap importeren-dialoog 3500 '&Bestand|&Importeren|&Automatisch'
  stap wachtwoord 3500 '&Bestand|&Wachtwoord'
  stap bijboeken 3500 '&Transacties|&Bijboeken'
  stap afboeken 3500 '&Transacties|&Af boeken'
  stap boeking-saldi 4200 '&Transacties|&Bijboeken;;knop:KasRekKnop'
  stap boeking-rekening 4900 '&Transacties|&Bijboeken;;knop:KasRekKnop;;knop:KasRekKnop'
  stap boeking-ok-vraag 4900 '&Transacties|&Bijboeken;;toets:Tab;;tekst:12;;knop:SluitKnop'
  stap overschrijven 3500 '&Transacties|&Overschrijven|&Af rekening naar tegenrek.'
  stap wijzigen 3500 '&Transacties|&Wijzigen'
  stap aanschaffen 3500 'Bele&ggingen|&Aanschaffen (add)'
  stap overzicht-rekening 4200 '&Overzichten|&Rekeningen;;toets:Return'
  stap overzicht-groep 4200 '&Overzichten|&Groepen|&Enkel;;toets:Return'
  stap overzicht-samengesteld 4200 '&Overzichten|&Groepen|&Samengesteld;;toets:Return'
  stap selectie-klassen 3500 '&Overzichten|&Klassen'
  stap selectie-relaties 3500 '&Overzichten|Re&laties'
  stap btw 4200 '&Overzichten|&Btw berekening;;toets:Return'
  stap begroting-jaar 3500 '&Overzichten|&Begroting|IN/UIT per &jaar'
  stap balans-jaar 3500 '&Overzichten|Budget Ba&lans|Saldo per &jaar'
  stap saldi 3500 '&Overzichten|&ValderoSaldi|&Alle rekeningen'
  stap saldi-selectie 3500 '&Overzichten|&ValderoSaldi|Rekening &Selectie'
  stap zoeken 3500 '&Overzichten|&Zoeken'
  stap exporteren 4200 '&Overzichten|&Exporteren;;toets:Return'
  VALDERO_SCREENSHOT_BESTANDSDIALOOG=1 stap exporteren-dialoog 4900 '&Overzichten|&Exporteren;;toets:Return;;knop:ExportOkBtn'
  stap grafiek-rekening 4500 'Grafieken|Rekeningen;;toets:Return'
  stap grafiek-groep 4500 'Grafieken|Groepen;;toets:Return'
  stap grafiek-saldi 4000 'Grafieken|ValderoSaldi|Alle rekeningen'
  stap opties 3500 '&Extra|&Opties'
  stap persoonsdata 3500 '&Extra|&Persoonsdata'
  stap help 3500 '&Help|Inhoud Help'
  stap info 3500 '&Help|Info'
}

if [ "${1:-}" = vensters ]; then
  [ -n "$boek" ] && wandeling
  ls "$uit"/venster-*.png
  exit 0
fi

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
wandeling
# The progress of saving a year of 100 000 transactions: pictured as soon as
# the dialog shows.
mkdir -p "$werk/groot"
"$root/build/src/app/valdero-cli" voorbeeld --transacties 100000 "$werk/groot" >/dev/null || true
groot=$(basename "$(ls "$werk/groot"/*.vdr 2>/dev/null | head -n 1)" .vdr)
if [ -n "$groot" ]; then
  VALDERO_SCREENSHOT_VOORTGANG=1 VALDERO_SCREENSHOT_COMMANDO='&Bestand|&Bewaren' \
    foto voortgang-bewaren "$werk/groot" 30000 "$groot"
fi
