#include "cli/commande.h"
#include "cli/commande_serie.h"
#include "dossier_de_travail.h"
#include "fichiers/fichiers.h"
#include "serie/description.h"
#include "serie/fichier_fuselage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>

namespace bilobe::cli {
namespace {

namespace fs = std::filesystem;

const std::string EXEMPLE = std::string(BILOBE_EXEMPLES) + "/planeur.toml";

Sortie serie(const std::vector<std::string>& arguments) { return lancer_commande(executer_serie, arguments); }

std::string octets(const fs::path& chemin) { return fichiers_du_systeme().lire(chemin.string(), 1 << 26); }

std::set<std::string> noms(const fs::path& dossier) {
  std::set<std::string> n;
  for (const auto& f : fs::directory_iterator(dossier)) n.insert(f.path().filename().string());
  return n;
}

using Serie = DossierDeTravail;

TEST_F(Serie, ResumeDeLExemple) {
  const fs::path sortie = dossier_ / "couples";
  const Sortie s = serie({EXEMPLE, "-o", sortie.string()});
  ASSERT_EQ(s.code, 0) << s.err;
  EXPECT_EQ(s.err, "");
  std::string attendu = octets(fs::path(BILOBE_TESTS) / "cli/planeur.resume") + "Fichiers écrits :\n";
  std::vector<std::string> fichiers;
  for (int i = 1; i <= 10; ++i) fichiers.push_back("F" + std::to_string(i) + ".dat");
  for (const char* f : {"Planche 1.svg", "Planches.dxf", "Planches.pdf", "Couples.pdf", "Plan.pdf", "Profil.svg"})
    fichiers.push_back(f);
  for (const std::string& f : fichiers) attendu += "  " + (sortie / f).string() + "\n";
  EXPECT_EQ(s.out, attendu);
  EXPECT_EQ(noms(sortie), std::set<std::string>(fichiers.begin(), fichiers.end()));
}

// Each former's .DAT against bilobe-dat given the same texts, ticks and counts.
void comparer_a_bilobe_dat(const fs::path& fuselage, const fs::path& sortie) {
  const Sortie s = serie({fuselage.string(), "-o", sortie.string(), "--format", "dat"});
  ASSERT_EQ(s.code, 0) << s.err;
  const std::vector<CoupleSerie> couples = couples_de(lire_description(octets(fuselage), "f"));
  for (const CoupleSerie& c : couples) {
    const ChampsCouple& t = c.champs;
    std::vector<std::string> arguments{"--xtot",   t.xtot,   "--ytot",    t.ytot,    "--xa",   t.xa,   "--ya", t.ya,
                                       "--yinf",   t.yinf,   "--segh",    t.segh,    "--segv", t.segv, "--ep", t.ep,
                                       "--nbptel", t.nbptel, "--nbptseg", t.nbptseg, "-o",     "-"};
    if (t.ch) arguments.push_back("--ch");
    if (t.cv) arguments.push_back("--cv");
    std::ostringstream out, err;
    ASSERT_EQ(executer(arguments, out, err), 0) << c.nom << " : " << err.str();
    EXPECT_EQ(octets(sortie / (c.nom + ".dat")), out.str()) << c.nom;
  }
}

// A sheet and two stations, from 0 to 120 mm.
const char* const PLANCHE_ET_STATIONS = R"([planche]
largeur = 600
hauteur = 300
[[station]]
position = 0
xtot = 40
ytot = 80
xa = 25
ya = 50
yinf = 30
segh = 12.5
segv = 10
ep = 6
[[station]]
position = 120
xtot = 30.3
ytot = 70.1
xa = 20.7
ya = 40.2
yinf = 22.9
segh = 7.25
segv = 4.75
ep = 4.2
)";

TEST_F(Serie, ChaqueDatEgalABilobeDat) {
  comparer_a_bilobe_dat(EXEMPLE, dossier_ / "lisse");
  // Straight, at given positions, with both ticks and other point counts.
  const fs::path fuselage = ecrire("droit.toml", std::string(R"(positions = [0, 33.3, 77.77, 120]
nbptel = "60"
nbptseg = 12
ch = true
cv = true
)") + PLANCHE_ET_STATIONS);
  comparer_a_bilobe_dat(fuselage, dossier_ / "droit");
}

TEST_F(Serie, FormatsChoisis) {
  struct Cas {
    const char* formats;
    std::set<std::string> attendus;
  };
  std::set<std::string> dat{"Profil.svg"};
  for (int i = 1; i <= 10; ++i) dat.insert("F" + std::to_string(i) + ".dat");
  const Cas cas[] = {
      {"dat", dat},
      {"svg,dxf", {"Planche 1.svg", "Planches.dxf", "Profil.svg"}},
      {"pdf", {"Planches.pdf", "Couples.pdf", "Profil.svg"}},
      {"plan,dat",
       [&] {
         std::set<std::string> plan = dat;
         plan.insert("Plan.pdf");
         return plan;
       }()},
  };
  int n = 0;
  for (const Cas& k : cas) {
    const fs::path sortie = dossier_ / std::to_string(n++);
    const Sortie s = serie({EXEMPLE, "-o", sortie.string(), "--format", k.formats});
    ASSERT_EQ(s.code, 0) << k.formats << " : " << s.err;
    EXPECT_EQ(noms(sortie), k.attendus) << k.formats;
  }
}

// With SOURCE_DATE_EPOCH, even the PDF is the same to the byte, whatever the
// time zone, and its cross-reference table still points at every object.
TEST_F(Serie, MemesFichiersAChaqueFois) {
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
  for (const char* zone : {"UTC", "Europe/Paris"}) {
    ::setenv("TZ", zone, 1);
    ::tzset();
    ASSERT_EQ(serie({EXEMPLE, "-o", (dossier_ / zone).string()}).code, 0);
  }
  ::unsetenv("SOURCE_DATE_EPOCH");
  ::unsetenv("TZ");
  ::tzset();
  const fs::path a = dossier_ / "UTC", b = dossier_ / "Europe/Paris";
  ASSERT_EQ(noms(a), noms(b));
  for (const std::string& nom : noms(a)) EXPECT_TRUE(octets(a / nom) == octets(b / nom)) << nom;
  const std::string pdf = octets(b / "Planches.pdf");
  EXPECT_NE(pdf.find("/CreationDate (D:20231114221320Z)"), std::string::npos);
  const std::size_t xref = pdf.rfind("\nxref\n0 ");
  ASSERT_NE(xref, std::string::npos);
  const std::size_t entrees = pdf.find('\n', xref + 6) + 1;
  const int objets = std::stoi(pdf.substr(xref + 8));
  for (int k = 1; k < objets; ++k) {
    const std::size_t position = std::stoul(pdf.substr(entrees + 20 * static_cast<std::size_t>(k), 10));
    EXPECT_EQ(pdf.compare(position, std::to_string(k).size() + 6, std::to_string(k) + " 0 obj"), 0) << k;
  }
  const std::size_t startxref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
  EXPECT_EQ(startxref, xref + 1);
}

TEST_F(Serie, UnSeulCouple) {
  const fs::path fuselage = ecrire("un.toml", std::string("positions = [50]\n") + PLANCHE_ET_STATIONS);
  const Sortie s = serie({fuselage.string(), "-o", (dossier_ / "un").string(), "--format", "dat"});
  ASSERT_EQ(s.code, 0) << s.err;
  EXPECT_EQ(s.out.substr(0, s.out.find('\n')), "Fuselage : 1 couple de 0 à 120 mm, interpolation linéaire");
}

TEST_F(Serie, ErreursSansRienEcrire) {
  const std::string exemple = octets(EXEMPLE);
  auto remplace = [&](const std::string& avant, const std::string& apres) {
    std::string t = exemple;
    const auto p = t.find(avant);
    EXPECT_NE(p, std::string::npos) << avant;
    return t.replace(p, avant.size(), apres);
  };
  struct Cas {
    const char* nom;
    std::string texte; // of the fuselage file; empty: the file is not written
    std::vector<std::string> options;
    int code;
    const char* message;
  };
  const Cas cas[] = {
      {"fichier absent", "", {}, 1, "fichier introuvable"},
      {"TOML invalide", "nom = \"Planeur\n", {}, 2, ", ligne 1, colonne "},
      {"clé manquante", remplace("ytot = 40\n", ""), {}, 2, "clé « station.ytot » manquante"},
      {"positions hors des stations", remplace("nombre = 10 ", "positions = [0, 1200]"), {}, 2, "hors de la première"},
      {"stations dans le désordre",
       remplace("position = 250", "position = 1500"),
       {},
       2,
       "non strictement croissantes"},
      {"une seule station",
       exemple.substr(0, exemple.find("[[station]]               # verrière")),
       {},
       2,
       "il faut au moins deux stations"},
      {"couple impossible à tracer",
       remplace("xtot = 22\n", "xtot = 2\n"),
       {},
       1,
       "F5 : Argument ou opération invalide (ArcCos)"},
      {"forme impossible", remplace("ep = 2.5", "ep = -30"), {}, 1, "forme impossible à découper"},
      {"couple plus grand que la planche",
       remplace("hauteur = 150", "hauteur = 60"),
       {},
       1,
       "F2 : Argument ou opération invalide (imbrication)"},
      {"format inconnu", exemple, {"--format", "dat,png"}, 2, "l'option --format attend"},
      {"option inconnue", exemple, {"--vite"}, 2, "option inconnue : --vite"},
  };
  for (const Cas& k : cas) {
    const fs::path fuselage = dossier_ / "fuselage.toml";
    fs::remove(fuselage);
    if (!k.texte.empty()) ecrire("fuselage.toml", k.texte);
    const fs::path sortie = dossier_ / "sortie";
    std::vector<std::string> arguments{fuselage.string(), "-o", sortie.string()};
    arguments.insert(arguments.end(), k.options.begin(), k.options.end());
    const Sortie s = serie(arguments);
    EXPECT_EQ(s.code, k.code) << k.nom << " : " << s.err;
    EXPECT_EQ(s.out, "") << k.nom;
    EXPECT_EQ(s.err.rfind("bilobe-serie : ", 0), 0u) << k.nom << " : " << s.err;
    EXPECT_NE(s.err.find(k.message), std::string::npos) << k.nom << " : " << s.err;
    if (k.code == 1) {
      EXPECT_EQ(std::count(s.err.begin(), s.err.end(), '\n'), 1) << k.nom << " : " << s.err;
    }
    EXPECT_FALSE(fs::exists(sortie)) << k.nom << " : le dossier de sortie a été créé";
  }
  EXPECT_EQ(serie({}).code, 2);
  EXPECT_EQ(serie({"a.toml", "b.toml"}).code, 2);
}

TEST_F(Serie, CiblesVerifieesAvantLePremierFichier) {
  // F7.dat is a folder: the series is refused before F1.dat is written.
  const fs::path sortie = dossier_ / "sortie";
  fs::create_directories(sortie / "F7.dat");
  const Sortie s = serie({EXEMPLE, "-o", sortie.string()});
  EXPECT_EQ(s.code, 1);
  EXPECT_NE(s.err.find("F7.dat"), std::string::npos) << s.err;
  EXPECT_EQ(noms(sortie), std::set<std::string>{"F7.dat"});
  // A file where the folder should be.
  ecrire("fichier", "x");
  EXPECT_EQ(serie({EXEMPLE, "-o", (dossier_ / "fichier").string()}).code, 1);
}

} // namespace
} // namespace bilobe::cli
