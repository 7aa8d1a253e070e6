#!/usr/bin/env python3
"""varquin-cli new and calc end to end on the fixture data folder.

Usage: cli_calc.py VARQUIN_CLI DATA_FOLDER WORK_FOLDER
"""
import csv
import io
import json
import os
import shutil
import subprocess
import sys

cli, donnees, travail = sys.argv[1:4]
os.makedirs(travail, exist_ok=True)
echecs = []


def lancer(*arguments):
    r = subprocess.run([cli, *arguments], capture_output=True, timeout=120)
    return r.returncode, r.stdout.decode("utf-8"), r.stderr.decode("utf-8")


def verifier(condition, message):
    if not condition:
        echecs.append(message)


def chemin(nom):
    return os.path.join(travail, nom)


# A collector-and-tank system for 200 l/day, made through the same rules as the window:
# 10 m² typed with a 2.1 m² collector gives five collectors and 10.5 m².
projet = chemin("etude.vqp")
code, _, erreur = lancer("new", "-o", projet, "--data", donnees,
                         "--set", "TypeSysteme=SYSTEME CAPTEUR BALLON",
                         "--set", "Type_capteur=Plan vitré", "--set", "a=10",
                         "--set", "Conso=200", "--set", "inclinaison=30°")
verifier(code == 0, f"new: code {code}, {erreur}")
with open(projet, "rb") as f:
    octets = f.read()
verifier(b"\r\na\t10,5\r\n" in octets, "new: the area is not 10,5 m²")
verifier(b"\r\nNb_Capteurs\t5\r\n" in octets, "new: not five collectors")
verifier(b"**  M\xe9t\xe9o\r\n" in octets, "new: the file is not Windows-1252 with CR LF")

# JSON: twelve months and the year; the annual coverage is productivity over needs.
code, sortie, erreur = lancer("calc", projet, "--format", "json", "--data", donnees)
verifier(code == 0, f"calc json: code {code}, {erreur}")
resultats = json.loads(sortie)
lignes = {l["cle"]: l for l in resultats["lignes"]}
verifier(list(lignes) == ["couverture", "besoins", "productivite", "productivite_m2"],
         f"calc json: rows {list(lignes)}")
for ligne in lignes.values():
    verifier(len(ligne["mois"]) == 12 and all(isinstance(v, int) for v in ligne["mois"]),
             f"calc json: months of {ligne['cle']}")
    verifier(isinstance(ligne["annuel"], int), f"calc json: year of {ligne['cle']}")
couverture = lignes["couverture"]["annuel"]
besoins = lignes["besoins"]["annuel"]
productivite = lignes["productivite"]["annuel"]
verifier(besoins > 0 and 0 < couverture < 100, f"calc json: {couverture} % of {besoins} kWh")
# Each figure is rounded to a whole number: allow one point for the rounding.
verifier(abs(couverture - 100 * productivite / besoins) <= 1,
         f"calc json: coverage {couverture} against {productivite} / {besoins}")
verifier(abs(lignes["productivite_m2"]["annuel"] - productivite / 10.5) <= 1,
         "calc json: productivity per m² against 10.5 m²")
verifier(resultats["mois"][1] == "févr." and resultats["station"] == "Ambérieu",
         "calc json: heading")

# CSV and table: the same rows.
code, sortie, _ = lancer("calc", projet, "--format", "csv", "--data", donnees)
lignes_csv = list(csv.reader(io.StringIO(sortie), delimiter=";"))
verifier(code == 0 and len(lignes_csv) == 5 and all(len(l) == 14 for l in lignes_csv),
         f"calc csv: {lignes_csv}")
verifier(lignes_csv[0][13] == "Annuel" and lignes_csv[1][0] == "Couverture [%]",
         "calc csv: headings")
verifier(lignes_csv[1][13] == str(couverture), "calc csv: not the JSON's coverage")
code, sortie, _ = lancer("calc", projet, "--data", donnees)
table = [l.split() for l in sortie.splitlines() if l.startswith(("Couverture", "Besoins"))]
verifier(code == 0 and len(table) == 2 and table[0][-1] == str(couverture)
         and len(table[1]) == 15, f"calc table: {sortie}")

# --set before the calculation changes the result and not the file.
code, sortie, _ = lancer("calc", projet, "--format", "json", "--data", donnees,
                         "--set", "Conso=100")
verifier(code == 0 and json.loads(sortie)["lignes"][0]["annuel"] > couverture,
         "calc --set: half the consumption does not raise the coverage")
with open(projet, "rb") as f:
    verifier(f.read() == octets, "calc changed the project file")

# Failures: a French message on stderr and the status.
code, _, erreur = lancer("calc", chemin("absent.vqp"), "--data", donnees)
verifier(code == 1 and "Impossible d'ouvrir" in erreur, f"absent file: {code} {erreur}")
abime = chemin("abime.vqp")
with open(abime, "wb") as f:
    f.write(octets.replace(b"\r\nVn\t", b"\r\nVn\tx"))
code, _, erreur = lancer("calc", abime, "--data", donnees)
verifier(code == 1 and "ligne" in erreur and "abime.vqp" in erreur,
         f"corrupt file: {code} {erreur}")
