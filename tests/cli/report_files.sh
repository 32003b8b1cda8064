#!/usr/bin/env bash
# corvane-cli report draws the pages of a layout into one PDF file: from a selection file's
# layout, from pages given on the command line, and from the user's settings; it refuses what
# it cannot do with a clear error.
set -euo pipefail
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '[Options]\nVauswahl=3000|-5000\nLayout2=1|2|5|9|96|98|\n[Auswahl]\nAuswV=5000\nAuswP=800\nAuswArt=0\n' > "$work/s.cva"
# Layout 2: one page of four diagrams, the cover sheet, the measured values (landscape).
out=$("$cli" report --data "$data" --selection "$work/s.cva" --layout 2 --out "$work/l2.pdf")
[ "$out" = "3 pages written to $work/l2.pdf" ]
head -c 5 "$work/l2.pdf" | grep -q "%PDF"
# Pages given directly, in English.
out=$("$cli" report --data "$data" --selection "$work/s.cva" --pages "90|93|95|" --lang 1 \
  --out "$work/p.pdf")
[ "$out" = "3 pages written to $work/p.pdf" ]
# The user's settings (a settings file with a layout): the search runs on its request.
mkdir -p "$work/config/Brask"
printf '[Options]\nLayout1=96|\n[Auswahl]\nAuswV=5000\nAuswP=800\n' > "$work/config/Brask/Corvane.conf"
out=$(XDG_CONFIG_HOME="$work/config" "$cli" report --data "$data" --out "$work/u.pdf")
[ "$out" = "1 pages written to $work/u.pdf" ]
expect_error() {
  if "$cli" "$@" 2> "$work/err.txt"; then echo "accepted: $*"; exit 1; fi
  [ -s "$work/err.txt" ] || { echo "no message: $*"; exit 1; }
}
expect_error report --data "$data" --selection "$work/s.cva" --layout 2
expect_error report --data "$data" --selection "$work/s.cva" --layout 2 --out "$work/x.png"
expect_error report --data "$data" --selection "$work/s.cva" --layout 1 --out "$work/x.pdf"
expect_error report --data "$data" --selection "$work/s.cva" --layout 2 --pages "96|" --out "$work/x.pdf"
expect_error report --data "$data" --selection "$work/missing.cva" --out "$work/x.pdf"
expect_error report --data "$data" --selection "$work/s.cva" --layout 2 --out "$work/no/dir/x.pdf"
expect_error report --data "$data" --selection "$work/s.cva" --layout 9 --out "$work/x.pdf"
echo "report: PDF written"
