#include "common/erreurs.h"
#include "export/fichier_dat.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace bilobe {
namespace {

namespace fs = std::filesystem;

class Fichier : public testing::Test {
protected:
  void SetUp() override {
    dossier_ = fs::temp_directory_path() / ("bilobe-test-" + std::to_string(::getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dossier_);
    fs::create_directories(dossier_);
  }
  void TearDown() override {
    fs::permissions(dossier_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dossier_);
  }
  static std::string lire(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }
  std::vector<std::string> contenu_du_dossier() const {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier_)) noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
  }
  void attendre_echec(const std::string& chemin, const std::string& octets) {
    try {
      ecrire_fichier(chemin, octets);
      ADD_FAILURE() << "l'écriture aurait dû échouer : " << chemin;
    } catch (const ErreurExecution& e) {
      EXPECT_EQ(e.genre(), GenreErreur::Fichier);
      EXPECT_NE(std::string(e.what()).find(chemin), std::string::npos) << e.what();
    }
  }
  fs::path dossier_;
};

TEST_F(Fichier, RemplaceSansTraceDeLAncienContenu) {
  const fs::path p = dossier_ / "Bi-lobe 140 x 50.dat";
  ecrire_fichier(p.string(), std::string(1000, 'a'));
  ecrire_fichier(p.string(), "court\r\n");
  EXPECT_EQ(lire(p), "court\r\n");
  EXPECT_EQ(contenu_du_dossier(), std::vector<std::string>{"Bi-lobe 140 x 50.dat"});
}

TEST_F(Fichier, EchecsSansRienEcrire) {
  const fs::path existant = dossier_ / "lecture-seule.dat";
  ecrire_fichier(existant.string(), "ancien");
  fs::permissions(existant, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_directory(dossier_ / "sous-dossier.dat");

  attendre_echec(existant.string(), "nouveau");
  attendre_echec((dossier_ / "").string(), "x");                    // empty name
  attendre_echec((dossier_ / "absent" / "a.dat").string(), "x");    // missing folder
  attendre_echec((dossier_ / "sous-dossier.dat").string(), "x");    // a folder
  attendre_echec((dossier_ / std::string(300, 'n')).string(), "x"); // name too long

  EXPECT_EQ(lire(existant), "ancien");
  EXPECT_EQ(contenu_du_dossier(), (std::vector<std::string>{"lecture-seule.dat", "sous-dossier.dat"}));
}

TEST_F(Fichier, GardeLesDroitsDuFichierRemplaceEtSuitLesLiens) {
  const fs::path cible = dossier_ / "cible.dat";
  ecrire_fichier(cible.string(), "1");
  fs::permissions(cible, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(cible, dossier_ / "lien.dat");
  ecrire_fichier((dossier_ / "lien.dat").string(), "2");
  EXPECT_TRUE(fs::is_symlink(dossier_ / "lien.dat"));
  EXPECT_EQ(lire(cible), "2");
  EXPECT_EQ(fs::status(cible).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
} // namespace bilobe
