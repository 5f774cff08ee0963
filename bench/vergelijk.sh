#!/usr/bin/env bash
# Valdero beside ledger on one large year, as whole processes: the balances
# (also against reading the book with cat), every report kind, the journal
# export and the import of a bank file of 1 000 lines, each with the peer
# job that comes nearest. Generates the example year (the payments account
# carrying a bank number), exports it as a journal for ledger, writes the
# Rabobank file and the same lines as CSV for `ledger convert`, then runs each
# job and its peer in turn (side by side, so that the load of the machine
# weighs on both) and prints one table: per job the median over the runs of
# each side of the processor time (user + system) and of the wall time, the
# ratios peer / Valdero of both, and both peak memories (the largest of the
# runs). The balances are also given as the mean of --saldi-runs runs of
# each side.
#
#   bench/vergelijk.sh [--transacties N] [--runs N] [--saldi-runs N] [--cli PAD] [--map MAP]
#                      [--alleen PATROON]
#
# Defaults: 100000 transactions, 5 runs, 20 runs for the mean of the
# balances, build/src/app/valdero-cli, a fresh temporary folder that is
# removed afterwards (a --map given is kept and reused when it already holds
# the year). A peer that takes more than 10 seconds runs once. --alleen runs
# only the jobs whose name matches the pattern (grep -E).
set -euo pipefail
# Numbers with a full stop throughout (time's output, awk, the shell's clock).
export LC_ALL=C

transacties=100000
runs=5
saldiRuns=20
cli=""
map=""
alleen=""
while [[ $# -gt 0 ]]; do
  case "$1" in
    --transacties) transacties="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --saldi-runs) saldiRuns="$2"; shift 2 ;;
    --cli) cli="$(realpath "$2")"; shift 2 ;;
    --map) map="$2"; shift 2 ;;
    --alleen) alleen="$2"; shift 2 ;;
    *) echo "gebruik: $0 [--transacties N] [--runs N] [--saldi-runs N] [--cli PAD] [--map MAP] [--alleen PATROON]" >&2
       exit 2 ;;
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

# The own account of the bank file: the import finds an account by the
# digits in its name (without leading zeros).
nummer=123456789
boek="$(ls ./*.vdr 2>/dev/null | head -n 1 || true)"
if [[ -z "$boek" ]]; then
  boek="$("$cli" voorbeeld --transacties "$transacties" --rekeningnummer "$nummer" . | tail -n 1)"
fi
naam="$(basename "$boek" .vdr)"
jaar="20${naam: -2}"
[[ -f journal.ledger ]] || "$cli" exporteer --journal "$naam" > journal.ledger
# The payments account's name in the journal ends at the two blanks before
# the amount.
rekening1="$(sed -n 's/^    \(Rekeningen:1 .*\)  .*/\1/p;T;q' journal.ledger)"

