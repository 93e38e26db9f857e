#include "formats/pages_pdf.h"
#include "serie/dessins_serie.h"
#include "serie/fichier_fuselage.h"
#include "serie/lignes_fuselage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bilobe {
namespace {

TEST(Impression3d, LeSensQuiDemandeLeMoinsDePages) {
  struct Cas {
    const char* nom;
    Cadre cadre;
    bool paysage;
    int pages;
  };
  const Cas cas[] = {
      {"planche de 200 x 150", {0, 200, -150, 0}, true, 1},
      {"carré de 150", {0, 150, -150, 0}, false, 1},
      {"toute la zone d'une page droite", {0, 190, -252, 0}, false, 1},
      {"plan de 1100 x 240 : une bande de pages droites", {0, 1100, -240, 0}, false, 7},
      {"planche de 600 x 300", {0, 600, -300, 0}, true, 6},
  };
  for (const Cas& k : cas) {
    const FeuilleA4 f = feuille_pour(k.cadre);
    EXPECT_EQ(f.paysage, k.paysage) << k.nom;
    EXPECT_EQ(mettre_en_page(k.cadre, f).pages.size(), static_cast<std::size_t>(k.pages)) << k.nom;
  }
}

TEST(Impression3d, NomsQuiNeSeTouchentPas) {
  struct Cas {
    const char* nom;
    std::vector<double> positions;
    std::vector<bool> nommes;
  };
  const Cas cas[] = {
      {"espacés", {0, 10, 20}, {true, true, true}},
      {"un sur cinq à 1 mm", {0, 1, 2, 3, 4, 5, 6}, {true, false, false, false, false, true, false}},
      {"inégaux", {0, 4, 4.2, 9, 13}, {true, false, true, true, false}},
  };
  for (const Cas& k : cas) {
    std::vector<CoupleSerie> couples;
    for (const double p : k.positions) {
      CoupleSerie c;
      c.position = p;
      couples.push_back(c);
    }
    EXPECT_EQ(noms_a_ecrire(couples, 3.5), k.nommes) << k.nom;
  }
}

class DessinsSerie : public ::testing::Test {
protected:
  DescriptionSerie exemple = lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
};

TEST_F(DessinsSerie, CouplesPlusieursParPageChacunUneFois) {
  const SerieTracee serie = preparer_serie(exemple);
  const std::vector<PageCouples> pages = pages_couples(serie);
  EXPECT_LT(pages.size(), serie.couples.size());
  std::vector<std::string> noms;
  const FeuilleA4 droite;
  for (const PageCouples& p : pages) {
    EXPECT_EQ(mettre_en_page(p.dessin.cadre).pages.size(), 1u) << p.legende;
    for (const TraitDessin& t : p.dessin.traits)
      for (const PointMm& q : t.points) {
        EXPECT_GE(q.x, 0);
        EXPECT_LE(q.x, droite.zone_largeur());
        EXPECT_GE(q.y, 0);
        EXPECT_LE(q.y, droite.zone_hauteur());
      }
    for (const TexteDessin& t : p.dessin.textes)
      if (t.texte.find(" - Couple bi-lobé") != std::string::npos) noms.push_back(t.texte.substr(0, t.texte.find(' ')));
  }
  std::sort(noms.begin(), noms.end());
  std::vector<std::string> attendus;
  for (const CoupleTrace& c : serie.couples) attendus.push_back(c.couple.nom);
  std::sort(attendus.begin(), attendus.end());
  EXPECT_EQ(noms, attendus);
}

TEST_F(DessinsSerie, PlanDUnFuselageDe1100MmSurUneBande) {
  exemple.stations.back().position = 1100;
  const Dessin plan = dessin_plan(preparer_serie(exemple));
  const MiseEnPage m = mettre_en_page(plan.cadre, feuille_pour(plan.cadre));
  EXPECT_EQ(m.lignes, 1);
  EXPECT_GE(plan.cadre.largeur(), 1100);
  const auto ecrit = [&](const std::string& texte) {
    return std::any_of(plan.textes.begin(), plan.textes.end(), [&](const TexteDessin& t) { return t.texte == texte; });
  };
  EXPECT_TRUE(ecrit("F10  1100 mm"));
  EXPECT_TRUE(ecrit("F2  122.22 mm"));
  EXPECT_TRUE(ecrit("Longueur 1100 mm, de 0 à 1100 mm du nez"));
  for (const TraitDessin& t : plan.traits)
    for (const PointMm& q : t.points) {
      EXPECT_GE(q.x, plan.cadre.gauche);
      EXPECT_LE(q.x, plan.cadre.droite);
      EXPECT_GE(q.y, plan.cadre.bas);
      EXPECT_LE(q.y, plan.cadre.haut);
    }
}

} // namespace
} // namespace bilobe
