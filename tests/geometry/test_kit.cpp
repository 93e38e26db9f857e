#include "common/erreurs.h"
#include "formats/texte_kit.h"
#include "geometry/gabarit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace bilobe {
namespace {

OptionsGabarit kit(std::initializer_list<const char*> encoches, const char* pattes = nullptr, double saignee = 0,
                   bool paroi_constante = false) {
  OptionsGabarit o;
  for (const char* e : encoches) o.encoches.push_back(lire_encoche(e).value());
  if (pattes) o.pattes = lire_pattes(pattes).value();
  o.saignee = saignee;
  o.paroi_constante = paroi_constante;
  return o;
}

ChampsCouple champs(int ch = 0, int cv = 0) {
  ChampsCouple c;
  c.ch = ch;
  c.cv = cv;
  return c;
}

// The notch as cut, measured on the outline: the points at its bottom, in
// the frame of its place (u along the tangent, v into the part).
struct Mesure {
  double largeur, profondeur;
};
Mesure mesurer(const Boucle& contour, const EncochePlacee& e, double profondeur_attendue) {
  double u_min = 1e9, u_max = -1e9, v = 0;
  for (const PointMm& p : contour) {
    const double du = (p.x - e.point.x) * e.tangente.x + (p.y - e.point.y) * e.tangente.y;
    const double dv = (p.x - e.point.x) * e.normale.x + (p.y - e.point.y) * e.normale.y;
    if (std::abs(dv - profondeur_attendue) < 0.01 && std::abs(du) < 10) {
      u_min = std::min(u_min, du);
      u_max = std::max(u_max, du);
      v = dv;
    }
  }
  return {u_max - u_min, v};
}

TEST(Kit, EncochesMesureesSurLeContour) {
  struct Cas {
    const char* encoche;
    ChampsCouple champs;
    double saignee;
    bool paroi_constante;
    PointMm point; // where the right notch sits, when known
    std::size_t nombre;
  };
  const double inconnu = 1e9;
  const Cas cas[] = {
      {"dos:4:3", champs(), 0, false, {0, 100}, 1},
      {"ventre:5:2", champs(1, 0), 0, false, {0, -40}, 1},
      {"niveau:3:3", champs(), 0, false, {50, 0}, 2},
      {"niveau:3:3", champs(0, 1), 0, false, {50, 0}, 2},
      {"0.3:3:2", champs(), 0, false, {inconnu, 0}, 2},
      {"0.3:3:2", champs(), 0.3, false, {inconnu, 0}, 2},
      {"0.7:2.5:4", champs(1, 1), 0.5, true, {inconnu, 0}, 2},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.encoche + std::string(k.saignee > 0 ? " avec saignée" : ""));
    const OptionsGabarit o = kit({k.encoche}, nullptr, k.saignee, k.paroi_constante);
    const Gabarit g = construire_gabarit(tracer(k.champs), o);
    ASSERT_EQ(g.encoches.size(), k.nombre);
    if (k.point.x != inconnu) {
      EXPECT_NEAR(g.encoches[0].point.x, k.point.x, 1e-9);
      EXPECT_NEAR(g.encoches[0].point.y, k.point.y, 1e-9);
    }
    // The cut line runs half the kerf inside the notch: narrower by the
    // kerf, shallower by half of it, so that the part's notch is w by d.
    const Encoche& e = o.encoches[0];
    for (const EncochePlacee& placee : g.encoches) {
      const Mesure m = mesurer(g.exterieur, placee, e.profondeur - k.saignee / 2);
      EXPECT_NEAR(m.largeur, e.largeur - k.saignee, 0.003);
      EXPECT_NEAR(m.profondeur, e.profondeur - k.saignee / 2, 0.003);
    }
    if (k.nombre == 2) {
      EXPECT_EQ(g.encoches[1].point.x, -g.encoches[0].point.x);
    }
    // The inner line ignores the notches.
    EXPECT_EQ(g.interieur,
              construire_gabarit(tracer(k.champs), kit({}, nullptr, k.saignee, k.paroi_constante)).interieur);
  }
}

