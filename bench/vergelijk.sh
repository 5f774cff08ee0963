#!/usr/bin/env bash
# Opening a large year and printing its balances, side by side with ledger on
# the same year: generates the example year, exports it as a journal, runs
# `valdero-cli saldi` and `ledger balance` several times each as whole
# processes and prints the run with the least processor time (its wall,
# user and system time), the peak memory and the ratios.
#
#   bench/vergelijk.sh [--transacties N] [--runs N] [--cli PAD] [--map MAP]
#
# Defaults: 100000 transactions, 5 runs, build/src/app/cli/valdero-cli (or
# build/valdero-cli), a fresh temporary folder that is removed afterwards
# (a --map given is kept and reused when it already holds the year).
set -euo pipefail

transacties=100000
runs=5
cli=""
map=""
while [[ $# -gt 0 ]]; do
  case "$1" in
    --transacties) transacties="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --cli) cli="$(realpath "$2")"; shift 2 ;;
    --map) map="$2"; shift 2 ;;
    *) echo "gebruik: $0 [--transacties N] [--runs N] [--cli PAD] [--map MAP]" >&2; exit 2 ;;
  esac
done

hier="$(cd "$(dirname "$0")/.." && pwd)"
if [[ -z "$cli" ]]; then
  for kandidaat in "$hier/build/src/app/cli/valdero-cli" "$hier/build/src/app/valdero-cli" "$hier/build/valdero-cli"; do
    [[ -x "$kandidaat" ]] && cli="$kandidaat" && break
  done
fi
[[ -x "$cli" ]] || { echo "valdero-cli niet gevonden; bouw eerst (ninja -C build valdero-cli) of geef --cli" >&2; exit 1; }
command -v ledger >/dev/null || { echo "ledger is niet geïnstalleerd" >&2; exit 1; }
[[ -x /usr/bin/time ]] || { echo "/usr/bin/time is niet geïnstalleerd (pakket time)" >&2; exit 1; }

opruimen=""
if [[ -z "$map" ]]; then
  map="$(mktemp -d)"
  opruimen="$map"
fi
trap '[[ -n "$opruimen" ]] && rm -rf "$opruimen"' EXIT
mkdir -p "$map"
cd "$map"

boek="$(ls ./*.vdr 2>/dev/null | head -n 1 || true)"
if [[ -z "$boek" ]]; then
  boek="$("$cli" voorbeeld --transacties "$transacties" . | tail -n 1)"
fi
naam="$(basename "$boek" .vdr)"
[[ -f journal.ledger ]] || "$cli" exporteer --journal "$naam" > journal.ledger

# One run under /usr/bin/time -v: "wall user system peak-kB".
meet() {
  local log
  log="$(mktemp)"
  /usr/bin/time -v "$@" > /dev/null 2> "$log"
  awk -F': ' '
    /Elapsed \(wall clock\)/ { n = split($2, d, ":"); w = 0; for (i = 1; i <= n; ++i) w = w * 60 + d[i] }
    /User time/ { u = $2 }
    /System time/ { s = $2 }
    /Maximum resident set size/ { m = $2 }
    END { printf "%.3f %.3f %.3f %d\n", w, u, s, m }' "$log"
  rm -f "$log"
}

# The best of the runs by processor time, user plus system (on a shared
# machine the wall time mostly measures the others).
beste() {
  local beste_regel="" regel
  for ((i = 0; i < runs; ++i)); do
    regel="$(meet "$@")"
    if [[ -z "$beste_regel" ]] || awk -v a="$regel" -v b="$beste_regel" 'BEGIN { split(a, x, " "); split(b, y, " "); exit !(x[2] + x[3] < y[2] + y[3]) }'; then
      beste_regel="$regel"
    fi
  done
  echo "$beste_regel"
}

grootte="$(du -h "$boek" | cut -f1)"
echo "Boek: $boek ($grootte, $transacties transacties), journal $(du -h journal.ledger | cut -f1); beste van $runs runs"
v="$(beste "$cli" saldi "$naam")"
l="$(beste ledger -f journal.ledger balance)"

read -r vw vu vs vm <<< "$v"
read -r lw lu ls lm <<< "$l"
printf '%-22s %8s %8s %8s %10s\n' "" "wand s" "user s" "sys s" "piek MB"
printf '%-22s %8.3f %8.3f %8.3f %10.1f\n' "valdero-cli saldi" "$vw" "$vu" "$vs" "$(awk -v m="$vm" 'BEGIN { print m / 1024 }')"
printf '%-22s %8.3f %8.3f %8.3f %10.1f\n' "ledger balance" "$lw" "$lu" "$ls" "$(awk -v m="$lm" 'BEGIN { print m / 1024 }')"
awk -v vw="$vw" -v lw="$lw" -v vc="$(awk -v u="$vu" -v s="$vs" 'BEGIN { print u + s }')" \
    -v lc="$(awk -v u="$lu" -v s="$ls" 'BEGIN { print u + s }')" -v vm="$vm" -v lm="$lm" 'BEGIN {
  if (vw > 0) printf "ledger / valdero, wandtijd: %.1f keer\n", lw / vw; else print "ledger / valdero, wandtijd: valdero onder de meetgrens (0,01 s)"
  if (vc > 0) printf "ledger / valdero, processortijd (user + sys): %.1f keer\n", lc / vc; else print "ledger / valdero, processortijd: valdero onder de meetgrens (0,01 s)"
  printf "valdero / ledger, piekgeheugen: %.2f\n", vm / lm }'
