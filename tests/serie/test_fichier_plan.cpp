// Lines in files: a lines file becomes a fuselage file whose formers follow
// the lines, the [plan] table comes back as it was written, faults are named
// by line and key; and a plan's scale and turn from clicked points.
#include "common/erreurs.h"
#include "serie/depuis_lignes.h"
#include "serie/fichier_fuselage.h"
#include "serie/fichier_lignes.h"
#include "serie/fichier_plan.h"
#include "serie/interpolation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace bilobe {
namespace {

const std::string LIGNES = R"(nom = "Planeur"
nombre = 25
[lignes]
dos = [[0, 20], [300, 40], [600, 30], [1000, 8]]
ventre = [[0, -16], [300, -30], [1000, -6]]
niveau = [[0, 0], [500, 2], [1000, 0]]
demi_largeur = [[0, 18], [300, 32], [1000, 9]]
[section]
xa = 0.55
ya = 0.65
ep = 2.5
segh = 0.3
segv = 0.2
)";

Courbe courbe(const std::vector<PointMm>& points) {
  std::vector<double> x, y;
  for (const PointMm& p : points) x.push_back(p.x), y.push_back(p.y);
  return Courbe(x, y, Interpolation::Lisse);
}

TEST(FichierLignes, ChaqueCoupleSuitLesLignesEtLeFichierSeRelit) {
  const DescriptionSerie d = fuselage_depuis_lignes(LIGNES, "lignes.toml");
  ASSERT_TRUE(d.plan);
  EXPECT_EQ(d.interpolation, Interpolation::Lisse);
  const Courbe dos = courbe(d.plan->lignes.dos), ventre = courbe(d.plan->lignes.ventre),
               niveau = courbe(*d.plan->lignes.niveau), demi = courbe(d.plan->lignes.demi_largeur);
  const auto couples = couples_de(d);
  ASSERT_EQ(couples.size(), 25u);
  for (const CoupleSerie& c : couples) {
    const double x = c.position;
    EXPECT_NEAR(c.cotes[0], demi(x), ECART_MAX_LIGNES) << x;
    EXPECT_NEAR(c.cotes[1], dos(x) - niveau(x), ECART_MAX_LIGNES) << x;
    EXPECT_NEAR(c.cotes[4], niveau(x) - ventre(x), ECART_MAX_LIGNES) << x;
    EXPECT_NEAR(c.cotes[2], 0.55 * c.cotes[0], 0.011) << x;
    EXPECT_NEAR(c.cotes[3], 0.65 * c.cotes[1], 0.011) << x;
    EXPECT_EQ(c.cotes[7], 2.5);
    EXPECT_NEAR(c.cotes[5], 0.3 * c.cotes[0], 0.011) << x; // the flat bottom…
    EXPECT_NEAR(c.cotes[6], 0.2 * c.cotes[4], 0.011) << x; // …and the straight side, both ticked
    EXPECT_TRUE(c.champs.ch && c.champs.cv) << x;
  }

  // Written and read back: the same stations, and the plan as it was, its turn and noses included.
  DescriptionSerie avec_plan = d;
  avec_plan.plan->fichier = "plans/Planeur \"A\".png";
  avec_plan.plan->page = 3;
  avec_plan.plan->calage = {0.254, -0.0125, {120.5, 300}, {118, 820.25}};
  const DescriptionSerie relue = lire_description(texte_fuselage(avec_plan), "f.toml");
  ASSERT_EQ(relue.stations.size(), d.stations.size());
  for (std::size_t k = 0; k < d.stations.size(); ++k) {
    EXPECT_EQ(relue.stations[k].position, d.stations[k].position);
    EXPECT_EQ(relue.stations[k].cotes, d.stations[k].cotes);
  }
  ASSERT_TRUE(relue.plan);
  EXPECT_EQ(relue.plan->fichier, avec_plan.plan->fichier);
  EXPECT_EQ(relue.plan->page, 3);
  EXPECT_EQ(relue.plan->calage, avec_plan.plan->calage);
  EXPECT_EQ(relue.plan->lignes.dos, d.plan->lignes.dos);
  EXPECT_EQ(relue.plan->lignes.niveau, d.plan->lignes.niveau);
  EXPECT_EQ(relue.plan->section.ya, 0.65);
  EXPECT_EQ(texte_fuselage(relue), texte_fuselage(avec_plan));
}

