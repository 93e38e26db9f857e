#!/usr/bin/python3
"""Both commands under Wine, on what only Windows has: a user's folder with
accents and spaces on C:, a read-only target, a file another program holds
open, and the names Windows forbids. Each refusal is said in French, with
exit code 1, and leaves the files as they were.

    chemins_windows.py BILOBE_DAT BILOBE_SERIE WINE PLANEUR_TOML TENIR_OUVERT"""
import os
import shutil
import stat
import subprocess
import sys
import tempfile

BILOBE_DAT, BILOBE_SERIE, WINE, PLANEUR, TENIR_OUVERT = sys.argv[1:6]
ENV = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", SOURCE_DATE_EPOCH="1700000000")
echecs = []


def lancer(*arguments, cwd=None):
    return subprocess.run([WINE, *arguments], cwd=cwd, env=ENV, capture_output=True, text=True)


def verifier(condition, message):
    if not condition:
        echecs.append(message)


def lire(chemin):
    with open(chemin, "rb") as f:
        return f.read()


def c_de_wine():
    """Where Wine keeps C:."""
    prefixe = os.environ.get("WINEPREFIX", os.path.expanduser("~/.wine"))
    return os.path.join(prefixe, "drive_c")


with tempfile.TemporaryDirectory() as dossier:
    # The reference: the default former written to a plain name.
    r = lancer(BILOBE_DAT, "-o", "simple.dat", cwd=dossier)
    verifier(r.returncode == 0, f"simple.dat : {r.returncode} {r.stderr}")
    reference = lire(os.path.join(dossier, "simple.dat"))

    # A user's folder with accents and spaces, as Windows writes it.
    utilisateur = os.path.join(c_de_wine(), "users", "Éric")
    modeles = os.path.join(utilisateur, "Mes modèles")
    os.makedirs(modeles, exist_ok=True)
    try:
        r = lancer(BILOBE_DAT, "-o", "C:\\users\\Éric\\Mes modèles\\Couple été.dat", cwd=dossier)
        verifier(r.returncode == 0, f"chemin accentué : {r.returncode} {r.stderr}")
        ecrit = os.path.join(modeles, "Couple été.dat")
        verifier(os.path.exists(ecrit) and lire(ecrit) == reference, "chemin accentué : pas les mêmes octets")
        verifier("Mes modèles\\Couple été.dat" in r.stdout, f"chemin accentué mal dit : {r.stdout!r}")
        shutil.copy(PLANEUR, os.path.join(modeles, "planeur été.toml"))
        r = lancer(BILOBE_SERIE, "C:\\users\\Éric\\Mes modèles\\planeur été.toml", "-o",
                   "C:\\users\\Éric\\Mes modèles\\Série 1", "--format", "dat", cwd=dossier)
        verifier(r.returncode == 0, f"série accentuée : {r.returncode} {r.stderr}")
        verifier(os.path.exists(os.path.join(modeles, "Série 1", "F1.dat")), "série accentuée : F1.dat manque")
    finally:
        shutil.rmtree(utilisateur, ignore_errors=True)

    # A read-only target: refused, kept.
    lecture_seule = os.path.join(dossier, "protege.dat")
    with open(lecture_seule, "wb") as f:
        f.write(b"ancien")
    os.chmod(lecture_seule, stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)
    r = lancer(BILOBE_DAT, "-o", "protege.dat", cwd=dossier)
    verifier(r.returncode == 1 and r.stderr.startswith("bilobe-dat : Erreur de fichier"),
             f"lecture seule : {r.returncode} {r.stderr!r}")
    verifier(lire(lecture_seule) == b"ancien", "lecture seule : le fichier a changé")

    # A file held open by another program: refused, kept, nothing left behind.
    ouvert = os.path.join(dossier, "ouvert.dat")
    with open(ouvert, "wb") as f:
        f.write(b"ancien")
    autre = subprocess.Popen([WINE, TENIR_OUVERT, "ouvert.dat"], cwd=dossier, env=ENV, stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, text=True)
    try:
        verifier(autre.stdout.readline().strip() == "ouvert", "l'autre programme n'a pas ouvert le fichier")
        r = lancer(BILOBE_DAT, "-o", "ouvert.dat", cwd=dossier)
        verifier(r.returncode == 1 and "ouvert par un autre programme" in r.stderr,
                 f"fichier ouvert : {r.returncode} {r.stderr!r}")
    finally:
        autre.stdin.close()
        autre.wait(timeout=60)
    verifier(lire(ouvert) == b"ancien", "fichier ouvert : le fichier a changé")

    # Names Windows forbids: refused with a clear message, nothing written.
    avant = sorted(os.listdir(dossier))
    for nom in ["CON", "aux.dat", "couple.", "couple ", "a<b.dat", "a|b.dat", "a?b.dat", "a*b.dat", 'a"b.dat']:
        r = lancer(BILOBE_DAT, "-o", nom, cwd=dossier)
        verifier(r.returncode == 1 and r.stderr.startswith("bilobe-dat : Erreur de fichier"),
                 f"nom interdit {nom!r} : {r.returncode} {r.stderr!r}")
    shutil.copy(PLANEUR, os.path.join(dossier, "planeur.toml"))
    avant.append("planeur.toml")
    avant.sort()
    r = lancer(BILOBE_SERIE, "planeur.toml", "-o", "NUL", cwd=dossier)
    verifier(r.returncode == 1 and r.stderr.startswith("bilobe-serie : "), f"dossier NUL : {r.returncode} {r.stderr!r}")
    verifier(sorted(os.listdir(dossier)) == avant, f"noms interdits : {sorted(os.listdir(dossier))} au lieu de {avant}")

for e in echecs:
    print("ÉCHEC :", e)
print(f"chemins sous Windows : {len(echecs)} échec(s)")
sys.exit(1 if echecs else 0)
