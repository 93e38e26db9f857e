#!/usr/bin/env python3
"""Draws the program's 32 x 32, 16-colour icon (data/couple-bilobe.xpm): the
whole default former, both halves, from the points that bilobe-dat writes."""
import subprocess
import sys

dat = subprocess.run([sys.argv[1], "-o", "-"], check=True, capture_output=True).stdout
points = [tuple(map(float, l.split())) for l in dat.decode("cp1252").split("\r\n")[1:] if l]
# File columns: u = 0 at the top .. 1 at the bottom, v = -half-width (relative).
contour = [(-v, 1 - u) for u, v in points]          # half outline, x >= 0, y up
# The file lists the inner line first (one point more than the outer one).
n = len(contour)
interieur = contour[: (n + 1) // 2]
exterieur = contour[(n + 1) // 2:]


def boucle(demi):
    return demi + [(-x, y) for x, y in reversed(demi)]


def dedans(poly, x, y):
    c = False
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            c = not c
    return c


ext, inte = boucle(exterieur), boucle(interieur)
TAILLE = 32
palette = {".": "None", "#": "#000080", "+": "#FFFF00"}  # from the 16-colour set
lignes = []
for j in range(TAILLE):
    ligne = ""
    for i in range(TAILLE):
        x = (i + 0.5 - TAILLE / 2) / TAILLE * 1.05
        y = 1.02 - (j + 0.5) / TAILLE * 1.04
        if dedans(ext, x, y) and not dedans(inte, x, y):
            ligne += "#"
        elif dedans(inte, x, y):
            ligne += "+"
        else:
            ligne += "."
    lignes.append(ligne)
with open("data/couple-bilobe.xpm", "w") as f:
    f.write("/* XPM */\nstatic const char *couple_bilobe[] = {\n")
    f.write(f'"{TAILLE} {TAILLE} {len(palette)} 1",\n')
    for k, v in palette.items():
        f.write(f'"{k} c {v}",\n')
    f.write(",\n".join(f'"{l}"' for l in lignes))
    f.write("\n};\n")
