"""The pinned studies through varquin-cli calc: the same twelve coverages and annual
productivity as the core and the window give (tests/fixtures/etudes/epingles.txt).

Usage: cli_etudes.py VARQUIN_CLI ETUDES_DIR DATA_DIR
"""
import json
import os
import subprocess
import sys

cli, dossier, donnees = sys.argv[1:4]
echecs = []
etudes = [l.strip().split(";") for l in open(os.path.join(dossier, "epingles.txt"), encoding="utf-8")
          if l.strip() and not l.startswith("#")]
if len(etudes) != 5:
    echecs.append("cinq études épinglées attendues, %d lues" % len(etudes))
for etude in etudes:
    fichier, attendu = etude[0], [float(v) for v in etude[1:]]
    r = subprocess.run([cli, "calc", os.path.join(dossier, fichier), "--format", "json",
                        "--data", donnees], capture_output=True, timeout=60)
    if r.returncode != 0:
        echecs.append("%s : code %d, %s" % (fichier, r.returncode, r.stderr.decode()))
        continue
    d = json.loads(r.stdout)
    obtenu = d["valeurs"]["Fecs"] + [d["valeurs"]["Productivite_an"]]
    if obtenu != attendu:
        echecs.append("%s : %s au lieu de %s" % (fichier, obtenu, attendu))
    montres = [m for m in d["messages"] if m["numero"] is None]
    if montres or not d["calcul_complet"]:
        echecs.append("%s : calcul incomplet ou messages montrés %s" % (fichier, montres))
for e in echecs:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
