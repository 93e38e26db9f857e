#include "formats/stl.h"
#include "fuselage_essai.h"
#include "geometry/decalage.h"
#include "geometry/lignes.h"
#include "serie/fichier_fuselage.h"
#include "serie/fuselage_3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <unistd.h>

namespace bilobe {
namespace {

namespace fs = std::filesystem;

// A scratch folder for the test's files, removed after it.
struct Dossier {
  fs::path chemin = fs::temp_directory_path() / ("bilobe-3d-" + std::to_string(::getpid()));
  Dossier() { fs::create_directories(chemin); }
  ~Dossier() { fs::remove_all(chemin); }
};

// Each piece of the fuselage as its own STL file, in order.
std::vector<fs::path> ecrire_stl(const DescriptionSerie& d, const fs::path& dossier) {
  fs::create_directories(dossier);
  const std::vector<Maillage> pieces = pieces_du_fuselage(d);
  std::vector<fs::path> fichiers;
  for (std::size_t k = 0; k < pieces.size(); ++k) {
    fichiers.push_back(dossier / ("piece " + std::to_string(k + 1) + ".stl"));
    std::ofstream(fichiers.back(), std::ios::binary) << contenu_stl(pieces[k], "essai");
  }
  return fichiers;
}

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

using essai::fuselage;
using essai::station;

double aire(const Boucle& b) { return std::abs(aire_signee(b)); }

Boucle contour(const CoupleSerie& c) { return lignes_du_couple(tracer(c.champs)).exterieur; }

// The volumes ADMesh measures against the solids they should be, every file
// whole; pieces add up to the whole.
TEST(Fuselage3d, VolumesExactsEtFichiersEntiers) {
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
  const Dossier dossier;
  for (const Cas& k : cas) {
    const DescriptionSerie d = lire_description(fuselage(k.echelle, k.impression), "f.toml");
    const std::vector<fs::path> fichiers = ecrire_stl(d, dossier.chemin / k.nom);
    ASSERT_EQ(fichiers.size(), k.pieces) << k.nom;
    const std::vector<CoupleSerie> couples = couples_de(d);
    double total = 0;
    for (const fs::path& f : fichiers) {
      const Admesh a = admesh(f);
      a.entier(k.nom);
      total += a.nombre("Volume");
    }
    const double attendu = k.attendu(couples.front(), couples.back());
    EXPECT_NEAR(total / attendu, 1, k.tolerance) << k.nom << " : " << total << " mm³ pour " << attendu << " sur " << L;
  }
}

// The example's fuselage whole and in 200 mm pieces: every file whole, and
// the pieces weigh what the whole does.
TEST(Fuselage3d, ExempleEntierEtEnTronconsDe200) {
  const Dossier dossier;
  DescriptionSerie d = lire_fichier_fuselage(std::string(BILOBE_EXEMPLES) + "/planeur.toml");
  const std::vector<fs::path> entier = ecrire_stl(d, dossier.chemin / "entier");
  ASSERT_EQ(entier.size(), 1u);
  const Admesh tout = admesh(entier.front());
  tout.entier("Fuselage.stl");
  d.impression_3d.troncon = 200;
  const std::vector<fs::path> coupe = ecrire_stl(d, dossier.chemin / "coupe");
  ASSERT_EQ(coupe.size(), 5u);
  double somme = 0;
  for (const fs::path& f : coupe) {
    const Admesh piece = admesh(f);
    piece.entier(f.filename().string());
    somme += piece.nombre("Volume");
  }
  EXPECT_NEAR(somme / tout.nombre("Volume"), 1, 1e-5);
}

// A description made by a caller, not read from a file: a step far too
// small is refused before any section is listed.
TEST(Fuselage3d, PasMinusculeRefuseAvantLesSections) {
  DescriptionSerie d = lire_description(fuselage(1, ""), "f.toml");
  d.impression_3d.pas = 1e-300;
  EXPECT_THROW(nombre_de_pieces(d), DescriptionInvalide);
  EXPECT_THROW(pieces_du_fuselage(d), DescriptionInvalide);
}

} // namespace
} // namespace bilobe
