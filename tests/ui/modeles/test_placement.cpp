#include "ui/modeles/placement.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

TEST(Placement, ACoteDansLEcran) {
  const Rectangle ecran{0, 0, 1600, 1000};
  const Rectangle principale{100, 50, 420, 360};
  struct Cas {
    const char* nom;
    Rectangle voisine;
    int largeur, hauteur;
    Rectangle attendu;
  };
  const Cas cas[] = {
      {"à droite", principale, 1000, 700, {528, 50, 1000, 700}},
      {"plus grande que l'écran (1,5 fois)", principale, 1920, 1290, {0, 0, 1600, 1000}},
      {"pas de place à droite : à gauche", {1100, 50, 420, 360}, 900, 700, {192, 50, 900, 700}},
      {"ni à droite ni à gauche : au bord", {600, 50, 420, 360}, 900, 700, {0, 50, 900, 700}},
      {"trop bas : remontée", {100, 800, 420, 360}, 1000, 700, {528, 300, 1000, 700}},
  };
  for (const Cas& k : cas) {
    const Rectangle r = placer_a_cote(k.voisine, k.largeur, k.hauteur, ecran);
    EXPECT_EQ(r.x, k.attendu.x) << k.nom;
    EXPECT_EQ(r.y, k.attendu.y) << k.nom;
    EXPECT_EQ(r.largeur, k.attendu.largeur) << k.nom;
    EXPECT_EQ(r.hauteur, k.attendu.hauteur) << k.nom;
  }
}

} // namespace
} // namespace bilobe
