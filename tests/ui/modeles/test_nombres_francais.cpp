#include "ui/modeles/nombres_francais.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

TEST(NombresFrancais, CeQuUnePersonneLit) {
  const std::pair<const char*, const char*> cas[] = {
      {"surface 3224.39 mm², paroi 10.00 mm", "surface 3\u202f224,39 mm², paroi 10,00 mm"},
      {"Gabarit SVG : 100 x 140.5 mm", "Gabarit SVG : 100 x 140,5 mm"},
      {"occupation 46.7 %", "occupation 46,7 %"},
      {"F2 à 111.11 mm : 64.5 x 70.25 mm", "F2 à 111,11 mm : 64,5 x 70,25 mm"},
      {"(600 x 1200.5 mm)", "(600 x 1\u202f200,5 mm)"},
      {"1234567", "1\u202f234\u202f567"},
      {"écart -12.5 mm", "écart -12,5 mm"},
      {"Fin 2.5.", "Fin 2,5."},
      {"F1.dat, Planche 1.svg", "F1.dat, Planche 1.svg"},
      {"/tmp/1.5/F1.dat v1.2 x1.5", "/tmp/1.5/F1.dat v1.2 x1.5"},
      {"1.2.3", "1.2.3"},
      {"", ""},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(a_la_francaise(texte), attendu) << texte;
}

} // namespace
} // namespace bilobe
