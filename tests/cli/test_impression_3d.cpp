#include "cli/commande_serie.h"
#include "dossier_de_travail.h"
#include "geometry/decalage.h"
#include "geometry/lignes.h"
#include "serie/fichier_fuselage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>

namespace bilobe::cli {
namespace {

namespace fs = std::filesystem;

// What ADMesh says of an STL file: whole when it finds one part and has
// nothing to remove, add, fix or turn round.
struct Admesh {
  std::string rapport;
  double nombre(const std::string& libelle) const {
    std::smatch m;
    if (!std::regex_search(rapport, m, std::regex(libelle + R"(\s*:\s*(-?[0-9.]+))"))) return NAN;
    return std::stod(m[1]);
  }
  void entier(const std::string& fichier) const {
    EXPECT_EQ(nombre("Number of parts"), 1) << fichier;
    for (const char* rien : {"Total disconnected facets", "Degenerate facets", "Edges fixed", "Facets removed",
                             "Facets added", "Facets reversed", "Backwards edges", "Normals fixed"})
      EXPECT_EQ(nombre(rien), 0) << fichier << " : " << rien;
  }
};

Admesh admesh(const fs::path& stl) {
  Admesh a;
  FILE* sortie = ::popen(("admesh '" + stl.string() + "' 2>&1").c_str(), "r");
  if (!sortie) return a;
  char tampon[4096];
  for (std::size_t lu; (lu = std::fread(tampon, 1, sizeof tampon, sortie)) > 0;) a.rapport.append(tampon, lu);
  ::pclose(sortie);
  EXPECT_NE(a.rapport.find("Results produced by ADMesh"), std::string::npos) << "admesh manque ? " << a.rapport;
  return a;
}

std::string station(double position, double echelle) {
  const double cotes[] = {30, 45, 18, 28, 20, 0, 0, 3};
  const char* cles[] = {"xtot", "ytot", "xa", "ya", "yinf", "segh", "segv", "ep"};
  std::string t = "[[station]]\nposition = " + std::to_string(position) + "\n";
  for (int k = 0; k < 8; ++k) t += std::string(cles[k]) + " = " + std::to_string(cotes[k] * echelle) + "\n";
  return t;
}

// Two stations 300 mm apart, the second `echelle` times the first.
std::string fuselage(double echelle, const std::string& impression) {
  return "nombre = 2\n[planche]\nlargeur = 600\nhauteur = 300\n[impression]\n" + impression + "\n" + station(0, 1) +
         station(300, echelle);
}

double aire(const Boucle& b) { return std::abs(aire_signee(b)); }

Boucle contour(const CoupleSerie& c) { return lignes_du_couple(tracer(c.champs)).exterieur; }

using Impression3d = DossierDeTravail;

// The volumes ADMesh measures against the solids they should be, every file
// whole; pieces add up to the whole.
TEST_F(Impression3d, VolumesExactsEtFichiersEntiers) {
  struct Cas {
    const char* nom;
    double echelle;
    const char* impression;
    std::size_t pieces;
    double tolerance; // relative
    double (*attendu)(const CoupleSerie& avant, const CoupleSerie& arriere);
  };
  const double L = 300;
  const auto prisme = [](const CoupleSerie& a, const CoupleSerie&) { return aire(contour(a)) * 300; };
  const auto tronc = [](const CoupleSerie& a, const CoupleSerie& b) {
    const double a1 = aire(contour(a)), a2 = aire(contour(b));
    return 300.0 / 3 * (a1 + a2 + std::sqrt(a1 * a2));
  };
  const auto coque = [](const CoupleSerie& a, const CoupleSerie&) {
    const Boucle dehors = contour(a);
    return (aire(dehors) - aire(decaler(dehors, -2, "essai"))) * 300;
  };
  const Cas cas[] = {
      {"prisme", 1, "pas = 5", 1, 0.002, prisme},
      {"tronc de cône", 0.5, "pas = 5", 1, 0.003, tronc},
      {"coque", 1, "paroi = 2", 1, 0.005, coque},
      {"tronçons", 0.5, "troncon = 120", 3, 0.003, tronc},
      {"coque en tronçons", 1, "paroi = 2\ntroncon = 100", 3, 0.005, coque},
  };
  for (const Cas& k : cas) {
    const fs::path dossier = dossier_ / k.nom;
    fs::create_directories(dossier);
    std::ofstream(dossier / "f.toml") << fuselage(k.echelle, k.impression);
    const Sortie s =
        lancer_commande(executer_serie, {(dossier / "f.toml").string(), "-o", dossier.string(), "--format", "stl"});
    ASSERT_EQ(s.code, 0) << k.nom << " : " << s.err;
    const std::vector<CoupleSerie> couples = couples_de(lire_fichier_fuselage((dossier / "f.toml").string()));
    double total = 0;
    for (std::size_t p = 1; p <= k.pieces; ++p) {
      const std::string nom = k.pieces == 1 ? "Fuselage.stl" : "Fuselage " + std::to_string(p) + ".stl";
      const Admesh a = admesh(dossier / nom);
      a.entier(nom);
      total += a.nombre("Volume");
    }
    EXPECT_FALSE(fs::exists(dossier / ("Fuselage " + std::to_string(k.pieces + 1) + ".stl"))) << k.nom;
    const double attendu = k.attendu(couples.front(), couples.back());
    EXPECT_NEAR(total / attendu, 1, k.tolerance) << k.nom << " : " << total << " mm³ pour " << attendu << " sur " << L;
  }
}

// The example's fuselage whole and in 200 mm pieces: every file whole, and
// the pieces weigh what the whole does.
TEST_F(Impression3d, ExempleEntierEtEnTronconsDe200) {
  std::ifstream exemple(std::string(BILOBE_EXEMPLES) + "/planeur.toml");
  const std::string texte((std::istreambuf_iterator<char>(exemple)), std::istreambuf_iterator<char>());
  std::ofstream("coupe.toml") << texte << "\n[impression]\ntroncon = 200\n";
  ASSERT_EQ(lancer_commande(executer_serie,
                            {std::string(BILOBE_EXEMPLES) + "/planeur.toml", "-o", "entier", "--format", "stl"})
                .code,
            0);
  ASSERT_EQ(lancer_commande(executer_serie, {"coupe.toml", "-o", "coupe", "--format", "stl"}).code, 0);
  const Admesh entier = admesh("entier/Fuselage.stl");
  entier.entier("Fuselage.stl");
  double somme = 0;
  for (int p = 1; p <= 5; ++p) {
    const std::string nom = "Fuselage " + std::to_string(p) + ".stl";
    const Admesh piece = admesh("coupe/" + nom);
    piece.entier(nom);
    somme += piece.nombre("Volume");
  }
  EXPECT_NEAR(somme / entier.nombre("Volume"), 1, 1e-5);
}

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
