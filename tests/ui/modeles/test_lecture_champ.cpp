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

} // namespace
} // namespace bilobe
