#include "serie/fichier_fuselage.h"
#include "serie/imbrication.h"
#include "serie/serie_imbriquee.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace bilobe {
namespace {

constexpr double TOLERANCE = 1e-9; // mm: the layout is exact in micrometres, the check in doubles

Boucle rectangle(double l, double h) { return {{0, 0}, {l, 0}, {l, h}, {0, h}}; }

PieceAImbriquer carre(double cote) { return {"F", rectangle(cote, cote), {}}; }

// A square frame: its hollow `paroi` inside its edge.
PieceAImbriquer cadre_carre(double cote, double paroi) {
  Boucle creux = rectangle(cote - 2 * paroi, cote - 2 * paroi);
  for (PointMm& p : creux) p = {p.x + paroi, p.y + paroi};
  return {"F", rectangle(cote, cote), {creux}};
}

// Right-angled: two of them make a rectangle when one is turned.
PieceAImbriquer triangle(double l, double h) { return {"F", {{0, 0}, {l, 0}, {0, h}}, {}}; }

// Whole series: stations drawn from the window's default former at random
// scales, traced, their templates nested on a random sheet.
DescriptionSerie description_au_hasard(std::mt19937& hasard) {
  auto entre = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(hasard); };
  DescriptionSerie d;
  d.interpolation = hasard() % 2 ? Interpolation::Lisse : Interpolation::Lineaire;
  d.nombre = std::uniform_int_distribution<int>(2, 9)(hasard);
  const int stations = std::uniform_int_distribution<int>(2, 4)(hasard);
  double position = entre(-50, 50);
  double plus_grande = 0;
  for (int k = 0; k < stations; ++k) {
    const double echelle = entre(0.2, 1.5);
    Station s{position, {50 * echelle, 100 * echelle, 30 * echelle, 60 * echelle, 40 * echelle, 0, 0, 0}};
    s.cotes[7] = entre(0.1, 0.25) * s.cotes[0];
    plus_grande = std::max(plus_grande, 2 * s.cotes[0] + 2 * s.cotes[1]);
    d.stations.push_back(s);
    position += entre(10, 400);
  }
  d.planche = {entre(1, 3) * plus_grande, entre(1, 2) * plus_grande, entre(0, 10), entre(0, 8)};
  d.gabarit.saignee = hasard() % 3 == 0 ? entre(0, 0.5) : 0;
  return d;
}

// The spacing between true outlines is checked with shapely on the files
// (verifier_serie.py); here the margins, the hosts and the determinism.
TEST(Imbrication, SeriesDeCouplesAuHasard) {
  std::mt19937 hasard(8122026);
  for (int essai = 0; essai < 25; ++essai) {
    const DescriptionSerie d = description_au_hasard(hasard);
    const SerieTracee serie = preparer_serie(d);
    const Planche& pl = d.planche;
    ASSERT_EQ(serie.imbrication.pieces.size(), serie.couples.size());
    for (std::size_t i = 0; i < serie.couples.size(); ++i) {
      const Gabarit& g = serie.couples[i].gabarit;
      const PiecePlacee& p = serie.imbrication.pieces[i];
      ASSERT_GE(p.planche, 0);
      ASSERT_LT(p.planche, serie.imbrication.planches);
      // Every point of the outer line, as drawn on the sheet, between the margins.
      const SurLaPlanche placer{g.cadre, p};
      for (const PointMm& q : g.exterieur) {
        const PointMm s = placer(q);
        ASSERT_GE(s.x, pl.marge - TOLERANCE) << essai;
        ASSERT_GE(s.y, pl.marge - TOLERANCE) << essai;
        ASSERT_LE(s.x, pl.largeur - pl.marge + TOLERANCE) << essai;
        ASSERT_LE(s.y, pl.hauteur - pl.marge + TOLERANCE) << essai;
      }
      // A host is a larger part of the same sheet.
      if (p.hote >= 0) {
        const std::size_t h = static_cast<std::size_t>(p.hote);
        EXPECT_EQ(serie.imbrication.pieces[h].planche, p.planche);
        EXPECT_LT(g.cadre.largeur(), serie.couples[h].gabarit.cadre.largeur());
      }
    }
    for (const double part : serie.occupation) {
      EXPECT_GT(part, 0);
      EXPECT_LT(part, 1);
    }
    const SerieTracee encore = preparer_serie(d);
    for (std::size_t i = 0; i < serie.couples.size(); ++i) {
      EXPECT_EQ(encore.imbrication.pieces[i].planche, serie.imbrication.pieces[i].planche);
      EXPECT_EQ(encore.imbrication.pieces[i].x, serie.imbrication.pieces[i].x);
      EXPECT_EQ(encore.imbrication.pieces[i].y, serie.imbrication.pieces[i].y);
      EXPECT_EQ(encore.imbrication.pieces[i].retournee, serie.imbrication.pieces[i].retournee);
    }
  }
}

