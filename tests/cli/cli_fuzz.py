#!/usr/bin/env python3
"""varquin-cli on odd paths, damaged data folders and extreme --set values.

Whatever it is given, the calculator ends with status 0, 1 or 2 within its time, never
succeeds with results that make no sense, and writes its messages in French without a
control character.

Usage: cli_fuzz.py VARQUIN_CLI DATA_FOLDER WORK_FOLDER [--facteur N] [--graine S]
A longer run by hand: --facteur 50 runs fifty times as many damaged folders and values.
"""
import argparse
import json
import math
import os
import random
import re
import shutil
import subprocess
import sys

options = argparse.ArgumentParser()
options.add_argument("cli")
options.add_argument("donnees")
options.add_argument("travail")
options.add_argument("--facteur", type=int, default=1)
options.add_argument("--graine", type=int, default=20240611)
options.add_argument("--delai", type=float, default=60, help="seconds before a run hangs")
o = options.parse_args()
alea = random.Random(o.graine)
shutil.rmtree(o.travail, ignore_errors=True)
os.makedirs(o.travail)
bilan = {"lancements": 0, "plantages": 0, "blocages": 0, "non-sens": 0, "messages": 0}
echecs = []
# A sanitizer's report must not pass for a refusal (status 1).
environnement = dict(os.environ,
                     ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":exitcode=86",
                     UBSAN_OPTIONS=os.environ.get("UBSAN_OPTIONS", "") + ":exitcode=87")
ANGLAIS = re.compile(rb"\b(error|failed|denied|exception|invalid|cannot|unknown|no such)\b"
                     rb"|what\(\)|std::|basic_string", re.IGNORECASE)
CONTROLE = re.compile("[\x00-\x09\x0b-\x1f\x7f-\x9f\u202a-\u202e\u2066-\u2069]")


def echec(genre, quoi, detail):
    bilan[genre] += 1
    echecs.append(f"{genre} : {quoi!r} : {detail}"[:600])


def message_lisible(texte, quoi):
    """French, valid UTF-8, no control character but the line break."""
    try:
        decode = texte.decode("utf-8") if isinstance(texte, bytes) else texte
    except UnicodeDecodeError as e:
        return echec("messages", quoi, f"pas UTF-8 : {e}")
    if CONTROLE.search(decode) or ANGLAIS.search(decode.encode()):
        echec("messages", quoi, decode[:300])


def resultats_senses(sortie, quoi):
    """A complete run's JSON: coverage 0 to 100 %, needs and productivity not negative."""
    try:
        r = json.loads(sortie)
        lignes = {l["cle"]: l for l in r["lignes"]}
        if not r["calcul_complet"]:
            return echec("non-sens", quoi, "statut 0 sans calcul complet")
        for cle, maximum in (("couverture", 100), ("besoins", math.inf), ("productivite", math.inf)):
            for v in lignes[cle]["mois"] + [lignes[cle]["annuel"]]:
                if v is None or not 0 <= v <= maximum:
                    return echec("non-sens", quoi, f"{cle} : {v}")
        for cle, v in r["valeurs"].items():
            if not all(x is not None and x >= 0 for x in (v if isinstance(v, list) else [v])):
                return echec("non-sens", quoi, f"{cle} : {v}")
    except (ValueError, KeyError, TypeError) as e:
        echec("non-sens", quoi, f"statut 0, JSON illisible : {e}")


def lancer(*arguments):
    bilan["lancements"] += 1
    quoi = " ".join(a[:40] for a in arguments)
    try:
        r = subprocess.run([o.cli, *arguments], capture_output=True, timeout=o.delai,
                           env=environnement)
    except subprocess.TimeoutExpired:
        return echec("blocages", quoi, f"plus de {o.delai} s")
    if r.returncode not in (0, 1, 2):
        return echec("plantages", quoi, f"statut {r.returncode} {r.stderr[-400:]!r}")
    message_lisible(r.stderr, quoi)
    if "json" in arguments and r.stdout:
        try:
            for m in json.loads(r.stdout).get("messages", []):
                # A CR is the messages file's line break, which the console shows as LF.
                message_lisible(m["texte"].replace("\r", "\n"), quoi)
        except ValueError:
            pass  # judged below when the run says it succeeded
    if r.returncode == 0 and "json" in arguments:
        resultats_senses(r.stdout, quoi)


