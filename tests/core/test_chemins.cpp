// Links met anywhere along a path, for the writer of one file and for the
// folder of a series, each case run as the user running the tests and, when
// that is root, again as nobody (the effective user changed around the write
// alone, the fixtures being made by root).
#include "common/erreurs.h"
#include "export/dossier_serie.h"
#include "export/erreurs_systeme.h"
#include "export/fichier_dat.h"

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

// Runs `corps` as `uid` (the effective user only, so that root comes back).
template <class F> void en_tant_que(uid_t uid, F&& corps) {
  const uid_t avant = ::geteuid();
  const gid_t groupe_avant = ::getegid();
  if (uid != avant) {
    ASSERT_EQ(::setegid(uid), 0);
    ASSERT_EQ(::seteuid(uid), 0);
  }
  struct Retour {
    uid_t u;
    gid_t g;
    ~Retour() {
      if (::geteuid() != u) {
        (void)::seteuid(u);
        (void)::setegid(g);
      }
    }
  } retour{avant, groupe_avant};
  corps();
}

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
  std::string message;
  en_tant_que((*scene).moi, [&] {
    try {
      if (k.ecriture == Ecriture::Fichier)
        ecrire_fichier(chemin, "nouveau");
      else
        ecrire_dans_dossier(chemin, {{"F1.dat", "nouveau"}});
    } catch (const ErreurExecution& e) {
      message = e.what();
    }
  });
  if (*k.refus) {
    EXPECT_NE(message.find(k.refus), std::string::npos) << message;
    EXPECT_NE(message.find(chemin), std::string::npos) << message;
    EXPECT_EQ(scene.etat(), avant) << "rien ne doit changer";
  } else {
    EXPECT_EQ(message, "");
    EXPECT_EQ(lire(d / k.ecrit), "nouveau");
  }
  EXPECT_EQ(lire(d / "V" / "F1.dat"), std::string(k.ecrit) == "V/F1.dat" ? "nouveau" : "précieux");
}

INSTANTIATE_TEST_SUITE_P(Tableau, Chemins, testing::Combine(testing::ValuesIn(CAS), testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).nom) +
                                  (std::get<1>(info.param) ? "_nobody" : "_root");
                         });

// Only root, or the file's owner, may keep a replaced file's owner; the
// others make it theirs, with its mode.
TEST(Chemins, ProprietaireGardeSelonLeDroit) {
  if (::geteuid() != 0) GTEST_SKIP() << "réservé à root";
  for (const bool comme_nobody : {false, true}) {
    const ScenePreparee scene(utilisateur(comme_nobody));
    const fs::path f = (*scene).d / "V" / "F1.dat";
    ASSERT_EQ(::chown(f.c_str(), ETRANGER, ETRANGER), 0);
    ASSERT_EQ(::chmod(f.c_str(), 0640), 0);
    en_tant_que((*scene).moi, [&] { ecrire_fichier(f.string(), "nouveau"); });
    struct stat s {};
    ASSERT_EQ(::stat(f.c_str(), &s), 0);
    EXPECT_EQ(s.st_uid, comme_nobody ? NOBODY : ETRANGER);
    EXPECT_EQ(s.st_mode & 07777, 0640u);
    EXPECT_EQ(lire(f), "nouveau");
  }
}

// A working folder deeper than the system's path limit: the series is
// written there all the same, through the folders held.
TEST(CheminsLongs, DossierDeTravailPlusProfondQueLaLimite) {
  const fs::path racine = fs::temp_directory_path() / ("bilobe-profond-" + std::to_string(::getpid()));
  fs::remove_all(racine);
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
  const std::string lu = lire("sortie/F2.dat");
  // Taken down from the inside: whole paths are too long to name.
  fs::remove_all("sortie");
  for (int k = 0; k < NIVEAUX; ++k) ASSERT_TRUE(::chdir("..") == 0 && ::rmdir(nom.c_str()) == 0);
  ASSERT_EQ(::chdir(avant.c_str()), 0);
  fs::remove_all(racine);
  EXPECT_EQ(erreur, "");
  EXPECT_EQ(lu, "2");
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
