#!/usr/bin/env python3
"""varquin-cli sweep on the fixture data folder: each point is the project's own
calculation with that collector count and that tank, value for value.

Usage: cli_sweep.py VARQUIN_CLI DATA_FOLDER WORK_FOLDER
"""
import json
import os
import subprocess
import sys

cli, donnees, travail = sys.argv[1:4]
os.makedirs(travail, exist_ok=True)
echecs = []


def lancer(*arguments):
    r = subprocess.run([cli, *arguments, "--data", donnees], capture_output=True, timeout=120)
    return r.returncode, r.stdout.decode("utf-8"), r.stderr.decode("utf-8")


def verifier(condition, message):
    if not condition:
        echecs.append(message)


def valeurs_calc(*reglages):
    arguments = [a for r in reglages for a in ("--set", r)]
    code, sortie, erreur = lancer("calc", projet, "--format", "json", *arguments)
    verifier(code == 0, f"calc {reglages}: {code} {erreur}")
    return json.loads(sortie)["valeurs"] if code == 0 else {}


# Five collectors and the 300 l tank; the fixture catalogue holds 200, 300 and 500 l.
projet = os.path.join(travail, "etude.vqp")
code, _, erreur = lancer("new", "-o", projet, "--set", "TypeSysteme=SYSTEME CAPTEUR BALLON",
                         "--set", "Type_capteur=Plan vitré", "--set", "a=10",
                         "--set", "Conso=200", "--set", "Type_ballon=Ballon 300 l")
verifier(code == 0, f"new: {code} {erreur}")

code, sortie, erreur = lancer("sweep", projet, "--collectors", "1:8:3", "--volumes",
                              "150:500:200", "--format", "json")
verifier(code == 0, f"sweep json: {code} {erreur}")
etude = json.loads(sortie)
# Counts 1, 4, 7 and the project's 5; one tank per 200 l from 150, the project's in its
# step in place of the 200 l.
verifier(etude["nombres"] == [1, 4, 5, 7], f"counts {etude['nombres']}")
verifier([(b["nom"], b["projet"]) for b in etude["ballons"]]
         == [("Ballon 300 l", True), ("Ballon 500 l", False)], f"tanks {etude['ballons']}")
points = etude["points"]
verifier(len(points) == 8 and points[etude["point_projet"]]["projet"], "project point")

# Every point checked against calc with that count and that tank, the project's point
# against calc as it is.
cles = ("Fecs_an", "Productivite_an", "Productivite_par_m2", "Fecs")
for point in points:
    ballon = etude["ballons"][point["ballon"]]["nom"]
    reglages = () if point["projet"] else (f"Nb_Capteurs={point['Nb_Capteurs']}",
                                           f"Type_ballon={ballon}")
    attendu = valeurs_calc(*reglages)
    verifier(point["calcule"] and all(point[c] == attendu.get(c) for c in cles),
             f"point {point['Nb_Capteurs']} × {ballon}: {[point[c] for c in cles]} "
             f"against calc {[attendu.get(c) for c in cles]}")
    au_dessus = [f for f in point["Fecs"] if f >= 90]
    verifier(point["mois_surchauffe"] == len(au_dessus) and point["Fecs_max"] == max(point["Fecs"]),
             f"stagnation of point {point['Nb_Capteurs']} × {ballon}")
verifier(any(p["mois_surchauffe"] for p in points) and not all(p["mois_surchauffe"] for p in points),
         "the grid should hold points with and without stagnation months")

# Table: the project's cell is calc's rounded annual coverage, marked; CSV: one line
# per point with decimal commas.
calc_csv = lancer("calc", projet, "--format", "csv")[1].splitlines()[1].split(";")
code, sortie, _ = lancer("sweep", projet, "--collectors", "1:8:3", "--volumes", "150:500:200")
ligne = next((l.split() for l in sortie.splitlines() if l.split()[:1] == ["5"]), [])
verifier(code == 0 and ligne[2].rstrip("!") == calc_csv[13] + "*", f"table: {ligne} {calc_csv}")
code, sortie, _ = lancer("sweep", projet, "--collectors", "1:8:3", "--volumes", "150:500:200",
                         "--format", "csv")
lignes = [l.split(";") for l in sortie.splitlines()]
projet_csv = [l for l in lignes if l[-1] == "oui"]
verifier(code == 0 and len(lignes) == 9 and len(projet_csv) == 1
         and projet_csv[0][4] == f"{points[etude['point_projet']]['Fecs_an']:.2f}".replace(".", ","),
         f"csv: {lignes[:2]} {projet_csv}")

# Refusals: a range the input rules refuse gets the words of a refused single change;
# a one-piece water heater has no grid.
def message_set(reglage):
    return lancer("calc", projet, "--set", reglage)[2].split("refusé. ")[-1].strip()


chauffe_eau = os.path.join(travail, "monobloc.vqp")
lancer("new", "-o", chauffe_eau, "--set", "TypeSysteme=CHAUFFE-EAU MONOBLOC")
for arguments, attendu, code_attendu in [
        ((projet, "--collectors", "0:10"), message_set("Nb_Capteurs=0"), 2),
        ((projet, "--collectors", "1:1000"), message_set("Nb_Capteurs=1000"), 2),
        ((projet, "--volumes", "0:500"), message_set("Vn=0"), 2),
        ((chauffe_eau,), "chauffe-eau solaire monobloc", 2),
        ((projet, "--collectors", "1:x"), "--collectors", 2),
        ((projet, "--volumes", "500:150"), "dépasse", 2)]:
    code, sortie, erreur = lancer("sweep", *arguments)
    verifier(code == code_attendu and attendu and attendu in erreur and not sortie,
             f"sweep {arguments}: {code} {erreur!r}, expected « {attendu} »")

for e in echecs:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
