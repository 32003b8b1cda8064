#!/usr/bin/env bash
# corvane-cli plot draws the same diagram into PNG, SVG and PDF files of the asked size, from
# series numbers and from a selection file, and refuses what it cannot do with a clear error.
set -euo pipefail
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" plot 1 --data "$data" --series 17 --series 10 --flow 5000 --pressure 800 \
  --tolerance 10 --out "$work/p.png" --width 640 --height 480
# PNG signature, then width and height (big-endian) in the header chunk: 640 x 480.
[ "$(od -An -tx1 -N4 "$work/p.png" | tr -d ' \n')" = "89504e47" ]
[ "$(od -An -tu1 -j16 -N8 "$work/p.png" | tr -s ' ' | sed 's/^ //')" = "0 0 2 128 0 0 1 224" ]
"$cli" plot 11 --data "$data" --series 17 --out "$work/p.svg"
grep -q "<svg" "$work/p.svg"
grep -q "Druckzahl" "$work/p.svg"
"$cli" plot 5 --data "$data" --series 17 --out "$work/p.pdf"
head -c 5 "$work/p.pdf" | grep -q "%PDF"
printf '[Options]\nVauswahl=3000|-5000\n[Auswahl]\nAuswV=5000\nAuswP=800\nAuswArt=0\n' > "$work/s.cva"
"$cli" plot 1 --data "$data" --selection "$work/s.cva" --show 1 --out "$work/s.png"
[ -s "$work/s.png" ]
expect_error() {
  if "$cli" "$@" 2> "$work/err.txt"; then echo "accepted: $*"; exit 1; fi
  [ -s "$work/err.txt" ] || { echo "no message: $*"; exit 1; }
}
expect_error plot 1 --data "$data" --series 17 --out "$work/p.gif"
expect_error plot 1 --data "$data" --series 17
expect_error plot 1 --data "$data" --out "$work/x.png"
expect_error plot 1 --data "$data" --series 17 --selection "$work/s.cva" --out "$work/x.png"
expect_error plot 99 --data "$data" --series 17 --out "$work/x.png"
expect_error plot 1 --data "$data" --series 999999 --out "$work/x.png"
expect_error plot 1 --data "$data" --selection "$work/missing.cva" --out "$work/x.png"
expect_error plot 1 --data "$data" --series 17 --out "$work/no/such/dir/x.png"
echo "plot: PNG, SVG and PDF written"
