#include "serie/fichier_fuselage.h"
#include "ui/modeles/formulaire_serie.h"
#include "ui/modeles/vues_serie.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace bilobe {
namespace {

const DescriptionSerie& exemple() {
  static const DescriptionSerie d = lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml");
  return d;
}

TEST(FormulaireSerie, UneDescriptionRevientTelleQuelle) {
  const FormulaireLu lu = lire_formulaire(formulaire_de(exemple()));
  ASSERT_TRUE(lu.description.has_value());
  EXPECT_EQ(texte_fuselage(*lu.description), texte_fuselage(exemple()));
  EXPECT_TRUE(lu.defauts.empty());
  // A plan's lines go through the form untouched (the browser's page saves from it).
  DescriptionSerie avec_plan = exemple();
  avec_plan.plan = PlanTrace{
      "plan.pdf", 2, {0.5, 0.01, {1, 2}, {3, 4}}, {{{0, 1}, {9, 2}}, {{0, -1}, {9, -2}}, {}, {{0, 1}, {9, 1}}}, {}};
  const FormulaireLu relu = lire_formulaire(formulaire_de(avec_plan));
  ASSERT_TRUE(relu.description.has_value());
  EXPECT_EQ(texte_fuselage(*relu.description), texte_fuselage(avec_plan));
}

// Each fault said where it is, in the order of the form, and no description.
TEST(FormulaireSerie, ChaqueDefautDitOuIlEst) {
  const struct {
    const char* nom;
    std::function<void(FormulaireSerie&)> changer;
    std::vector<std::string> defauts;
  } cas[] = {
      {"cellule",
       [](FormulaireSerie& f) { f.stations[1][1] = "6,5x"; },
       {"Station 2, Largeur totale : « 6,5x » n'est pas un nombre"}},
      {"positions",
       [](FormulaireSerie& f) { f.par_nombre = false, f.positions = "0, a"; },
       {"Positions : « a » n'est pas une position"}},
      {"kit et cellule",
       [](FormulaireSerie& f) {
         f.kit.fautes = {"Pattes : la largeur et la garde doivent être positives"};
         f.stations[0][0] = "";
       },
       {"Station 1, Position : cellule vide", "Pattes : la largeur et la garde doivent être positives"}},
      {"une station", [](FormulaireSerie& f) { f.stations.resize(1); }, {"Il faut au moins deux stations"}},
      {"longueurs hors de leurs bornes",
       [](FormulaireSerie& f) {
         f.longueurs[0] = 0;
         f.longueurs[5] = std::numeric_limits<double>::quiet_NaN();
       },
       {"Largeur : entre 1 et 100000 mm", "Pas : entre 0.1 et 1000 mm"}},
  };
  for (const auto& c : cas) {
    FormulaireSerie f = formulaire_de(exemple());
    c.changer(f);
    const FormulaireLu lu = lire_formulaire(f);
    EXPECT_FALSE(lu.description.has_value()) << c.nom;
    EXPECT_EQ(lu.defauts, c.defauts) << c.nom;
  }
}

// A new name is drawn without tracing a former again (the tracing is stopped
// before it starts, yet the views come); any other change traces anew.
TEST(VuesSerie, UnNouveauNomNeRetraceRien) {
  const auto avant = vues_serie(exemple());
  ASSERT_EQ(avant->liste.size(), avant->serie.tous.size());
  ASSERT_EQ(avant->planches.size(), static_cast<std::size_t>(avant->serie.imbrication.planches));
  Interruption arret;
  arret.demander();
  DescriptionSerie renomme = exemple();
  renomme.nom = "Autre <nom>";
  const auto apres = vues_serie(renomme, avant, &arret);
  EXPECT_EQ(apres->serie.description.nom, "Autre <nom>");
  EXPECT_NE(apres->profil.find("Autre &lt;nom&gt;"), std::string::npos);
  EXPECT_NE(apres->profil, avant->profil);
  EXPECT_EQ(apres->serie.couples.size(), avant->serie.couples.size());
  DescriptionSerie autre = renomme;
  autre.stations[1].cotes[0] += 1;
  EXPECT_THROW(vues_serie(autre, apres, &arret), TravailInterrompu);
  EXPECT_NE(vues_serie(autre, apres)->profil, apres->profil);
}

} // namespace
} // namespace bilobe
