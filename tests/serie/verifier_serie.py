"""Reads the files of bilobe-serie back with other programs' readers: ezdxf
and shapely for the sheets' DXF, rsvg-convert and an XML parser for the SVG
files, pdfinfo and pdftotext for the templates' PDF, qpdf and Ghostscript for every PDF.

Usage: verifier_serie.py CHEMIN_DE_BILOBE_SERIE FICHIER.toml
"""
import os
import re
import subprocess
import sys
import tempfile
import tomllib
import xml.etree.ElementTree as ET

import ezdxf
from shapely.geometry import Point, Polygon, box
from shapely.ops import unary_union

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "formats"))
from lecteurs_pdf import fautes_pdf  # noqa: E402
from pixels_pdf import PIXELS_PAR_MM, barre_et_carre, page_en_pixels  # noqa: E402

BILOBE_SERIE, FUSELAGE = sys.argv[1], sys.argv[2]
SVG = "{http://www.w3.org/2000/svg}"
ECART_PLANCHES = 20  # mm between two sheets in the DXF, as in src/export/planches.h

echecs = []


def verifier(condition, message):
    if not condition:
        echecs.append(message)
        print("ÉCHEC :", message)


def sheets_of_summary(texte):
    """{"F1": 2, …}: each former's sheet, as the summary gives it."""
    planches = {}
    for ligne in texte.splitlines():
        if ligne.startswith("Planche "):
            numero = int(ligne.split()[1])
            for nom in ligne.split(" : ", 1)[1].split(" - ")[0].split(", "):
                planches[nom] = numero
    return planches


def occupations_of_summary(texte):
    """{1: 54.3, …}: each sheet's occupation in %, as the summary gives it."""
    return {int(l.split()[1]): float(l.rsplit("occupation ", 1)[1].rstrip(" %"))
            for l in texte.splitlines() if l.startswith("Planche ") and "occupation " in l}


def verifier_dxf(chemin, description, planches, occupations=None):
    doc = ezdxf.readfile(chemin)
    auditeur = doc.audit()
    verifier(not auditeur.has_errors, f"DXF : erreurs d'audit {auditeur.errors}")
    verifier(doc.units == 4, "DXF : unités non millimétriques")
    verifier({"PLANCHE", "CONTOUR", "REPERES"} <= {c.dxf.name for c in doc.layers}, "DXF : calques manquants")
    msp = doc.modelspace()
    bords = [Polygon([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices])
             for p in msp.query('POLYLINE[layer=="PLANCHE"]')]
    contours = [Polygon([(v.dxf.location.x, v.dxf.location.y) for v in p.vertices])
                for p in msp.query('POLYLINE[layer=="CONTOUR"]')]
    noms = {t.dxf.text: Point(t.dxf.align_point.x, t.dxf.align_point.y)
            for t in msp.query('TEXT[layer=="REPERES"]') if t.dxf.text.startswith("F")}
    # Readers that ignore the centring (Inkscape) start the name at group 10: in the hollow too.
    debuts = {t.dxf.text: Point(t.dxf.insert.x, t.dxf.insert.y)
              for t in msp.query('TEXT[layer=="REPERES"]') if t.dxf.text.startswith("F")}
    pl = description["planche"]
    largeur, hauteur = pl["largeur"], pl["hauteur"]
    marge, espacement = pl.get("marge", 5), pl.get("espacement", 4)
    verifier(len(bords) == max(planches.values()), f"DXF : {len(bords)} planches")
    verifier(len(contours) == 2 * len(planches), f"DXF : {len(contours)} contours")
    verifier(set(noms) == set(planches), f"DXF : noms {sorted(noms)}")
    exterieurs = {}
    for k in range(0, len(contours), 2):
        creux, dehors = contours[k], contours[k + 1]
        verifier(dehors.is_valid and creux.is_valid, f"DXF : contour {k // 2} invalide")
        verifier(dehors.contains(creux), f"DXF : creux {k // 2} hors du contour")
        # A former standing in this hollow has its own name inside its outline.
        invites = [contours[i + 1] for i in range(0, len(contours), 2) if i != k and creux.contains(contours[i + 1])]
        nom = [n for n, p in noms.items() if creux.contains(p) and not any(i.contains(p) for i in invites)]
        verifier(len(nom) == 1, f"DXF : contour {k // 2} sans nom dans son creux ({nom})")
        if len(nom) == 1:
            exterieurs[nom[0]] = Polygon(dehors.exterior.coords, [creux.exterior.coords])
            verifier(creux.contains(debuts[nom[0]]) and debuts[nom[0]].x < noms[nom[0]].x,
                     f"DXF : {nom[0]} ne commence pas avant son centre, dans son creux")
    bords.sort(key=lambda b: b.bounds[0])
    for k, bord in enumerate(bords):
        attendu = (k * (largeur + ECART_PLANCHES), 0, k * (largeur + ECART_PLANCHES) + largeur, hauteur)
        verifier(all(abs(a - b) < 1e-6 for a, b in zip(bord.bounds, attendu)), f"DXF : planche {k + 1} {bord.bounds}")
    # Occupation: the material on the sheet, the union of the rings (a former
    # in another's hollow counted once), measured on the cut lines (no kerf).
    if occupations and not description["planche"].get("saignee", 0):
        for numero, annonce in occupations.items():
            matiere = unary_union([p for n, p in exterieurs.items() if planches[n] == numero]).area
            mesure = 100 * matiere / (largeur * hauteur)
            verifier(abs(mesure - annonce) <= 0.051, f"DXF : planche {numero} occupée à {mesure:.2f} %, annoncé {annonce} %")
    for nom, dehors in exterieurs.items():
        numero = planches[nom]
        sur = [k + 1 for k, bord in enumerate(bords) if bord.intersects(dehors)]
        verifier(sur == [numero], f"DXF : {nom} sur les planches {sur}, pas {numero}")
        g, b, d, h = bords[numero - 1].bounds
        utile = box(g + marge, b + marge, d - marge, h - marge).buffer(1e-6)
        verifier(utile.contains(dehors), f"DXF : {nom} hors des marges de la planche {numero}")
        # By the true outlines: the parts themselves, their hollows left open.
        for autre, son_dehors in exterieurs.items():
            if autre < nom and planches[autre] == numero:
                ecart = dehors.distance(son_dehors)
                verifier(ecart >= espacement - 1e-3 and not dehors.intersects(son_dehors),
                         f"DXF : {nom} et {autre} à {ecart:.3f} mm")


