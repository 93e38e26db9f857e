#include "common/chiffres.h"
#include "common/erreurs.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace bilobe {
namespace {

std::string avec_to_chars(double v, std::chars_format format, int decimales) {
  char t[2000];
  return std::string(t, std::to_chars(t, t + sizeof t, v, format, decimales).ptr);
}

std::string le_plus_court(double v) {
  char t[64];
  return std::string(t, std::to_chars(t, t + sizeof t, v).ptr);
}

// Doubles of every kind: the program's millimetres, tiny and huge ones,
// powers of ten, ties, and random bits.
std::vector<double> echantillon() {
  std::vector<double> v{0.0,    -0.0,
                        0.5,    1.5,
                        2.5,    0.125,
                        1e22,   1e21,
                        1e-7,   1.2e-5,
                        123456, 1e15,
                        1e16,   1e17,
                        0.1,    0.3,
                        140,    -49.75,
                        5e-324, 2.2250738585072014e-308,
                        1e300,  1.7976931348623157e308};
  std::mt19937_64 g(12345);
  for (int k = 0; k < 3000; ++k) {
    const std::uint64_t bits = g();
    double d;
    std::memcpy(&d, &bits, sizeof d);
    if (std::isfinite(d)) v.push_back(d);
    v.push_back(std::ldexp(static_cast<double>(g() % 100000000), -static_cast<int>(g() % 30))); // mm with fractions
  }
  return v;
}

// The same text as the C++ library's to_chars, which this system has.
TEST(Chiffres, LesMemesTextesQueToChars) {
  for (const double v : echantillon()) {
    SCOPED_TRACE(le_plus_court(v));
    EXPECT_EQ(chiffres::plus_court(v), le_plus_court(v));
    for (const int decimales : {1, 2, 3, 4, 9})
      EXPECT_EQ(chiffres::fixe(v, decimales), avec_to_chars(v, std::chars_format::fixed, decimales));
    EXPECT_EQ(chiffres::scientifique(v, 16), avec_to_chars(v, std::chars_format::scientific, 16));
    char court[8];
    const std::string attendu = avec_to_chars(v, std::chars_format::fixed, 3);
    char* fin = chiffres::fixe(court, court + sizeof court, v, 3);
    EXPECT_EQ(fin ? std::string(court, fin) : "trop long", attendu.size() <= sizeof court ? attendu : "trop long");
  }
  EXPECT_THROW(chiffres::fixe(1e20, 0), OperationInvalide); // {fmt} would write 100000000000000000000 shortest
}

// Read back as from_chars reads, out of range included.
TEST(Chiffres, LuCommeFromChars) {
  std::vector<std::string> textes{"0",   "-0",    "1e400", "-1e400", "1e-400",    "-1e-400", "0e999", "1e-310", "inf",
                                  "nan", "12abc", "",      "-",      "4.94e-324", ".5",      "5.",    "1e",     "0x10"};
  for (const double v : echantillon()) textes.push_back(le_plus_court(v));
  for (const std::string& t : textes) {
    SCOPED_TRACE(t);
    double attendu = 0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), attendu, std::chars_format::general);
    const chiffres::Lu lu = chiffres::lire(t.data(), t.data() + t.size());
    EXPECT_EQ(lu.erreur, r.ec);
    if (r.ec != std::errc::invalid_argument) {
      EXPECT_EQ(lu.fin, r.ptr);
    }
    if (r.ec == std::errc()) {
      EXPECT_TRUE(std::isnan(attendu) ? std::isnan(lu.valeur)
                                      : lu.valeur == attendu && std::signbit(lu.valeur) == std::signbit(attendu));
    }
  }
}

} // namespace
} // namespace bilobe
