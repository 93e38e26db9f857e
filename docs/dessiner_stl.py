#!/usr/bin/python3
"""Draws binary STL files side by side, read straight from their bytes (no
code of the program): the picture of the printed fuselage in the README.
Each triangle is shaded and hidden by the normal the file gives it, so that a
wrong normal shows. Needs python3-matplotlib.
Usage: dessiner_stl.py IMAGE.png ECART_MM FICHIER.stl..."""
import struct
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.collections import PolyCollection  # noqa: E402

FACETTE = np.dtype([("normale", "<f4", (3,)), ("coins", "<f4", (3, 3)), ("attribut", "<u2")])


def lire_stl(chemin):
    with open(chemin, "rb") as f:
        octets = f.read()
    (n,) = struct.unpack_from("<I", octets, 80)
    lues = np.frombuffer(octets, dtype=FACETTE, count=n, offset=84)
    return lues["coins"].astype(np.float64), lues["normale"].astype(np.float64)


def rotation(lacet, tangage):
    cl, sl, ct, st = np.cos(lacet), np.sin(lacet), np.cos(tangage), np.sin(tangage)
    tourne = np.array([[cl, 0, sl], [0, 1, 0], [-sl, 0, cl]])
    penche = np.array([[1, 0, 0], [0, ct, -st], [0, st, ct]])
    return penche @ tourne


def main():
    image, ecart, fichiers = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    r = rotation(1.0, 0.45)
    lumiere = np.array([-0.45, 0.75, 0.48])
    lumiere /= np.linalg.norm(lumiere)
    polygones, couleurs, profondeurs = [], [], []
    for k, chemin in enumerate(fichiers):
        triangles, normales = lire_stl(chemin)
        triangles[:, :, 2] += k * ecart  # the pieces pulled apart along the fuselage
        vus = triangles @ r.T
        n = normales @ r.T
        devant = n[:, 2] > 0
        clarte = 0.25 + 0.75 * np.clip(n[devant] @ lumiere, 0, 1)
        polygones.append(vus[devant][:, :, :2])
        couleurs.append(np.outer(clarte, [0.29, 0.53, 0.78]))
        profondeurs.append(vus[devant][:, :, 2].mean(axis=1))
    polygones, couleurs = np.concatenate(polygones), np.concatenate(couleurs)
    ordre = np.argsort(np.concatenate(profondeurs))
    fig, ax = plt.subplots(figsize=(12, 3.6), dpi=100)
    ax.add_collection(PolyCollection(polygones[ordre], facecolors=couleurs[ordre], edgecolors=couleurs[ordre],
                                     linewidths=0.3))
    ax.autoscale()
    ax.set_aspect("equal")
    ax.set_axis_off()
    fig.subplots_adjust(0.01, 0.01, 0.99, 0.99)
    fig.savefig(image)


main()
