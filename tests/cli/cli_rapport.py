#!/usr/bin/env python3
"""varquin-cli report end to end on the fixture data folder: the PDF it writes
without a display, its dossier and headings, and its exit codes; then the first run without a display
(scripts/exemple.sh) on the Lyon example and the reference data, and its study report.

Usage: cli_rapport.py VARQUIN_CLI DATA_FOLDER WORK_FOLDER [PDFTOTEXT]
"""
import json
import os
import re
import subprocess
import sys

cli, donnees, travail = sys.argv[1:4]
pdftotext = sys.argv[4] if len(sys.argv) > 4 else ""
os.makedirs(travail, exist_ok=True)
echecs = []

# No display at all: the command must draw offscreen by itself.
env = {k: v for k, v in os.environ.items()
       if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}


def lancer(*arguments, environnement=None):
    r = subprocess.run([cli, *arguments], capture_output=True, timeout=120,
                       env=environnement or env)
    return r.returncode, r.stderr.decode("utf-8")


def verifier(condition, message):
    if not condition:
        echecs.append(message)


def chemin(nom):
    return os.path.join(travail, nom)


def texte_pdf(pdf, *options):
    if not pdftotext:
        return None
    r = subprocess.run([pdftotext, *(options or ["-layout"]), "-enc", "UTF-8", pdf, "-"],
                       capture_output=True, timeout=60)
    return r.stdout.decode("utf-8")


def pdf_ecrit(pdf):
    with open(pdf, "rb") as f:
        return f.read(5) == b"%PDF-"


projet = chemin("Etude.vqp")
code, erreur = lancer("new", "-o", projet, "--data", donnees,
                      "--set", "TypeSysteme=SYSTEME CAPTEUR BALLON", "--set", "a=6")
verifier(code == 0, f"new: code {code}, {erreur}")

rapport = chemin("etude.pdf")
if os.path.exists(rapport):
    os.remove(rapport)
# The settings name a logo that is not there: the report goes without it.
reglages = chemin("reglages")
os.makedirs(os.path.join(reglages, "NORDAVE"), exist_ok=True)
with open(os.path.join(reglages, "NORDAVE", "VARQUIN.conf"), "w") as f:
    f.write("[Dossier]\nLogo=" + chemin("absent.png") + "\n")
code, erreur = lancer("report", projet, "-o", rapport, "--data", donnees,
                      "--set", "Conso=" + "120 " * 11 + "125",
                      "--set", "Dossier:Client=Famille Martin",
                      environnement=dict(env, XDG_CONFIG_HOME=reglages))
verifier(code == 0 and pdf_ecrit(rapport) and "logo" not in erreur.lower(),
         f"report: code {code}, {erreur}")
texte = texte_pdf(rapport)
if texte is not None:
    verifier("Famille Martin" in texte_pdf(rapport, "-layout", "-f", "1", "-l", "1"),
             "report: the client on page 1")
    pages = [p for p in texte.split("\f") if p.strip()]
    verifier(len(pages) >= 4 and all("Etude — Client : Famille Martin" in p for p in pages),
             "report: the title and client in every page's heading")
    verifier("Type de capteur" in texte and "Type de ballon" in texte, "report: labels")
    verifier("etude.vqp" in texte, "report: the file name in lower case")
    besoin = [l for l in texte.splitlines() if "Besoin journalier moyen" in l]
    verifier(len(besoin) == 1 and besoin[0].split()[-1] == "120",
             f"report: the --set needs, rounded as the grid, are not reported: {besoin}")
    couverture = [l.split() for l in texte.splitlines() if l.startswith("Couverture [%]")]
    verifier(len(couverture) == 1 and len(couverture[0]) == 15,
             f"report: the coverage row {couverture}")
    verifier("Projet : 6,00 m²" in texte, "report: the sizing curves and the project's point")
    # This data folder has no economic tables: the study says so instead of failing.
    verifier(texte.count("\f") >= 3 and "Données économiques indisponibles" in texte,
             "report: the study pages without economic tables")

# A project that cannot be read: status 1, and the previous report stays as it was.
with open(rapport, "rb") as f:
    precedent = f.read()
