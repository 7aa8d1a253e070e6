"""The README shows what is true: every varquin-cli command of its shell blocks runs,
and its table of input rules is the one `varquin-cli regles` prints.

Usage: cli_readme.py VARQUIN_CLI README.md WORKDIR
"""
import os
import re
import shlex
import shutil
import subprocess
import sys

cli, readme, dossier = sys.argv[1:4]
texte = open(readme, encoding="utf-8").read()
echecs = []

# Commands of the ```sh blocks, continuation lines joined.
commandes = []
for bloc in re.findall(r"```sh\n(.*?)```", texte, re.S):
    for ligne in bloc.replace("\\\n", " ").splitlines():
        ligne = ligne.split("  #")[0].strip()
        if ligne.startswith("varquin-cli "):
            commandes.append(ligne)
if len(commandes) < 4:
    echecs.append("trop peu de commandes varquin-cli dans le README : %d" % len(commandes))

shutil.rmtree(dossier, ignore_errors=True)
os.makedirs(dossier)
for commande in commandes:
    arguments = [cli] + shlex.split(commande)[1:]
    r = subprocess.run(arguments, cwd=dossier, capture_output=True, timeout=120)
    if r.returncode != 0:
        echecs.append("%s : code %d, %s" % (commande, r.returncode, r.stderr.decode("utf-8", "replace")))

table = re.search(r"<!-- table des règles -->\n(.*?)\n<!-- fin de la table des règles -->",
                  texte, re.S)
attendue = subprocess.run([cli, "regles"], capture_output=True, check=True).stdout.decode()
if not table or table.group(1).strip() != attendue.strip():
    echecs.append("la table des règles du README diffère de « varquin-cli regles » : "
                  "remplacez-la par sa sortie")

for e in echecs:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
