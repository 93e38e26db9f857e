#include "ui/modeles/lecture_champ.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

TEST(LectureChamp, CeQuiEstLuEtPourquoi) {
  const std::pair<const char*, const char*> cas[] = {
      {"45.5", nullptr},
      {" -3 ", nullptr},
      {"45,5", "lu 45 : le séparateur décimal est le point"},
      {"12mm", "lu 12 : ce n'est pas entièrement un nombre"},
      {"", "lu 0 : le champ est vide"},
      {"abc", "lu 0 : ce n'est pas entièrement un nombre"},
      {"1e999x", "nombre trop grand"},
  };
  for (const auto& [texte, attendu] : cas) {
    const auto defaut = defaut_champ(texte);
    if (!attendu) {
      EXPECT_FALSE(defaut) << texte;
    } else {
      EXPECT_EQ(defaut.value_or("rien"), attendu) << texte;
    }
  }
}

// The fields an error's place names, the faulty ones alone when there are.
TEST(LectureChamp, ChampsEnCause) {
  ChampsCouple abc;
  abc.xtot = "abc";
  ChampsCouple zero;
  zero.xtot = "0";
  ChampsCouple vides;
  vides.ep = "";
  vides.nbptel = "9x";
  const struct {
    const char* lieu;
    ChampsCouple champs;
    const char* attendu;
  } cas[] = {
      {"xa / xtot", abc, "« Largeur totale » se lit 0"},
      {"xa / xtot", zero, "« Larg. point de jonction » se lit 30 ; « Largeur totale » se lit 0"},
      {"ArcCos", abc, ""},
      {"xtot - ep", vides, "« Epaisseur de paroi » se lit 0"},
      {"nbptel · xtot", vides, "« Nb pts arcs d'ellipses » se lit 9"},
      {"xtot / xtot", zero, "« Largeur totale » se lit 0"},
      {"xtota", zero, ""},
  };
  for (const auto& k : cas) EXPECT_EQ(champs_en_cause(k.lieu, k.champs), k.attendu) << k.lieu;
}

} // namespace
} // namespace bilobe
