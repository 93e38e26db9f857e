#include "formats/bande_a4.h"

namespace bilobe::bande_a4 {

namespace {

using namespace page_a4;

constexpr style_gabarit::Couleur NOIR{0, 0, 0};
constexpr style_gabarit::Couleur GRIS{160, 160, 164};

std::vector<PointMm> rectangle(double gauche, double haut, double largeur, double hauteur) {
  return {{gauche, haut}, {gauche + largeur, haut}, {gauche + largeur, haut + hauteur}, {gauche, haut + hauteur}};
}

void texte(EcrivainPdf& pdf, double x, double y, const std::string& ligne) {
  pdf.texte({x, y}, ligne, style_gabarit::TEXTE.points_imprimes, style_gabarit::TEXTE.couleur);
}

// The scale bar and the square.
void echelle(EcrivainPdf& pdf, const FeuilleA4& f) {
  const double barre_haut = f.barre_haut();
  pdf.surface(rectangle(BARRE_GAUCHE, barre_haut, BARRE_LONGUEUR, BARRE_EPAISSEUR), NOIR);
  for (double x = 0; x <= BARRE_LONGUEUR; x += 10)
    pdf.ligne({{BARRE_GAUCHE + x, barre_haut}, {BARRE_GAUCHE + x, barre_haut - 2}}, false, NOIR, 0.2);
  texte(pdf, BARRE_GAUCHE, barre_haut + 7, "Barre d'échelle : 50 mm");
  pdf.surface(rectangle(CARRE_GAUCHE, f.carre_haut(), CARRE_COTE, CARRE_COTE), NOIR);
}

// Three lines of text beside the square.
void lignes(EcrivainPdf& pdf, const FeuilleA4& f, const std::string& une, const std::string& deux,
            const std::string& trois) {
  const double x = CARRE_GAUCHE + CARRE_COTE + 5;
  texte(pdf, x, f.carre_haut() + 3, une);
  texte(pdf, x, f.carre_haut() + 8, deux);
  texte(pdf, x, f.carre_haut() + 13, trois);
}

} // namespace

void bande(EcrivainPdf& pdf, const FeuilleA4& f, const std::string& legende, const std::string& avant,
           std::size_t numero, std::size_t total, const PageGabarit& page) {
  echelle(pdf, f);
  lignes(pdf, f, legende, "Carré : 10 mm - imprimer à 100 % (taille réelle)",
         avant + "Page " + std::to_string(numero) + "/" + std::to_string(total) + " (ligne " +
             std::to_string(page.ligne + 1) + ", colonne " + std::to_string(page.colonne + 1) + ")");
}

void ouvrir_zone(EcrivainPdf& pdf, const FeuilleA4& f, bool en_plusieurs) {
  if (en_plusieurs)
    pdf.ligne(rectangle(ZONE_GAUCHE, ZONE_HAUT, f.zone_largeur(), f.zone_hauteur()), true, GRIS, 0.1, 0.4, 0.2);
  pdf.decouper(ZONE_GAUCHE, ZONE_HAUT, f.zone_largeur(), f.zone_hauteur());
}

void croix(EcrivainPdf& pdf, PointMm c) {
  pdf.ligne({{c.x - 4, c.y}, {c.x + 4, c.y}}, false, NOIR, 0.2);
  pdf.ligne({{c.x, c.y - 4}, {c.x, c.y + 4}}, false, NOIR, 0.2);
  pdf.cercle(c, 2, NOIR, 0.2);
}

} // namespace bilobe::bande_a4
