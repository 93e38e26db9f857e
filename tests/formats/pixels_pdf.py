"""A PDF page rendered by pdftoppm at 254 dpi, measured in millimetres."""
import os
import re
import subprocess

PIXELS_PAR_MM = 10  # pdftoppm at 254 dpi
# Same values as src/formats/pages_pdf.h.
BARRE_GAUCHE, BARRE_EPAISSEUR, CARRE_GAUCHE = 10, 2, 70


def lire_ppm(chemin):
    with open(chemin, "rb") as f:
        donnees = f.read()
    entete = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", donnees)
    largeur, hauteur = int(entete.group(1)), int(entete.group(2))
    pixels = donnees[entete.end():]
    return largeur, hauteur, lambda x, y: pixels[3 * (y * largeur + x): 3 * (y * largeur + x) + 3]


def page_en_pixels(pdf, numero, dossier):
    """(largeur, hauteur, pixel) of page `numero` (from 1)."""
    image = os.path.join(dossier, f"page-{numero}")
    subprocess.run(["pdftoppm", "-r", "254", "-singlefile", "-f", str(numero), "-l", str(numero), pdf, image],
                   check=True)
    resultat = lire_ppm(image + ".ppm")
    os.remove(image + ".ppm")
    return resultat


def longueur_noire(pixel, x0, y):
    """The length in mm of the dark run on row y that starts near x0."""
    x = x0 - 20
    while sum(pixel(x, y)) > 3 * 100:
        x += 1
    debut = x
    while sum(pixel(x, y)) <= 3 * 100:
        x += 1
    return (x - debut) / PIXELS_PAR_MM


def barre_et_carre(pixel, hauteur_page_mm):
    """The scale bar's and the square's lengths in mm, on a page of that height."""
    barre_haut = round(hauteur_page_mm) - 10 - 25 + 12
    carre_haut = round(hauteur_page_mm) - 10 - 25 + 6
    barre = longueur_noire(pixel, BARRE_GAUCHE * PIXELS_PAR_MM, (barre_haut + BARRE_EPAISSEUR // 2) * PIXELS_PAR_MM)
    carre = longueur_noire(pixel, CARRE_GAUCHE * PIXELS_PAR_MM, (carre_haut + 5) * PIXELS_PAR_MM)
    return barre, carre
