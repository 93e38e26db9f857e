#!/usr/bin/python3
"""Every output of the two commands against a recorded corpus: the bytes of
each file written (.DAT, SVG, DXF, the PDF with its date fixed, the folders of
three series), standard output, standard error and the exit code.

    verifier_corpus.py BILOBE_DAT BILOBE_SERIE            compares
    verifier_corpus.py BILOBE_DAT BILOBE_SERIE --enregistrer   records anew
    verifier_corpus.py BILOBE_DAT BILOBE_SERIE --emulateur WINE   Windows programs
    verifier_corpus.py - - --fuselages DOSSIER   writes the fuselage files the runs read

Files are kept as SHA-256 digests; the texts of the two streams are kept
whole, the scratch folder written as <DOSSIER>. Under Wine the programs see
that folder as Z:\... and write its paths with backslashes: both are turned
back into the Linux form, the rest of the texts left as they are."""
import hashlib
import itertools
import json
import os
import re
import subprocess
import sys
import tempfile

ICI = os.path.dirname(os.path.abspath(__file__))
ATTENDU = os.path.join(ICI, "attendu.json")
EXEMPLE = os.path.join(ICI, "..", "..", "data", "exemples", "planeur.toml")
BILOBE_DAT, BILOBE_SERIE = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
EMULATEUR = [sys.argv[sys.argv.index("--emulateur") + 1]] if "--emulateur" in sys.argv else []

# Fields of the window: the defaults, flat bottom and straight side, thin and
# thick walls, many and few points, and failures of each kind.
CHAMPS = [
    [],
    ["--ch", "--cv"],
    ["--ch"],
    ["--cv", "--segv", "35.5"],
    ["--ep", "3", "--nbptel", "120"],
    ["--xtot", "80", "--ytot", "60", "--xa", "50", "--ya", "30", "--yinf", "25", "--ep", "2.5"],
    ["--nbptel", "7", "--nbptseg", "3", "--ch", "--cv"],
    ["--xtot", "2,5"],
    ["--ep", "0"],
    ["--ch", "--cv", "--segh", "45", "--segv", "35"],
    ["--xtot", "0"],
    ["--ya", "200"],
    ["--nbptel", "1e400"],
    ["--nbptel", "600"],
]
GABARIT = [[], ["--paroi-constante"], ["--saignee", "1"], ["--paroi-constante", "--saignee", "0.4"],
           ["--encoche", "0.3:3:2", "--encoche", "dos:4:3", "--encoche", "niveau:3:3", "--pattes", "dessous:6:15:80"],
           ["--paroi-constante", "--saignee", "0.3", "--encoche", "ventre:5:4", "--pattes", "dessus:8:0:110"]]
USAGES = [["--help"], ["--ep"], ["--format", "png"], ["--vite"], ["--ep", "--ch"]]

KIT = """[[encoche]]
place = "ventre"
largeur = 3
profondeur = 1

[[encoche]]
place = 0.3
largeur = 2
profondeur = 1

[pattes]
largeur = 3
ecart = 4
garde = 5

"""

FUSELAGES = {
    "planeur": lambda t: t,
    "lineaire": lambda t: t.replace('interpolation = "lisse"', 'interpolation = "lineaire"')
    .replace("nombre = 10 ", "positions = [0, 40, 95, 160, 240, 330, 420, 700, 1000]"),
    "fond_plat": lambda t: t.replace("ch = false", "ch = true").replace("cv = false", "cv = true")
    .replace("paroi_constante = false", "paroi_constante = true").replace("saignee = 0", "saignee = 0.3"),
    "kit": lambda t: t.replace("[[station]]", KIT + "[[station]]", 1),
    "coque": lambda t: t.replace("[[station]]", "[impression]\npas = 7\nparoi = 1.5\ntroncon = 200\n\n[[station]]", 1),
}

# Lines traced on a plan, in mm: one good file, one whose bottom crosses the top.
LIGNES = """nom = "Planeur"
nombre = 10
[lignes]
dos = [[0, 20], [300, 40], [1000, 8]]
ventre = [[0, -16], [300, -30], [1000, -6]]
niveau = [[0, 0], [1000, 0]]
demi_largeur = [[0, 18], [300, 32], [1000, 9]]
[section]
xa = 0.55
ya = 0.65
ep = 2.5
"""
ENTREES = {"lignes.toml": LIGNES, "croisees.toml": LIGNES.replace("[300, -30]", "[300, 50]")}


