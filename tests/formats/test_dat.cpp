#include "common/erreurs.h"
#include "formats/texte_dat.h"
#include "ui/modeles/sauvegarde.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <clocale>
#include <locale>

namespace bilobe {
namespace {

TEST(TexteFixe, Motif) {
  struct Cas {
    double valeur;
    const char* attendu;
  };
  const Cas cas[] = {
      {0, "0.00000"},
      {1, "1.00000"},
      {0.5, "0.50000"},
      {0.123456, "0.12346"},
      {-0.03125, "-0.03125"},
      {-0.5, "-0.50000"},
      {12.5, "12.50000"},
      {250.5, "250.50000"},
      {0.000004, "0.00000"},
      {123.456789, "123.45679"},
      {-0.25, "-0.25000"},
      {-0.000004, "0.00000"},
      {-0.0, "0.00000"},
      {-7.3e-11, "0.00000"},
      {0.015625, "0.01563"},
      {-0.015625, "-0.01563"},
      {0.046875, "0.04688"},
      {9.999994, "9.99999"},
      {0.999995, "0.99999"},
      {9.9999999, "10.00000"},
      {-9.9999999, "-10.00000"},
      {1e20, "100000000000000000000.00000"},
      {0.3571429f, "0.35714"},
      {0.984375, "0.98438"},
      {1.0 - 0.984375, "0.01563"},
  };
  for (const auto& k : cas) {
    ListePoints point(1);
    point.ajouter(k.valeur, 0);
    EXPECT_EQ(contenu_dat("", point), std::string("\r\n") + k.attendu + " 0.00000\r\n") << k.valeur;
  }
}

ListePoints exemple() {
  ListePoints l(3);
  l.ajouter(1, -0.25);
  l.ajouter(0.5, -0.3571429);
  l.ajouter(0.0000012, 0.0012345);
  return l;
}
const std::string COMMENTAIRE = "Couple : 140 x 50 - bi-lobé - Orlenbrand - v1.0";

const std::string OCTETS_EXEMPLE = "Couple : 140 x 50 - bi-lob\xE9 - Orlenbrand - v1.0\r\n"
                                   "1.00000 -0.25000\r\n"
                                   "0.50000 -0.35714\r\n"
                                   "0.00000 0.00123\r\n";

TEST(ContenuDat, ExempleOctetPourOctet) { EXPECT_EQ(contenu_dat(COMMENTAIRE, exemple()), OCTETS_EXEMPLE); }

// A locale whose decimal separator is a comma, for the C and C++ libraries.
struct VirguleDecimale : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(ContenuDat, MemesOctetsSousUneLocaleFrancaise) {
  const std::locale avant = std::locale::global(std::locale(std::locale::classic(), new VirguleDecimale));
#ifdef _WIN32
  const char* c_francais = std::setlocale(LC_ALL, "French_France.1252");
#else
  const char* c_francais = std::setlocale(LC_ALL, "fr_FR.UTF-8");
#endif
  const std::string octets = contenu_dat(COMMENTAIRE, exemple());
  const std::string texte = texte_confirmation(1234);
  std::setlocale(LC_ALL, "C");
  std::locale::global(avant);
  ASSERT_NE(c_francais, nullptr) << "locale fr_FR.UTF-8 absente (paquet locales-all)";
  EXPECT_EQ(octets, OCTETS_EXEMPLE);
  EXPECT_EQ(texte, "Sauvegarde de  1234 points effectuée");
}

TEST(ContenuDat, ListeVideOuPleine) {
  ListePoints l(3000);
  EXPECT_EQ(contenu_dat("", l), "\r\n"); // empty comment, no point
  for (int i = 0; i < 3000; ++i) l.ajouter(i / 3000.0, -0.5);
  const std::string octets = contenu_dat("", l);
  std::size_t lignes = 0;
  for (std::size_t p = 0; (p = octets.find("\r\n", p)) != std::string::npos; p += 2) ++lignes;
  EXPECT_EQ(lignes, 3001u);
  EXPECT_EQ(octets.substr(octets.size() - 18), "0.99967 -0.50000\r\n");
}

TEST(ContenuDat, CaracteresDuCommentaire) {
  EXPECT_EQ(vers_windows_1252("bi-lobé"), "bi-lob\xE9");
  EXPECT_EQ(vers_windows_1252("à°ÿ"), "\xE0\xB0\xFF");
  EXPECT_EQ(vers_windows_1252("€ \xFF"), "? ?");
}

constexpr char SEPARATEUR = static_cast<char>(std::filesystem::path::preferred_separator);

TEST(Sauvegarde, CheminEtConfirmation) {
  // The system's own separator, a "/" already there kept.
#ifdef _WIN32
  EXPECT_EQ(chemin_complet("C:\\u", "a.dat"), "C:\\u\\a.dat");
  EXPECT_EQ(chemin_complet("C:\\u\\", "a.dat"), "C:\\u\\a.dat");
#endif
  EXPECT_EQ(chemin_complet("/home/u", "a.dat"), SEPARATEUR == '/' ? "/home/u/a.dat" : "/home/u\\a.dat");
  EXPECT_EQ(chemin_complet("/", "a.dat"), "/a.dat");
  EXPECT_EQ(chemin_complet("/home/u", ""), SEPARATEUR == '/' ? "/home/u/" : "/home/u\\");
  EXPECT_THROW(chemin_complet("", "a.dat"), ErreurExecution);
  EXPECT_EQ(texte_confirmation(549), "Sauvegarde de  549 points effectuée");
  EXPECT_EQ(texte_confirmation(0), "Sauvegarde de  0 points effectuée");
}

} // namespace
} // namespace bilobe
