#include "common/erreurs.h"
#include "geometry/forme.h"
#include "geometry/gabarit.h"
#include "geometry/trace.h"
#include "ui/modeles/apercu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace bilobe {
namespace {

OptionsGabarit paroi_constante() {
  OptionsGabarit o;
  o.paroi_constante = true;
  return o;
}
OptionsGabarit saignee(double mm) {
  OptionsGabarit o;
  o.saignee = mm;
  return o;
}

ChampsCouple champs(std::initializer_list<std::pair<std::string ChampsCouple::*, const char*>> textes, int ch = 0,
                    int cv = 0) {
  ChampsCouple c;
  for (const auto& [champ, texte] : textes) c.*champ = texte;
  c.ch = ch;
  c.cv = cv;
  return c;
}

using C = ChampsCouple;

// Each shape that cannot be cut is named, and its template refused; the
// formers of every day pass.
TEST(Forme, VerificationEtRefusDuGabarit) {
  struct Cas {
    const char* nom;
    ChampsCouple champs;
    std::string defaut; // empty: sound
    bool croisements;
  };
  const Cas cas[] = {
      {"défaut", champs({}), "", false},
      {"deux segments", champs({}, 1, 1), "", false},
      {"grand et fin", champs({{&C::xtot, "120"}, {&C::xa, "80"}, {&C::ytot, "300"}, {&C::ya, "200"}, {&C::ep, "3"}}),
       "", false},
      {"segments trop longs", champs({{&C::segh, "45"}, {&C::segv, "35"}}, 1, 1), "contour croisé sur lui-même", true},
      {"paroi nulle", champs({{&C::ep, "0"}}), "paroi nulle ou négative", false},
      {"paroi négative", champs({{&C::ep, "-10"}}), "paroi nulle ou négative", false},
      {"largeur négative", champs({{&C::xtot, "-50"}, {&C::xa, "-30"}}), "dimension négative", false},
      {"segment négatif", champs({{&C::segh, "-5"}}, 1, 0), "dimension négative", false},
      {"arcs sans points", champs({{&C::nbptel, "0.5"}}), "moins de trois points distincts", false},
      {"minuscule",
       champs({{&C::xtot, "1e-320"},
               {&C::xa, "5e-321"},
               {&C::ytot, "1e-320"},
               {&C::ya, "5e-321"},
               {&C::yinf, "1e-320"},
               {&C::ep, "1e-321"}}),
       "paroi nulle ou négative", false},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    const ResultatTrace trace = tracer(k.champs);
    const VerificationForme forme = verifier_forme(trace);
    EXPECT_EQ(forme.defaut, k.defaut);
    EXPECT_EQ(!forme.croisements.empty(), k.croisements);
    if (k.defaut.empty()) {
      EXPECT_NO_THROW(construire_gabarit(trace));
      continue;
    }
    try {
      construire_gabarit(trace);
      ADD_FAILURE() << "gabarit accepté";
    } catch (const ErreurExecution& e) {
      EXPECT_EQ(e.genre(), GenreErreur::OperationInvalide);
      EXPECT_EQ(e.lieu().rfind("gabarit", 0), 0u) << e.what();
    }
  }
}

// The preview says what the templates add, and shrinks to show the whole
// template only when its tabs or notches reach beyond the window.
TEST(Forme, ApercuDuKit) {
  const ResultatTrace trace = tracer(champs({}));
  OptionsGabarit encoches;
  encoches.encoches = {{0.5, false, 3, 2}};
  OptionsGabarit pattes = encoches;
  pattes.saignee = 0.25;
  pattes.pattes = Pattes{false, 6, 15, 60}; // 60 mm below the level line: under the former's bottom
  OptionsGabarit dessus = pattes;
  dessus.pattes->dessus = true;
  dessus.pattes->distance = 150; // above its back
  const struct {
    const char* nom;
    OptionsGabarit kit;
    const char* mention;
    bool reduit;
  } cas[] = {
      {"rien", {}, "", false},
      {"une paire d'encoches", encoches, "1 encoche", false},
      {"pattes dessous", pattes, "saignée 0,25 mm · 1 encoche · pattes", true},
      {"pattes dessus", dessus, "saignée 0,25 mm · 1 encoche · pattes", true},
  };
  using namespace fenetre_apercu;
  const double largeur = en_pixels(LARGEUR_TWIPS), hauteur = en_pixels(HAUTEUR_TWIPS);
  for (const auto& k : cas) {
    const Apercu a = apercu_de(trace, k.kit);
    EXPECT_EQ(a.mention_kit, k.mention) << k.nom;
    const Cadrage c = cadrage(a);
    EXPECT_EQ(c.echelle < 1, k.reduit) << k.nom;
    if (!k.reduit) {
      EXPECT_TRUE(c.echelle == 1 && c.dx == 0 && c.dy == 0) << k.nom;
    }
    for (const auto& trait : a.kit)
      for (const PointApercu& p : trait) {
        if (p.x < 0) continue; // the left half is not drawn
        const PositionPixel px = vers_pixels(p);
        const double x = px.x * c.echelle + c.dx, y = px.y * c.echelle + c.dy;
        EXPECT_TRUE(x >= 0 && x <= largeur && y >= 0 && y <= hauteur) << k.nom << " " << x << ", " << y;
      }
  }
}

// The preview rings the crossings of the half it draws, in its coordinates.
TEST(Forme, ApercuDesCroisements) {
  const Apercu sain = apercu_de(tracer(champs({})));
  EXPECT_TRUE(sain.alerte.empty());
  EXPECT_TRUE(sain.croisements.empty());
  const Apercu croise = apercu_de(tracer(champs({{&C::segh, "45"}, {&C::segv, "35"}}, 1, 1)));
  EXPECT_EQ(croise.alerte, "contour croisé sur lui-même");
  ASSERT_FALSE(croise.croisements.empty());
  for (const PointApercu& p : croise.croisements) {
    EXPECT_GE(p.x, 0.0f);
    EXPECT_LE(p.x, 50.0f / 140);
    EXPECT_GE(p.y, 0.0f);
    EXPECT_LE(p.y, 40.0f / 140); // the crossings are low in the former
  }
}

double distance(PointMm p, const Boucle& boucle) {
  double d = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < boucle.size(); ++k) {
    const PointMm a = boucle[k], b = boucle[(k + 1) % boucle.size()];
    const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
    const double t = l2 == 0 ? 0 : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l2, 0.0, 1.0);
    d = std::min(d, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
  }
  return d;
}

