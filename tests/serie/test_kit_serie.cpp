#include "common/texte_nombre.h"
#include "serie/debit.h"
#include "serie/fichier_fuselage.h"
#include "serie/serie_imbriquee.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace bilobe {
namespace {

// Two stations, a keel and a pair of stringers, tabs under a board line.
const char* const FUSELAGE = R"(nombre = 4
[planche]
largeur = 600
hauteur = 300
[[encoche]]
place = "ventre"
largeur = 3
profondeur = 1
[[encoche]]
place = 0.25
largeur = 2
profondeur = 1
[pattes]
largeur = 3
ecart = 5
garde = 5
[[station]]
position = 0
xtot = 30
ytot = 45
xa = 18
ya = 28
yinf = 20
segh = 0
segv = 0
ep = 3
[[station]]
position = 420
xtot = 20.5
ytot = 30
xa = 12
ya = 18
yinf = 12
segh = 0
segv = 0
ep = 2
)";

TEST(KitSerie, LigneDuChantierCommuneEtDebit) {
  const DescriptionSerie d = lire_description(FUSELAGE, "essai.toml");
  ASSERT_EQ(d.gabarit.encoches.size(), 2u);
  ASSERT_TRUE(d.pattes);
  EXPECT_EQ(lire_description(texte_fuselage(d), "relu.toml").gabarit.encoches.size(), 2u);

  const SerieTracee s = preparer_serie(d);
  // The deepest former is the first (yinf 20): the board 5 mm under it, and
  // every former standing on it.
  EXPECT_DOUBLE_EQ(s.chantier, 25);
  for (const CoupleTrace& c : s.couples) EXPECT_NEAR(c.gabarit.piece.bas, -25, 1e-9) << c.couple.nom;

  const std::vector<Lisse>& lisses = s.lisses;
  ASSERT_EQ(lisses.size(), 3u); // the keel, then the stringer on each side
  EXPECT_TRUE(lisses[0].sur_l_axe);
  EXPECT_TRUE(lisses[2].gauche);
  // On the keel the bottoms run straight from 19 mm to 11 mm under the level
  // line over 420 mm; a stringer's pair is the same length.
  EXPECT_NEAR(lisses[0].longueur, std::hypot(420.0, 8.0), 1e-6);
  EXPECT_DOUBLE_EQ(lisses[1].longueur, lisses[2].longueur);
  EXPECT_GT(lisses[1].longueur, 420);

  const std::string csv = texte_debit(lisses);
  EXPECT_EQ(csv.rfind("\xEF\xBB\xBFLisse;Côté;Place;Largeur (mm);Profondeur (mm);Longueur (mm)\r\n", 0), 0u);
  EXPECT_NE(csv.find("\r\n1;axe;ventre;3;1;420,08\r\n"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\n2;gauche;0,25;2;1;"), std::string::npos) << csv;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);

  // No guard would stand the deepest former's outline on the board line.
  std::string sans_garde = FUSELAGE;
  sans_garde.replace(sans_garde.find("garde = 5"), 9, "garde = 0");
  EXPECT_THROW(lire_description(sans_garde, "essai.toml"), DescriptionInvalide);
}

TEST(KitSerie, PattesSousDePetitsCouplesDeQueue) {
  // A narrow tail: the tabs 12 mm from the axis stand on the steep bottom
  // of the last former. Each fills the space down from the outline itself,
  // so it joins the part along the curve and never goes through the wall.
  std::string fuselage = R"(nombre = 3
[planche]
largeur = 600
hauteur = 300
[pattes]
cote = "dessous"
largeur = 6
ecart = 12
garde = 5
)";
  const double demi_largeurs[] = {30, 40, 20}, parois[] = {4, 5, 3};
  for (int k = 0; k < 3; ++k)
    fuselage += "[[station]]\nposition = " + std::to_string(300 * k) + "\nxtot = " + texte_exact(demi_largeurs[k]) +
                "\nytot = " + texte_exact(demi_largeurs[k] * 1.2) + "\nxa = " + texte_exact(demi_largeurs[k] * 0.6) +
                "\nya = " + texte_exact(demi_largeurs[k] * 0.7) + "\nyinf = " + texte_exact(demi_largeurs[k] * 0.8) +
                "\nsegh = 0\nsegv = 0\nep = " + texte_exact(parois[k]) + "\n";
  const SerieTracee s = preparer_serie(lire_description(fuselage, "queue.toml"));
  ASSERT_EQ(s.couples.size(), 3u);
  const Gabarit& queue = s.couples[2].gabarit;
  // Each tab's area is what lies between its mark on the outline and the
  // board line: the part grows by that much and not by a rectangle to the
  // outline's highest point over the tab.
  ASSERT_EQ(queue.marques_pattes.size(), 2u);
  const Gabarit sans = construire_gabarit(s.couples[2].trace);
  double entre = 0; // the two tabs' areas, under the outline
  for (const auto& m : queue.marques_pattes) entre += 6 * s.chantier + 6 * (m.debut.y + m.fin.y) / 2;
  EXPECT_NEAR(queue.surface - sans.surface, entre, 0.05 * entre);
  EXPECT_NEAR(queue.piece.bas, -s.chantier, 1e-9);

  // A tab that misses the part is still refused, naming the former.
  fuselage.replace(fuselage.find("ecart = 12"), 10, "ecart = 19");
  try {
    preparer_serie(lire_description(fuselage, "queue.toml"));
    ADD_FAILURE() << "accepté";
  } catch (const ErreurCouple& e) {
    EXPECT_NE(std::string(e.what()).find("F3"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("patte 1"), std::string::npos) << e.what();
  }
}

} // namespace
} // namespace bilobe
