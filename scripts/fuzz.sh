#!/usr/bin/env bash
# Fuzzes the readers of outside bytes: builds the libFuzzer harnesses of
# tests/fuzz with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build-fuzz (the model libraries they need and nothing else) and runs each
# for FUZZ_SECONDEN seconds (20 unless set) over its corpus in
# tests/fuzz/corpus/<target>, as many at once as there are cores.
#
# A crash, a sanitizer report, a hang or a broken promise of the target fails
# the run. Its input is copied into the target's corpus as
# "regressie-<hash>": commit it with the fix, so the model tests
# (FuzzCorpus.*) and every later fuzz run read it again. New inputs that only
# widen the coverage stay in build-fuzz/werk.
#
# Usage: scripts/fuzz.sh [TARGET...]     (all targets without arguments)
set -euo pipefail
cd "$(dirname "$0")/.."

seconden=${FUZZ_SECONDEN:-20}
jobs=$(nproc 2>/dev/null || echo 2)
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DVALDERO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzzers

if [ $# -gt 0 ]; then
  doelen=("$@")
else
  mapfile -t doelen < <(ls tests/fuzz/corpus)
fi

werk="$PWD/build-fuzz/werk"
mkdir -p "$werk"

draai() {
  local doel=$1
  local map="$werk/$doel"
  rm -rf "$map/vondst" && mkdir -p "$map/corpus" "$map/vondst"
  # The first corpus folder receives what libFuzzer adds; the seeds stay as
  # they are in the checkout.
  "build-fuzz/tests/fuzz/fuzz-$doel" -max_total_time="$seconden" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$map/vondst/" \
    "$map/corpus" "tests/fuzz/corpus/$doel" >"$map/log" 2>&1
}

lopend=0
for doel in "${doelen[@]}"; do
  if [ ! -x "build-fuzz/tests/fuzz/fuzz-$doel" ]; then
    echo "fuzz: onbekend doel $doel" >&2
    exit 2
  fi
  draai "$doel" &
  lopend=$((lopend + 1))
  if [ "$lopend" -ge "$jobs" ]; then
    wait -n || true
    lopend=$((lopend - 1))
  fi
done
wait || true

mislukt=0
printf '%-18s %12s  %s\n' "doel" "uitvoeringen" "uitkomst" | tee "$werk/uitvoeringen.txt"
for doel in "${doelen[@]}"; do
  map="$werk/$doel"
  n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$map/log" | tail -n 1)
  uitkomst="geen vondst"
  vondsten=("$map"/vondst/*)
  if [ -e "${vondsten[0]}" ]; then
    mislukt=1
    uitkomst="VONDST:"
    for v in "${vondsten[@]}"; do
      naam="regressie-$(basename "$v")"
      cp "$v" "tests/fuzz/corpus/$doel/$naam"
      uitkomst="$uitkomst tests/fuzz/corpus/$doel/$naam"
    done
  elif ! grep -q '^Done ' "$map/log"; then
    mislukt=1
    uitkomst="AFGEBROKEN (zie $map/log)"
  fi
  printf '%-18s %12s  %s\n' "$doel" "${n:-?}" "$uitkomst" | tee -a "$werk/uitvoeringen.txt"
done

if [ "$mislukt" -ne 0 ]; then
  for doel in "${doelen[@]}"; do
    if [ -e "$werk/$doel/vondst" ] && [ -n "$(ls -A "$werk/$doel/vondst")" ]; then
      echo "----- $doel"
      grep -m1 -A30 -E 'ERROR|runtime error|fuzzdoel|: een |deadly signal' "$werk/$doel/log" || tail -n 30 "$werk/$doel/log"
    fi
  done
  echo "fuzz: vondsten bewaard als regressie in tests/fuzz/corpus" >&2
  exit 1
fi
