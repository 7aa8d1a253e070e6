#!/usr/bin/env python3
"""Writes the communes table of the reference data (Communes/Communes.TXT and
Communes/Departements.TXT) from the npm package @etalab/decoupage-administratif 6.0.0.

    npm pack @etalab/decoupage-administratif@6.0.0   (in a scratch folder)
    tar xzf etalab-decoupage-administratif-6.0.0.tgz
    python3 tools/communes/generer_communes.py <scratch>/package reference

Only the current communes (type "commune-actuelle") of a department that the
department table (Pays/Depar_Fr.TXT) lists are kept, with their department code,
legal population and postcodes. Stops when a department name of the package is not
written exactly as in the department table, or when the package is not the version
the licence file names.
"""

import json
import sys
from pathlib import Path

VERSION = "6.0.0"


def lire_table(chemin):
    """Names after the "#" of the data lines of a Windows-1252 table."""
    lignes = chemin.read_bytes().decode("cp1252").splitlines()[2:]
    return [ligne.split("#", 1)[1].rstrip(" ") for ligne in lignes if "#" in ligne]


def ecrire_table(chemin, entetes, lignes):
    texte = "".join(ligne + "\r\n" for ligne in entetes + lignes)
    chemin.write_bytes(texte.encode("cp1252"))


def main(paquet, reference):
    version = json.loads((paquet / "package.json").read_text(encoding="utf-8"))["version"]
    if version != VERSION:
        sys.exit(f"version {version} du paquet, {VERSION} attendue")
    donnees = paquet / "data"
    noms_reference = set(lire_table(reference / "Pays" / "Depar_Fr.TXT"))
    departements = {}
    for d in json.loads((donnees / "departements.json").read_text(encoding="utf-8")):
        if d["nom"] in noms_reference:
            departements[d["code"]] = d["nom"]
    absents = noms_reference - set(departements.values()) - {"Stations utilisateur"}
    if absents:
        sys.exit("départements de Depar_Fr.TXT sans code : " + ", ".join(sorted(absents)))

    communes = []
    for c in json.loads((donnees / "communes.json").read_text(encoding="utf-8")):
        if c["type"] != "commune-actuelle" or c["departement"] not in departements:
            continue
        valeurs = [c["departement"], str(c.get("population", 0))] + c.get("codesPostaux", [])
        communes.append(" ".join(valeurs) + " #" + c["nom"])

    dossier = reference / "Communes"
    dossier.mkdir(exist_ok=True)
    ecrire_table(dossier / "Communes.TXT",
                 ["Communes actuelles (Code officiel géographique, codes postaux)",
                  "Code du département, population, codes postaux, puis le nom après le dièse"],
                 communes)
    ecrire_table(dossier / "Departements.TXT",
                 ["Départements des communes",
                  "Code du département, puis son nom dans Pays\\Depar_Fr.TXT après le dièse"],
                 [f"{code} #{nom}" for code, nom in departements.items()])
    print(f"{len(communes)} communes, {len(departements)} départements")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage : generer_communes.py <dossier du paquet> <dossier reference>")
    main(Path(sys.argv[1]), Path(sys.argv[2]))
