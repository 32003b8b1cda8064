#!/usr/bin/env bash
# A measurement end to end through the desktop program on a virtual X server, driven by the
# keyboard only: in edit mode the series browser starts "Messwerte" > "Messung durchführen",
# the rig simulator named by the installation settings delivers five points, the measurement
# is stopped, the editor confirmed and the data file saved. Read back, the series holds the
# five new points, evaluated, and no rig simulator is left running.
# usage: measure_e2e.sh BIN_DIR DATA_FILE [SCREENSHOT.png]
#   BIN_DIR holds corvane, corvane-cli and corvane-rigsim; DATA_FILE is copied, never changed.
#   With SCREENSHOT.png the editor is photographed while it measures.
set -euo pipefail
bin=$1
data=$2
shot=${3:-}
for tool in Xvfb xdotool; do
  command -v "$tool" > /dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done

work=$(mktemp -d)
rig="$work/rig" # exchange files; the simulator's command line names them, so pgrep finds it
xvfb=""
program=""
cleanup() {
  if [ -n "$program" ]; then kill "$program" 2> /dev/null || true; fi
  pkill -f -- "--write $rig/" 2> /dev/null || true
  if [ -n "$xvfb" ]; then kill "$xvfb" 2> /dev/null || true; fi
  wait 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/corvane.log" ] && { echo "--- program output"; tail -20 "$work/corvane.log"; } >&2
  exit 1
}

# Private settings: exchange files in the work folder, the simulator for every rig code with
# a short period and five points, a quick simulated analyser.
mkdir -p "$work/config/Brask" "$work/home" "$rig" "$work/run"
chmod 700 "$work/run"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
{
  echo "[Messwerterfassung]"
  echo "EingabeDatei=$rig/in.tdw"
  echo "AusgabeDatei=$rig/out.tdw"
  for code in 0 1 2 3 4; do
    echo "Pruefstand$code=./corvane-rigsim --period 200 --points 5 --write $rig/in.tdw --read $rig/out.tdw"
  done
  echo "AnalysatorSimuliert=1"
  echo "AnalysatorDauer=200"
} > "$XDG_CONFIG_HOME/Brask/Corvane.conf"
file="$work/home/Corvane.mem"
cp "$data" "$file"
cli() { "$bin/corvane-cli" --data "$file" "$@"; }

# The series: the first one of the catalogue. Its points before: how many, the largest number
# (column 2, MWNR).
series=$(cli dump HDRMAIN | awk -F'\t' '$1 ~ /^[0-9]+$/ && !s { s = $1 } END { print s }')
[ -n "$series" ] || fail "no series in $data"
points() { cli series "$series" | awk -F'\t' 'NR > 1'; }
before=$(points | wc -l)
last=$(points | awk -F'\t' '$2 > m { m = $2 } END { print m + 0 }')

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=$(cat "$work/display")
export DISPLAY=":$display"

# Waits (bounded) for a shown window whose name matches; prints its id.
window() {
  local id
  id=$(timeout "${2:-20}" xdotool search --sync --onlyvisible --name "$1" 2> /dev/null | head -1) ||
    true
  [ -n "$id" ] || fail "no window \"$1\""
  echo "$id"
}
# Waits (bounded) until no shown window's name matches.
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" > /dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" is still open"
}
# Keyboard focus on a window, then the keys.
keys() {
  local id=$1
  shift
  timeout 10 xdotool windowfocus --sync "$id" || true
  timeout 10 xdotool key --delay 80 "$@"
}
# Point number the editor has open: channel 2 of its exchange file (a 6-byte real at offset
# 12), when the record is whole (sequence at 0 equals its copy at 774).
open_point() {
  od -An -tu1 -v -N 780 "$rig/out.tdw" 2> /dev/null | awk '
    { for (i = 1; i <= NF; i++) b[n++] = $i }
    END {
      if (n < 780) exit
      for (i = 0; i < 4; i++) if (b[i] != b[774 + i]) exit
      e = b[12]; if (e == 0) { print 0; exit }
      m = b[17] % 128
      for (i = 16; i >= 13; i--) m = m * 256 + b[i]
      printf "%d\n", (1 + m / 2^39) * 2^(e - 129) + 0.5
    }' || true
}

