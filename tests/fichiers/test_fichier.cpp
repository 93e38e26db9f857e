#include "common/erreurs.h"
#include "fichiers/posix/ecriture_atomique.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
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

namespace bilobe {
namespace {

// One table of targets, each with what the writer must do with it. Rows that
// need root (devices, other owners) are skipped, with a message, where the
// test does not run as root; the rest hold for any user.
struct CasCible {
  const char* nom;
  // Prepares the folder; returns the reason to skip, or nothing.
  std::function<std::optional<std::string>(const fs::path&)> preparer;
  std::string cible; // what the save is given, in the folder
  std::string refus; // part of the message when refused, empty when written
  std::string ecrit; // the file that then holds the bytes
};

void PrintTo(const CasCible& k, std::ostream* os) { *os << k.nom; }

constexpr uid_t AUTRE = 65534; // a spare user id (nobody)

std::optional<std::string> racine_requise() {
  if (::geteuid() != 0) return "réservé à root (périphériques, autres propriétaires)";
  return std::nullopt;
}

void fichier(const fs::path& p, const std::string& contenu = "ancien") {
  std::ofstream(p, std::ios::binary) << contenu;
}

std::optional<std::string> rien(const fs::path&) { return std::nullopt; }

const CasCible CIBLES[] = {
    {"nom_libre", rien, "neuf.dat", "", "neuf.dat"},
    {"fichier_ordinaire",
     [](const fs::path& d) {
       fichier(d / "cible.dat");
       return rien(d);
     },
     "cible.dat", "", "cible.dat"},
    {"lecture_seule",
     [](const fs::path& d) {
       fichier(d / "cible.dat");
       fs::permissions(d / "cible.dat", fs::perms::owner_read);
       return rien(d);
     },
     "cible.dat", "lecture seule", ""},
    {"dossier",
     [](const fs::path& d) {
       fs::create_directory(d / "cible.dat");
       return rien(d);
     },
     "cible.dat", "dossier", ""},
    {"peripherique",
     [](const fs::path& d) -> std::optional<std::string> {
       if (::mknod((d / "cible.dat").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
         return "mknod refusé ici : " + std::string(std::strerror(errno));
       return std::nullopt;
     },
     "cible.dat", "périphérique", ""},
    {"tube_nomme",
     [](const fs::path& d) {
       ::mkfifo((d / "cible.dat").c_str(), 0666);
       return rien(d);
     },
     "cible.dat", "tube nommé", ""},
    {"socket",
     [](const fs::path& d) {
       const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
       sockaddr_un adresse{};
       adresse.sun_family = AF_UNIX;
       const std::string chemin = (d / "cible.dat").string();
       chemin.copy(adresse.sun_path, sizeof adresse.sun_path - 1);
       ::bind(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse);
       ::close(s);
       return rien(d);
     },
     "cible.dat", "socket", ""},
    {"lien_vers_un_fichier",
     [](const fs::path& d) {
       fichier(d / "vrai.dat");
       fs::create_symlink("vrai.dat", d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "", "vrai.dat"},
    {"lien_vers_un_lien",
     [](const fs::path& d) {
       fs::create_directory(d / "sous");
       fichier(d / "sous" / "vrai.dat");
       fs::create_symlink("sous/vrai.dat", d / "l1");
       fs::create_symlink(d / "l1", d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "", "sous/vrai.dat"},
    {"lien_vers_lecture_seule",
     [](const fs::path& d) {
       fichier(d / "vrai.dat");
       fs::permissions(d / "vrai.dat", fs::perms::owner_read);
       fs::create_symlink("vrai.dat", d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "lecture seule", ""},
    {"lien_vers_un_dossier",
     [](const fs::path& d) {
       fs::create_directory(d / "vrai");
       fs::create_symlink("vrai", d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "dossier", ""},
    {"lien_vers_un_peripherique",
     [](const fs::path& d) -> std::optional<std::string> {
       if (::mknod((d / "vrai").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
         return "mknod refusé ici : " + std::string(std::strerror(errno));
       fs::create_symlink("vrai", d / "lien.dat");
       return std::nullopt;
     },
     "lien.dat", "périphérique", ""},
    {"lien_vers_un_tube",
     [](const fs::path& d) {
       ::mkfifo((d / "vrai").c_str(), 0666);
       fs::create_symlink("vrai", d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "tube nommé", ""},
    {"lien_sans_cible",
     [](const fs::path& d) {
       fs::create_symlink("absent.dat", d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "sans cible", ""},
    {"lien_en_boucle",
     [](const fs::path& d) {
       fs::create_symlink("lien.dat", d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "trop de liens", ""},
    // A stream of the process by its name: here a scratch file open on a
    // descriptor, reached through /proc.
    {"flux_par_son_nom",
     [](const fs::path& d) {
       fichier(d / "journal.log");
       const int fd = ::open((d / "journal.log").c_str(), O_WRONLY | O_APPEND);
       fs::create_symlink("/proc/self/fd/" + std::to_string(fd), d / "lien.dat");
       return rien(d);
     },
     "lien.dat", "utilisez « -o - »", ""},
    {"lien_a_soi_dans_un_dossier_partage",
     [](const fs::path& d) {
       fs::create_directory(d / "partage");
       fs::permissions(d / "partage", fs::perms::all | fs::perms::sticky_bit);
       fichier(d / "vrai.dat");
       fs::create_symlink(d / "vrai.dat", d / "partage" / "lien.dat");
       return rien(d);
     },
     "partage/lien.dat", "", "vrai.dat"},
    {"lien_etranger_dans_un_dossier_partage",
     [](const fs::path& d) -> std::optional<std::string> {
       if (auto r = racine_requise()) return r;
       fs::create_directory(d / "partage");
       fs::permissions(d / "partage", fs::perms::all | fs::perms::sticky_bit);
       fichier(d / "vrai.dat");
       fs::create_symlink(d / "vrai.dat", d / "partage" / "lien.dat");
       ::lchown((d / "partage" / "lien.dat").c_str(), AUTRE, AUTRE);
       return std::nullopt;
     },
     "partage/lien.dat", "autre utilisateur", ""},
    {"lien_du_proprietaire_du_dossier_partage",
     [](const fs::path& d) -> std::optional<std::string> {
       if (auto r = racine_requise()) return r;
       fs::create_directory(d / "partage");
       fs::permissions(d / "partage", fs::perms::all | fs::perms::sticky_bit);
       ::chown((d / "partage").c_str(), AUTRE, AUTRE);
       fichier(d / "vrai.dat");
       fs::create_symlink(d / "vrai.dat", d / "partage" / "lien.dat");
       ::lchown((d / "partage" / "lien.dat").c_str(), AUTRE, AUTRE);
       return std::nullopt;
     },
     "partage/lien.dat", "", "vrai.dat"},
    {"fichier_d_un_autre_avec_bits_set_id",
     [](const fs::path& d) -> std::optional<std::string> {
       if (auto r = racine_requise()) return r;
       fichier(d / "cible.dat");
       ::chown((d / "cible.dat").c_str(), AUTRE, AUTRE);
       ::chmod((d / "cible.dat").c_str(), 06755);
       return std::nullopt;
     },
     "cible.dat", "", "cible.dat"},
    {"nom_de_255_octets", rien, std::string(251, 'n') + ".dat", "", std::string(251, 'n') + ".dat"},
    {"nom_de_256_octets", rien, std::string(252, 'n') + ".dat", "nom trop long", ""},
};

class Cibles : public testing::TestWithParam<CasCible> {
protected:
  void SetUp() override {
    dossier_ = fs::temp_directory_path() / ("bilobe-cibles-" + std::to_string(::getpid()));
    fs::remove_all(dossier_);
    fs::create_directories(dossier_);
    fs::permissions(dossier_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
  }
  void TearDown() override { fs::remove_all(dossier_); }

  // What each entry of the folder is, followed by its content for files.
  std::map<std::string, std::string> etat() const {
    std::map<std::string, std::string> e;
    for (const auto& entree : fs::recursive_directory_iterator(dossier_)) {
      const std::string nom = entree.path().lexically_relative(dossier_).string();
      struct stat s {};
      ::lstat(entree.path().c_str(), &s);
      std::string valeur = std::to_string(s.st_mode) + ":" + std::to_string(s.st_uid);
      if (S_ISREG(s.st_mode)) valeur += ":" + Fichier_lire(entree.path());
      if (S_ISLNK(s.st_mode)) valeur += ":" + fs::read_symlink(entree.path()).string();
      e[nom] = valeur;
    }
    return e;
  }
  static std::string Fichier_lire(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), {});
  }
  fs::path dossier_;
};

TEST_P(Cibles, ChaqueGenreDeCible) {
  const CasCible& k = GetParam();
  if (const auto raison = k.preparer(dossier_)) GTEST_SKIP() << *raison;
  const auto avant = etat();
  struct stat ancien {};
  const bool existait = !k.ecrit.empty() && ::stat((dossier_ / k.ecrit).c_str(), &ancien) == 0;
  const std::string chemin = (dossier_ / k.cible).string();

  if (!k.refus.empty()) {
    try {
      ecrire_fichier(chemin, "nouveau");
      ADD_FAILURE() << "aurait dû être refusé";
    } catch (const ErreurExecution& e) {
      EXPECT_EQ(e.genre(), GenreErreur::Fichier);
      EXPECT_NE(std::string(e.what()).find(chemin), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(k.refus), std::string::npos) << e.what();
    }
    EXPECT_EQ(etat(), avant); // nothing changed, nothing left
    return;
  }

  const std::string ecrit = ecrire_fichier(chemin, "nouveau");
  EXPECT_EQ(ecrit, (dossier_ / k.ecrit).string());
  EXPECT_EQ(Fichier_lire(dossier_ / k.ecrit), "nouveau");
  struct stat s {};
  ASSERT_EQ(::lstat((dossier_ / k.ecrit).c_str(), &s), 0);
  EXPECT_TRUE(S_ISREG(s.st_mode));
  if (existait) {
    EXPECT_EQ(s.st_uid, ancien.st_uid);
    EXPECT_EQ(s.st_gid, ancien.st_gid);
    EXPECT_EQ(s.st_mode & 07777, ancien.st_mode & 01777); // without the set-ID bits
  } else {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    EXPECT_EQ(s.st_mode & 07777, 0666 & ~masque);
  }
  // Every other entry as it was, links included, and no temporary file.
  auto apres = etat();
  auto attendu = avant;
  apres.erase(k.ecrit);
  attendu.erase(k.ecrit);
  EXPECT_EQ(apres, attendu);
}

INSTANTIATE_TEST_SUITE_P(Tableau, Cibles, testing::ValuesIn(CIBLES), [](const auto& info) { return info.param.nom; });

// A killed run leaves its short temporary name behind only in the instant
// before the rename; the next save in that folder removes it, and nothing
// that is not of a dead run of ours.
TEST_F(Fichier, EnleveLesRestesDesEcrituresInterrompues) {
  const pid_t mort = ::fork();
  if (mort == 0) ::_exit(0);
  ::waitpid(mort, nullptr, 0);
  const std::string reste = ".bilobe-" + std::to_string(mort) + "-0.tmp";
  const std::string vivant = ".bilobe-" + std::to_string(::getppid()) + "-0.tmp";
  for (const std::string& nom : {reste, vivant, std::string(".bilobe-x-0.tmp"), std::string("autre.tmp")})
    std::ofstream(dossier_ / nom) << "reste";
  ecrire_fichier((dossier_ / "cible.dat").string(), "nouveau");
  EXPECT_EQ(contenu_du_dossier(), (std::vector<std::string>{vivant, ".bilobe-x-0.tmp", "autre.tmp", "cible.dat"}));
}

} // namespace
} // namespace bilobe
