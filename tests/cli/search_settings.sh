#!/usr/bin/env bash
# corvane-cli search starts from the request and options saved by the program (the user's
# settings file); explicit options override them; --no-settings ignores the file; an
# unreadable file is reported and the defaults are used. help prints the usage.
set -euo pipefail
cli=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Brask"
conf="$XDG_CONFIG_HOME/Brask/Corvane.conf"
search() { "$cli" search --data "$data" --format json "$@"; }
same() { cmp -s "$1" "$2" || { echo "$3"; diff "$1" "$2" | head -20; exit 1; }; }

printf '[Options]\nPrintUnit=0\n[Auswahl]\nAuswV=4321\nAuswP=700\nAuswArt=0\nAuswTypNr=21\nAuswFlut=1\nAuswSort=3\n' > "$conf"
search > "$work/stored.json"
search --no-settings --flow 4321 --pressure 700 --mode 0 --type-group 21 --layout 1 --sort 3 > "$work/typed.json"
same "$work/stored.json" "$work/typed.json" "the stored request was not used"
search --no-settings > "$work/defaults.json"
if cmp -s "$work/stored.json" "$work/defaults.json"; then echo "--no-settings used the file"; exit 1; fi

# Options given win over the stored ones.
search --flow 5000 > "$work/override.json"
search --no-settings --flow 5000 --pressure 700 --mode 0 --type-group 21 --layout 1 --sort 3 > "$work/typed.json"
same "$work/override.json" "$work/typed.json" "an explicit option did not override the settings"

# The stored language/unit index is the unit system of typed values, unless --units says else.
printf '[Options]\nPrintUnit=1\n[Auswahl]\nAuswArt=0\nAuswTypNr=21\n' > "$conf"
search --flow 1.2 > "$work/si.json"
search --no-settings --units 1 --flow 1.2 --pressure 500 --mode 0 --type-group 21 > "$work/typed.json"
same "$work/si.json" "$work/typed.json" "the stored unit system was not used"
grep -q '"unit": "m³/s"' "$work/si.json" || { echo "flow not in m³/s"; exit 1; }
search --units 0 --flow 4320 > "$work/units0.json"
grep -q '"unit": "m³/h"' "$work/units0.json" || { echo "--units did not win"; exit 1; }

# An unreadable settings file: the reason on stderr, the defaults, success.
rm "$conf"
mkdir "$conf"
search 2> "$work/err.txt" > "$work/unreadable.json"
grep -q "Die Einstellungen konnten nicht gelesen werden" "$work/err.txt" || { cat "$work/err.txt"; exit 1; }
same "$work/unreadable.json" "$work/defaults.json" "an unreadable file did not give the defaults"

"$cli" help > "$work/help.txt"
grep -q "^usage: corvane-cli" "$work/help.txt" || { echo "help printed no usage"; exit 1; }
"$cli" dump --help > "$work/help.txt"
grep -q "^usage: corvane-cli" "$work/help.txt" || { echo "dump --help printed no usage"; exit 1; }
echo "search settings: stored request, overrides, --no-settings and unreadable file as expected"