def cas():
    for champs, fmt in itertools.product(CHAMPS, ["dat", "svg", "dxf", "pdf"]):
        gabarits = GABARIT if fmt != "dat" and not champs else [[]]
        for g in gabarits:
            yield "dat", [*champs, "--format", fmt, *g]
    yield "dat", ["-o", "-", "--ch"]
    yield "dat", ["--format", "svg", "-o", "-"]
    yield "dat", ["-o", "sous/absent.dat"]
    yield "dat", ["--encoche", "0.5:3:2"]
    yield "dat", ["--format", "dxf", "--pattes", "dessous:6:15:30"]
    yield "dat", ["--format", "dxf", "--encoche", "0.3:3:12"]
    yield "dat", ["--format", "dxf", "--encoche", "dos:3:2", "--encoche", "0.01:3:2"]
    yield "dat", ["--encoche", "0.3:3"]
    yield "dat", ["--format", "dxf", "--saignee", "2", "--encoche", "0.3:2:2"]
    yield "dat", ["--format", "dxf", "--encoche", "0.3:1e-6:2"]
    yield "dat", ["--format", "dxf", "--pattes", "dessous:6:15:1e16"]
    yield "dat", ["--format", "dxf", "--encoche", "0.26792:3:2", "--encoche", "0.29444:3:2"]
    for u in USAGES:
        yield "dat", u
    for nom in FUSELAGES:
        yield "serie", [f"{nom}.toml", "-o", "sortie"]
    yield "serie", ["planeur.toml", "-o", "dat", "--format", "dat"]
    yield "serie", ["planeur.toml", "-o", "stl", "--format", "stl"]
    yield "serie", ["fond_plat.toml", "-o", "stl", "--format", "stl,dat"]
    yield "serie", ["coque.toml", "-o", "stl", "--format", "stl"]
    yield "serie", ["absent.toml"]
    yield "serie", ["casse.toml", "-o", "x"]
    yield "serie", ["--help"]
    yield "serie", ["--depuis-lignes", "lignes.toml", "-o", "genere.toml"]
    yield "serie", ["--depuis-lignes", "croisees.toml", "-o", "genere.toml"]
    yield "serie", ["--depuis-lignes", "lignes.toml"]


def empreinte(chemin):
    with open(chemin, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def ecrire_fuselages(dossier):
    """The fuselage files the series runs read, into `dossier`."""
    with open(EXEMPLE, encoding="utf-8") as f:
        exemple = f.read()
    for nom, changer in FUSELAGES.items():
        with open(os.path.join(dossier, f"{nom}.toml"), "w", encoding="utf-8") as f:
            f.write(changer(exemple))
    with open(os.path.join(dossier, "casse.toml"), "w", encoding="utf-8") as f:
        f.write(exemple.replace("hauteur = 150", "hauteur = 60"))
    for nom, texte in ENTREES.items():
        with open(os.path.join(dossier, nom), "w", encoding="utf-8") as f:
            f.write(texte)


def executer(commande, arguments):
    with tempfile.TemporaryDirectory() as dossier:
        ecrire_fuselages(dossier)
        entrees = set(os.listdir(dossier))
        env = dict(os.environ, SOURCE_DATE_EPOCH="1700000000", TZ="UTC", QT_QPA_PLATFORM="offscreen")
        binaire = BILOBE_DAT if commande == "dat" else BILOBE_SERIE
        if EMULATEUR:
            env.update(WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        r = subprocess.run([*EMULATEUR, binaire, *arguments], cwd=dossier, env=env, capture_output=True)
        fichiers = {}
        for racine, _, noms in os.walk(dossier):
            for nom in noms:
                chemin = os.path.join(racine, nom)
                relatif = os.path.relpath(chemin, dossier)
                if relatif not in entrees:
                    fichiers[relatif] = empreinte(chemin)
        windows = "Z:" + dossier.replace("/", "\\")

        def texte(b):
            t = b.decode("utf-8", "replace").replace(windows, "<DOSSIER>").replace(dossier, "<DOSSIER>")
            return re.sub(r"<DOSSIER>[^\n]*", lambda m: m.group(0).replace("\\", "/"), t) if EMULATEUR else t

        return {"code": r.returncode, "sortie": texte(r.stdout), "erreurs": texte(r.stderr),
                "fichiers": dict(sorted(fichiers.items()))}


def main():
    if "--fuselages" in sys.argv:  # for the WebAssembly core's test, which replays the corpus in memory
        ecrire_fuselages(sys.argv[sys.argv.index("--fuselages") + 1])
        return 0
    resultats = {f"{c} {' '.join(a)}": executer(c, a) for c, a in cas()}
    if "--enregistrer" in sys.argv and not EMULATEUR:
        with open(ATTENDU, "w", encoding="utf-8") as f:
            json.dump(resultats, f, ensure_ascii=False, indent=1, sort_keys=True)
            f.write("\n")
        print(f"corpus enregistré : {len(resultats)} exécutions")
        return 0
    with open(ATTENDU, encoding="utf-8") as f:
        attendu = json.load(f)
    ecarts = [nom for nom in sorted(set(attendu) | set(resultats)) if attendu.get(nom) != resultats.get(nom)]
    for nom in ecarts[:20]:
        print(f"ÉCART : {nom}\n  attendu : {attendu.get(nom)}\n  obtenu  : {resultats.get(nom)}")
    print(f"corpus : {len(resultats) - len(ecarts)} passed, {len(ecarts)} failed")
    return 1 if ecarts else 0


sys.exit(main())