start=$(date +%s)
"$bin/corvane" --home "$work/home" --edit --data "$file" > "$work/corvane.log" 2>&1 &
program=$!
main=$(window '^Corvane$' 30)

# "Stammdaten" > "Messung" (the menu opens on "&Motor", so the letter moves on to "&Messung"),
# then the series by typing its number into the browser, then "Messwerte" > "Messung
# durchführen".
keys "$main" alt+s m Return
browser=$(window '^Messungen$')
mapfile -t digits < <(grep -o . <<< "$series")
keys "$browser" "${digits[@]}"
keys "$browser" alt+m m
editor=$(window "^Messwerte aus Messreihe $series bearbeiten\$")

# Five points are accepted when the editor opens the sixth.
target=$((last + 6))
shot_at=$((last + 4))
for _ in $(seq 600); do
  now=$(open_point)
  if [ -n "$shot" ] && [ -n "$now" ] && [ "$now" -ge "$shot_at" ]; then
    sleep 0.5
    geometry=$(xdotool getwindowgeometry --shell "$editor")
    eval "$geometry"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
    shot=""
  fi
  [ -n "$now" ] && [ "$now" -ge "$target" ] && break
  sleep 0.1
done
if [ -z "$now" ] || [ "$now" -lt "$target" ]; then
  fail "the editor did not take five points (open: ${now:-none})"
fi
pgrep -f -- "--write $rig/" > /dev/null || fail "the rig simulator is not running while measuring"

# "Messung / Bearbeitung beenden": the editor withdraws its open point (channels 1..3 to 0)
# and ends the rig simulator. Then OK, close the browser, "Stammdaten" > "Datei speichern".
keys "$editor" alt+b
for _ in $(seq 50); do
  [ "$(open_point)" = 0 ] && ! pgrep -f -- "--write $rig/" > /dev/null && break
  sleep 0.1
done
[ "$(open_point)" = 0 ] || fail "the measurement did not stop"
if pgrep -f -- "--write $rig/" > /dev/null; then fail "the rig simulator was left running"; fi
keys "$editor" Return
gone "^Messwerte aus Messreihe"
keys "$browser" Escape
gone '^Messungen$'
keys "$main" alt+s p
for _ in $(seq 100); do cmp -s "$data" "$file" || break; sleep 0.1; done
cmp -s "$data" "$file" && fail "the data file was not saved"
kill "$program"
wait "$program" 2> /dev/null || true
program=""
echo "measured and saved in $(($(date +%s) - start)) s"

# Read back: five points more, numbered after the old ones, evaluated along the
# characteristic: flow falls and static pressure rises from free blowing towards shut-off.
after=$(points | wc -l)
[ "$after" -eq $((before + 5)) ] || fail "series $series has $after points, expected $((before + 5))"
listing=$(cli series "$series")
header=${listing%%$'\n'*}
# The evaluated flow is the last column "V" (the first is the rig's reading).
column() { echo "$header" | tr '\t' '\n' | grep -n -x -F -- "$1" | tail -1 | cut -d: -f1; }
flow=$(column V)
pressure=$(column "´d´p fa")
if [ -z "$flow" ] || [ -z "$pressure" ]; then fail "no evaluated flow and pressure in: $header"; fi
points | awk -F'\t' -v last="$last" -v v="$flow" -v p="$pressure" '
  $2 > last { n++; if ($2 != last + n) bad = "point numbers"
              if (!($v > 0)) bad = "not evaluated: " $0
              if (n > 1 && !($v < pv && $p > pp)) bad = "not along a characteristic: " $0
              pv = $v; pp = $p }
  END { if (n != 5) bad = n " new points"; if (bad != "") { print bad; exit 1 } }' ||
  fail "the new points of series $series are wrong"
echo "series $series: $before + 5 points, evaluated"
