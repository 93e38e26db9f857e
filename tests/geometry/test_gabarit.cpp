#include "common/erreurs.h"
#include "formats/legende.h"
#include "geometry/gabarit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

namespace bilobe {
namespace {

ChampsCouple champs_avec(int ch, int cv, std::string nbptel = "90") {
  ChampsCouple c;
  c.ch = ch;
  c.cv = cv;
  c.nbptel = std::move(nbptel);
  return c;
}

// The area of one side of the former from the ellipses themselves: a sector
// of an ellipse centred at the origin, between parameter angles, is a·b·Δθ/2.
double aire_exacte(double xtot, double ytot, double xa, double ya, double yinf_eff, double cx0, double cy0) {
  const double t1 = std::acos(xa / xtot), t2 = std::asin(ya / ytot);
  const double b1 = ya / std::sin(t1), a2 = xa / std::cos(t2);
  const double haut = xtot * b1 * t1 / 2 + a2 * ytot * (std::numbers::pi / 2 - t2) / 2;
  const double a0 = xtot - cx0, b0 = yinf_eff + cy0; // semi-axes of the lower ellipse
  const double bas = xtot * -cy0 + cx0 * b0 + std::numbers::pi * a0 * b0 / 4;
  return 2 * (haut + bas);
}

struct Aires {
  double exterieur, interieur;
};
Aires aires_exactes(const ChampsCouple& c) {
  const double xtot = 50, ytot = 100, xa = 30, ya = 60, yinf = 40, ep = 10;
  const double cx0 = 30.0 * c.ch, cy0 = -20.0 * c.cv;
  const double t1 = std::acos(xa / xtot), t2 = std::asin(ya / ytot), tm = (t1 + t2) / 2;
  return {aire_exacte(xtot, ytot, xa, ya, yinf, cx0, cy0),
          aire_exacte(xtot - ep, ytot - ep, xa - ep * std::cos(tm), ya - ep * std::sin(tm), yinf - ep, cx0, cy0)};
}

TEST(Gabarit, ContoursFermesSymetriquesEtAireExacte) {
  struct Cas {
    ChampsCouple champs;
    std::size_t points_par_boucle; // twice the half line less its two ends on the centre line
    double tolerance;              // relative: the chords of the polygon against the true arcs
  };
  const Cas cas[] = {
      {champs_avec(0, 0), 2 * 271 - 2, 2e-4},        {champs_avec(1, 0), 2 * 291 - 2, 2e-4},
      {champs_avec(0, 1), 2 * 291 - 2, 2e-4},        {champs_avec(1, 1), 2 * 311 - 2, 2e-4},
      {champs_avec(0, 0, "165"), 2 * 496 - 2, 5e-5},
  };
  for (const auto& k : cas) {
    SCOPED_TRACE(k.champs.nbptel + " ch " + std::to_string(k.champs.ch) + " cv " + std::to_string(k.champs.cv));
    const Gabarit g = construire_gabarit(tracer(k.champs));
    for (const Boucle* b : {&g.exterieur, &g.interieur}) {
      EXPECT_EQ(b->size(), k.points_par_boucle);
      std::set<std::pair<double, double>> points;
      for (std::size_t i = 0; i < b->size(); ++i) {
        EXPECT_NE((*b)[i], (*b)[(i + 1) % b->size()]) << "point " << i << " repeated";
        points.insert({(*b)[i].x, (*b)[i].y});
      }
      for (const PointMm& p : *b) EXPECT_TRUE(points.count({-p.x, p.y})) << p.x << ", " << p.y;
      EXPECT_EQ(std::count_if(b->begin(), b->end(), [](PointMm p) { return p.x == 0; }), 2);
    }
    EXPECT_GT(aire_signee(g.exterieur), 0);
    EXPECT_LT(aire_signee(g.interieur), 0);
    const Aires exactes = aires_exactes(k.champs);
    EXPECT_NEAR(aire_signee(g.exterieur), exactes.exterieur, k.tolerance * exactes.exterieur);
    EXPECT_NEAR(-aire_signee(g.interieur), exactes.interieur, k.tolerance * exactes.interieur);
    EXPECT_NEAR(g.surface, exactes.exterieur - exactes.interieur, 2 * k.tolerance * exactes.exterieur);
    EXPECT_DOUBLE_EQ(g.cadre.largeur(), 100);
    EXPECT_DOUBLE_EQ(g.cadre.hauteur(), 140);
    EXPECT_EQ(g.cadre.bas, -40);
    EXPECT_EQ(g.cadre.haut, 100);
  }
}

TEST(Gabarit, LegendeEtReperes) {
  ChampsCouple c;
  c.yinf = "40.5";
  c.ep = "2,5"; // read as 2, as in the window
  const Gabarit g = construire_gabarit(tracer(c));
  // Width, then height; the thinnest and thickest wall.
  EXPECT_EQ(legende_gabarit(g), "Couple bi-lobé 100 x 140.5 mm - paroi 1.70 à 2.00 mm");
  EXPECT_EQ(g.axe.debut, (PointMm{0, -45.5}));
  EXPECT_EQ(g.axe.fin, (PointMm{0, 105}));
  EXPECT_EQ(g.niveau.debut, (PointMm{-55, 0}));
  EXPECT_EQ(g.niveau.fin, (PointMm{55, 0}));
}

TEST(Gabarit, BoucleSymetrique) {
  struct Cas {
    const char* nom;
    std::vector<PointMm> moitie;
    Boucle attendue;
  };
  const Cas cas[] = {
      {"ends near the centre line",
       {{1e-12, 0}, {1, 0}, {1, 1}, {-1e-12, 2}},
       {{0, 0}, {1, 0}, {1, 1}, {0, 2}, {-1, 1}, {-1, 0}}},
      {"repeated points merged",
       {{0, -1}, {0, -1}, {2e-10, -1}, {1, 0}, {1, 0}, {0, 1}},
       {{0, -1}, {1, 0}, {0, 1}, {-1, 0}}},
      {"beyond the tolerance is mirrored", {{0, 0}, {2e-9, 1}, {0, 2}}, {{0, 0}, {2e-9, 1}, {0, 2}, {-2e-9, 1}}},
      {"all on the centre line", {{0, 0}, {0, 1}, {0, 0}}, {{0, 0}, {0, 1}}},
      {"empty", {}, {}},
  };
  for (const auto& k : cas) EXPECT_EQ(boucle_symetrique(k.moitie, 1e-9), k.attendue) << k.nom;
}

TEST(Gabarit, EchecsDeLaTraceEtContoursDegeneres) {
  struct Cas {
    ChampsCouple champs;
    GenreErreur genre;
    std::string lieu;
  };
  ChampsCouple xa50, vide, bas_seul, h_nul;
  xa50.xa = "50";
  vide.nbptel = "0.5";
  bas_seul.nbptel = "0.5";
  bas_seul.ch = 1; // the flat bottoms alone: the inner one sticks out of the outer triangle
  h_nul.yinf = "-100";
  const Cas cas[] = {
      {xa50, GenreErreur::DivisionParZero, "ArcCos"},
      {vide, GenreErreur::OperationInvalide, "gabarit : contour extérieur"},
      {h_nul, GenreErreur::DivisionParZero, "yinf / H"},
      {bas_seul, GenreErreur::OperationInvalide, "gabarit"},
  };
  for (const auto& k : cas) {
    try {
      construire_gabarit(tracer(k.champs));
      ADD_FAILURE() << k.lieu << ": no error";
    } catch (const ErreurExecution& e) {
      EXPECT_EQ(e.genre(), k.genre) << e.what();
      EXPECT_NE(e.lieu().find(k.lieu), std::string::npos) << e.what();
    }
  }
}

} // namespace
} // namespace bilobe
