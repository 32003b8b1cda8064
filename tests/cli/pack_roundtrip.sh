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
echo "pack round trip: identical ($(wc -c < "$work/one.mem") bytes)"
