#!/usr/bin/env bash
# Every command refuses what it does not understand (exit code 2, the fault named) instead of
# ignoring it or computing with it; numbers must be finite and JSON never holds nan or inf.
set -uo pipefail
cli=$1
data=$2
failures=0

# refuse "EXPECTED TEXT" ARGS...: the command exits with 2 and its message holds the text.
refuse() {
  local expected=$1
  shift
  local err rc
  err=$("$cli" "$@" 2>&1 >/dev/null)
  rc=$?
  if [ "$rc" -ne 2 ] || [[ "$err" != *"$expected"* ]]; then
    echo "FAILED: corvane-cli $* -> exit $rc, \"$err\" (expected \"$expected\")"
    failures=$((failures + 1))
  fi
}

refuse 'series: unknown option --densty' series 1 --densty 0.5 --data "$data"
refuse 'series: "1abc"' series 1abc --data "$data"
refuse 'series: unexpected argument "2"' series 1 2 --data "$data"
refuse 'series: --speed needs a value' series 1 --speed --data "$data"
refuse 'dump: missing arguments' dump --data "$data"
refuse 'check: unexpected argument "b"' check a b --data "$data"
refuse 'search: --no-settings takes no value' search --no-settings=1 --data "$data"
refuse 'search: --flow given more than once' search --no-settings --flow 1 --flow 2 --data "$data"
refuse '--flow: not a finite number: "nan"' search --no-settings --flow nan --pressure 500 --data "$data"
refuse '--pressure: not a finite number: "inf"' search --no-settings --flow 1000 --pressure inf --data "$data"
refuse '--temperature: not a finite number' density --pressure 1013 --temperature -inf
refuse '--cart: needs a positive identifier' search --no-settings --mode 4 --cart 1e300:1000:5 --data "$data"
refuse '--units: expected a whole number 0..7' tables --units 1e20 --data "$data"
refuse '--series: not a series number: "-2147483648"' curve 1 --series -2147483648 --data "$data"
refuse '--series: "inf" in "1:inf": not a finite number' curve 1 --series 1:inf --data "$data"
refuse '--series: "1e39" in "1::1e39": number out of range' curve 1 --series 1::1e39 --data "$data"
refuse '--flow: not a finite number' curve 1 --series 1 --flow nan --data "$data"
refuse 'plot: unknown option --colour' plot 1 --series 1 --out x.png --colour red --data "$data"
refuse 'partload: unexpected argument "2"' partload 1 2 --data "$data"
refuse 'batch: --best given more than once' batch duties.tsv --best 1 --best 2 --data "$data"
refuse 'search: --speed-controller takes no value' search --speed-controller=1 --data "$data"
refuse 'report: unexpected argument "x"' report x --out r.pdf --data "$data"

# Extreme but finite targets: the JSON stays JSON.
for series in 1::3e38 1:1e-38 1:3e38:3e38:3e38; do
  json=$("$cli" curve 1 --series "$series" --format json --data "$data") || {
    echo "FAILED: curve --series $series"; failures=$((failures + 1)); continue; }
  if grep -Eqi '[^a-z"](nan|-?inf)' <<< "$json"; then
    echo "FAILED: curve --series $series wrote a non-finite number"; failures=$((failures + 1))
  fi
done

[ "$failures" -eq 0 ] && echo "command lines: every fault refused"
exit $((failures > 0))
