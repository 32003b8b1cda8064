#!/usr/bin/env bash
# Texts for people carry Greek letters and the tables' own captions: the search's TSV headers
# and JSON captions, the dump's captions, the curve's axis titles. JSON keys stay ASCII.
set -euo pipefail
cli=$1
data=$2
fail() { echo "$1"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" dump LAUFRAD --data "$data" | tr -d '\r' > "$work/impellers.txt"
[ "$(sed -n 1p "$work/impellers.txt")" = "Laufräder" ] || fail "dump LAUFRAD caption"
sed -n 2p "$work/impellers.txt" | grep -q "β1" || fail "dump: no β in the captions"
"$cli" dump GEHAEUS --data "$data" --lang 1 | tr -d '\r' > "$work/housings.txt"
[ "$(sed -n 1p "$work/housings.txt")" = "housings" ] || fail "dump GEHAEUS caption"
"$cli" search --no-settings --data "$data" > "$work/search.tsv"
header=$(sed -n 1p "$work/search.tsv")
for caption in "Δp fa" "Δp tot" "η fa" "η tot"; do
  tr '\t' '\n' <<< "$header" | grep -qx "$caption" || fail "search header lacks \"$caption\""
done
json=$("$cli" search --no-settings --data "$data" --format json)
grep -q '"key": "pressure", "name": "Δp fa"' <<< "$json" || fail "JSON caption without Δ"
if grep -q '´' <<< "$json"; then fail "JSON still holds a marker"; fi
"$cli" curve 2 --series 1 --data "$data" > "$work/curve.txt"
grep -q "^axes	V	m³/h	Δp tot	Pa" "$work/curve.txt" || fail "curve axis title"
echo "Greek letters and captions as expected"
