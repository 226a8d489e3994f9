#!/usr/bin/env bash
# Counts the instructions one run executes, start-up included, under callgrind with the same
# input for both programs, and prints both counts and their ratio. Builds nothing.
# Usage: start.sh PROGRAM BASELINE   (e.g. build/release/lista build/release/lista_c)
# Exits 1 when PROGRAM executes more instructions than BASELINE.
set -euo pipefail
(($# == 2)) || { echo "usage: $0 PROGRAM BASELINE" >&2; exit 2; }

instrukcje() {
  printf '4 8 15\n' | valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p'
}

program=$(instrukcje "$1")
baseline=$(instrukcje "$2")
[[ -n $program && -n $baseline ]] || { echo "callgrind gave no count" >&2; exit 2; }
printf '%-40s %12s instructions\n' "$1" "$program" "$2" "$baseline"
awk -v p="$program" -v b="$baseline" 'BEGIN { printf "ratio %.2f\n", p / b; exit !(p <= b) }'