TEST(Imbrication, RemplitLesPlanches) {
  struct Cas {
    const char* nom;
    Planche planche;
    std::vector<PieceAImbriquer> pieces;
    int planches;
  };
  const auto fois = [](int n, const PieceAImbriquer& p) {
    return std::vector<PieceAImbriquer>(static_cast<std::size_t>(n), p);
  };
  const Cas cas[] = {
      {"quatre carrés juste à la taille", {210.1, 210.1, 0, 10}, fois(4, carre(100)), 1},
      {"neuf carrés en trois rangs", {200.1, 200.1, 5, 5}, fois(9, carre(60)), 1},
      {"dix carrés pour neuf places", {200.1, 200.1, 5, 5}, fois(10, carre(60)), 2},
      {"une pièce de toute la surface utile", {300, 100, 5, 4}, fois(1, carre(90)), 1},
      {"trois pièces de toute la surface utile", {100, 100, 5, 4}, fois(3, carre(90)), 3},
      {"un carré dans le creux d'un cadre", {110, 110, 5, 5}, {cadre_carre(100, 10), carre(69.9)}, 1},
      {"un carré trop grand pour le creux", {110, 110, 5, 5}, {cadre_carre(100, 10), carre(70.1)}, 2},
      {"un cadre dans un creux, un carré dans le sien",
       {110, 110, 5, 2},
       {cadre_carre(100, 2), cadre_carre(60, 2), carre(40), carre(20)},
       1},
      {"deux triangles, l'un retourné", {100.5, 50.5, 0, 0}, fois(2, triangle(100, 50)), 1},
  };
  for (const Cas& k : cas) EXPECT_EQ(imbriquer(k.pieces, k.planche).planches, k.planches) << k.nom;
}

// The tiles only narrow the polygon operations: tiles of any size, down to
// twice a part's and up to the whole sheet, give the same layout, pockets,
// hollows and the parts along the tiles' edges included.
TEST(Imbrication, LesTuilesNeChangentPasLaDisposition) {
  DescriptionSerie d = lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  d.nombre = 60;
  std::vector<PieceAImbriquer> couples;
  for (const CoupleTrace& c : preparer_serie(d).couples)
    couples.push_back({c.couple.nom, c.gabarit.exterieur, {c.gabarit.interieur}});
  std::vector<PieceAImbriquer> cadres;
  for (int k = 0; k < 40; ++k) cadres.push_back(k % 3 ? cadre_carre(20 + k % 7 * 9, 3) : triangle(30, 15 + k % 5));
  for (int k = 0; k < 80; ++k) cadres.push_back(carre(4 + k % 9)); // tiles of twice their size: many edges
  const struct {
    const char* nom;
    const std::vector<PieceAImbriquer>& pieces;
    Planche planche;
  } cas[] = {
      {"couples sur une grande planche", couples, {900, 600, 5, 4}},
      {"couples sur des planches étroites et longues", couples, {150, 700, 5, 4}},
      {"cadres et triangles", cadres, {500, 330, 3, 2}},
  };
  for (const auto& k : cas) {
    const Imbrication entiere = imbriquer(k.pieces, k.planche, 1e7);
    for (const double tuile : {1.0, 60.0, 150.0}) {
      const Imbrication im = imbriquer(k.pieces, k.planche, tuile);
      ASSERT_EQ(im.planches, entiere.planches) << k.nom << ", tuiles de " << tuile;
      for (std::size_t i = 0; i < im.pieces.size(); ++i) {
        const PiecePlacee &a = im.pieces[i], &b = entiere.pieces[i];
        EXPECT_TRUE(a.planche == b.planche && a.x == b.x && a.y == b.y && a.retournee == b.retournee &&
                    a.hote == b.hote)
            << k.nom << ", tuiles de " << tuile << ", pièce " << i << " : (" << a.x << ", " << a.y << ") au lieu de ("
            << b.x << ", " << b.y << ")";
      }
    }
  }
}