code, erreur = lancer("report", chemin("absent.vqp"), "-o", rapport, "--data", donnees)
verifier(code == 1 and "Impossible d'ouvrir" in erreur, f"absent project: {code} {erreur}")
abime = chemin("abime.vqp")
with open(projet, "rb") as f:
    octets = f.read()
with open(abime, "wb") as f:
    f.write(octets.replace(b"\r\nVn\t", b"\r\nVn\tx"))
code, erreur = lancer("report", abime, "-o", rapport, "--data", donnees)
verifier(code == 1 and "abime.vqp" in erreur, f"corrupt project: {code} {erreur}")
with open(rapport, "rb") as f:
    verifier(f.read() == precedent, "a failed report touched the previous PDF")

# A PDF that cannot be written: status 1 and a message naming it.
code, erreur = lancer("report", projet, "-o", chemin("absent/r.pdf"), "--data", donnees)
verifier(code == 1 and "r.pdf" in erreur, f"unwritable PDF: {code} {erreur}")

# Bad usage: status 2 and what is wrong.
for arguments, quoi in [(("report",), "nothing"),
                        (("report", projet), "no output"),
                        (("report", "-o", rapport), "no project"),
                        (("report", projet, projet, "-o", rapport), "two projects"),
                        (("report", projet, "-o", rapport, "--format", "csv"), "--format"),
                        (("report", projet, "-o", rapport, "--data", donnees,
                          "--set", "a=dix"), "bad value")]:
    code, erreur = lancer(*arguments)
    verifier(code == 2 and erreur, f"{quoi}: code {code}")
verifier(lancer("report", "--help")[0] == 0, "report --help")

# The first run without a display, on the built tree: the Lyon example calculated and
# its study report written, whose pages hold the monthly table, the CO2 avoided and the
# payback that calc gives.
racine = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
exemple = os.path.join(racine, "examples", "lyon-maison-4-personnes.vqp")
r = subprocess.run([os.path.join(racine, "scripts", "exemple.sh"), "--sans-affichage"],
                   capture_output=True, timeout=300,
                   env=dict(env, VARQUIN_BUILD=os.path.dirname(os.path.abspath(cli))))
sortie = r.stdout.decode("utf-8")
ecrit = re.search(r"Rapport d'étude écrit : (.+\.pdf)", sortie)
verifier(r.returncode == 0 and ecrit and "Temps de retour [ans]" in sortie,
         f"exemple.sh --sans-affichage: {r.returncode} {sortie} {r.stderr.decode('utf-8')}")
r = subprocess.run([cli, "calc", exemple, "--format", "json"], capture_output=True, env=env)
economie = json.loads(r.stdout.decode("utf-8"))["economie"]
verifier(economie["co2_evite_kg_an"] > 0 and economie["temps_retour_ans"] > 0,
         f"calc json economie: {economie}")
texte = texte_pdf(ecrit.group(1)) if ecrit else None
if texte is not None:
    pages = [p for p in texte.split("\f") if p.strip()]
    mois = [l.split() for l in texte.splitlines()
            if l.split() and l.split()[0] in ("janv.", "févr.", "mars", "avr.", "mai", "juin",
                                               "juil.", "août", "sept.", "oct.", "nov.", "déc.")]
    retour = [l.split()[-1] for l in texte.splitlines() if "Temps de retour [ans]" in l]
    verifier(len(pages) >= 3, f"Lyon report: {len(pages)} pages")
    verifier(len([m for m in mois if len(m) == 7]) == 12, f"Lyon report: monthly table {mois}")
    verifier("CO2 évité [kg/an]" in texte, "Lyon report: CO2")
    verifier(retour == [str(economie["temps_retour_ans"])], f"Lyon report: payback {retour}")
    # Every word, legends included, within the 18 mm margins of the A4 sheet (points).
    mm = 72 / 25.4
    dehors = [m.group(3) for m in re.finditer(
        r'<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<',
        texte_pdf(ecrit.group(1), "-bbox"))
        if float(m.group(1)) < 18 * mm - 0.5 or float(m.group(2)) > 192 * mm + 0.5]
    verifier(not dehors, f"Lyon report: words past the margins {dehors}")

for e in echecs:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