def abimer(octets):
    """One to three mutations: cut, bytes, a value made extreme, lines lost or doubled,
    controls, a huge text."""
    for _ in range(alea.choice((1, 1, 2, 3))):
        lignes = octets.split(b"\n")
        i = alea.randrange(len(lignes))
        genre = alea.randrange(7)
        if genre == 0:
            return octets[:alea.randrange(len(octets) + 1)]
        if genre == 1 and octets:
            t = bytearray(octets)
            for _ in range(alea.randint(1, 8)):
                t[alea.randrange(len(t))] = alea.randrange(256)
            octets = bytes(t)
        elif genre == 2:
            extreme = alea.choice([b"-1", b"0", b"1e30", b"NaN", b"abc", b"9" * 400, b""])
            lignes[i] = re.sub(rb"(?<![A-Za-z_])-?\d[\d.,]*", lambda _: extreme, lignes[i], count=1)
        elif genre == 3:
            del lignes[i]
        elif genre == 4:
            lignes.insert(i, lignes[i])
        elif genre == 5:
            lignes[i] += alea.choice([b"\x1b[2J\x1b[31m", b"\xff\xfe", b"\xc2\x9b", b"\x07\x08"])
        else:
            lignes[i] += b"9" * 200000
        octets = b"\n".join(lignes) if genre != 1 else octets
    return octets


def chemin(nom):
    return os.path.join(o.travail, nom)


projet = chemin("base.vqp")
lancer("new", "-o", projet, "--data", o.donnees, "--set", "TypeSysteme=SYSTEME CAPTEUR BALLON",
       "--set", "a=6", "--set", "Conso=250", "--set", "Masque_Existe=1")
if not os.path.isfile(projet):
    sys.exit(f"ÉCHEC : le projet de départ n'a pas été écrit ({echecs})")

# Odd paths for the project, the output, the data folder and the weather file.
fifo = chemin("tube")
os.mkfifo(fifo)
controle = chemin("projet\x1b[31m\x07\r.vqp")
shutil.copy(projet, controle)
for p in ["", "/dev/zero", "/dev/null", o.travail, fifo, controle, chemin("absent\x1b[2J.vqp"),
          chemin("absent.vqp"), chemin("x" * 5000 + ".vqp")]:
    lancer("calc", p, "--format", "json", "--data", o.donnees)
    lancer("import-epw", p)
    lancer("info", "--data", p)
for p in ["", o.travail, fifo, "/dev/full", chemin("absent/dossier/x.vqp"), chemin("\x1b]0;x\x07.vqp")]:
    lancer("new", "-o", p, "--data", o.donnees)

# Bad usage echoing the arguments.
esc = "\x1b[2J\x07"
for arguments in [(esc,), ("calc", projet, "--format", esc), ("calc", projet, "--" + esc),
                  ("calc", projet, "--set", esc, "--data", o.donnees), ("info", esc),
                  ("new", "-o", chemin("u.vqp"), esc), ("import-epw", projet, esc),
                  ("import-epw", projet, "--format", esc), ("calc", projet, "--set")]:
    lancer(*arguments)

# Damaged data folders: one file of a copy damaged each time.
fichiers = sorted(os.path.relpath(os.path.join(d, f), o.donnees)
                  for d, _, noms in os.walk(o.donnees) for f in noms)
for essai in range(12 * o.facteur):
    dossier = chemin("donnees")
    shutil.rmtree(dossier, ignore_errors=True)
    shutil.copytree(o.donnees, dossier)
    cible = os.path.join(dossier, alea.choice(fichiers))
    with open(cible, "rb") as f:
        octets = f.read()
    with open(cible, "wb") as f:
        f.write(abimer(octets))
    lancer("calc", projet, "--format", "json", "--data", dossier)
    if essai % 3 == 0:
        lancer(alea.choice(("info", "new")), *(("-o", chemin("n.vqp")) if essai % 2 else ()),
               "--data", dossier)

# Every key of the help with extreme values.
aide = subprocess.run([o.cli, "calc", "--help"], capture_output=True, text=True).stdout
cles = re.findall(r"^  (\S.*?)  \(", aide, re.MULTILINE)
if len(cles) < 40:
    echecs.append(f"aide : {len(cles)} clés seulement")
for cle in cles:
    for _ in range(o.facteur):
        valeur = alea.choice(["-1", "0", "1e30", "abc", "7" * 5000, "\x1b[31m1", "NaN"])
        lancer("calc", projet, "--format", "json", "--data", o.donnees, "--set", f"{cle}={valeur}")

print(", ".join(f"{n} {c}" for c, n in bilan.items()))
for e in echecs:
    print("ÉCHEC :", e)
sys.exit(1 if echecs else 0)
