#!/usr/bin/env bash
# Writes the example projects again with varquin-cli on the reference data folder:
#   examples/generer.sh [VARQUIN_CLI]   (default: build/varquin-cli)
# A project file records the path it was written to; the examples record their bare
# name instead, so that they name no folder of the machine that made them.
set -euo pipefail
cd "$(dirname "$0")"
cli=$(realpath "${1:-../build/varquin-cli}")
donnees=$(realpath ../reference)
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

exemple() {
    local nom=$1
    shift
    (cd "$travail" && "$cli" new -o "$nom" --data "$donnees" "$@")
    sed "s#^Projet\t.*\r\$#Projet\t$nom\r#" "$travail/$nom" > "$nom"
}

metropole=(--set "Pays=France métropolitaine")
separe=(--set "TypeSysteme=SYSTEME CAPTEUR BALLON" --set "TypeAppoint=Appoint intégré")

# A family of four near Lyon: two flat-plate collectors, a 300 l tank, 200 l a day.
exemple lyon-maison-4-personnes.vqp "${metropole[@]}" --set "Département=Rhône" \
    --set "Station=Lyon" "${separe[@]}" --set "Type_capteur=Plan sélectif 2,3 m²" \
    --set "Nb_Capteurs=2" --set "inclinaison=45" --set "Orientation=0" \
    --set "Type_ballon=Ballon solaire 300 l" --set "Conso=200" --set "Tref=50"

# A house in Marseille whose collectors a neighbour's house and a tree shade from the
# south-west.
exemple marseille-maison-masque.vqp "${metropole[@]}" --set "Département=Bouches-du-Rhône" \
    --set "Station=Marseille" "${separe[@]}" --set "Type_capteur=Plan sélectif 2,0 m²" \
    --set "Nb_Capteurs=2" --set "inclinaison=30" --set "Orientation=-15" \
    --set "Type_ballon=Ballon solaire 200 l" --set "Conso=150" --set "Tref=50" \
    --set "Masque_Existe=1" --set "NB points=6" --set "Masque_Angle=-120 -60 0 30 60 120" \
    --set "Masque_Hauteur=5 8 12 25 25 10"

# A one-piece thermosiphon water heater in Saint-Denis de La Réunion, facing north.
exemple saint-denis-reunion-monobloc.vqp --set "Pays=France d'outre-mer" \
    --set "Département=La Réunion" --set "Station=Saint-Denis" \
    --set "TypeSysteme=CHAUFFE-EAU MONOBLOC" \
    --set "Type_chauffe-eau=Thermosiphon 200 l, capteur sélectif 2,6 m²" \
    --set "inclinaison=20" --set "Orientation=180" --set "Conso=150" --set "Tref=50"

# Twelve dwellings in Strasbourg: 25 m² of collectors, a 1000 l store behind an
# external plate exchanger, 1000 l a day at 55 °C.
exemple strasbourg-logements-collectifs.vqp "${metropole[@]}" --set "Département=Bas-Rhin" \
    --set "Station=Strasbourg" "${separe[@]}" --set "Type_capteur=Plan sélectif 2,5 m²" \
    --set "Nb_Capteurs=10" --set "inclinaison=45" --set "Orientation=0" \
    --set "Type_ballon=Ballon solaire 1000 l" --set "Conso=1000" --set "Tref=55" \
    --set "PresenceEchangeur=Echangeur" --set "TypeEchangeur=Échangeur à plaques extérieur" \
    --set "PositionEchangeur=Séparé" --set "Efficacité:TypeDeCalcul=Calc. détaillé"
