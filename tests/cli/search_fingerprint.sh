#!/usr/bin/env bash
# Fingerprints of a fixed set of impeller searches on the demo catalogue. For each scale of
# corvane-datagen: the SHA-256 of the generated data file, and for two requests, search modes
# 0..4 and fan layouts 0..2 the SHA-256 and row count of the JSON output of corvane-cli search.
# Mode 4 evaluates a cart made of the first rows of modes 0 and 1 of the same request and
# layout. Request A is the default request over all impeller types; request B a larger point
# at a non-standard density with a listening distance, sorted by efficiency, flow deviating.
#
# usage: search_fingerprint.sh CLI DATAGEN [--record DIR | --check DIR] [--keep DIR] SCALE...
#   prints the fingerprint lines. The hashes are exact on one machine, but the last bits of
#   pow, exp and log depend on the processor (the C library picks its routines by the
#   instruction set), and the solvers carry them up to about 1e-7. So the stored reference is
#   the values themselves: --record writes them to DIR/scaleN.tsv.gz, --check compares with
#   them: the same data file, the same rows with the same texts, and every number within a
#   relative 1e-5 of the stored one. --keep leaves data files and outputs in DIR.
# Rerunnable at any commit, e.g. from a second worktree of an older commit, to compare.
set -euo pipefail

cli=$1
datagen=$2
shift 2
check=""
record=""
keep=""
scales=()
while [ $# -gt 0 ]; do
  case $1 in
  --check) check=$2; shift 2 ;;
  --record) record=$2; shift 2 ;;
  --keep) keep=$2; shift 2 ;;
  *) scales+=("$1"); shift ;;
  esac
done
[ ${#scales[@]} -gt 0 ] || { echo "usage: $0 CLI DATAGEN [--record DIR | --check DIR] [--keep DIR] SCALE..." >&2; exit 2; }

if [ -n "$keep" ]; then
  work=$keep
  mkdir -p "$work"
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
# No user settings: the requests start from the program's defaults.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"

# Request B as a selection file: its own defaults, then these values.
cat > "$work/request-B.cva" <<'EOF'
[Options]
PrintUnit=0
LpAbstand=4
[Auswahl]
AuswV=8000
AuswP=1200
AuswRho=1.1
AuswDproz=10
AuswN=1800
AuswNmax=3600
AuswDart=0
AuswTypNr=21
AuswSort=1
EOF

request_args() {
  case $1 in
  A) echo "--type-group 21" ;;
  B) echo "--selection $work/request-B.cva" ;;
  esac
}

# The values of the result rows of a JSON output, one line per row: SEARCH, ROW and the
# key=value pairs of the row (the output holds one row per line).
row_values() {
  awk -v search="$1" '
    /^  "rows": \[/ { rows = 1; next }
    rows && /^    \{/ {
      line = $0; out = search "\t" ++n
      while (match(line, /"[A-Za-z0-9]+": ("([^"\\]|\\.)*"|[^,}]*)/)) {
        pair = substr(line, RSTART, RLENGTH); line = substr(line, RSTART + RLENGTH)
        key = pair; sub(/": .*/, "", key); sub(/^"/, "", key)
        value = pair; sub(/^"[A-Za-z0-9]+": /, "", value)
        out = out "\t" key "=" value
      }
      print out
    }
    /^  "status"/ { print search "\tstatus\t" $0 }' "$2"
}

# Cart entries ID:SPEED:FLOW from the first 25 rows of a TSV result (two header lines).
cart_of() {
  awk -F'\t' 'NR > 2 && NR <= 27 { printf "--cart %s:%s:%s\n", $15, $8, $4 }' "$1"
}

fingerprint() {
  local scale=$1 dir="$work/scale$1"
  mkdir -p "$dir"
  QT_QPA_PLATFORM=offscreen "$datagen" --scale "$scale" "$dir/cat" > /dev/null
  local data="$dir/cat/Corvane.mem"
  echo "scale=$scale data $(sha256sum < "$data" | cut -c1-64)"
  echo "data $(sha256sum < "$data" | cut -c1-64)" > "$work/values$scale.tsv"
  for request in A B; do
    for layout in 0 1 2; do
      local carts=()
      for mode in 0 1 2 3 4; do
        local out="$dir/search-$request-mode$mode-layout$layout"
        # shellcheck disable=SC2046
        local args=(search --data "$data" --units 0 --lang 0 $(request_args "$request")
                    --mode "$mode" --layout "$layout")
        if [ "$mode" = 4 ]; then
          # shellcheck disable=SC2207
          args+=($(cat "${carts[@]}" /dev/null))
        fi
        "$cli" "${args[@]}" --format json > "$out.json"
        if [ "$mode" -le 1 ]; then
          "$cli" "${args[@]}" > "$out.tsv"
          cart_of "$out.tsv" > "$out.cart"
          carts+=("$out.cart")
        fi
        row_values "$request-$mode-$layout" "$out.json" >> "$work/values$scale.tsv"
        local rows
        rows=$(grep -c '"ergId"' "$out.json" || true)
        echo "scale=$scale request=$request mode=$mode layout=$layout rows=$rows $(sha256sum < "$out.json" | cut -c1-64)"
      done
    done
  done
  [ -n "$keep" ] || rm -rf "$dir"
}

# Compares the values of one scale with the stored ones: lines, searches, rows, keys and texts
# equal, numbers within a relative 1e-5 (absolute 1e-9 near zero).
compare_values() {
  awk -F'\t' '
    function numeric(v) { return v ~ /^-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?$/ }
    function differs(a, b,   m) {
      if (a == b) return 0
      if (!numeric(a) || !numeric(b)) return 1
      m = (a < 0 ? -a : a) > (b < 0 ? -b : b) ? (a < 0 ? -a : a) : (b < 0 ? -b : b)
      return (a - b > 0 ? a - b : b - a) > 1e-5 * m + 1e-9
    }
    NR == FNR { stored[FNR] = $0; count = FNR; next }
    {
      if (!(FNR in stored)) { print "unexpected line " FNR ": " $0; bad++; next }
      n = split(stored[FNR], want, "\t")
      if (n != NF) { print "line " FNR " has " NF " fields, stored " n ": " $0; bad++; next }
      for (i = 1; i <= NF; i++) {
        split(want[i], w, "="); split($i, h, "=")
        if (w[1] != h[1] || differs(substr(want[i], length(w[1]) + 2), substr($i, length(h[1]) + 2))) {
          print "line " FNR " (" $1 " row " $2 "): " $i ", stored " want[i]; bad++
        }
      }
    }
    END {
      if (FNR < count) { print "missing lines after " FNR " of " count; bad++ }
      exit bad > 0
    }' <(gzip -dc "$1") "$2"
}

status=0
for scale in "${scales[@]}"; do
  fingerprint "$scale"
  if [ -n "$record" ]; then
    mkdir -p "$record"
    gzip -9n < "$work/values$scale.tsv" > "$record/scale$scale.tsv.gz"
  elif [ -n "$check" ]; then
    if report=$(compare_values "$check/scale$scale.tsv.gz" "$work/values$scale.tsv"); then
      echo "search values at scale $scale equal to $check/scale$scale.tsv.gz"
    else
      printf '%s\n' "$report" | head -20 >&2
      echo "search values at scale $scale differ from $check/scale$scale.tsv.gz" >&2
      status=1
    fi
  fi
done
exit $status
