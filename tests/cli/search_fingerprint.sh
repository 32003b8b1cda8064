#!/usr/bin/env bash
# Fingerprints of a fixed set of impeller searches on the demo catalogue. For each scale of
# corvane-datagen: the SHA-256 of the generated data file, and for two requests, search modes
# 0..4 and fan layouts 0..2 the SHA-256 and row count of the JSON output of corvane-cli search.
# Mode 4 evaluates a cart made of the first rows of modes 0 and 1 of the same request and
# layout. Request A is the default request over all impeller types; request B a larger point
# at a non-standard density with a listening distance, sorted by efficiency, flow deviating.
#
# usage: search_fingerprint.sh CLI DATAGEN [--check FILE] [--keep DIR] SCALE...
#   prints the fingerprint lines; --check compares them with the lines of FILE for the same
#   scales and fails on any difference; --keep leaves data files and outputs in DIR.
# Rerunnable at any commit, e.g. from a second worktree of an older commit, to compare.
set -euo pipefail

cli=$1
datagen=$2
shift 2
check=""
keep=""
scales=()
while [ $# -gt 0 ]; do
  case $1 in
  --check) check=$2; shift 2 ;;
  --keep) keep=$2; shift 2 ;;
  *) scales+=("$1"); shift ;;
  esac
done
[ ${#scales[@]} -gt 0 ] || { echo "usage: $0 CLI DATAGEN [--check FILE] [--keep DIR] SCALE..." >&2; exit 2; }

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
        local rows
        rows=$(grep -c '"ergId"' "$out.json" || true)
        echo "scale=$scale request=$request mode=$mode layout=$layout rows=$rows $(sha256sum < "$out.json" | cut -c1-64)"
      done
    done
  done
  [ -n "$keep" ] || rm -rf "$dir"
}

result="$work/fingerprint.txt"
: > "$result"
for scale in "${scales[@]}"; do
  fingerprint "$scale" | tee -a "$result"
done

if [ -n "$check" ]; then
  expected="$work/expected.txt"
  : > "$expected"
  for scale in "${scales[@]}"; do
    grep "^scale=$scale " "$check" >> "$expected" || true
  done
  if ! diff "$expected" "$result"; then
    echo "search fingerprint differs from $check (lines < expected, > now)" >&2
    exit 1
  fi
  echo "search fingerprint: $(wc -l < "$result") lines equal to $check"
fi
