// The promises of the files' seam, one table run against each backend: the
// system's, in a scratch folder, and memory.
#include "common/erreurs.h"
#include "fichiers/fichiers.h"
#include "fichiers/fichiers_en_memoire.h"

#include "common/dossier_essai.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

namespace bilobe {
namespace {

namespace fs = std::filesystem;

// A backend and the means to arrange its files around a case.
struct Banc {
  std::string nom;
  Fichiers& fichiers;
  std::string racine;
  std::function<void(const std::string&)> creer_dossier;
  std::function<void(const std::string&)> proteger;
};

bool absent(const Banc& b, const std::string& chemin) {
  try {
    b.fichiers.lire(chemin, 1 << 20);
    return false;
  } catch (const ErreurFichier&) {
    return true;
  }
}

// The error of `action`, which must be a file error naming `nom`.
template <class Action> void refuse(const Banc& b, const std::string& nom, Action action) {
  try {
    action();
    ADD_FAILURE() << b.nom << " : accepté, " << nom;
  } catch (const ErreurFichier& e) {
    EXPECT_NE(e.lieu().find(nom), std::string::npos) << b.nom << " : " << e.what();
  }
}

const struct Cas {
  const char* nom;
  std::function<void(Banc&)> essai;
} CAS[] = {
    {"écrit puis relu",
     [](Banc& b) {
       const std::string ecrit = b.fichiers.ecrire(b.racine + "/a é.txt", "é\n");
       EXPECT_TRUE(ecrit.ends_with("/a é.txt") || ecrit.ends_with("\\a é.txt")) << ecrit;
       EXPECT_EQ(b.fichiers.lire(ecrit, 100), "é\n");
     }},
    {"un fichier remplacé",
     [](Banc& b) {
       b.fichiers.ecrire(b.racine + "/r.txt", "1");
       b.fichiers.ecrire(b.racine + "/r.txt", "22");
       EXPECT_EQ(b.fichiers.lire(b.racine + "/r.txt", 100), "22");
     }},
    {"un fichier absent",
     [](Banc& b) { refuse(b, "absent.txt", [&] { b.fichiers.lire(b.racine + "/absent.txt", 9); }); }},
    {"la taille lue bornée",
     [](Banc& b) {
       b.fichiers.ecrire(b.racine + "/dix.txt", "0123456789");
       refuse(b, "dix.txt", [&] { b.fichiers.lire(b.racine + "/dix.txt", 9); });
       EXPECT_EQ(b.fichiers.lire(b.racine + "/dix.txt", 10), "0123456789");
     }},
    {"un dossier n'est pas un fichier",
     [](Banc& b) {
       b.creer_dossier(b.racine + "/d");
       refuse(b, "d", [&] { b.fichiers.lire(b.racine + "/d", 9); });
       refuse(b, "d", [&] { b.fichiers.verifier_cible(b.racine + "/d"); });
       refuse(b, "d", [&] { b.fichiers.ecrire(b.racine + "/d", "x"); });
     }},
    {"un dossier absent",
     [](Banc& b) {
       refuse(b, "y.txt", [&] { b.fichiers.ecrire(b.racine + "/x/y.txt", "x"); });
       EXPECT_TRUE(absent(b, b.racine + "/x/y.txt"));
     }},
    {"un fichier en lecture seule garde son contenu",
     [](Banc& b) {
       b.fichiers.ecrire(b.racine + "/p.txt", "ancien");
       b.proteger(b.racine + "/p.txt");
       refuse(b, "p.txt", [&] { b.fichiers.verifier_cible(b.racine + "/p.txt"); });
       refuse(b, "p.txt", [&] { b.fichiers.ecrire(b.racine + "/p.txt", "nouveau"); });
       EXPECT_EQ(b.fichiers.lire(b.racine + "/p.txt", 100), "ancien");
     }},
    {"une série dans des dossiers à créer",
     [](Banc& b) {
       int apres = 0;
       const auto ecrits =
           b.fichiers.ecrire_dossier(b.racine + "/s/t", {{"F1.dat", "1"}, {"F2.dat", "2"}}, [&] { ++apres; });
       ASSERT_EQ(ecrits.size(), 2u);
       EXPECT_EQ(apres, 2);
       EXPECT_EQ(b.fichiers.lire(ecrits[0], 9), "1");
       EXPECT_EQ(b.fichiers.lire(b.racine + "/s/t/F2.dat", 9), "2");
     }},
    {"un nom refusé dans une série : rien d'écrit",
     [](Banc& b) {
       b.creer_dossier(b.racine + "/s2/F2.dat");
       refuse(b, "F2.dat", [&] { b.fichiers.ecrire_dossier(b.racine + "/s2", {{"F1.dat", "1"}, {"F2.dat", "2"}}); });
       EXPECT_TRUE(absent(b, b.racine + "/s2/F1.dat"));
     }},
};

TEST(Fichiers, LesMemesPromessesPourChaqueSysteme) {
  for (const Cas& c : CAS) {
    {
      DossierEssai dossier("bilobe-fichiers");
      Banc systeme{"système", fichiers_du_systeme(), dossier.chemin().string(),
                   [](const std::string& d) { fs::create_directories(d); },
                   [](const std::string& f) { fs::permissions(f, fs::perms::owner_read | fs::perms::group_read); }};
      SCOPED_TRACE(std::string(c.nom) + ", système");
      c.essai(systeme);
    }
    {
      FichiersEnMemoire memoire;
      memoire.creer_dossier("/essai");
      Banc banc{"mémoire", memoire, "/essai", [&](const std::string& d) { memoire.creer_dossier(d); },
                [&](const std::string& f) { memoire.proteger(f); }};
      SCOPED_TRACE(std::string(c.nom) + ", mémoire");
      c.essai(banc);
    }
  }
}

TEST(Fichiers, EnMemoireLesCheminsSontNormaux) {
  FichiersEnMemoire m;
  m.creer_dossier("a/b");
  EXPECT_EQ(m.ecrire("a//./b/c.txt", "x"), "/a/b/c.txt");
  EXPECT_EQ(m.lire("/a/b/c.txt", 1), "x");
  EXPECT_THROW(m.lire("/a/../a/b/c.txt", 1), ErreurFichier);
  EXPECT_THROW(m.creer_dossier("/a/b/c.txt/d"), ErreurFichier); // a file on the way
  EXPECT_THROW(m.ecrire_dossier("/a", {{"", "x"}}), ErreurFichier);
  EXPECT_THROW(m.ecrire_dossier("/a", {{"x/y", "x"}}), ErreurFichier);
}

} // namespace
} // namespace bilobe
