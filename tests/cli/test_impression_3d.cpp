#include "../serie/fuselage_essai.h"
#include "cli/commande_serie.h"
#include "dossier_de_travail.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace bilobe::cli {
namespace {

namespace fs = std::filesystem;

using essai::fuselage;
using essai::station;

using Impression3d = DossierDeTravail;

// A section that cannot be traced, or whose wall leaves nothing, is named by
// its position, and nothing is written.
TEST_F(Impression3d, SectionImpossibleNommeeEtRienDEcrit) {
  struct Cas {
    const char* nom;
    std::string fuselage;
    const char* message;
  };
  std::string jonction = fuselage(1, "");
  jonction.insert(jonction.find("[[station]]\nposition = 300"),
                  station(150, 1).replace(station(150, 1).find("xa = 18"), 7, "xa = 40"));
  const Cas cas[] = {
      {"jonction sur le flanc entre deux couples", jonction, "bilobe-serie : section à 85 mm : "},
      {"paroi plus épaisse que le fuselage", fuselage(1, "paroi = 40"),
       "bilobe-serie : section à 0 mm : Argument ou opération invalide (paroi de l'impression)"},
  };
  for (const Cas& k : cas) {
    std::ofstream("f.toml") << k.fuselage;
    const Sortie s = lancer_commande(executer_serie, {"f.toml", "-o", "sortie", "--format", "stl,dat"});
    EXPECT_EQ(s.code, 1) << k.nom;
    EXPECT_EQ(s.err.rfind(k.message, 0), 0u) << k.nom << " : " << s.err;
    EXPECT_FALSE(fs::exists("sortie")) << k.nom;
  }
}

// The 3D fuselage asks for nothing of the sheets: a former too large for
// them, or a fuselage too long for the default step, stops only the formats
// that need them.
TEST_F(Impression3d, LeStlSeulNeDemandeNiPlanchesNiCouples) {
  struct Cas {
    const char* nom;
    std::string fuselage;
    const char* formats;
    int code;
    const char* message; // how the error starts, or the only files written
  };
  std::string petite_planche = fuselage(1, "");
  petite_planche.replace(petite_planche.find("largeur = 600\nhauteur = 300"), 27, "largeur = 40\nhauteur = 40");
  std::string long_de_26_m =
      "nombre = 2\n[planche]\nlargeur = 600\nhauteur = 300\n" + station(0, 1) + station(26000, 1);
  const std::string a_5_microns =
      "nombre = 2\n[planche]\nlargeur = 600\nhauteur = 300\n" + station(0, 1) + station(0.005, 1);
  std::string tranche_fine = fuselage(1, "pas = 5\ntroncon = 149.995");
  const Cas cas[] = {
      {"planche trop petite, STL seul", petite_planche, "stl", 0, "Fuselage.stl"},
      {"planche trop petite, avec les planches", petite_planche, "stl,dxf", 1, "bilobe-serie : F1 : "},
      {"26 m sans [impression], couples seuls", long_de_26_m, "dat", 0, "F1.dat F2.dat Profil.svg"},
      {"26 m sans [impression], STL", long_de_26_m, "stl", 2, "bilobe-serie : impression.pas : pas trop petit"},
      {"26 m, plan de plus de 100 pages", long_de_26_m, "plan", 1,
       "bilobe-serie : Dépassement de capacité (Plan.pdf) : il faudrait plus de 100 pages A4 : écrivez la série sans "
       "« plan »"},
      {"stations à 5 µm", a_5_microns, "stl", 1,
       "bilobe-serie : Argument ou opération invalide (fuselage en 3D) : "
       "moins de deux sections"},
      {"dernier tronçon de 0.015 mm", tranche_fine, "stl", 0, "Fuselage 1.stl Fuselage 2.stl"},
  };
  for (const Cas& k : cas) {
    SCOPED_TRACE(k.nom);
    fs::remove_all("sortie");
    std::ofstream("f.toml") << k.fuselage;
    const Sortie s = lancer_commande(executer_serie, {"f.toml", "-o", "sortie", "--format", k.formats});
    EXPECT_EQ(s.code, k.code) << s.err;
    if (k.code != 0) {
      EXPECT_EQ(s.err.rfind(k.message, 0), 0u) << s.err;
      EXPECT_FALSE(fs::exists("sortie"));
      continue;
    }
    std::vector<std::string> noms;
    for (const auto& f : fs::directory_iterator("sortie")) noms.push_back(f.path().filename().string());
    std::sort(noms.begin(), noms.end());
    std::string ecrits;
    for (const std::string& n : noms) ecrits += (ecrits.empty() ? "" : " ") + n;
    EXPECT_EQ(ecrits, k.message);
  }
}

} // namespace
} // namespace bilobe::cli
