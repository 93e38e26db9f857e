#include "serie/imbrication.h"
#include "serie/serie_imbriquee.h"

#include <gtest/gtest.h>

#include <random>

namespace bilobe {
namespace {

constexpr double TOLERANCE = 1e-9; // mm: the layout is exact in micrometres, the check in doubles

struct Serie {
  Planche planche;
  std::vector<PieceAImbriquer> pieces;
};

Serie serie_au_hasard(std::mt19937& hasard) {
  auto entre = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(hasard); };
  Serie s;
  s.planche = {entre(100, 800), entre(80, 500), entre(0, 10), entre(0, 8)};
  const int n = std::uniform_int_distribution<int>(1, 40)(hasard);
  // Most parts small, a few close to the whole sheet.
  for (int i = 0; i < n; ++i) {
    const double part = i % 7 == 0 ? 1.0 : 0.4;
    s.pieces.push_back({"F" + std::to_string(i + 1), entre(1, part * (s.planche.largeur - 2 * s.planche.marge)),
                        entre(1, part * (s.planche.hauteur - 2 * s.planche.marge))});
  }
  return s;
}

bool separees(const PieceAImbriquer& a, const PiecePlacee& pa, const PieceAImbriquer& b, const PiecePlacee& pb,
              double e) {
  return pa.x + a.largeur + e <= pb.x + TOLERANCE || pb.x + b.largeur + e <= pa.x + TOLERANCE ||
         pa.y + a.hauteur + e <= pb.y + TOLERANCE || pb.y + b.hauteur + e <= pa.y + TOLERANCE;
}

TEST(Imbrication, SeriesAuHasard) {
  std::mt19937 hasard(20261208);
  for (int essai = 0; essai < 300; ++essai) {
    const Serie s = serie_au_hasard(hasard);
    const Planche& pl = s.planche;
    const Imbrication im = imbriquer(s.pieces, pl);
    ASSERT_EQ(im.pieces.size(), s.pieces.size());
    std::vector<int> par_planche(static_cast<std::size_t>(im.planches), 0);
    for (std::size_t i = 0; i < s.pieces.size(); ++i) {
      const PiecePlacee& p = im.pieces[i];
      ASSERT_GE(p.planche, 0);
      ASSERT_LT(p.planche, im.planches);
      ++par_planche[static_cast<std::size_t>(p.planche)];
      // Inside the margins.
      ASSERT_GE(p.x, pl.marge - TOLERANCE) << essai;
      ASSERT_GE(p.y, pl.marge - TOLERANCE) << essai;
      ASSERT_LE(p.x + s.pieces[i].largeur, pl.largeur - pl.marge + TOLERANCE) << essai;
      ASSERT_LE(p.y + s.pieces[i].hauteur, pl.hauteur - pl.marge + TOLERANCE) << essai;
      // At least the spacing from every other part of its sheet.
      for (std::size_t j = 0; j < i; ++j)
        if (im.pieces[j].planche == p.planche) {
          ASSERT_TRUE(separees(s.pieces[i], p, s.pieces[j], im.pieces[j], pl.espacement))
              << "essai " << essai << " : " << s.pieces[i].nom << " et " << s.pieces[j].nom;
        }
    }
    for (const int n : par_planche) EXPECT_GT(n, 0) << "planche vide, essai " << essai;
    // The same parts, the same layout.
    const Imbrication encore = imbriquer(s.pieces, pl);
    ASSERT_EQ(encore.planches, im.planches);
    for (std::size_t i = 0; i < s.pieces.size(); ++i) {
      EXPECT_EQ(encore.pieces[i].planche, im.pieces[i].planche);
      EXPECT_EQ(encore.pieces[i].x, im.pieces[i].x);
      EXPECT_EQ(encore.pieces[i].y, im.pieces[i].y);
    }
  }
}

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

TEST(Imbrication, SeriesDeCouplesAuHasard) {
  std::mt19937 hasard(8122026);
  for (int essai = 0; essai < 200; ++essai) {
    const DescriptionSerie d = description_au_hasard(hasard);
    const SerieTracee serie = preparer_serie(d);
    const Planche& pl = d.planche;
    for (std::size_t i = 0; i < serie.couples.size(); ++i) {
      const Cadre& c = serie.couples[i].gabarit.cadre;
      const PiecePlacee& p = serie.imbrication.pieces[i];
      ASSERT_GE(p.x, pl.marge - TOLERANCE) << essai;
      ASSERT_GE(p.y, pl.marge - TOLERANCE) << essai;
      ASSERT_LE(p.x + c.largeur(), pl.largeur - pl.marge + TOLERANCE) << essai;
      ASSERT_LE(p.y + c.hauteur(), pl.hauteur - pl.marge + TOLERANCE) << essai;
      for (std::size_t j = 0; j < i; ++j) {
        const Cadre& autre = serie.couples[j].gabarit.cadre;
        if (serie.imbrication.pieces[j].planche != p.planche) continue;
        ASSERT_TRUE(separees({"", c.largeur(), c.hauteur()}, p, {"", autre.largeur(), autre.hauteur()},
                             serie.imbrication.pieces[j], pl.espacement))
            << "essai " << essai << " : F" << i + 1 << " et F" << j + 1;
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
    }
  }
}

TEST(Imbrication, RemplitLesPlanches) {
  struct Cas {
    const char* nom;
    Planche planche;
    int nombre;
    double cote;
    int planches;
  };
  const Cas cas[] = {
      {"quatre carrés juste à la taille", {210, 210, 0, 10}, 4, 100, 1},
      {"neuf carrés en trois rangs", {200, 200, 5, 5}, 9, 60, 1},
      {"dix carrés pour neuf places", {200, 200, 5, 5}, 10, 60, 2},
      {"une pièce de toute la surface utile", {300, 100, 5, 4}, 1, 90, 1},
      {"trois pièces de toute la surface utile", {100, 100, 5, 4}, 3, 90, 3},
  };
  for (const Cas& k : cas) {
    std::vector<PieceAImbriquer> pieces(static_cast<std::size_t>(k.nombre), {"F", k.cote, k.cote});
    EXPECT_EQ(imbriquer(pieces, k.planche).planches, k.planches) << k.nom;
  }
}

TEST(Imbrication, LesPlusGrandesDAbord) {
  const std::vector<PieceAImbriquer> pieces{{"F1", 10, 10}, {"F2", 80, 60}, {"F3", 30, 20}};
  const Imbrication im = imbriquer(pieces, {200, 100, 5, 4});
  EXPECT_EQ(im.pieces[1].x, 5);
  EXPECT_EQ(im.pieces[1].y, 5);
}

TEST(Imbrication, PieceTropGrandeNommee) {
  const std::vector<PieceAImbriquer> pieces{{"F1", 10, 10}, {"F2", 10, 95}};
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
