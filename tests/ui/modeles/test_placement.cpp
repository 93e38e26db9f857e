#include "ui/modeles/placement.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

TEST(Placement, ACoteDansLEcran) {
  const Rectangle principale{100, 50, 420, 360};
  struct Cas {
    const char* nom;
    Rectangle voisine;
    int largeur, hauteur, largeur_min, a_garder;
    Rectangle attendu;
    std::optional<int> voisine_x;
    Rectangle ecran{0, 0, 1600, 1000};
  };
  const Cas cas[] = {
      {"à droite", principale, 1000, 700, 0, 0, {528, 50, 1000, 700}, {}},
      {"plus grande que l'écran (1,5 fois)", principale, 1920, 1290, 0, 0, {0, 0, 1600, 1000}, {}},
      {"pas de place à droite : à gauche", {1100, 50, 420, 360}, 900, 700, 0, 0, {192, 50, 900, 700}, {}},
      {"ni à droite ni à gauche : au bord", {600, 50, 420, 360}, 900, 700, 0, 0, {0, 50, 900, 700}, {}},
      {"trop bas : remontée", {100, 800, 420, 360}, 1000, 700, 0, 0, {528, 300, 1000, 700}, {}},
      // 1920 x 1080, the main window in the middle: narrower, on the side with more room.
      {"plus étroite à droite",
       {700, 300, 420, 360},
       1296,
       908,
       780,
       240,
       {1128, 172, 792, 908},
       {},
       {0, 0, 1920, 1080}},
      // 1280 x 1024 in the middle: the main window to the left edge, the new one beside it.
      {"la principale au bord", {430, 300, 420, 360}, 1296, 908, 780, 240, {428, 116, 852, 908}, 0, {0, 0, 1280, 1024}},
      // No room beside it even then: over all of it but its fields.
      {"sur l'aperçu seulement", {300, 50, 420, 360}, 1296, 908, 1300, 240, {304, 50, 1296, 908}, 0},
  };
  for (const Cas& k : cas) {
    const Placement p = placer_a_cote(k.voisine, k.largeur, k.hauteur, k.ecran, k.largeur_min, k.a_garder);
    const Rectangle& r = p.fenetre;
    EXPECT_EQ(p.voisine_x, k.voisine_x) << k.nom;
    EXPECT_EQ(r.x, k.attendu.x) << k.nom;
    EXPECT_EQ(r.y, k.attendu.y) << k.nom;
    EXPECT_EQ(r.largeur, k.attendu.largeur) << k.nom;
    EXPECT_EQ(r.hauteur, k.attendu.hauteur) << k.nom;
  }
}

} // namespace
} // namespace bilobe
