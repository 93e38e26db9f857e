// Links met anywhere along a path, for the writer of one file and for the
// folder of a series, each case run as the user running the tests and, when
// that is root, again as nobody (the effective user changed around the write
// alone, the fixtures being made by root).
#include "common/erreurs.h"
#include "fichiers/posix/ecriture_atomique.h"
#include "fichiers/posix/ecriture_dossier.h"
#include "fichiers/erreurs_systeme.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace bilobe {
namespace {

namespace fs = std::filesystem;

constexpr uid_t NOBODY = 65534;
constexpr uid_t ETRANGER = 65533; // neither root nor nobody

// The effective user for a while (root comes back: its real user is kept).
class EnTantQue {
public:
  explicit EnTantQue(uid_t uid) {
    if (uid != avant_ && (::setegid(uid) != 0 || ::seteuid(uid) != 0)) ADD_FAILURE() << "seteuid " << uid;
  }
  ~EnTantQue() {
    if (::geteuid() != avant_ && (::seteuid(avant_) != 0 || ::setegid(groupe_) != 0)) std::abort();
  }
  EnTantQue(const EnTantQue&) = delete;
  EnTantQue& operator=(const EnTantQue&) = delete;

private:
  uid_t avant_ = ::geteuid();
  gid_t groupe_ = ::getegid();
};

std::string lire(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void proprietaire(const fs::path& p, uid_t uid) { ASSERT_EQ(::lchown(p.c_str(), uid, uid), 0) << p; }

// The scene of every case, in `d`: a shared sticky folder S (root's) and a
// victim folder V holding F1.dat, both made by root and given to `moi`.
struct Scene {
  fs::path d;
  uid_t moi;
  void lien(const fs::path& cible, const fs::path& lien, uid_t uid) const {
    fs::create_symlink(cible, d / lien);
    proprietaire(d / lien, uid);
  }
};

enum class Ecriture { Fichier, Dossier };

struct CasChemin {
  const char* nom;
  void (*preparer)(const Scene&);
  Ecriture ecriture;
  std::string chemin;          // relative to d
  const char* refus;           // part of the message; empty: written
  const char* ecrit;           // where the bytes land, relative to d
  bool racine_requise = false; // links of another user
};

void PrintTo(const CasChemin& k, std::ostream* os) { *os << k.nom; }

const CasChemin CAS[] = {
    {"lien_etranger_comme_dossier_de_sortie", [](const Scene& s) { s.lien(s.d / "V", "S/out", ETRANGER); },
     Ecriture::Dossier, "S/out", "autre utilisateur", "", true},
    {"lien_etranger_comme_dossier_du_milieu", [](const Scene& s) { s.lien(s.d / "V", "S/lien", ETRANGER); },
     Ecriture::Fichier, "S/lien/F1.dat", "autre utilisateur", "", true},
    {"lien_etranger_au_bout_d_un_lien_a_soi",
     [](const Scene& s) {
       s.lien(s.d / "V", "S/etranger", ETRANGER);
       s.lien(s.d / "S/etranger", "a_moi", s.moi);
     },
     Ecriture::Dossier, "a_moi/sous", "autre utilisateur", "", true},
    {"lien_a_soi_comme_dossier_de_sortie", [](const Scene& s) { s.lien(s.d / "V", "S/out", s.moi); }, Ecriture::Dossier,
     "S/out", "", "V/F1.dat"},
    {"lien_a_soi_comme_dossier_du_milieu", [](const Scene& s) { s.lien("../V", "S/lien", s.moi); }, Ecriture::Fichier,
     "S/lien/F1.dat", "", "V/F1.dat"},
    {"lien_du_proprietaire_du_dossier_partage",
     [](const Scene& s) {
       proprietaire(s.d / "S", ETRANGER);
       s.lien(s.d / "V", "S/out", ETRANGER);
     },
     Ecriture::Dossier, "S/out/neuf", "", "V/neuf/F1.dat", true},
    {"lien_etranger_hors_d_un_dossier_partage", [](const Scene& s) { s.lien("V", "lien", ETRANGER); },
     Ecriture::Fichier, "lien/F1.dat", "", "V/F1.dat", true},
    {"lien_sans_cible_comme_dossier_de_sortie", [](const Scene& s) { s.lien("absent", "S/out", s.moi); },
     Ecriture::Dossier, "S/out", "lien symbolique sans cible", ""},
    {"lien_sans_cible_comme_dossier_du_milieu", [](const Scene& s) { s.lien("absent", "S/out", s.moi); },
     Ecriture::Fichier, "S/out/F1.dat", "lien symbolique sans cible", ""},
    {"dossiers_a_creer_par_un_lien", [](const Scene& s) { s.lien("V", "lien", s.moi); }, Ecriture::Dossier,
     "lien/a/../b/c", "", "V/b/c/F1.dat"},
    // Only root, or the file's owner, keeps a replaced file's owner; the mode stays.
    {"fichier_d_un_autre_dans_son_dossier",
     [](const Scene& s) {
       proprietaire(s.d / "V/F1.dat", ETRANGER);
       fs::permissions(s.d / "V/F1.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
     },
     Ecriture::Fichier, "V/F1.dat", "", "V/F1.dat", true},
    {"nom_trop_long_plus_bas_qu_un_dossier_a_creer", [](const Scene&) {}, Ecriture::Dossier,
     "neuf/" + std::string(300, 'n') + "/x", "nom trop long", ""},
};

// The scene made by root (or by the user running the tests) for `moi`.
class ScenePreparee {
public:
  explicit ScenePreparee(uid_t moi) {
    s_.moi = moi;
    s_.d = fs::temp_directory_path() / ("bilobe-chemins-" + std::to_string(::getpid()));
    fs::remove_all(s_.d);
    fs::create_directories(s_.d / "S");
    fs::create_directories(s_.d / "V");
    std::ofstream(s_.d / "V" / "F1.dat") << "précieux";
    fs::permissions(s_.d / "S", fs::perms::all | fs::perms::sticky_bit);
    fs::permissions(s_.d, fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
    for (const char* p : {"", "V", "V/F1.dat"}) proprietaire(s_.d / p, moi);
  }
  ~ScenePreparee() { fs::remove_all(s_.d); }
  ScenePreparee(const ScenePreparee&) = delete;
  ScenePreparee& operator=(const ScenePreparee&) = delete;
  const Scene& operator*() const { return s_; }

  // Every entry below d, with its kind, owner and content.
  std::map<std::string, std::string> etat() const {
    std::map<std::string, std::string> e;
    for (const auto& f : fs::recursive_directory_iterator(s_.d)) {
      struct stat s {};
      ::lstat(f.path().c_str(), &s);
      e[f.path().lexically_relative(s_.d).string()] =
          std::to_string(s.st_mode) + ":" + std::to_string(s.st_uid) + (S_ISREG(s.st_mode) ? lire(f.path()) : "");
    }
    return e;
  }

private:
  Scene s_;
};

// The user of each run: the one running the tests, or nobody when that is root.
uid_t utilisateur(bool comme_nobody) { return comme_nobody ? NOBODY : ::geteuid(); }

class Chemins : public testing::TestWithParam<std::tuple<CasChemin, bool>> {};

TEST_P(Chemins, ChaqueLienSurLeChemin) {
  const auto& [k, comme_nobody] = GetParam();
  if (::geteuid() != 0 && (comme_nobody || k.racine_requise)) GTEST_SKIP() << "réservé à root";
  const ScenePreparee scene(utilisateur(comme_nobody));
  k.preparer(*scene);
  const auto avant = scene.etat();
  const fs::path& d = (*scene).d;
  const std::string chemin = (d / k.chemin).string();
  struct stat ancien {};
  const bool existait = ::stat((d / k.ecrit).c_str(), &ancien) == 0;
  std::string message;
  try {
    const EnTantQue en_tant_que((*scene).moi);
    if (k.ecriture == Ecriture::Fichier)
      ecrire_fichier(chemin, "nouveau");
    else
      ecrire_dans_dossier(chemin, {{"F1.dat", "nouveau"}});
  } catch (const ErreurExecution& e) {
    message = e.what();
  }
  if (*k.refus) {
    EXPECT_NE(message.find(k.refus), std::string::npos) << message;
    EXPECT_NE(message.find(chemin), std::string::npos) << message;
    EXPECT_EQ(scene.etat(), avant) << "rien ne doit changer";
  } else {
    EXPECT_EQ(message, "");
    EXPECT_EQ(lire(d / k.ecrit), "nouveau");
    struct stat s {};
    ASSERT_EQ(::stat((d / k.ecrit).c_str(), &s), 0);
    if (existait) {
      EXPECT_EQ(s.st_uid, (*scene).moi == 0 ? ancien.st_uid : (*scene).moi);
      EXPECT_EQ(s.st_mode, ancien.st_mode);
    }
  }
  EXPECT_EQ(lire(d / "V" / "F1.dat"), std::string(k.ecrit) == "V/F1.dat" ? "nouveau" : "précieux");
}

INSTANTIATE_TEST_SUITE_P(Tableau, Chemins, testing::Combine(testing::ValuesIn(CAS), testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).nom) +
                                  (std::get<1>(info.param) ? "_nobody" : "_root");
                         });

// A working folder deeper than the system's path limit: the series is
// written there all the same, through the folders held.
TEST(CheminsLongs, DossierDeTravailPlusProfondQueLaLimite) {
  const fs::path racine = fs::temp_directory_path() / ("bilobe-profond-" + std::to_string(::getpid()));
  fs::create_directories(racine);
  const fs::path avant = fs::current_path();
  const std::string nom(200, 'p');
  constexpr int NIVEAUX = 25; // 5,000 bytes and more
  ASSERT_EQ(::chdir(racine.c_str()), 0);
  for (int k = 0; k < NIVEAUX; ++k) ASSERT_TRUE(::mkdir(nom.c_str(), 0700) == 0 && ::chdir(nom.c_str()) == 0);
  std::vector<std::string> ecrits;
  std::string erreur;
  try {
    ecrits = ecrire_dans_dossier("sortie", {{"F1.dat", "1"}, {"F2.dat", "2"}});
  } catch (const ErreurExecution& e) {
    erreur = e.what();
  }
  EXPECT_EQ(lire("sortie/F2.dat"), "2");
  // Taken down from the inside: whole paths are too long to name.
  fs::remove_all("sortie");
  for (int k = 0; k < NIVEAUX; ++k) ASSERT_TRUE(::chdir("..") == 0 && ::rmdir(nom.c_str()) == 0);
  ASSERT_EQ(::chdir(avant.c_str()), 0);
  fs::remove_all(racine);
  EXPECT_EQ(erreur, "");
  ASSERT_EQ(ecrits.size(), 2u);
  EXPECT_GT(ecrits[1].size(), 5000u);
  EXPECT_EQ(ecrits[1].substr(ecrits[1].size() - 14), "/sortie/F2.dat");
}

// Every system error the program can meet is said in French, and one it
// does not expect by its number: never the C library's English text.
TEST(ErreursSysteme, JamaisDAnglais) {
  for (int code = 1; code < 134; ++code)
    EXPECT_EQ(raison_systeme(code).find(std::strerror(code)), std::string::npos) << code;
  EXPECT_EQ(raison_systeme(EBADF), "flux fermé");
  EXPECT_EQ(raison_systeme(4242), "erreur système 4242");
}

} // namespace
} // namespace bilobe
