#!/usr/bin/env bash
# Fails when source files call each other, directly or round a loop. The calls are read from the
# built libraries: file A calls file B when a symbol A's object needs is defined in B's object.
# tsort finds the loops in that graph. Qt's generated signal code (moc) calls the slots and is
# called for the signals of every widget, both ways by design, so it is left out.
# Usage: call-loops.sh LIBRARY...
set -uo pipefail
edges=$(nm -A "$@" | awk '
  NF < 2 { next }
  { split($0, at, ":"); object = at[2]; type = $(NF - 1); symbol = $NF }
  object ~ /moc/ { next }
  type ~ /^[TDBRWV]$/ && !(symbol in owner) { owner[symbol] = object }
  type == "U" { needs[object, symbol] = 1 }
  END {
    for (pair in needs) {
      split(pair, part, SUBSEP)
      if ((part[2] in owner) && owner[part[2]] != part[1]) print part[1], owner[part[2]]
    }
  }' | sort -u) || exit 1
if [[ -z $edges ]]; then
  echo "no calls between files found in $*"
  exit 1
fi
loops=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null)
if [[ -n $loops ]]; then
  echo "$loops"
  echo "Calls between these files run both ways:"
  while read -r from to; do
    grep -q "^tsort: $to$" <<<"$loops" && grep -q "^tsort: $from$" <<<"$loops" && echo "  $from -> $to"
  done <<<"$edges"
  exit 1
fi
echo "call loops: none"
