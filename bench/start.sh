#!/usr/bin/env bash
# Counts the instructions one run executes, start-up included, under callgrind, with the same
# input for both programs, and prints both counts and their ratio for three inputs: a plain
# "4 8 15" (the start-up), and 1 MB of spaces or of leading zeros before it (the cost per byte).
# The large inputs are generated on the fly. Builds nothing.
# Usage: start.sh PROGRAM BASELINE [LIMIT LIMIT LIMIT]   (e.g. build/bench/lista build/bench/lista_c)
# Exits 1 when a ratio is above its limit: by default 0.75 at start-up and 1.0 per byte.
set -euo pipefail
(($# == 2 || $# == 5)) || { echo "usage: $0 PROGRAM BASELINE [LIMIT LIMIT LIMIT]" >&2; exit 2; }
limity=("${@:3}")
((${#limity[@]})) || limity=(0.75 1.0 1.0)

mega=1000000
wejscie() {
  case $1 in
    start) printf '4 8 15\n' ;;
    spacje) head -c "$mega" /dev/zero | tr '\0' ' '; printf '4 8 15\n' ;;
    zera) head -c "$mega" /dev/zero | tr '\0' '0'; printf '4 8 15\n' ;;
  esac
}

instrukcje() {
  wejscie "$2" | valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p'
}

ok=1
printf '%-28s %12s %12s %6s %6s\n' input program baseline ratio limit
for proba in "start ${limity[0]} 4 8 15" "spacje ${limity[1]} 1 MB of spaces, 4 8 15" \
  "zera ${limity[2]} 1 MB of zeros, 4 8 15"; do
  read -r nazwa limit opis <<<"$proba"
  program=$(instrukcje "$1" "$nazwa")
  baseline=$(instrukcje "$2" "$nazwa")
  [[ -n $program && -n $baseline ]] || { echo "callgrind gave no count" >&2; exit 2; }
  awk -v o="$opis" -v p="$program" -v b="$baseline" -v l="$limit" \
    'BEGIN { r = p / b; printf "%-28s %12d %12d %6.2f %6.2f%s\n", o, p, b, r, l, r <= l ? "" : "  over"; exit !(r <= l) }' ||
    ok=0
done
((ok))
