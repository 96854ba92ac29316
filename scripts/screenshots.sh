#!/usr/bin/env bash
# Makes the README's pictures: every page and sub-screen of the app, driven through the automation mode
# against the substitute controller (--demo), offscreen, at the phone size the window opens with; then one
# screen, the pool summary with its day timeline, on its side (844 x 390).
# Usage: scripts/screenshots.sh [APP] [OUTDIR]   (defaults: build/src/app/otthon, docs/screenshots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
app=${1:-$root/build/src/app/otthon}
out=${2:-$root/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# A screen pushed or swiped to is laid out and its wheels are turned on the following frames: give them a moment.
shot() { printf '{"do":"wait","seconds":0.6}\n{"do":"screenshot","path":"%s/%s.png"}\n' "$out" "$1"; }
req() { printf '%s\n' "$1"; }

requests() {
  # The first poll goes out three seconds after start; the outside page redraws on its own three-second timer.
  req '{"do":"wait","seconds":6.5}'
  shot 01-kulso
  req '{"do":"swipe","to":"next"}'
  shot 02-nappali
  req '{"do":"swipe","to":"next"}'
  shot 03-halo
  req '{"do":"swipe","to":"next"}'
  shot 04-medence
  req '{"do":"tap","element":"MedenceBeallitas"}'
  shot 05-medence-lista
  req '{"do":"select","element":"MedenceTable","row":0}'
  shot 06-medence-idopont
  req '{"do":"back"}'
  req '{"do":"toggle","element":"MedenceEdit","on":true}'
  shot 07-medence-lista-szerkesztes
  req '{"do":"back"}'
  req '{"do":"tap","element":"MedenceOsszefoglalas"}'
  shot 08-medence-osszefoglalas
  req '{"do":"back"}'
  req '{"do":"swipe","to":"next"}'
  shot 09-ontozo
  req '{"do":"tap","element":"OntozoBeKi"}'
  shot 10-ontozo-zonak
  req '{"do":"back"}'
  req '{"do":"tap","element":"OntozoBeallitas"}'
  shot 11-ontozo-lista
  req '{"do":"select","element":"OntozoTable","row":0}'
  shot 12-ontozo-idopont
  req '{"do":"back"}'
  req '{"do":"back"}'
  req '{"do":"tap","element":"OntozoOsszefoglalas"}'
  shot 13-ontozo-osszefoglalas
  req '{"do":"back"}'
  req '{"do":"swipe","to":"next"}'
  shot 14-radio
  req '{"do":"quit"}'
}

sideways() {
  req '{"do":"wait","seconds":6.5}'
  for _ in 1 2 3; do req '{"do":"swipe","to":"next"}'; done
  req '{"do":"tap","element":"MedenceOsszefoglalas"}'
  shot 15-medence-osszefoglalas-fekvo
  req '{"do":"quit"}'
}

for run in requests sideways; do
  size=390x844
  [[ $run == sideways ]] && size=844x390
  answers=$($run | QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$app" --size "$size" --automation --demo)
  if grep -q '"ok":false' <<<"$answers"; then
    echo "screenshots: a request failed:" >&2
    grep -n '"ok":false' <<<"$answers" >&2
    exit 1
  fi
done
echo "screenshots: $(ls "$out"/*.png | wc -l) pictures in $out"