TEST(Kit, LeContourGardeSesPointsTracesHorsDesEncoches) {
  // Spliced in, not redrawn: a traced point away from the notches and tabs
  // stays to the last bit, not rounded to the micrometre.
  const ResultatTrace trace = tracer(champs());
  const PointMm trace_90{trace.contour.liste.x(90), trace.contour.liste.y(90)};
  ASSERT_NE(std::round(trace_90.x * 1000) / 1000, trace_90.x);
  const Gabarit g = construire_gabarit(trace, kit({"dos:4:3", "0.3:3:2", "ventre:3:2"}, "dessous:6:15:80"));
  EXPECT_NE(std::find(g.exterieur.begin(), g.exterieur.end(), trace_90), g.exterieur.end());
}

TEST(Kit, EncocheLargeSurUneCourbe) {
  // Wider than the bend is flat, next to the junction: the outline leaves the
  // notch's bottom before its sides, and only what lies within depth d of the
  // tangent is removed.
  const ResultatTrace trace = tracer(champs());
  const Gabarit plein = construire_gabarit(trace);
  const Gabarit g = construire_gabarit(trace, kit({"0.3:12:0.2"}));
  const Mesure fond = mesurer(g.exterieur, g.encoches[0], 0.2);
  EXPECT_GT(fond.largeur, 1);
  EXPECT_LT(fond.largeur, 12);
  EXPECT_LT(g.surface, plein.surface);
}

TEST(Kit, PattesJusquALaLigneDuChantier) {
  const Gabarit dessous = construire_gabarit(tracer(champs()), kit({}, "dessous:6:15:80"));
  EXPECT_NEAR(dessous.piece.largeur(), 100, 1e-9);
  EXPECT_NEAR(dessous.piece.hauteur(), 180, 1e-9);
  ASSERT_EQ(dessous.marques_pattes.size(), 2u);
  EXPECT_NEAR(dessous.marques_pattes[0].debut.x, -18, 1e-9);
  EXPECT_NEAR(dessous.marques_pattes[1].fin.x, 18, 1e-9);

  const Gabarit dessus = construire_gabarit(tracer(champs(1, 0)), kit({"ventre:4:3"}, "dessus:8:0:110"));
  EXPECT_NEAR(dessus.piece.haut, 110, 1e-9);
  EXPECT_EQ(dessus.marques_pattes.size(), 1u);
  // Under the flat bottom, joined to the part: the tab's own area is added.
  const double sans = construire_gabarit(tracer(champs(1, 0)), kit({"dos:4:3"})).surface;
  const Gabarit plat = construire_gabarit(tracer(champs(1, 0)), kit({"dos:4:3"}, "dessous:8:0:50"));
  EXPECT_NEAR(plat.surface - sans, 8 * 10, 1e-6);
}

