#!/usr/bin/python3
"""bilobe-dat killed while it writes, stopped by a file-size limit, and
writing to a standard output that fails: the target is always the whole old
or the whole new file, nothing else is left in the folder, and every failure
is one French line."""
import os
import resource
import signal
import subprocess
import sys
import tempfile
import time

BILOBE_DAT = sys.argv[1]
echecs = []


def verifier(condition, message):
    if not condition:
        echecs.append(message)
        print("ÉCHEC :", message)


def octets(*arguments):
    return subprocess.run([BILOBE_DAT, *arguments, "-o", "-"], check=True, capture_output=True).stdout


def interruptions(dossier, nombre=40):
    """Kills at moments spread over a whole run, so that some fall while the
    file is written; the target is never half-written."""
    cible = os.path.join(dossier, "cible.dat")
    versions = {octets(), octets("--nbptel", "120", "--ch", "--cv")}
    # A run is timed from Popen's return (the program already started) to its
    # end, as the kills below are, and the median of five: a cold first run
    # would put the late kills after most runs' end.
    durees = []
    for _ in range(5):
        p = subprocess.Popen([BILOBE_DAT, "-o", cible], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        debut = time.monotonic()
        p.wait()
        durees.append(time.monotonic() - debut)
    duree = sorted(durees)[2]
    tues = 0
    for i in range(nombre):
        arguments = ["--nbptel", "120", "--ch", "--cv"] if i % 2 == 0 else []
        p = subprocess.Popen([BILOBE_DAT, *arguments, "-o", cible], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
        time.sleep(duree * i / nombre)
        p.send_signal(signal.SIGKILL)
        tues += p.wait() == -signal.SIGKILL
        with open(cible, "rb") as f:
            verifier(f.read() in versions, f"interruption {i} : cible ni ancienne ni nouvelle")
    print(f"{tues} exécutions tuées sur {nombre} (une exécution : {duree * 1000:.1f} ms)")
    verifier(tues >= nombre // 4, f"trop peu d'exécutions tuées en cours de route ({tues})")
    # A kill between naming the temporary file and the rename leaves it
    # behind; the next write of the folder removes it.
    subprocess.run([BILOBE_DAT, "-o", cible], check=True, capture_output=True)
    restes = sorted(set(os.listdir(dossier)) - {"cible.dat"})
    verifier(restes == [], f"restes après les interruptions : {restes}")


def limite_de_taille(dossier):
    """A file-size limit smaller than the file: a file error, the old file kept."""
    cible = os.path.join(dossier, "limite.dat")
    with open(cible, "wb") as f:
        f.write(b"ancien")

    def limiter():
        resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))

    r = subprocess.run([BILOBE_DAT, "-o", cible], capture_output=True, preexec_fn=limiter)
    verifier(r.returncode == 1, f"limite de taille : code {r.returncode}")
    erreur = r.stderr.decode()
    verifier(erreur.startswith(f"bilobe-dat : Erreur de fichier ({cible}) : fichier trop grand")
             and erreur.count("\n") == 1, f"limite de taille : message {erreur!r}")
    with open(cible, "rb") as f:
        verifier(f.read() == b"ancien", "limite de taille : l'ancien fichier a changé")
    verifier(sorted(os.listdir(dossier)) == ["limite.dat"], f"limite de taille : restes {os.listdir(dossier)}")


def sortie_standard_pleine(dossier):
    """`-o -` on a full device (a scratch copy of /dev/full): one French line, code 1."""
    plein = os.path.join(dossier, "plein")
    try:
        os.mknod(plein, 0o666 | 0o020000, os.makedev(1, 7))
    except PermissionError:
        print("sortie pleine : mknod refusé ici, cas sauté")
        return
    with open(plein, "wb") as sortie:
        r = subprocess.run([BILOBE_DAT, "-o", "-"], stdout=sortie, stderr=subprocess.PIPE)
    verifier(r.returncode == 1, f"sortie pleine : code {r.returncode}")
    verifier(r.stderr.decode() == "bilobe-dat : Erreur de fichier (sortie standard) : support plein\n",
             f"sortie pleine : message {r.stderr!r}")


def sortie_standard_limitee_ou_fermee(dossier):
    """`-o -` under a file-size limit, or with no standard output at all: the
    usual French file error, code 1, never a signal nor the C library's English."""
    limitee = os.path.join(dossier, "limitee.txt")

    def limiter():
        resource.setrlimit(resource.RLIMIT_FSIZE, (1024, 1024))

    cas = {"limite de taille": ("fichier trop grand pour la limite de taille", limiter),
           "sortie fermée": ("flux fermé", lambda: os.close(1))}
    for nom, (raison, preparer) in cas.items():
        with open(limitee, "wb") as sortie:
            r = subprocess.run([BILOBE_DAT, "-o", "-"], stdout=sortie, stderr=subprocess.PIPE, preexec_fn=preparer)
        attendu = f"bilobe-dat : Erreur de fichier (sortie standard) : {raison}\n"
        verifier(r.returncode == 1, f"{nom} : code {r.returncode}")
        verifier(r.stderr.decode() == attendu, f"{nom} : message {r.stderr!r}")


for essai in (interruptions, limite_de_taille, sortie_standard_pleine, sortie_standard_limitee_ou_fermee):
    with tempfile.TemporaryDirectory() as dossier:
        essai(dossier)
print("écritures interrompues :", "échec" if echecs else "tout va bien")
sys.exit(1 if echecs else 0)