// The reduced ellipses give a wall thinner than ep between the axes; the
// constant wall puts every inner point at ep from the outer line.
TEST(Forme, ParoiMesureeEtParoiConstante) {
  struct Cas {
    ChampsCouple champs;
    double ep, mince;
  };
  for (const Cas& k : {Cas{champs({}), 10, 8.33}, Cas{champs({{&C::ep, "20"}}), 20, 16.14},
                       Cas{champs({}, 1, 1), 10, 0}, Cas{champs({{&C::ep, "2.5"}, {&C::nbptel, "165"}}), 2.5, 0}}) {
    const ResultatTrace trace = tracer(k.champs);
    const Gabarit tel_quel = construire_gabarit(trace);
    EXPECT_NEAR(tel_quel.paroi.epaisse, k.ep, 0.005); // the polyline cuts the ellipse's corners
    if (k.mince > 0) {
      EXPECT_NEAR(tel_quel.paroi.mince, k.mince, 0.005);
    }
    EXPECT_LT(tel_quel.paroi.mince, k.ep);

    const Gabarit constante = construire_gabarit(trace, paroi_constante());
    EXPECT_LT(aire_signee(constante.interieur), 0); // clockwise, as traced
    for (const PointMm& p : constante.interieur) ASSERT_NEAR(distance(p, constante.exterieur), k.ep, 0.01);
    EXPECT_NEAR(constante.paroi.mince, k.ep, 0.01);
    EXPECT_NEAR(constante.paroi.epaisse, k.ep, 0.01);
    EXPECT_EQ(constante.exterieur, tel_quel.exterieur);
  }
}

// With a kerf of 1 mm the cutter runs half a millimetre outside the part and
// half a millimetre inside its hollow; the part keeps its size.
TEST(Forme, Saignee) {
  const ResultatTrace trace = tracer(champs({}));
  const Gabarit g = construire_gabarit(trace, saignee(1));
  auto cadre = [](const Boucle& b) {
    Cadre c{b[0].x, b[0].x, b[0].y, b[0].y};
    for (const PointMm& p : b) {
      c.gauche = std::min(c.gauche, p.x);
      c.droite = std::max(c.droite, p.x);
      c.bas = std::min(c.bas, p.y);
      c.haut = std::max(c.haut, p.y);
    }
    return c;
  };
  EXPECT_NEAR(cadre(g.exterieur).largeur(), 101, 1e-3);
  EXPECT_NEAR(cadre(g.exterieur).hauteur(), 141, 1e-3);
  EXPECT_NEAR(cadre(g.interieur).largeur(), 79, 1e-3);
  EXPECT_NEAR(cadre(g.interieur).hauteur(), 119, 1e-3);
  EXPECT_GT(aire_signee(g.exterieur), 0);
  EXPECT_LT(aire_signee(g.interieur), 0);
  EXPECT_NEAR(g.piece.largeur(), 100, 1e-9); // the part
  EXPECT_NEAR(g.cadre.largeur(), 101, 1e-3); // the lines as drawn
  EXPECT_EQ(g.surface, construire_gabarit(trace).surface);
  EXPECT_THROW(construire_gabarit(trace, saignee(-1)), OperationInvalide);
}

} // namespace
} // namespace bilobe
