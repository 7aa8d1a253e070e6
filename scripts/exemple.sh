#!/usr/bin/env bash
# Shows the program at work on the Lyon example, with an already built tree: the
# desktop program opened on it when there is a display; otherwise (or with
# --sans-affichage) its results calculated by varquin-cli and its PDF report written.
#   scripts/exemple.sh [--sans-affichage]     VARQUIN_BUILD: the build folder (build)
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${VARQUIN_BUILD:-$racine/build}" && pwd)
exemple=$racine/examples/lyon-maison-4-personnes.vqp
sans_affichage=0
[ "${1:-}" = --sans-affichage ] && sans_affichage=1

if [ $sans_affichage = 0 ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] &&
    [ -x "$build/ui/varquin" ]; then
    # From the build folder: the example names no folder, so a save lands there.
    cd "$build"
    exec ui/varquin "$exemple"
fi

echo "Pas d'affichage : l'exemple de Lyon est calculé par varquin-cli."
"$build/varquin-cli" calc "$exemple"
mkdir -p "$build/exemple"
rapport=$build/exemple/lyon-maison-4-personnes.pdf
"$build/varquin-cli" report "$exemple" -o "$rapport"
echo
echo "Rapport d'étude écrit : $rapport"