TEST(Kit, Refus) {
  struct Cas {
    std::initializer_list<const char*> encoches;
    const char* pattes;
    const char* lieu;
    const char* raison;
  };
  const Cas cas[] = {
      {{}, "dessous:6:15:30", "pattes", "ne dégage pas"},
      {{}, "dessus:6:15:100", "pattes", "ne dégage pas"},
      {{}, "dessous:6:60:80", "patte 1", "dépasse la largeur"},
      {{}, "dessous:6:2:80", "patte 1", "chevauche la patte 2"},
      {{"0.3:3:12"}, nullptr, "encoche 1", "atteint le contour intérieur"},
      {{"0.3:3:10"}, nullptr, "encoche 1", "atteint le contour intérieur"},
      {{"dos:3:2", "0.01:3:2"}, nullptr, "encoche 1", "chevauche l'encoche 2"},
      {{"0.005:3:2"}, nullptr, "encoche 1", "son image"},
      {{"ventre:4:2"}, "dessous:6:0:80", "encoche 1", "chevauche la patte 1"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.raison);
    try {
      construire_gabarit(tracer(champs()), kit(k.encoches, k.pattes));
      ADD_FAILURE() << "accepté";
    } catch (const OperationInvalide& e) {
      EXPECT_EQ(e.lieu(), k.lieu);
      EXPECT_NE(e.detail().find(k.raison), std::string::npos) << e.detail();
    }
  }
  // What no command line can give but a file or a caller can: refused where
  // the former is built, naming the notch or the tabs.
  const auto encoche = [](double place, double largeur, double profondeur) {
    Encoche e;
    e.place = place;
    e.largeur = largeur;
    e.profondeur = profondeur;
    return e;
  };
  OptionsGabarit trop;
  for (int k = 0; k <= 64; ++k) trop.encoches.push_back(encoche(0.01 * k, 0.5, 0.5));
  OptionsGabarit sous_la_saignee = kit({"0.3:2:2"}, nullptr, 2);
  struct Direct {
    OptionsGabarit options;
    const char* lieu;
    const char* raison;
  };
  const Direct directs[] = {
      {{false, 0, {encoche(1.5, 1, 1)}, std::nullopt}, "encoche 1", "de 0 (dos) à 1"},
      {{false, 0, {encoche(0.3, 1e-6, 2)}, std::nullopt}, "encoche 1", "0.01 mm"},
      {{false, 0, {encoche(0.3, 3, 5e-324)}, std::nullopt}, "encoche 1", "0.01 mm"},
      {{false, 0, {}, Pattes{false, 5e-324, 15, 80}}, "pattes", "0.01 mm"},
      {{false, 0, {}, Pattes{false, 6, 15, 1e16}}, "pattes", "1000000"},
      {{false, 0, {}, Pattes{false, 6, 1e16, 80}}, "pattes", "1000000"},
      {trop, "encoche 65", "plus de 64 encoches"},
      {sous_la_saignee, "encoche 1", "saignée (2 mm)"},
  };
  for (const Direct& k : directs) {
    SCOPED_TRACE(k.raison);
    try {
      construire_gabarit(tracer(champs()), k.options);
      ADD_FAILURE() << "accepté";
    } catch (const OperationInvalide& e) {
      EXPECT_EQ(e.lieu(), k.lieu);
      EXPECT_NE(e.detail().find(k.raison), std::string::npos) << e.detail();
    }
  }
}

TEST(Kit, EncochesVoisinesSepareesParDeLaMatiere) {
  // Near the junction the two rectangles cross outside the part, where
  // nothing is cut; 1.95 mm of material stays between the two notches.
  const ResultatTrace trace = tracer(champs());
  const Gabarit g = construire_gabarit(trace, kit({"0.26792:3:2", "0.29444:3:2"}));
  EXPECT_EQ(g.encoches.size(), 4u);
  EXPECT_NEAR(construire_gabarit(trace).surface - g.surface, 4 * 6, 0.1);
  // Wider, what they take out meets: refused.
  EXPECT_THROW(construire_gabarit(trace, kit({"0.26792:5:2", "0.29444:5:2"})), OperationInvalide);
}

TEST(Kit, TextesDesEncochesEtDesPattes) {
  EXPECT_EQ(texte_place(lire_encoche("niveau:3:3").value()), "niveau");
  EXPECT_EQ(texte_place(lire_encoche("1:3:3").value()), "ventre");
  EXPECT_EQ(texte_place(lire_encoche("0.25:3:3").value()), "0.25");
  for (const char* faux :
       {"0.3:3", "1.2:3:2", "côté:3:2", "0.3:0:2", "0.3:3:-1", "0,3:3:2", "0.3:3:2:1", "", "0.3:1e-6:2", "0.3:3:1e6"})
    EXPECT_FALSE(lire_encoche(faux)) << faux;
  for (const char* faux : {"dessous:6:15", "cote:6:15:80", "dessous:0:15:80", "dessous:6:-1:80", "dessous:5e-324:15:80",
                           "dessous:6:15:1e16", "dessous:6:1e300:80"})
    EXPECT_FALSE(lire_pattes(faux)) << faux;
}

TEST(Decalage, SansSegmentsMinuscules) {
  const Gabarit g = construire_gabarit(tracer(champs()), kit({}, nullptr, 1));
  for (const Boucle* b : {&g.exterieur, &g.interieur})
    for (std::size_t k = 0; k < b->size(); ++k) {
      const PointMm a = (*b)[k], c = (*b)[(k + 1) % b->size()];
      EXPECT_GE(std::hypot(c.x - a.x, c.y - a.y), 0.005) << k;
    }
}

} // namespace
} // namespace bilobe
