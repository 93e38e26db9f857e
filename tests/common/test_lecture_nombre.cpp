#include "common/erreurs.h"
#include "common/lecture_nombre.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bilobe {
namespace {

TEST(LectureNombre, Regle) {
  struct Cas {
    const char* texte;
    double attendu;
  };
  const Cas cas[] = {
      {"50", 50},     {"2,5", 2},     {"2.5", 2.5},       {"  1 2\t3\n", 123}, {"-3", -3},
      {"+4", 4},      {".5", 0.5},    {"5.", 5},          {"-.25", -0.25},     {"1e3", 1000},
      {"1E3", 1000},  {"1e+3", 1000}, {"1.5e-2", 0.015},  {"2 e 2", 200},      {"1e", 1},
      {"1e-", 1},     {"1ex", 1},     {"12abc", 12},      {"abc", 0},          {"", 0},
      {"-", 0},       {".", 0},       {"+.e5", 0},        {"1.2.3", 1.2},      {"--1", 0},
      {"0.1", 0.1},   {"1e-400", 0},  {"0.0001e-320", 0}, {"1e308", 1e308},    {"١٢", 0},
      {"0e99999", 0}, {"3 , 7", 3},   {"\r5", 0},         {"1e2.5", 100},
  };
  for (const auto& k : cas) EXPECT_EQ(lire_nombre(k.texte), k.attendu) << "« " << k.texte << " »";
}

TEST(LectureNombre, HorsDesDoublesEstUnDepassement) {
  for (const char* texte : {"1e309", "-1e400", "0.00001e400", "1e99999999999999999999"}) {
    try {
      lire_nombre(texte);
      ADD_FAILURE() << texte;
    } catch (const ErreurExecution& e) {
      EXPECT_EQ(e.genre(), GenreErreur::Depassement) << texte;
    }
  }
  std::string longs(400, '9');
  EXPECT_THROW(lire_nombre(longs), ErreurExecution);
  EXPECT_EQ(lire_nombre("0." + std::string(400, '0') + "1e10"), 0);
}

TEST(LectureNombre, TexteEntierementUnNombre) {
  for (const char* oui : {"2.5", " -3 ", "+4", "1e3", "1 000", ".5", "5.", "-0", "2.5E-3", "1e+09"})
    EXPECT_TRUE(est_un_nombre(oui)) << oui;
  for (const char* non : {"", " ", "abc", "2,5", "1e", "1e+", "-", ".", "12mm", "x1", "1.2.3", "e5"})
    EXPECT_FALSE(est_un_nombre(non)) << non;
}

} // namespace
} // namespace bilobe
