#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed command-line
# calculator with nothing that leads it back to the source tree: no VARQUIN_DIR, no
# configuration, no user copy, and another working folder. It must find its
# reference data under <prefix>/share/varquin by itself.
#
# Usage: installation.sh CMAKE BUILD_DIR SOURCE_REFERENCE_DIR WITH_DESKTOP(0|1)
# Exits 77 (skipped) when the source tree holds no reference data to install.
set -euo pipefail
cmake=$1
build=$2
reference=$3
bureau=$4

if [ ! -f "$reference/MESSAGES.TXT" ] || [ ! -f "$reference/Pays/Stati_Fr.TXT" ]; then
    echo "No reference data in $reference: nothing to check."
    exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log"

for f in bin/varquin-cli share/varquin/MESSAGES.TXT share/varquin/help/index.htm \
    share/applications/varquin.desktop share/icons/hicolor/scalable/apps/varquin.svg \
    share/mime/packages/varquin.xml; do
    [ -f "$prefix/$f" ] || echec "$f n'est pas installé"
done
if [ "$bureau" = 1 ]; then
    [ -x "$prefix/bin/varquin" ] || echec "bin/varquin n'est pas installé"
fi
diff -r -x examples "$reference" "$prefix/share/varquin" >/dev/null ||
    echec "share/varquin diffère du dossier des données de référence"
exemple=$prefix/share/varquin/examples/lyon-maison-4-personnes.vqp
[ -f "$exemple" ] || echec "les projets d'exemple ne sont pas installés"
grep -qx 'Exec=varquin %f' "$prefix/share/applications/varquin.desktop" ||
    echec "la ligne Exec de l'entrée de bureau"
grep -q 'pattern="\*.vqp"' "$prefix/share/mime/packages/varquin.xml" ||
    echec "le motif *.vqp du type MIME"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/varquin.desktop"
fi
if command -v xmllint >/dev/null; then
    xmllint --noout "$prefix/share/mime/packages/varquin.xml" \
        "$prefix/share/icons/hicolor/scalable/apps/varquin.svg"
fi

mkdir -p "$tmp/home" "$tmp/data" "$tmp/config" "$tmp/config-systeme" "$tmp/ailleurs"
installe() {
    (cd "$tmp/ailleurs" && env -u VARQUIN_DIR HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" \
        XDG_CONFIG_HOME="$tmp/config" XDG_CONFIG_DIRS="$tmp/config-systeme" \
        "$prefix/bin/varquin-cli" "$@")
}

sortie=$(installe info) || echec "varquin-cli info a échoué : $sortie"
echo "$sortie"
grep -qxF "Dossier d'installation : $prefix/share/varquin" <<<"$sortie" ||
    echec "le dossier d'installation n'est pas $prefix/share/varquin"
stations=$(sed -n 's/^Stations : //p' <<<"$sortie")
[ "${stations:-0}" -gt 0 ] || echec "aucune station chargée"
messages=$(sed -n 's/^Messages chargés : //p' <<<"$sortie")
[ "${messages:-0}" -gt 0 ] || echec "aucun message chargé"
echo "Installation vérifiée : $stations stations, $messages messages."

# A new project calculated by the installed calculator, when this version has the
# project commands.
aide=$(installe --help)
if ! grep -q '^  calc ' <<<"$aide"; then
    echo "varquin-cli n'a pas encore les commandes new et calc : calcul non vérifié."
    exit 0
fi
projet=$tmp/ailleurs/etude.vqp
installe new -o "$projet" || echec "varquin-cli new a échoué"
[ -s "$projet" ] || echec "varquin-cli new n'a pas écrit $projet"
csv=$(installe calc "$projet" --format csv) || echec "varquin-cli calc a échoué : $csv"
echo "$csv"
# Twelve months and the year, on each of the four result rows.
champs() { awk -F';' -v titre="$1" '$1 == titre { print NF; exit }' <<<"$csv"; }
annuel() { awk -F';' -v titre="$1" '$1 == titre { print $14; exit }' <<<"$csv"; }
for titre in "Couverture [%]" "Besoins [kWh]" "Productivité [kWh]"; do
    [ "$(champs "$titre")" = 14 ] || echec "la ligne « $titre » n'a pas douze mois et l'année"
done
couverture=$(annuel "Couverture [%]")
besoins=$(annuel "Besoins [kWh]")
[[ "$couverture" =~ ^[0-9]+$ ]] && [ "$couverture" -gt 0 ] && [ "$couverture" -le 100 ] ||
    echec "couverture annuelle « $couverture »"
[[ "$besoins" =~ ^[0-9]+$ ]] && [ "$besoins" -gt 0 ] || echec "besoins annuels « $besoins »"
echo "Calcul vérifié : couverture annuelle $couverture %, besoins $besoins kWh."
installe calc "$exemple" >/dev/null || echec "l'exemple installé ne se calcule pas"
