#!/usr/bin/env bash
# Energy-efficiency grades in search rows, the order by Fan Energy Index, part-load curves and
# the batch selection with good and bad duty lines, on the demo catalogue.
set -euo pipefail
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trap 'echo "energy_cli.sh: command failed at line $LINENO (status $?)" >&2' ERR
export XDG_CONFIG_HOME="$work/config"
opts=(--data "$data" --no-settings --mode 0 --type-group 21)
fail() { echo "$1"; exit 1; }

# Every JSON row carries the grade keys.
"$cli" search "${opts[@]}" --flow 5000 --pressure 800 --format json > "$work/search.json"
rows=$(grep -c '"ergId"' "$work/search.json")
[ "$rows" -gt 10 ] || fail "too few rows: $rows"
for key in etaBep peBep n327Achieved n327Required pass327 n1834Achieved n1834Required pass1834 \
           fepRef fepAct fei; do
    n=$(grep -c "\"$key\": " "$work/search.json")
    [ "$n" -eq "$rows" ] || fail "key $key in $n of $rows rows"
    grep -q "{\"key\": \"$key\"" "$work/search.json" || fail "key $key not among the columns"
done

# --sort fei: the index falls from row to row; the TSV column "fei" is the last one.
"$cli" search "${opts[@]}" --flow 20000 --pressure 2000 --sort fei > "$work/fei.tsv"
head -1 "$work/fei.tsv" | awk -F'\t' '$NF != "fei" { exit 1 }' || fail "fei is not the last column"
tail -n +3 "$work/fei.tsv" | awk -F'\t' 'NR > 1 && $NF > prev + 1e-9 { bad = 1 } { prev = $NF }
    END { exit bad }' || fail "rows not ordered by fei"

# Part-load curves: three speeds with the same points; the 45 % curve runs at 0.45 n.
id=$(tail -n +3 "$work/fei.tsv" | head -1 | cut -f15)
"$cli" partload "$id" "${opts[@]}" --flow 20000 --pressure 2000 --sort fei > "$work/part.tsv"
counts=$(tail -n +3 "$work/part.tsv" | cut -f1 | sort | uniq -c | awk '{print $2 ":" $1}' | tr '\n' ' ')
full=$(tail -n +3 "$work/part.tsv" | awk -F'\t' '$1 == 100' | wc -l)
[ "$counts" = "100:$full 45:$full 72.5:$full " ] || fail "part-load curves: $counts"
n100=$(awk -F'\t' '$1 == 100 { print $7; exit }' "$work/part.tsv")
n45=$(awk -F'\t' '$1 == 45 { print $7; exit }' "$work/part.tsv")
awk -v a="$n100" -v b="$n45" 'BEGIN { d = b - 0.45 * a; exit !(d < 1 && d > -1) }' ||
    fail "45 % speed $n45 of $n100"
if "$cli" partload 12345678 "${opts[@]}" 2> "$work/err.txt"; then fail "unknown ErgId accepted"; fi
grep -q "is not among the results" "$work/err.txt" || fail "no message for an unknown ErgId"

# Batch: good lines give their rows, bad lines their numbers; exit status 1.
printf '# two good duties, three bad ones\nflow\tpressure\tlayout\n5000\t800\n6000\tx\n\n' \
    > "$work/duties.tsv"
printf '20000\t2000\t1\n100\t50\t7\n7000\t\n' >> "$work/duties.tsv"
status=0
"$cli" batch "$work/duties.tsv" "${opts[@]}" --best 2 > "$work/batch.tsv" 2> "$work/err.txt" ||
    status=$?
[ "$status" -eq 1 ] || fail "batch with bad lines ended with $status"
[ "$(grep -c 'line' "$work/err.txt")" -eq 3 ] || { cat "$work/err.txt"; fail "errors"; }
grep -q 'duties.tsv: line 4: pressure: not a number: "x"' "$work/err.txt" || fail "line 4"
grep -q 'line 7: layout: 0 ... 2 expected' "$work/err.txt" || fail "line 7"
grep -q 'line 8: pressure: missing' "$work/err.txt" || fail "line 8"
[ "$(tail -n +3 "$work/batch.tsv" | cut -f1,10 | tr '\t\n' ': ')" = "3:1 3:2 6:1 6:2 " ] ||
    fail "batch rows: $(tail -n +3 "$work/batch.tsv" | cut -f1,10 | tr '\n' ' ')"
# The rows of a duty are those of the search for it.
"$cli" search "${opts[@]}" --flow 20000 --pressure 2000 --layout 1 > "$work/one.tsv"
[ "$(tail -n +3 "$work/one.tsv" | head -2 | cut -f15)" = \
  "$(awk -F'\t' '$1 == 6' "$work/batch.tsv" | cut -f25)" ] || fail "batch rows differ from search"

if "$cli" batch "$work/duties.tsv" "${opts[@]}" --report-dir "$work/reports" 2> "$work/err.txt"; then
    fail "--report-dir accepted"
fi
grep -q "reports not available" "$work/err.txt" || fail "no message for --report-dir"
printf 'flow\tpresure\n' > "$work/bad.tsv"
status=0
"$cli" batch "$work/bad.tsv" "${opts[@]}" 2> "$work/err.txt" > /dev/null || status=$?
[ "$status" -eq 2 ] && grep -q 'line 1: unknown column "presure"' "$work/err.txt" ||
    fail "a wrong header was not refused"
echo "energy: grade keys, fei order, part-load curves and batch lines as expected"