def verifier_svg(chemin, description, noms_attendus):
    racine = ET.parse(chemin).getroot()
    pl = description["planche"]
    verifier(racine.get("width") == f"{pl['largeur']:g}mm", f"{chemin} : largeur {racine.get('width')}")
    chemins = racine.findall(f".//{SVG}g[@id='contour']/{SVG}path")
    noms = [t.text for t in racine.findall(f".//{SVG}g[@id='reperes']/{SVG}text")]
    verifier(len(chemins) == 2 * len(noms_attendus), f"{chemin} : {len(chemins)} contours")
    verifier(sorted(noms) == sorted(noms_attendus), f"{chemin} : noms {noms}")
    png = chemin + ".png"
    subprocess.run(["rsvg-convert", "-o", png, chemin], check=True)
    verifier(os.path.getsize(png) > 0, f"{chemin} : rendu vide")


def pages_pdf(chemin):
    infos = subprocess.run(["pdfinfo", chemin], capture_output=True, text=True, check=True).stdout
    pages = int(re.search(r"Pages:\s+(\d+)", infos).group(1))
    taille = re.search(r"Page size:\s+([\d.]+) x ([\d.]+) pts", infos)
    return pages, float(taille.group(1)) > float(taille.group(2))


def verifier_pdfs(dossier, description, planches):
    """Planches.pdf: each sheet at 1:1 (its edge measured on the page), landscape
    when that needs fewer pages; Couples.pdf: every template, several to a page;
    Plan.pdf: the views on pages that join up."""
    pl = description["planche"]
    sheets = max(planches.values())
    for nom in ("Planches.pdf", "Couples.pdf", "Plan.pdf"):
        for faute in fautes_pdf(os.path.join(dossier, nom)):
            verifier(False, f"{nom} : {faute}")
    chemin = os.path.join(dossier, "Planches.pdf")
    pages, paysage = pages_pdf(chemin)
    if pl["largeur"] <= 277 and pl["hauteur"] <= 165 and pl["largeur"] > 190:
        verifier(pages == sheets and paysage, f"Planches.pdf : {pages} pages, paysage {paysage}")
    largeur, hauteur, pixel = page_en_pixels(chemin, 1, dossier)
    barre, carre = barre_et_carre(pixel, hauteur / PIXELS_PAR_MM)
    verifier(abs(barre - 50) <= 0.15 and abs(carre - 10) <= 0.15, f"Planches.pdf : barre {barre}, carré {carre} mm")
    # The sheet's grey edge, across the middle of its drawing.
    y = int(hauteur / 2) if pl["hauteur"] <= 165 else 200
    gris = [x for x in range(largeur) if (lambda p: 100 < p[0] < 180 and abs(p[0] - p[1]) < 8 and
                                          abs(p[1] - p[2]) < 8)(pixel(x, y))]
    if pl["largeur"] <= largeur / PIXELS_PAR_MM - 20:
        bord = (gris[-1] - gris[0]) / PIXELS_PAR_MM
        verifier(abs(bord - pl["largeur"]) <= 0.3, f"Planches.pdf : planche de {bord} mm de large à l'impression")
    texte = subprocess.run(["pdftotext", chemin, "-"], capture_output=True, text=True, check=True).stdout
    for nom in planches:
        verifier(nom in texte.split(), f"Planches.pdf : {nom} absent")
    chemin = os.path.join(dossier, "Couples.pdf")
    pages, _ = pages_pdf(chemin)
    verifier(pages < len(planches), f"Couples.pdf : {pages} pages pour {len(planches)} couples")
    texte = subprocess.run(["pdftotext", chemin, "-"], capture_output=True, text=True, check=True).stdout
    for nom in planches:
        verifier(f"{nom} - Couple bi-lobé" in texte, f"Couples.pdf : {nom} sans son gabarit")
    chemin = os.path.join(dossier, "Plan.pdf")
    pages, _ = pages_pdf(chemin)
    texte = subprocess.run(["pdftotext", chemin, "-"], capture_output=True, text=True, check=True).stdout
    verifier(pages >= 2 and "Longueur" in texte and "vue de côté" in texte and "vue de dessus" in texte,
             f"Plan.pdf : {pages} pages")


