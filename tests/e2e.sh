#!/usr/bin/env bash
# Runs one case of the end-to-end table against the program and compares standard output,
# standard error and exit status exactly. Usage: e2e.sh PROGRAM TABLE CASE
set -euo pipefail
program=$1 table=$2 name=$3
input='' source='' stdout='' stderr='' status='' target='' in_case=0
while IFS= read -r line; do
  if [[ $line == "== $name" ]]; then in_case=1; continue; fi
  ((in_case)) || continue
  case $line in
    "== "*) break ;;
    "< "*) input+=${line:2} ;;
    "0< "*) source=${line:3} ;;
    "1| "*) stdout+=${line:3}$'\n' ;;
    "2| "*) stderr+=${line:3}$'\n' ;;
    "1> "*) target=${line:3} ;;
    "? "*) status=${line:2} ;;
  esac
done <"$table"

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
actual=0
case $source in
  '') "$program" < <(printf '%b' "$input") >"${target:-$dir/stdout}" 2>"$dir/stderr" || actual=$? ;;
  '&-') "$program" <&- >"${target:-$dir/stdout}" 2>"$dir/stderr" || actual=$? ;;
  *) "$program" <"$source" >"${target:-$dir/stdout}" 2>"$dir/stderr" || actual=$? ;;
esac
ok=1
if [[ -z $target ]]; then
  diff -u --label 'expected stdout' --label 'actual stdout' <(printf '%s' "$stdout") "$dir/stdout" || ok=0
fi
diff -u --label 'expected stderr' --label 'actual stderr' <(printf '%s' "$stderr") "$dir/stderr" || ok=0
[[ $actual == "$status" ]] || { echo "exit status: expected '$status', got $actual"; ok=0; }
((ok))
