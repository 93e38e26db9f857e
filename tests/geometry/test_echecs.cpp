#include "common/erreurs.h"
#include "geometry/trace.h"
#include "ui/modeles/apercu.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

struct CasEchec {
  const char* nom;
  std::vector<std::pair<std::string ChampsCouple::*, const char*>> champs;
  int ch, cv;
  GenreErreur genre;
  const char* lieu; // where the trace stops
};

ChampsCouple appliquer(const CasEchec& k) {
  ChampsCouple c;
  for (const auto& [champ, texte] : k.champs) c.*champ = texte;
  c.ch = k.ch;
  c.cv = k.cv;
  return c;
}

using C = ChampsCouple;
using G = GenreErreur;

const CasEchec CAS[] = {
    {"largeur nulle", {{&C::xtot, "0"}}, 0, 0, G::DivisionParZero, "xa / xtot"},
    {"largeur en lettres", {{&C::xtot, "abc"}}, 0, 0, G::DivisionParZero, "xa / xtot"},
    {"0 / 0 sur xa / xtot", {{&C::xtot, "0"}, {&C::xa, "0"}}, 0, 0, G::OperationInvalide, "xa / xtot"},
    {"jonction sur le flanc", {{&C::xa, "50"}}, 0, 0, G::DivisionParZero, "ArcCos"},
    {"jonction sur le flanc opposé", {{&C::xa, "-50"}}, 0, 0, G::DivisionParZero, "ArcCos"},
    {"jonction au-delà du flanc", {{&C::xa, "51"}}, 0, 0, G::OperationInvalide, "ArcCos"},
    {"hauteur nulle", {{&C::ytot, "0"}}, 0, 0, G::DivisionParZero, "ya / ytot"},
    {"jonction au sommet", {{&C::ya, "100"}}, 0, 0, G::DivisionParZero, "ArcSin"},
    {"jonction sous le sommet opposé", {{&C::ya, "-100"}}, 0, 0, G::DivisionParZero, "ArcSin"},
    {"jonction au-dessus du sommet", {{&C::ya, "101"}}, 0, 0, G::OperationInvalide, "ArcSin"},
    {"segment horizontal sans points", {{&C::nbptseg, "0"}}, 1, 0, G::DivisionParZero, "dh = segh / nbptseg"},
    {"0 / 0 sur dh", {{&C::nbptseg, "0"}, {&C::segh, "0"}}, 1, 0, G::OperationInvalide, "dh = segh / nbptseg"},
    {"arcs sans points", {{&C::nbptel, "0"}}, 0, 0, G::DivisionParZero, "dt0 = (π / 2) / nbptel"},
    {"segment vertical sans points", {{&C::nbptseg, "0"}}, 0, 1, G::DivisionParZero, "dv = segv / nbptseg"},
    {"paroi égale à la largeur", {{&C::ep, "50"}}, 0, 0, G::DivisionParZero, "contour intérieur : xa / xtot"},
    {"paroi égale à la hauteur", {{&C::ep, "100"}}, 0, 0, G::DivisionParZero, "contour intérieur : ya / ytot"},
    {"jonction intérieure hors du flanc", {{&C::ep, "49"}}, 0, 0, G::OperationInvalide, "contour intérieur : ArcCos"},
    {"1001e point dans le contour extérieur", {{&C::nbptel, "400"}}, 0, 0, G::IndiceHorsLimites, "entrée 1001"},
    {"1001e point dans le contour intérieur", {{&C::nbptel, "166"}}, 0, 0, G::IndiceHorsLimites, "entrée 1001"},
    {"hauteur totale nulle", {{&C::yinf, "-100"}}, 0, 0, G::DivisionParZero, "yinf / H"},
    {"largeur hors de la simple précision",
     {{&C::xtot, "1e300"}, {&C::xa, "6e299"}},
     0,
     0,
     G::Depassement,
     "tracé de x / H"},
    {"nombre hors des doubles", {{&C::xtot, "1e400"}}, 0, 0, G::Depassement, "lecture de \"1e400\""},
    {"paroi hors de la simple précision", {{&C::ep, "1e39"}}, 0, 0, G::Depassement, "ep en simple précision"},
    {"pas angulaire hors des doubles", {{&C::nbptel, "1e-320"}}, 0, 0, G::Depassement, "dt0 = (π / 2) / nbptel"},
};

