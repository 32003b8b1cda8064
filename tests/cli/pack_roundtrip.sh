#!/usr/bin/env bash
# The catalogue as text reads back to the same data file: unpack, pack, unpack, pack again
# and compare the bytes; check accepts every file written.
set -euo pipefail
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" check "$data" > "$work/counts0.txt"
"$cli" unpack "$data" "$work/text1"
"$cli" pack "$work/text1" "$work/one.mem"
"$cli" check "$work/one.mem" > "$work/counts1.txt"
"$cli" unpack "$work/one.mem" "$work/text2"
"$cli" pack "$work/text2" "$work/two.mem"
cmp "$work/one.mem" "$work/two.mem"
diff -r "$work/text1" "$work/text2"
diff "$work/counts0.txt" "$work/counts1.txt"
# A damaged text file is refused with its file and line, and no data file is written: a bad
# cell, a line with a cell too many.
refused() { # file, line, awk program
  cp -r "$work/text1" "$work/bad"
  awk -F'\t' 'BEGIN{OFS="\t"} '"$3"' {print}' "$work/text1/$1" > "$work/bad/$1"
  if "$cli" pack "$work/bad" "$work/bad.mem" 2> "$work/err.txt"; then
    echo "pack accepted a damaged $1"; exit 1
  fi
  grep -q "$1:$2:" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
  [ ! -e "$work/bad.mem" ] || { echo "pack left a data file behind"; exit 1; }
  rm -rf "$work/bad"
}
refused LAUFRAD.tsv 3 'NR==3{$1="12x"}'
refused MW.tsv 40 'NR==40{$5="1.2.3"}'
refused GEHAEUS.tsv 7 'NR==7{$0=$0"\t1"}'
echo "pack round trip: identical ($(wc -c < "$work/one.mem") bytes)"
