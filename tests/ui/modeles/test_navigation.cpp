#include "ui/modeles/navigation.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

TEST(Navigation, MotifDat) {
  struct Cas {
    const char* nom;
    bool liste;
  };
  const Cas cas[] = {
      {"Bi-lobe 140 x 50.dat", true}, {"B.DAT", true}, {"c.Dat", true},  {".dat", true}, {"c.txt", false},
      {"d.dat.bak", false},           {"dat", false},  {"x.dta", false}, {"", false}};
  for (const auto& k : cas) EXPECT_EQ(est_fichier_dat(k.nom), k.liste) << k.nom;
}

TEST(Navigation, ArbreDesDossiers) {
  const auto arbre = arbre_dossiers("/home/u", {"a", "b"});
  ASSERT_EQ(arbre.size(), 5u);
  const EntreeDossier attendu[] = {{"/", "/", 0, true},
                                   {"/home", "home", 1, true},
                                   {"/home/u", "u", 2, true},
                                   {"/home/u/a", "a", 3, false},
                                   {"/home/u/b", "b", 3, false}};
  for (std::size_t i = 0; i < arbre.size(); ++i) {
    EXPECT_EQ(arbre[i].chemin, attendu[i].chemin);
    EXPECT_EQ(arbre[i].nom, attendu[i].nom);
    EXPECT_EQ(arbre[i].niveau, attendu[i].niveau);
    EXPECT_EQ(arbre[i].ouvert, attendu[i].ouvert);
  }
  const auto racine = arbre_dossiers("/", {"tmp"});
  ASSERT_EQ(racine.size(), 2u);
  EXPECT_EQ(racine[1].chemin, "/tmp");
  EXPECT_EQ(racine[1].niveau, 1);
  EXPECT_EQ(arbre_dossiers("/a//b/", {}).back().chemin, "/a/b");
}

} // namespace
} // namespace bilobe