TEST(FichierLignes, LesFautesSontNommeesParLigneEtCle) {
  const auto remplacer = [](std::string texte, const std::string& de, const std::string& par) {
    return texte.replace(texte.find(de), de.size(), par);
  };
  const struct {
    std::string texte, message;
  } cas[] = {
      {remplacer(LIGNES, "[lignes]", "[ligne]"), "lignes.toml, ligne 3 : clé inconnue « ligne »"},
      {remplacer(LIGNES, "[300, 40], ", "[300], "), "lignes.toml, ligne 4 : « lignes.dos » doit être une liste"},
      {remplacer(LIGNES, "[300, 40]", "[-1, 40]"),
       "lignes.toml, ligne 4 : lignes.dos : les x doivent croître (point 2)"},
      {remplacer(LIGNES, "[300, -30]", "[300, 50]"), "ligne 3 : lignes : le ventre n'est pas sous le niveau"},
      {remplacer(LIGNES, "[300, 32]", "[300, 0]"), "ligne 7 : lignes.demi_largeur : la demi-largeur s'annule à x = "},
      {remplacer(LIGNES, "xa = 0.55", "xa = 1"), "ligne 9 : section.xa : doit être entre 0 et 1"},
      {remplacer(LIGNES, "segv = 0.2", "segv = 1"), "ligne 13 : section.segv : doit être de 0 à 1"},
      {remplacer(LIGNES, "nombre = 25", "positions = [0, 2000]"), "ligne 2 : "},
      {remplacer(LIGNES, "dos = [", "dos = 3 #"), "ligne 4 : « lignes.dos » doit être une liste"},
  };
  for (const auto& c : cas) {
    try {
      fuselage_depuis_lignes(c.texte, "lignes.toml");
      ADD_FAILURE() << c.message;
    } catch (const DescriptionInvalide& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what() << "\n" << c.message;
    }
  }
  // In a fuselage file, a plan's fault is named with its table.
  const std::string fuselage = texte_fuselage(fuselage_depuis_lignes(LIGNES, "lignes.toml"));
  EXPECT_THROW(lire_description(remplacer(fuselage, "mm_par_unite = 1", "mm_par_unite = 0"), "f.toml"),
               DescriptionInvalide);
  EXPECT_THROW(lire_description(remplacer(fuselage, "page = 1", "page = 0"), "f.toml"), DescriptionInvalide);
}

TEST(CalagePlan, DeuxClicsDonnentEchelleEtHorizontale) {
  // A scan at 100 dpi (0.254 mm per pixel), turned by 2°: 254 mm between two clicks 1000 px apart.
  const double angle = 2 * std::numbers::pi / 180;
  const PointMm a{100, 200}, b{100 + 1000 * std::cos(angle), 200 + 1000 * std::sin(angle)};
  EXPECT_NEAR(echelle_par_deux_points(a, b, 254), 0.254, 1e-12);
  EXPECT_NEAR(angle_par_deux_points(a, b), angle, 1e-12);
  EXPECT_NEAR(angle_par_deux_points(b, a), angle, 1e-12); // clicked the other way

  const CalagePlan calage{0.254, angle, a, {100, 900}};
  // Along the turned datum, 500 px from the nose: 127 mm, on the line.
  const PointMm sur_la_ligne =
      vers_mm(calage, VuePlan::Cote, {100 + 500 * std::cos(angle), 200 + 500 * std::sin(angle)});
  EXPECT_NEAR(sur_la_ligne.x, 127, 1e-9);
  EXPECT_NEAR(sur_la_ligne.y, 0, 1e-9);
  // Above the datum on the image (smaller y) is above in mm.
  EXPECT_GT(vers_mm(calage, VuePlan::Cote, {300, 150}).y, 0);
  for (const PointMm mm : {PointMm{0, 0}, PointMm{250, 33.5}, PointMm{1000, -12}})
    for (const VuePlan vue : {VuePlan::Cote, VuePlan::Dessus}) {
      const PointMm retour = vers_mm(calage, vue, vers_plan(calage, vue, mm));
      EXPECT_NEAR(retour.x, mm.x, 1e-9);
      EXPECT_NEAR(retour.y, mm.y, 1e-9);
    }

  EXPECT_THROW(echelle_par_deux_points(a, a, 100), DescriptionInvalide);
  EXPECT_THROW(echelle_par_deux_points(a, b, 0), DescriptionInvalide);
  EXPECT_THROW(echelle_par_deux_points(a, b, NAN), DescriptionInvalide);
  EXPECT_THROW(angle_par_deux_points(b, b), DescriptionInvalide);
}

} // namespace
} // namespace bilobe