# 1 000 Rabobank lines over the year, and the same lines as CSV for ledger.
if [[ ! -f rabo.txt ]]; then
  awk -v jaar="$jaar" -v nummer="0$nummer" 'BEGIN {
    for (i = 0; i < 1000; i++) {
      d = mktime(jaar " 01 01 12 00 00") + (i % 350) * 86400
      ds = strftime("%Y%m%d", d)
      bij = (i % 7 == 0) ? "C" : "D"
      bedrag = sprintf("%d.%02d", 3 + (i * 37) % 400, (i * 13) % 100)
      printf "\"%s\",\"EUR\",%s,\"%s\",%s,\"0300065264\",\"WINKEL %d\",%s,\"ba\",\"\",\"Aankoop %d\",\"bon %d\"\r\n",
             nummer, ds, bij, bedrag, i, ds, i, i
    } }' > rabo.txt
  sed 's/^"0[0-9]*"/"0999999999"/' rabo.txt > rabo-onbekend.txt
  awk -F, 'BEGIN { print "date,payee,amount,note" }
    { gsub(/"/, ""); gsub(/\r/, ""); a = $5; if ($4 == "D") a = "-" a; print $3 "," $7 "," a "," $11 " " $12 }' rabo.txt > rabo.csv
fi
# Each import starts from the year as generated, in a folder of its own
# whose restore point already holds it (made by a first open, not timed).
for variant in een onbekend; do
  mkdir -p "import-$variant"
  cp -p "$naam.vdr" "$naam.cfg" "import-$variant/"
  [[ $variant == een ]] && cp rabo.txt "import-$variant/" || cp rabo-onbekend.txt "import-$variant/rabo.txt"
  (cd "import-$variant" && "$cli" saldi "$naam" > /dev/null)
done

# One run under /usr/bin/time -v: "wall user system peak-kB". A command
# given as "voor ...; cmd" prepares first (not timed).
# The wall time is taken by the shell to the microsecond (time's own count
# is in hundredths, too coarse for the balances and cat); it includes
# starting /usr/bin/time, about a millisecond, on both sides alike.
meet() {
  local log begin eind
  log="$(mktemp)"
  begin=${EPOCHREALTIME/,/.}
  /usr/bin/time -v "$@" > /dev/null 2> "$log" || true
  eind=${EPOCHREALTIME/,/.}
  awk -F': ' -v w="$(awk -v b="$begin" -v e="$eind" 'BEGIN { print e - b }')" '
    /User time/ { u = $2 }
    /System time/ { s = $2 }
    /Maximum resident set size/ { m = $2 }
    END { printf "%.4f %.3f %.3f %d\n", w, u, s, m }' "$log"
  rm -f "$log"
}

# The median of runs given one a line ("wall user system peak-kB"): the
# median wall time, the median processor time (user + system) and the
# largest peak memory, as "wall cpu peak-kB".
mediaan() {
  awk '{ w[NR] = $1; c[NR] = $2 + $3; if ($4 > m) m = $4 }
    function mid(a, n,   i, j, t) {
      for (i = 2; i <= n; ++i) for (j = i; j > 1 && a[j - 1] > a[j]; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END { printf "%.4f %.3f %d\n", mid(w, NR), mid(c, NR), m }'
}

# Restores the import folder's book before a run.
# The copy keeps the time of the year written, so the restore point made
# before is known to hold it, as for a book that was not touched in between.
herstel() { cp -p "$naam.vdr" "import-$1/$naam.vdr"; rm -f "import-$1/$naam.~VD"; }

declare -A peerRuns_
printf '%-34s %9s %9s %8s %8s %9s %9s %9s %9s\n' "taak (Valdero | peer)" "Valdero s" "peer s" "× cpu" "× wand" "Valdero w" "peer w" "Valdero MB" "peer MB"
printf '%s\n' "$(printf '%.0s-' {1..112})"

# rij NAAM VOORBEREIDING "valdero-args" "peer-command"
rij() {
  local taak="$1" voor="$2" ons="$3" peer="$4"
  [[ -n "$alleen" ]] && ! grep -qE "$alleen" <<< "$taak" && return 0
  local v="" p="${peerRuns_[$peer]:-}" r
  local peerRuns=$runs
  [[ -n "$p" ]] && peerRuns=0
  for ((i = 0; i < runs; ++i)); do
    [[ -n "$voor" ]] && $voor
    # shellcheck disable=SC2086
    r="$(meet $ons)"
    v+="$r"$'\n'
    if ((i < peerRuns)); then
      # shellcheck disable=SC2086
      r="$(eval "meet $peer")"
      p+="$r"$'\n'
      # A slow peer once is enough: its ratio is far from any goal.
      awk -v r="$r" 'BEGIN { split(r, x, " "); exit !(x[1] > 10) }' && peerRuns=$((i + 1))
    fi
  done
  peerRuns_[$peer]="$p"
  read -r vw vc vm <<< "$(printf '%s' "$v" | mediaan)"
  read -r pw pc pm <<< "$(printf '%s' "$p" | mediaan)"
  awk -v t="$taak" -v vw="$vw" -v vc="$vc" -v vm="$vm" \
      -v pw="$pw" -v pc="$pc" -v pm="$pm" 'BEGIN {
    rc = vc > 0 ? sprintf("%8.1f", pc / vc) : "   >" (pc / 0.01)
    rw = vw > 0 ? sprintf("%8.1f", pw / vw) : "   >" (pw / 0.01)
    printf "%-34s %9.3f %9.3f %s %s %9.4f %9.4f %9.1f %9.1f\n", t, vc, pc, rc, rw, vw, pw, vm / 1024, pm / 1024 }'
}

uptime | sed 's/^/belasting voor: /'
echo "Boek: $boek ($(du -h "$boek" | cut -f1), $transacties transacties), journal $(du -h journal.ledger | cut -f1);" \
     "mediaan van $runs afwisselende runs per kant (processortijd user + sys en wandtijd in seconden," \
     "grootste piekgeheugen)"
l="ledger -f journal.ledger"
rij "saldi | balance" "" "$cli saldi $naam" "$l balance"
rij "saldi | cat boek > /dev/null" "" "$cli saldi $naam" "cat $naam.vdr"
rij "rapport 1 | register rekening" "" "$cli rapport --rekening 1 $naam 1" "$l register '$rekening1'"
rij "rapport 5 | register groep" "" "$cli rapport --groep 310 $naam 5" "$l register Groepen:310"
rij "rapport 6 | register groep" "" "$cli rapport --groep 310 $naam 6" "$l register Groepen:310"
rij "rapport 10 | balance Groepen" "" "$cli rapport $naam 10" "$l balance Groepen"
for soort in 11 12 13 14 15 21 22 23 24 25; do
  rij "rapport $soort | balance Groepen" "" "$cli rapport $naam $soort" "$l balance Groepen"
done
rij "rapport 16 | register --by-payee" "" "$cli rapport $naam 16" "$l register --by-payee"
rij "rapport 31 | balance Rekeningen" "" "$cli rapport $naam 31" "$l balance Rekeningen"
rij "rapport 32 | balance Rekeningen" "" "$cli rapport $naam 32" "$l balance Rekeningen"
rij "journaal | print" "" "$cli exporteer --journal $naam" "$l print"
convert="$l convert rabo.csv --input-date-format %Y%m%d --account '$rekening1'"
rij "importeer 1000 regels | convert" "herstel een" \
    "env -C import-een $cli importeer --vanaf 1-1-$jaar $naam 0 rabo.txt" "$convert"
rij "importeer 1000 onbekend | convert" "herstel onbekend" \
    "env -C import-onbekend $cli importeer --vanaf 1-1-$jaar $naam 0 rabo.txt" "$convert"

# The balances as the mean of many runs of each side, alternating.
if [[ -z "$alleen" ]] || grep -qE "$alleen" <<< "saldi"; then
  som_v=0; som_l=0
  for ((i = 0; i < saldiRuns; ++i)); do
    read -r vw vu vs vm <<< "$(meet "$cli" saldi "$naam")"
    read -r lw lu ls lm <<< "$(meet ledger -f journal.ledger balance)"
    som_v="$(awk -v a="$som_v" -v w="$vw" 'BEGIN { print a + w }')"
    som_l="$(awk -v a="$som_l" -v w="$lw" 'BEGIN { print a + w }')"
  done
  awk -v v="$som_v" -v l="$som_l" -v n="$saldiRuns" 'BEGIN {
    printf "saldi gemiddeld over %d runs: %.3f s wand, ledger balance %.3f s: %.1f keer\n", n, v / n, l / n, (v > 0 ? l / v : 0) }'
fi
uptime | sed 's/^/belasting na: /'
