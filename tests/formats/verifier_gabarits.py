"""Reads the templates of bilobe-dat back with other programs' readers:
ezdxf for the DXF, rsvg-convert and an XML parser for the SVG, pdfinfo,
pdftotext, pdftoppm, qpdf and Ghostscript for the PDF, and checks their sizes
in millimetres.

Usage: verifier_gabarits.py CHEMIN_DE_BILOBE_DAT
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf
from ezdxf import bbox
from fontTools.ttLib import TTFont
from shapely.geometry import Polygon

from lecteurs_pdf import fautes_pdf
from pixels_pdf import PIXELS_PAR_MM, lire_ppm, longueur_noire

# Text extents measured the same whether matplotlib is installed or not.
ezdxf.options.use_matplotlib = False

BILOBE_DAT = sys.argv[1]

# Same values as src/export/pages_pdf.h and gabarit_svg.h.
MARGE_SVG, BANDE_SVG = 10, 8
BARRE_GAUCHE, BARRE_HAUT, BARRE_EPAISSEUR = 10, 274, 2
CARRE_GAUCHE, CARRE_HAUT = 70, 268

FORMERS = {
    "défaut": ([], 1),
    "fond plat et flanc droit": (["--ch", "--cv"], 1),
    "grand, sur plusieurs pages": (["--xtot", "120", "--xa", "80", "--ytot", "300", "--ya", "200",
                                    "--yinf", "150", "--ep", "6", "--nbptel", "150"], 4),
    # Exactly the printable area: one sheet, the construction lines cut at its edge.
    "190 x 252 mm": (["--xtot", "95", "--ytot", "152", "--yinf", "100", "--xa", "60", "--ya", "90", "--ep", "5"], 1),
    # 4 x 3 sheets, of which the 2 in the hollow would hold alignment marks only.
    "560 x 600 mm, creux": (["--xtot", "280", "--ytot", "400", "--yinf", "200", "--xa", "170", "--ya", "260",
                             "--ep", "6"], 10),
    # A kit piece: three notches (two pairs and one on the axis) and two tabs down to the board line.
    "kit": (["--encoche", "0.3:3:2", "--encoche", "dos:4:3", "--encoche", "niveau:3:3", "--pattes", "dessous:6:15:80"],
            1),
}


def marques_de_pattes(arguments):
    """One mark across each tab: two, or one when the tab is on the axis."""
    if "--pattes" not in arguments:
        return 0
    return 1 if float(arguments[arguments.index("--pattes") + 1].split(":")[2]) == 0 else 2

echecs = []


def verifier(condition, message):
    if not condition:
        echecs.append(message)
        print("ÉCHEC :", message)


def lancer(arguments, chemin):
    sortie = subprocess.run([BILOBE_DAT, *arguments, "-o", chemin], capture_output=True, text=True, check=True)
    m = re.match(r"Gabarit \w+ : ([\d.]+) x ([\d.]+) mm, surface ([\d.]+) mm²", sortie.stdout)
    assert m, sortie.stdout
    return tuple(float(v) for v in m.groups())


def aire(points):
    return abs(sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(points, points[1:] + points[:1]))) / 2


POLICE = TTFont("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf")


def largeur_liberation(texte, hauteur):
    """A line's width in Liberation Sans for a cap height `hauteur`, as CAD
    programs size DXF text."""
    carte, avances = POLICE.getBestCmap(), POLICE["hmtx"].metrics
    unites = sum(avances[carte.get(ord(c), ".notdef")][0] for c in texte)
    return unites / POLICE["OS/2"].sCapHeight * hauteur


def verifier_dxf(nom, arguments, dossier):
    chemin = os.path.join(dossier, "gabarit.dxf")
    largeur, hauteur, surface = lancer([*arguments, "--format", "dxf"], chemin)
    doc = ezdxf.readfile(chemin)
    verifier(not doc.audit().has_errors, f"{nom} : le DXF a des erreurs")
    verifier(doc.header.get("$INSUNITS") == 4, f"{nom} : unités du DXF")
    verifier(doc.header.get("$MEASUREMENT") == 1, f"{nom} : $MEASUREMENT du DXF (métrique)")
    # The header's extents are those of everything drawn: the lines as ezdxf
    # finds them, the text as Liberation Sans (Arial's metrics) draws it.
    etendue = bbox.extents(doc.modelspace().query("LINE POLYLINE"))
    for texte in doc.modelspace().query("TEXT"):
        x, y = texte.dxf.insert.x, texte.dxf.insert.y
        h = texte.dxf.height
        etendue.extend([(x, y - h / 3), (x + largeur_liberation(texte.dxf.text, h), y + h)])
    extmin, extmax = doc.header.get("$EXTMIN"), doc.header.get("$EXTMAX")
    verifier(all(abs(extmin[i] - etendue.extmin[i]) < 0.01 and abs(extmax[i] - etendue.extmax[i]) < 0.005 * extmax[i]
                 for i in (0, 1)),
             f"{nom} : étendue du DXF {extmin} {extmax}, mesurée {etendue.extmin} {etendue.extmax}")
    verifier(abs(extmin[0]) < 1e-9 and abs(extmin[1]) < 1e-9, f"{nom} : le DXF ne commence pas en (0, 0)")
    contours = doc.modelspace().query('POLYLINE[layer=="CONTOUR"]')
    verifier(len(contours) == 2 and all(p.is_closed for p in contours), f"{nom} : deux polylignes fermées")
    aires_dans_l_ordre = [aire([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices]) for p in contours]
    verifier(aires_dans_l_ordre[0] < aires_dans_l_ordre[1], f"{nom} : le contour intérieur n'est pas écrit d'abord")
    aires = sorted(aires_dans_l_ordre)
    anneau = aires[1] - aires[0]
    verifier(abs(anneau - surface) <= 1e-4 * surface, f"{nom} : surface DXF {anneau} contre {surface}")
    xs = [v.dxf.location.x for p in contours for v in p.vertices]
    ys = [v.dxf.location.y for p in contours for v in p.vertices]
    verifier(abs(max(xs) - min(xs) - largeur) < 1e-3 and abs(max(ys) - min(ys) - hauteur) < 1e-3,
             f"{nom} : dimensions du DXF")
    verifier(len(doc.modelspace().query('LINE[layer=="REPERES"]')) == 2 + marques_de_pattes(arguments),
             f"{nom} : repères du DXF")
    # Shapely: each line a simple polygon, the hollow inside the part.
    creux, dehors = (Polygon([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices]) for p in contours)
    verifier(creux.is_valid and dehors.is_valid and dehors.contains(creux), f"{nom} : contours invalides (shapely)")
    print(f"{nom} : DXF {largeur} x {hauteur} mm, anneau {anneau:.4f} mm² (cœur {surface})")


def verifier_svg(nom, arguments, dossier):
    chemin = os.path.join(dossier, "gabarit.svg")
    largeur, hauteur, _ = lancer([*arguments, "--format", "svg"], chemin)
    rendu = subprocess.run(["rsvg-convert", "-o", os.path.join(dossier, "svg.png"), chemin], capture_output=True)
    verifier(rendu.returncode == 0, f"{nom} : rsvg-convert refuse le SVG : {rendu.stderr}")
    racine = ET.parse(chemin).getroot()
    l_attendue, h_attendue = largeur + 2 * MARGE_SVG, hauteur + 2 * MARGE_SVG + BANDE_SVG
    # The summary gives the size to 0.1 µm: compared as numbers, to that.
    proche = lambda texte, attendu: abs(float(texte) - attendu) < 1e-3
    verifier(racine.get("width").endswith("mm") and racine.get("height").endswith("mm")
             and proche(racine.get("width")[:-2], l_attendue) and proche(racine.get("height")[:-2], h_attendue),
             f"{nom} : SVG {racine.get('width')} x {racine.get('height')}, attendu {l_attendue:g} x {h_attendue:g}")
    boite = racine.get("viewBox").split()
    verifier(boite[:2] == ["0", "0"] and proche(boite[2], l_attendue) and proche(boite[3], h_attendue),
             f"{nom} : viewBox du SVG")
    # The cut and the marks are Inkscape layers; the inner contour comes first.
    inkscape = "{http://www.inkscape.org/namespaces/inkscape}"
    calques = {g.get("id"): g for g in racine.findall("{http://www.w3.org/2000/svg}g")}
    for ident, etiquette in (("contour", "Découpe"), ("reperes", "Repères")):
        g = calques.get(ident)
        verifier(g is not None and g.get(inkscape + "groupmode") == "layer" and g.get(inkscape + "label") == etiquette,
                 f"{nom} : calque « {etiquette} » du SVG")
    chemins = [p.get("d") for p in calques["contour"].findall("{http://www.w3.org/2000/svg}path")]
    largeurs = [max(xs) - min(xs) for xs in ([float(c.split(",")[0]) for c in re.findall(r"[\d.]+,[\d.]+", d)]
                                             for d in chemins)]
    verifier(len(largeurs) == 2 and largeurs[0] < largeurs[1], f"{nom} : le contour intérieur n'est pas dessiné d'abord")
    print(f"{nom} : SVG {racine.get('width')} x {racine.get('height')}")


def verifier_pdf(nom, arguments, pages, dossier):
    chemin = os.path.join(dossier, "gabarit.pdf")
    largeur, hauteur, _ = lancer([*arguments, "--format", "pdf"], chemin)
    info = subprocess.run(["pdfinfo", chemin], capture_output=True, text=True, check=True).stdout
    verifier(re.search(r"Page size:\s+595(\.\d+)? x 84[12](\.\d+)? pts \(A4\)", info), f"{nom} : page A4 ? {info}")
    verifier(re.search(rf"Pages:\s+{pages}\n", info), f"{nom} : {pages} pages attendues")
    for faute in fautes_pdf(chemin):
        verifier(False, f"{nom} : {faute}")
    texte = subprocess.run(["pdftotext", "-enc", "UTF-8", chemin, "-"], capture_output=True, text=True, check=True).stdout
    verifier("Carré : 10 mm - imprimer à 100 % (taille réelle)" in texte, f"{nom} : légende du carré absente du texte")
    # Every sheet printed shows part of the outline (red), none only marks.
    apercu = os.path.join(dossier, "apercu")
    subprocess.run(["pdftoppm", "-r", "30", chemin, apercu], check=True)
    for fichier in sorted(f for f in os.listdir(dossier) if f.startswith("apercu")):
        l_px, h_px, px = lire_ppm(os.path.join(dossier, fichier))
        rouge = any(p[0] > 200 and p[1] < 150 and p[2] < 150 for p in (px(x, y) for y in range(h_px) for x in range(l_px)))
        verifier(rouge, f"{nom} : la feuille {fichier} n'a aucune partie du contour")
        os.remove(os.path.join(dossier, fichier))
    image = os.path.join(dossier, "page")
    subprocess.run(["pdftoppm", "-r", "254", "-f", "1", "-l", "1", chemin, image], check=True)
    (ppm,) = [os.path.join(dossier, f) for f in os.listdir(dossier) if f.endswith(".ppm")]
    l_px, h_px, pixel = lire_ppm(ppm)
    verifier(l_px == 2100 and h_px == 2970, f"{nom} : page de {l_px} x {h_px} pixels à 254 dpi")
    barre = longueur_noire(pixel, BARRE_GAUCHE * PIXELS_PAR_MM, (BARRE_HAUT + BARRE_EPAISSEUR // 2) * PIXELS_PAR_MM)
    carre = longueur_noire(pixel, CARRE_GAUCHE * PIXELS_PAR_MM, (CARRE_HAUT + 5) * PIXELS_PAR_MM)
    verifier(abs(barre - 50) <= 0.15, f"{nom} : barre d'échelle de {barre} mm")
    verifier(abs(carre - 10) <= 0.15, f"{nom} : carré de {carre} mm")
    if pages == 1:
        # The outer contour is the red drawing: its box is the former's, plus its line.
        rouges = [(x, y) for y in range(0, h_px, 2) for x in range(0, l_px)
                  if (lambda p: p[0] > 200 and p[1] < 120 and p[2] < 120)(pixel(x, y))]
        l_mm = (max(x for x, _ in rouges) - min(x for x, _ in rouges)) / PIXELS_PAR_MM
        h_mm = (max(y for _, y in rouges) - min(y for _, y in rouges)) / PIXELS_PAR_MM
        verifier(abs(l_mm - largeur) <= 0.4 and abs(h_mm - hauteur) <= 0.4,
                 f"{nom} : couple imprimé {l_mm} x {h_mm} mm, attendu {largeur} x {hauteur}")
        print(f"{nom} : PDF couple imprimé {l_mm} x {h_mm} mm")
    os.remove(ppm)
    print(f"{nom} : PDF {pages} page(s), barre {barre} mm = {barre / 25.4 * 72:.2f} pt, carré {carre} mm")


for nom, (arguments, pages) in FORMERS.items():
    with tempfile.TemporaryDirectory() as dossier:
        verifier_dxf(nom, arguments, dossier)
        verifier_svg(nom, arguments, dossier)
        verifier_pdf(nom, arguments, pages, dossier)

print("échecs :", len(echecs))
sys.exit(1 if echecs else 0)