class Echecs : public testing::TestWithParam<CasEchec> {};

TEST_P(Echecs, GenreEtLieuDeLArret) {
  const CasEchec& k = GetParam();
  try {
    tracer(appliquer(k));
    FAIL() << "le tracé aurait dû échouer";
  } catch (const ErreurExecution& e) {
    EXPECT_EQ(e.genre(), k.genre) << e.what();
    EXPECT_EQ(e.lieu(), k.lieu) << e.what();
  }
}

TEST_P(Echecs, LeCouplePublieResteLeDernierBon) {
  CouplePublie publie;
  ChampsCouple bon;
  bon.ch = 1;
  publie.retracer(bon);
  const ListePoints avant = publie.courant().liste;

  EXPECT_FALSE(publie.a_deja_echoue(appliquer(GetParam())));
  EXPECT_THROW(publie.retracer(appliquer(GetParam())), ErreurExecution);
  EXPECT_TRUE(publie.a_deja_echoue(appliquer(GetParam())));
  EXPECT_FALSE(publie.a_deja_echoue(bon));
  const ResultatTrace& apres = publie.courant();
  ASSERT_EQ(apres.nbpts(), 589);
  EXPECT_EQ(apres.legende, " 589 points)");
  EXPECT_EQ(apercu_de(apres).polyligne.size(), 589u);
  for (int k = 1; k <= 1000; ++k) {
    ASSERT_EQ(apres.liste.x(k), avant.x(k)) << k;
    ASSERT_EQ(apres.liste.y(k), avant.y(k)) << k;
  }
}

INSTANTIATE_TEST_SUITE_P(Tableau, Echecs, testing::ValuesIn(CAS), [](const auto& info) {
  std::string nom;
  for (const char c : std::string(info.param.nom)) nom += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return nom;
});

// Only the inputs of the last trace, when it failed, count as already failed:
// the same texts exactly, ticks included; a success forgets the failure.
TEST(Echecs, DejaEchoueSeulementSurLesMemesEntrees) {
  struct Etape {
    const char* xa;
    int ch;
    bool echoue;          // this trace fails
    const char* question; // xa asked about afterwards, with ch 0
    bool deja_echoue;
  };
  const Etape etapes[] = {
      {"50", 0, true, "50", true},   {"50", 0, true, "50 ", false}, // the texts as typed, spaces included
      {"50", 1, true, "50", false},                                 // another tick state
      {"51", 0, true, "50", false},                                 // only the last failure counts
      {"30", 0, false, "51", false},                                // a success forgets it
      {"30", 0, false, "30", false},
  };
  CouplePublie publie;
  for (const Etape& e : etapes) {
    ChampsCouple c;
    c.xa = e.xa;
    c.ch = e.ch;
    if (e.echoue)
      EXPECT_THROW(publie.retracer(c), ErreurExecution);
    else
      EXPECT_NO_THROW(publie.retracer(c));
    ChampsCouple question;
    question.xa = e.question;
    EXPECT_EQ(publie.a_deja_echoue(question), e.deja_echoue) << e.xa << " puis " << e.question;
  }
}

TEST(Echecs, UnTypeParGenre) {
  ChampsCouple c;
  c.xa = "50";
  EXPECT_THROW(tracer(c), DivisionParZero);
  c.ep = "49";
  c.xa = "30";
  EXPECT_THROW(tracer(c), OperationInvalide); // rethrown from the inner contour, type kept
  c.ep = "10";
  c.nbptel = "400";
  EXPECT_THROW(tracer(c), IndiceHorsLimites);
  c.nbptel = "1e999";
  EXPECT_THROW(tracer(c), Depassement);
}

TEST(Echecs, CompteNonLuSansSegment) {
  ChampsCouple c;
  c.nbptseg = "rien";
  EXPECT_EQ(tracer(c).nbpts(), 549);
}

} // namespace
} // namespace bilobe
