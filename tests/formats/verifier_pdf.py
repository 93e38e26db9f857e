#!/usr/bin/python3
"""Our PDF read back by other programs: qpdf finds no fault, Ghostscript
renders it without a word, pdftotext finds the words with their accents,
pdfinfo the page sizes, and pdftoppm's pixels measure the drawing at 1:1.

Usage: verifier_pdf.py ESSAI_PDF (the program that writes the test file)."""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

TOLERANCE_MM = 0.2

sys.path.insert(0, str(Path(__file__).parent))
from lecteurs_pdf import fautes_pdf  # noqa: E402
from pixels_pdf import PIXELS_PAR_MM, longueur_noire, page_en_pixels  # noqa: E402


def lancer(*commande):
    return subprocess.run(commande, capture_output=True, text=True, check=False)


def main():
    echecs = []
    with tempfile.TemporaryDirectory() as dossier:
        pdf = Path(dossier) / "essai.pdf"
        if subprocess.run([sys.argv[1], str(pdf)], check=False).returncode != 0:
            sys.exit("essai_pdf a échoué")

        echecs += fautes_pdf(str(pdf))

        texte = lancer("pdftotext", "-enc", "UTF-8", str(pdf), "-").stdout
        for mots in ("Échelle 1:1 — découpe, « F1 », œuvre, 12,5 mm", "Centré", "À droite",
                     "Paysage : barre de 200 mm"):
            if mots not in texte:
                echecs.append(f"pdftotext ne trouve pas « {mots} » dans : {texte!r}")

        info = lancer("pdfinfo", "-f", "1", "-l", "2", str(pdf)).stdout
        for page, taille in ((1, "595.275 x 841.889"), (2, "841.889 x 595.275")):
            if not re.search(rf"Page\s+{page} size:\s+{taille} pts", info):
                echecs.append(f"pdfinfo : page {page} n'est pas {taille} pts : {info}")
        if "Essai « F1 » — découpe" not in info:
            echecs.append("pdfinfo : titre : " + info)

        # The square from 20 mm, the bar from 40 mm, across their middles.
        for page, gauche, ligne, attendu in ((1, 20, 25, 10), (2, 40, 101, 200)):
            _, _, pixel = page_en_pixels(str(pdf), page, dossier)
            mesure = longueur_noire(pixel, gauche * PIXELS_PAR_MM, ligne * PIXELS_PAR_MM)
            if abs(mesure - attendu) > TOLERANCE_MM:
                echecs.append(f"page {page} : {attendu} mm mesurés {mesure} mm")
            else:
                print(f"page {page} : {attendu} mm mesurés {mesure} mm")

    for e in echecs:
        print("ÉCHEC :", e)
    print("PDF relu :", "échec" if echecs else "bon")
    sys.exit(1 if echecs else 0)


main()