for arguments, quoi in [((), "no command"),
                        (("calc",), "no project"),
                        (("calc", projet, "--format", "xml"), "unknown format"),
                        (("calc", projet, "--frobnicate"), "unknown option"),
                        (("new",), "no output file"),
                        (("calc", projet, "--data", donnees, "--set", "cp=1"), "ambiguous key"),
                        (("calc", projet, "--data", donnees, "--set", "a=dix"), "bad value")]:
    code, _, erreur = lancer(*arguments)
    verifier(code == 2 and erreur, f"{quoi}: code {code}")
verifier(lancer("calc", "--help")[0] == 0, "calc --help")
# A value the method would divide by: refused with the field's label and range, as the
# window's field refuses it.
code, _, erreur = lancer("calc", projet, "--data", donnees, "--set", "KsurB=0")
verifier(code == 2 and "K/B  [W/(m².K)] : Cette valeur doit être comprise entre 0,01 et 99"
         in erreur, f"KsurB=0: {code} {erreur}")
# In JSON a refused file or --set still gives the object: empty cells, the refusal as its
# one message, the same words as on stderr and the same exit status.
for arguments, attendu in [((projet, "--set", "KsurB=0"), 2), ((abime,), 1)]:
    code, sortie, erreur = lancer("calc", *arguments, "--format", "json", "--data", donnees)
    try:
        refus = json.loads(sortie)
    except ValueError:
        refus = {}
    messages = [m["texte"] for m in refus.get("messages", [])]
    verifier(code == attendu and refus.get("calcul_complet") is False
             and refus.get("valeurs", 0) is None and len(messages) == 1
             and messages[0] in erreur and len(refus.get("lignes", [])) == 4
             and all(v is None for l in refus["lignes"] for v in l["mois"] + [l["annuel"]]),
             f"json refusal {arguments[-1]}: {code} {sortie} {erreur}")

# What is not a project file, and a data folder that cannot serve a calculation: a
# French message naming the file and status 1, from info as from calc and new.
for chemin_projet, attendu in [("/dev/zero", "« /dev/zero » : ce n'est pas un fichier ordinaire"),
                               ("", "le nom du fichier est vide")]:
    code, _, erreur = lancer("calc", chemin_projet, "--data", donnees)
    verifier(code == 1 and attendu in erreur, f"calc {chemin_projet!r}: {code} {erreur}")


def orientations(dossier):
    return os.path.join(dossier, "Systeme", "Capteurs", "ORIENTAN.DON")


for nom, abimer, attendu in [
        ("stati_vide", lambda d: open(os.path.join(d, "Pays", "Stati_Fr.TXT"), "wb").close(),
         "Stati_Fr.TXT » : le fichier est vide"),
        ("sans_orientan", lambda d: os.remove(orientations(d)), "ORIENTAN.DON » : Fichier ou"),
        ("orientan_dossier", lambda d: os.remove(orientations(d)) or os.mkdir(orientations(d)),
         "ORIENTAN.DON » : c'est un dossier")]:
    copie = chemin(nom)
    shutil.rmtree(copie, ignore_errors=True)
    shutil.copytree(donnees, copie)
    abimer(copie)
    for commande in (("info",), ("calc", projet), ("new", "-o", chemin(nom + ".vqp"))):
        code, _, erreur = lancer(*commande, "--data", copie)
        verifier(code == 1 and attendu in erreur, f"{nom} {commande[0]}: {code} {erreur}")
verifier(lancer("--version")[0] == 0, "--version")

# The economics of an example on the reference data, every input given: with S the first
# year's saving, no rise, no upkeep, 20 years at 4 %, the net gain is 20 S − I, the net
# present value S × (1 − 1,04^−20) / 0,04 − I, and the rate of return zeroes it.
racine = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
reglages = ["Investissement=5000", "Aides=", "Prix=0,2", "Rendement=1", "HaussePrix=0",
            "Maintenance=0", "DureeVie=20", "TauxActualisation=4"]
code, sortie, erreur = lancer(
    "calc", os.path.join(racine, "examples", "lyon-maison-4-personnes.vqp"), "--format", "json",
    "--data", os.path.join(racine, "reference"),
    *[a for r in reglages for a in ("--set", "Économie:" + r)])
verifier(code == 0, f"calc economics: code {code}, {erreur}")
if code == 0:
    resultats = json.loads(sortie)
    economie = resultats["economie"]
    s = 0.2 * resultats["valeurs"]["Productivite_an"]
    van = lambda taux: s * (1 - (1 + taux) ** -20) / taux - 5000  # noqa: E731
    verifier(abs(economie["gain_net_cumule_eur"] - (20 * s - 5000)) <= 0.5
             and abs(economie["van_eur"] - van(0.04)) <= 0.5, f"calc economics: {economie}")
    tri = economie["tri_pct"]
    verifier(tri is not None and van((tri - 0.05) / 100) > 0 > van((tri + 0.05) / 100),
             f"calc economics: rate of return {tri}")

for e in echecs:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
