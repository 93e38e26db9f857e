// What only Windows refuses or allows: its forbidden names, accented paths,
// a file another program holds open. Run under Wine.
#ifdef _WIN32
#include "common/erreurs.h"
#include "fichiers/fichiers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <random>

namespace bilobe {
namespace {

namespace fs = std::filesystem;

fs::path en_chemin(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }
std::string en_utf8(const fs::path& p) {
  const std::u8string s = p.u8string();
  return std::string(s.begin(), s.end());
}

class SousWindows : public ::testing::Test {
protected:
  void SetUp() override {
    dossier_ = fs::temp_directory_path() / ("bilobe-windows-" + std::to_string(std::random_device{}()));
    fs::create_directories(dossier_);
  }
  void TearDown() override {
    std::error_code e;
    fs::remove_all(dossier_, e);
  }
  std::string dans(const std::string& nom) const { return en_utf8(dossier_ / en_chemin(nom)); }
  fs::path dossier_;
};

TEST_F(SousWindows, NomsInterdits) {
  const struct {
    const char* nom;
    const char* raison;
  } cas[] = {
      {"CON", "périphérique (CON)"},           {"con.txt", "périphérique (CON)"},   {"LPT1.dat", "périphérique (LPT1)"},
      {"aux .svg", "périphérique (AUX)"},      {"F1.", "point ou une espace"},      {"F1 ", "point ou une espace"},
      {"F?1.dat", "interdit par Windows (?)"}, {"a:b", "interdit par Windows (:)"}, {"a<b", "interdit par Windows (<)"},
  };
  for (const auto& c : cas) {
    try {
      fichiers_du_systeme().ecrire(dans(c.nom), "x");
      ADD_FAILURE() << c.nom << " accepté";
    } catch (const ErreurFichier& e) {
      EXPECT_NE(e.detail().find(c.raison), std::string::npos) << c.nom << " : " << e.what();
    }
  }
  // Near misses are ordinary names.
  for (const char* nom : {"CONSOLE.txt", "COM0.dat", "F1.dat", "LPT10"})
    EXPECT_NO_THROW(fichiers_du_systeme().ecrire(dans(nom), "x")) << nom;
  // In a series, one forbidden name and nothing is written.
  EXPECT_THROW(fichiers_du_systeme().ecrire_dossier(dans("s"), {{"F1.dat", "1"}, {"NUL", "2"}}), ErreurFichier);
  EXPECT_FALSE(fs::exists(dossier_ / "s"));
}

TEST_F(SousWindows, CheminsAccentuesEtEspaces) {
  const std::string dossier = dans("Users/Éric/Mes modèles");
  const auto ecrits = fichiers_du_systeme().ecrire_dossier(dossier, {{"Fuselage été.toml", "é"}});
  ASSERT_EQ(ecrits.size(), 1u);
  EXPECT_EQ(fichiers_du_systeme().lire(dossier + "\\Fuselage été.toml", 9), "é");
  EXPECT_TRUE(fs::exists(dossier_ / en_chemin("Users/Éric/Mes modèles/Fuselage été.toml")));
}

TEST_F(SousWindows, UnFichierOuvertParUnAutreProgramme) {
  const std::string chemin = dans("ouvert.dat");
  fichiers_du_systeme().ecrire(chemin, "ancien");
  const HANDLE autre = ::CreateFileW(en_chemin(chemin).wstring().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(autre, INVALID_HANDLE_VALUE);
  try {
    fichiers_du_systeme().ecrire(chemin, "nouveau");
    ADD_FAILURE() << "écrit par-dessus un fichier ouvert";
  } catch (const ErreurFichier& e) {
    EXPECT_NE(e.detail().find("ouvert par un autre programme"), std::string::npos) << e.what();
  }
  ::CloseHandle(autre);
  EXPECT_EQ(fichiers_du_systeme().lire(chemin, 99), "ancien");
  EXPECT_EQ(fs::directory_iterator(dossier_) == fs::directory_iterator(), false);
  for (const auto& e : fs::directory_iterator(dossier_)) // no temporary file left behind
    EXPECT_EQ(e.path().extension(), ".dat") << e.path();
}

} // namespace
} // namespace bilobe
#endif