TEST(Imbrication, AuPlus200PiecesParPlanche) {
  // A sheet that would take them all: the 201st is refused, at once.
  const std::vector<PieceAImbriquer> pieces(201, carre(4));
  EXPECT_EQ(imbriquer(std::vector<PieceAImbriquer>(200, carre(4)), {400, 400, 0, 1}).planches, 1);
  try {
    imbriquer(pieces, {400, 400, 0, 1});
    ADD_FAILURE() << "acceptée";
  } catch (const Depassement& e) {
    EXPECT_NE(e.detail().find("plus de 200 couples sur une planche"), std::string::npos) << e.detail();
  }
  // On sheets that hold fewer, as many as it takes.
  EXPECT_EQ(imbriquer(pieces, {60, 60, 0, 1}).planches, 2); // 144 a sheet
}

TEST(Imbrication, UnePieceDansUnCreuxEstCoupeeAvant) {
  const std::vector<PieceAImbriquer> pieces{carre(10), carre(30), cadre_carre(100, 5), cadre_carre(60, 5)};
  const Imbrication im = imbriquer(pieces, {110, 110, 5, 5});
  ASSERT_EQ(im.planches, 1);
  EXPECT_EQ(im.pieces[2].hote, -1);
  EXPECT_EQ(im.pieces[3].hote, 2);
  for (const std::size_t k : {0u, 1u}) EXPECT_TRUE(im.pieces[k].hote == 2 || im.pieces[k].hote == 3) << k;
  const std::vector<std::size_t> ordre = ordre_de_coupe(im);
  const auto rang = [&](std::size_t k) { return std::find(ordre.begin(), ordre.end(), k) - ordre.begin(); };
  for (std::size_t k = 0; k < pieces.size(); ++k)
    if (im.pieces[k].hote >= 0) {
      EXPECT_LT(rang(k), rang(static_cast<std::size_t>(im.pieces[k].hote))) << k;
    }
}

TEST(Imbrication, LExempleTientSurUnePlanche) {
  const SerieTracee serie = preparer_serie(lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml"));
  EXPECT_EQ(serie.imbrication.planches, 1);
  int dans_un_creux = 0;
  for (const PiecePlacee& p : serie.imbrication.pieces) dans_un_creux += p.hote >= 0;
  EXPECT_GE(dans_un_creux, 3);
}

TEST(Imbrication, LesPlusGrandesDAbord) {
  const std::vector<PieceAImbriquer> pieces{carre(10), {"F2", rectangle(80, 60), {}}, carre(30)};
  const Imbrication im = imbriquer(pieces, {200, 100, 5, 4});
  EXPECT_EQ(im.pieces[1].x, 5);
  EXPECT_EQ(im.pieces[1].y, 5);
}

TEST(Imbrication, PieceTropGrandeNommee) {
  const std::vector<PieceAImbriquer> pieces{{"F1", rectangle(10, 10), {}}, {"F2", rectangle(10, 95), {}}};
  try {
    imbriquer(pieces, {200, 100, 5, 4});
    FAIL() << "F2 ne tient pas entre les marges";
  } catch (const ErreurCouple& e) {
    EXPECT_EQ(std::string(e.what()).rfind("F2 : ", 0), 0u) << e.what();
    EXPECT_NE(std::string(e.what()).find("10 x 95 mm ne tient pas"), std::string::npos) << e.what();
  }
}

} // namespace
} // namespace bilobe
