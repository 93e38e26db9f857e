#include "common/erreurs.h"
#include "common/texte_nombre.h"

#include <gtest/gtest.h>

#include <limits>

namespace bilobe {
namespace {

TEST(TexteNombre, Regle) {
  struct Cas {
    double valeur;
    const char* attendu;
  };
  const Cas cas[] = {
      {0, " 0"},
      {-0.0, " 0"},
      {187, " 187"},
      {549, " 549"},
      {60.5, " 60.5"},
      {0.5, " .5"},
      {-0.5, "-.5"},
      {-3, "-3"},
      {140.5, " 140.5"},
      {0.1 + 0.2, " .3"},
      {1.0 / 3, " .333333333333333"},
      {2.0 / 3, " .666666666666667"},
      {123456789012345678.0, " 123456789012346000"},
      {1e20, " 100000000000000000000"},
      {1e-5, " .00001"},
      {0.00012345, " .00012345"},
      {999999999999999.9, " 1000000000000000"},
      {1000000000000005.0, " 1000000000000010"}, // exact tie at the 16th digit: away from zero
      {-1000000000000005.0, "-1000000000000010"},
  };
  for (const auto& k : cas) EXPECT_EQ(texte_nombre(k.valeur), k.attendu) << k.valeur;
}

TEST(TexteNombre, JamaisDExposant) {
  const std::string grand = texte_nombre(std::numeric_limits<double>::max());
  EXPECT_EQ(grand.size(), 310u);
  EXPECT_EQ(grand.substr(0, 16), " 179769313486232");
  const std::string petit = texte_nombre(5e-324);
  EXPECT_EQ(petit.substr(0, 3), " .0");
  EXPECT_EQ(petit.substr(petit.size() - 15), "494065645841247");
  EXPECT_EQ(grand.find_first_of("eE"), std::string::npos);
}

TEST(TexteNombre, NonFiniRefuse) {
  EXPECT_THROW(texte_nombre(std::numeric_limits<double>::infinity()), ErreurExecution);
  EXPECT_THROW(texte_nombre(std::numeric_limits<double>::quiet_NaN()), ErreurExecution);
}

} // namespace
} // namespace bilobe
