#include "common/erreurs.h"
#include "formats/texte_dat.h"
#include "geometry/trace.h"
#include "ui/modeles/remise.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bilobe {
namespace {

TEST(Remise, CommentaireEtNomDeFichier) {
  struct Cas {
    const char* yinf;
    const char* ytot;
    const char* xtot;
    const char* commentaire;
    const char* nom;
  };
  const Cas cas[] = {
      {"40", "100", "50", "Couple : 140 x 50 - bi-lobé - Orlenbrand - v1.0", "Bi-lobe 140 x 50.dat"},
      {"40.5", "100", "50", "Couple : 140.5 x 50 - bi-lobé - Orlenbrand - v1.0", "Bi-lobe 140.5 x 50.dat"},
      {"", "", "50", "Couple : 0 x 50 - bi-lobé - Orlenbrand - v1.0", "Bi-lobe 0 x 50.dat"},
      {"40", "100", "-0,5", "Couple : 140 x 0 - bi-lobé - Orlenbrand - v1.0", "Bi-lobe 140 x 0.dat"},
      {"40", "100", "-.5", "Couple : 140 x-.5 - bi-lobé - Orlenbrand - v1.0", "Bi-lobe 140 x-.5.dat"},
  };
  for (const auto& k : cas) {
    ChampsCouple c;
    c.yinf = k.yinf;
    c.ytot = k.ytot;
    c.xtot = k.xtot;
    const TextesDat t = textes_dat(ValeursCouple(c));
    EXPECT_EQ(t.commentaire, k.commentaire);
    EXPECT_EQ(t.nom_fichier, k.nom);
  }
}

TEST(Remise, PointsRenversesEtTransformes) {
  ListePoints principale(1000);
  principale.ajouter(0, 1.0);
  principale.ajouter(0.25, 0.0);
  principale.ajouter(0.1, 0.3);
  DonneesExport d;
  d.nouvelle_liste = true;
  EXPECT_EQ(remettre(ValeursCouple(ChampsCouple{}), principale, d), "Bi-lobe 140 x 50.dat");
  ASSERT_EQ(d.nbpts(), 3);
  EXPECT_EQ(d.liste().x(1), 1.0f - 0.3f); // single-precision subtraction
  EXPECT_EQ(d.liste().y(1), -0.1f);
  EXPECT_EQ(d.liste().x(2), 1.0);
  EXPECT_EQ(d.liste().y(2), -0.25f);
  EXPECT_EQ(d.liste().x(3), 0.0);
  EXPECT_EQ(d.liste().y(3), 0.0f);
  EXPECT_TRUE(std::signbit(d.liste().y(3))); // -0 of the centre line
}

TEST(Remise, NouvelleListeSeulementApresActivation) {
  const ResultatTrace trace = tracer(ChampsCouple{});
  const ValeursCouple defauts(ChampsCouple{});
  DonneesExport d;
  d.nouvelle_liste = true;
  remettre(defauts, trace.liste, d);
  ASSERT_EQ(d.nbpts(), 549);
  EXPECT_EQ(d.liste().x(1), 1.0f - trace.liste.y(549));
  EXPECT_EQ(d.liste().y(549), static_cast<float>(-trace.liste.x(1)));

  // Two presses in a row: the second press's points only.
  d.nouvelle_liste = true;
  remettre(defauts, trace.liste, d);
  EXPECT_EQ(d.nbpts(), 549);

  // Without a new activation the points are appended to the list.
  ListePoints neuf(1000);
  for (int k = 1; k <= 9; ++k) neuf.ajouter_simple(trace.liste.x(k), trace.liste.y(k));
  remettre(defauts, neuf, d);
  EXPECT_EQ(d.nbpts(), 558);

  // An empty main list adds nothing and so keeps the previous points.
  d.nouvelle_liste = true;
  ChampsCouple autre;
  autre.xtot = "60";
  remettre(ValeursCouple(autre), ListePoints(1000), d);
  EXPECT_EQ(d.nbpts(), 558);
  EXPECT_EQ(d.Commentaire, "Couple : 140 x 60 - bi-lobé - Orlenbrand - v1.0");
}

TEST(Remise, ListePleineEtHauteurHorsDesDoubles) {
  DonneesExport d;
  for (int i = 0; i < DonneesExport::CAPACITE; ++i) d.AjoutPoint(i, 0);
  try {
    d.AjoutPoint(0, 0);
    FAIL();
  } catch (const ErreurExecution& e) {
    EXPECT_EQ(e.genre(), GenreErreur::IndiceHorsLimites);
  }
  EXPECT_EQ(d.nbpts(), 3000);

  ChampsCouple c;
  c.yinf = "1.5e308";
  c.ytot = "1.5e308";
  d.Commentaire = "avant";
  try {
    remettre(ValeursCouple(c), ListePoints(1000), d);
    FAIL();
  } catch (const ErreurExecution& e) {
    EXPECT_EQ(e.genre(), GenreErreur::Depassement);
  }
  EXPECT_EQ(d.Commentaire, "avant");
}

} // namespace
} // namespace bilobe
