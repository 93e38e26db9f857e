#pragma once

#include <string>

// The drawing vocabulary of the templates, shared by the SVG, DXF and PDF
// writers: what is cut is red, what only guides is blue and dashed, the
// words are black.
namespace bilobe::style_gabarit {

struct Couleur {
  int rouge, vert, bleu;
};

struct Trait {
  Couleur couleur;
  int couleur_dxf;    // AutoCAD colour index of its layer
  const char* calque; // DXF layer
  const char* id_svg; // SVG layer, and its name in Inkscape
  const char* libelle;
  double largeur_imprimee; // mm, on paper (PDF)
  double tiret, espace;    // mm; 0, 0 for a solid line
};

// The two contours: the lines the cutter follows.
inline constexpr Trait DECOUPE{{255, 0, 0}, 1, "CONTOUR", "contour", "Découpe", 0.2, 0, 0};
// The centre and level lines: for placing the part, never cut.
inline constexpr Trait REPERES{{0, 0, 255}, 5, "REPERES", "reperes", "Repères", 0.15, 3, 1.5};
// The edge of a material sheet: where the parts must stay, never cut.
inline constexpr Trait PLANCHE{{128, 128, 128}, 8, "PLANCHE", "planche", "Planche", 0.15, 0, 0};
// Files for cutting programs draw every line as a hairline.
inline constexpr double LARGEUR_FICHIER = 0.1; // mm

struct Texte {
  Couleur couleur;
  double hauteur;         // mm, in the files (SVG, DXF)
  double points_imprimes; // on paper (PDF)
};
inline constexpr Texte TEXTE{{0, 0, 0}, 3.5, 8};

// "#ff0000"
std::string hexa(Couleur c);

} // namespace bilobe::style_gabarit