def fuselage_au_hasard(hasard, numero):
    """A random fuselage file: the default former at random scales, a random sheet."""
    lignes = [f'nom = "Hasard {numero}"', f'interpolation = "{hasard.choice(["lisse", "lineaire"])}"',
              f"nombre = {hasard.randint(2, 14)}"]
    stations, position, plus_grande = [], hasard.uniform(-50, 50), 0
    for _ in range(hasard.randint(2, 4)):
        e = hasard.uniform(0.2, 1.2)
        cotes = [50 * e, 100 * e, 30 * e, 60 * e, 40 * e, 0, 0, hasard.uniform(0.1, 0.25) * 50 * e]
        plus_grande = max(plus_grande, 2 * cotes[0] + 2 * cotes[1])
        stations.append((position, cotes))
        position += hasard.uniform(10, 400)
    lignes += ["[planche]", f"largeur = {hasard.uniform(1, 3) * plus_grande:.3f}",
               f"hauteur = {hasard.uniform(1, 2) * plus_grande:.3f}", f"marge = {hasard.uniform(0, 10):.3f}",
               f"espacement = {hasard.uniform(0, 8):.3f}",
               f"saignee = {hasard.choice([0, 0, hasard.uniform(0, 0.5)]):.3f}"]
    for position, cotes in stations:
        lignes += ["[[station]]", f"position = {position:.3f}"]
        lignes += [f"{n} = {v:.3f}" for n, v in zip(["xtot", "ytot", "xa", "ya", "yinf", "segh", "segv", "ep"], cotes)]
    return "\n".join(lignes) + "\n"


def verifier_series_au_hasard(nombre):
    """Spacing and margins by the true outlines, every former placed once, and
    the same file giving the same sheets twice."""
    import random
    hasard = random.Random(20261209)
    verifiees = 0
    for numero in range(nombre):
        with tempfile.TemporaryDirectory() as dossier:
            fichier = os.path.join(dossier, "hasard.toml")
            with open(fichier, "w", encoding="utf-8") as f:
                f.write(fuselage_au_hasard(hasard, numero))
            with open(fichier, "rb") as f:
                description = tomllib.load(f)
            octets = []
            for essai in ("a", "b"):
                sortie = subprocess.run([BILOBE_SERIE, fichier, "-o", os.path.join(dossier, essai), "--format", "dxf"],
                                        capture_output=True, text=True)
                if sortie.returncode != 0:  # a random former may be impossible to trace
                    break
                with open(os.path.join(dossier, essai, "Planches.dxf"), "rb") as f:
                    octets.append(f.read())
            if len(octets) < 2:
                continue
            verifier(octets[0] == octets[1], f"hasard {numero} : deux imbrications différentes")
            planches = sheets_of_summary(sortie.stdout)
            verifier(len(planches) == description["nombre"], f"hasard {numero} : {len(planches)} couples placés")
            verifier_dxf(os.path.join(dossier, "a", "Planches.dxf"), description, planches,
                         occupations_of_summary(sortie.stdout))
            verifiees += 1
    verifier(verifiees >= nombre // 2, f"seulement {verifiees} séries au hasard tracées")
    print(f"séries au hasard : {verifiees} vérifiées par leurs contours")


def main():
    with open(FUSELAGE, "rb") as f:
        description = tomllib.load(f)
    with tempfile.TemporaryDirectory() as dossier:
        sortie = subprocess.run([BILOBE_SERIE, FUSELAGE, "-o", dossier], capture_output=True, text=True, check=True)
        planches = sheets_of_summary(sortie.stdout)
        verifier(len(planches) == description["nombre"], f"résumé : {len(planches)} couples placés")
        verifier_dxf(os.path.join(dossier, "Planches.dxf"), description, planches, occupations_of_summary(sortie.stdout))
        for numero in sorted(set(planches.values())):
            noms = [n for n, p in planches.items() if p == numero]
            verifier_svg(os.path.join(dossier, f"Planche {numero}.svg"), description, noms)
        profil = os.path.join(dossier, "Profil.svg")
        subprocess.run(["rsvg-convert", "-o", profil + ".png", profil], check=True)
        textes = [t.text for t in ET.parse(profil).getroot().iter(f"{SVG}text")]
        for nom in planches:
            verifier(textes.count(nom) == 2, f"profil : {nom} absent d'une vue")
        verifier_pdfs(dossier, description, planches)
    verifier_series_au_hasard(12)
    if echecs:
        sys.exit(f"{len(echecs)} échec(s)")
    print("fichiers de la série relus : DXF, SVG, PDF")


main()
