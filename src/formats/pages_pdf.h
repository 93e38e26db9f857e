#pragma once

#include "geometry/gabarit.h"

#include <vector>

namespace bilobe {

// The A4 sheet of the 1:1 template, in mm from its top left corner.
namespace page_a4 {
inline constexpr double LARGEUR = 210;
inline constexpr double HAUTEUR = 297;
inline constexpr double MARGE = 10;        // within what every printer prints
inline constexpr double BANDE = 25;        // under the drawing: scale bar, square, texts
inline constexpr double RECOUVREMENT = 10; // shared by two neighbouring sheets
inline constexpr double ZONE_LARGEUR = LARGEUR - 2 * MARGE;
inline constexpr double ZONE_HAUTEUR = HAUTEUR - 2 * MARGE - BANDE;
inline constexpr double ZONE_GAUCHE = MARGE;
inline constexpr double ZONE_HAUT = MARGE;
// The 50 mm scale bar and the 10 mm square, in the band.
inline constexpr double BARRE_LONGUEUR = 50;
inline constexpr double BARRE_EPAISSEUR = 2;
inline constexpr double BARRE_GAUCHE = MARGE;
inline constexpr double BARRE_HAUT = HAUTEUR - MARGE - BANDE + 12;
inline constexpr double CARRE_COTE = 10;
inline constexpr double CARRE_GAUCHE = BARRE_GAUCHE + BARRE_LONGUEUR + 10;
inline constexpr double CARRE_HAUT = HAUTEUR - MARGE - BANDE + 6;
// Beyond this many sheets the former is surely not what the user meant.
inline constexpr int PAGES_MAX = 100;
} // namespace page_a4

// An A4 page either way round: its drawing area and band, in mm. Upright,
// it is the page of page_a4.
struct FeuilleA4 {
  bool paysage = false;
  double largeur() const { return paysage ? page_a4::HAUTEUR : page_a4::LARGEUR; }
  double hauteur() const { return paysage ? page_a4::LARGEUR : page_a4::HAUTEUR; }
  double zone_largeur() const { return largeur() - 2 * page_a4::MARGE; }
  double zone_hauteur() const { return hauteur() - 2 * page_a4::MARGE - page_a4::BANDE; }
  double barre_haut() const { return hauteur() - page_a4::MARGE - page_a4::BANDE + 12; }
  double carre_haut() const { return hauteur() - page_a4::MARGE - page_a4::BANDE + 6; }
};

// One sheet: the part of the former it shows (in the former's frame, y up)
// and the alignment marks that fall on it. A mark sits in the middle of an
// overlap, so the same mark is printed on both sheets that share it.
struct PageGabarit {
  int ligne = 0;   // from the top, from 0
  int colonne = 0; // from the left, from 0
  Cadre zone;
  std::vector<PointMm> marques;
};

struct MiseEnPage {
  int lignes = 0;
  int colonnes = 0;
  std::vector<PageGabarit> pages; // row by row, from the top left
};

// Lays the box `a_couvrir` (the former's frame, mm) over as few A4 sheets as
// its size needs, centred; neighbouring sheets overlap. More sheets than
// PAGES_MAX is an overflow error.
MiseEnPage mettre_en_page(const Cadre& a_couvrir, const FeuilleA4& feuille = {});

// The way round that needs fewer pages for the box; upright when both need as many.
FeuilleA4 feuille_pour(const Cadre& a_couvrir);

// True when some part of the former's outer or inner line crosses the
// sheet's drawing area: a sheet with alignment marks only is not printed.
bool montre_le_contour(const PageGabarit& page, const Gabarit& gabarit);

// A point of the former's frame on a sheet, in mm from its top left corner.
PointMm sur_la_page(const PageGabarit& page, PointMm p);

} // namespace bilobe
