#include "cli/commande.h"
#include "dossier_de_travail.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace bilobe::cli {
namespace {

namespace fs = std::filesystem;

Sortie lancer(const std::vector<std::string>& arguments) { return lancer_commande(executer, arguments); }

std::size_t lignes(const std::string& octets) {
  std::size_t n = 0;
  for (std::size_t p = 0; (p = octets.find("\r\n", p)) != std::string::npos; p += 2) ++n;
  return n;
}

using Commande = DossierDeTravail;

TEST_F(Commande, DefautsDansLeDossierCourant) {
  const Sortie s = lancer({});
  ASSERT_EQ(s.code, 0) << s.err;
  const fs::path attendu = dossier_ / "Bi-lobe 140 x 50.dat";
  EXPECT_EQ(s.out, "Sauvegarde de  549 points effectuée\n" + attendu.string() + "\n");
  std::ifstream f(attendu, std::ios::binary);
  std::string octets((std::istreambuf_iterator<char>(f)), {});
  EXPECT_EQ(lignes(octets), 550u);
  EXPECT_EQ(octets.substr(0, octets.find("\r\n")), "Couple : 140 x 50 - bi-lob\xE9 - Orlenbrand - v1.0");
  EXPECT_EQ(octets, lancer({"-o", "-"}).out);
}

TEST_F(Commande, GabaritsParFormat) {
  struct Cas {
    const char* format;
    const char* titre;
    const char* nom;
    const char* debut;
  };
  const Cas cas[] = {
      {"svg", "SVG", "Bi-lobe 140 x 50.svg", "<?xml"},
      {"Dxf", "DXF", "Bi-lobe 140 x 50.dxf", "  0\r\nSECTION"},
      {"pdf", "PDF", "Bi-lobe 140 x 50.pdf", "%PDF-"},
  };
  for (const auto& k : cas) {
    const Sortie s = lancer({"--format", k.format});
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out, std::string("Gabarit ") + k.titre +
                         " : 100 x 140 mm, surface 3326.1615 mm², paroi 8.33 à 10.00 mm, saignée 0 mm\n" +
                         (dossier_ / k.nom).string() + "\n");
    std::ifstream f(dossier_ / k.nom, std::ios::binary);
    const std::string octets((std::istreambuf_iterator<char>(f)), {});
    EXPECT_EQ(octets.rfind(k.debut, 0), 0u) << k.nom;
    const std::string sur_la_sortie = lancer({"--format", k.format, "-o", "-"}).out;
    if (std::string(k.titre) == "PDF")
      EXPECT_EQ(sur_la_sortie.rfind(k.debut, 0), 0u); // the PDF carries its time of creation
    else
      EXPECT_EQ(sur_la_sortie, octets) << k.nom;
  }
  // The point file stays the default, byte for byte.
  EXPECT_EQ(lancer({"--format", "dat", "-o", "-"}).out, lancer({"-o", "-"}).out);
}

TEST_F(Commande, OptionsDesChamps) {
  struct Cas {
    std::vector<std::string> arguments;
    std::size_t lignes;
    std::string premiere_ligne;
  };
  const Cas cas[] = {
      {{"--ch", "--cv", "-o", "-"}, 630, "Couple : 140 x 50"},
      {{"--ch", "-o", "-"}, 590, "Couple : 140 x 50"},
      {{"--xtot", "2,5", "--xa", "1", "-o", "-"}, 550, "Couple : 140 x 2"},
      {{"--yinf=40.5", "--nbptel", "165", "-o", "-"}, 1000, "Couple : 140.5 x 50"},
      {{"--nbptel", "0.5", "--ytot", "90", "-o", "-"}, 10, "Couple : 130 x 50"},
  };
  for (const auto& k : cas) {
    const Sortie s = lancer(k.arguments);
    EXPECT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(lignes(s.out), k.lignes) << k.arguments[0];
    EXPECT_EQ(s.out.rfind(k.premiere_ligne, 0), 0u) << s.out.substr(0, 40);
  }
}

TEST_F(Commande, ErreurDExecutionNEcritRien) {
  std::ofstream("existant.dat") << "garde";
  struct Cas {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Cas cas[] = {
      {{"--xa", "50", "-o", "existant.dat"}, "Division par zéro (ArcCos)"},
      {{"--nbptel", "166", "-o", "existant.dat"}, "Indice hors limites (entrée 1001)"},
      {{"--xtot", "1e999"}, "Dépassement de capacité"},
      {{"--xa", "51", "-o", "-"}, "Argument ou opération invalide (ArcCos)"},
      {{"-o", "absent/a.dat"}, "Erreur de fichier (absent/a.dat)"},
      {{"--xa", "50", "--format", "dxf", "-o", "existant.dat"}, "Division par zéro (ArcCos)"},
      {{"--nbptel", "0.5", "--format", "svg", "-o", "existant.dat"},
       "Argument ou opération invalide (gabarit : contour extérieur)"},
      {{"--xtot", "1e30", "--xa", "6e29", "--ytot", "1e30", "--ya", "6e29", "--yinf", "4e29", "--ep", "1e29",
        "--format", "pdf", "-o", "existant.dat"},
       "Dépassement de capacité (gabarit PDF)"},
      // A shape that cannot be cut: no template.
      {{"--ch", "--cv", "--segh", "45", "--segv", "35", "--format", "dxf", "-o", "existant.dat"},
       "Argument ou opération invalide (gabarit) : forme impossible à découper"},
      {{"--format", "svg", "-o", "absent/a.svg"}, "Erreur de fichier (absent/a.svg)"},
      // The target is checked before the PDF is drawn.
      {{"--format", "pdf", "-o", "absent/a.pdf"}, "Erreur de fichier (absent/a.pdf) : dossier introuvable"},
      {{"--format", "pdf", "-o", "."}, "Erreur de fichier (.) : nom de fichier vide"},
      // A typed value or a path repeated in the message cannot forge a line.
      {{"--xtot", "1e999\nbilobe-dat : faux"}, "Dépassement de capacité (lecture de \"1e999\\nbilobe-dat : faux\")"},
      {{"-o", "absent/\x1b[31m.dat"}, "Erreur de fichier (absent/\\x1b[31m.dat)"},
  };
  for (const auto& k : cas) {
    const Sortie s = lancer(k.arguments);
    EXPECT_EQ(s.code, 1);
    EXPECT_EQ(s.out, "");
    EXPECT_EQ(s.err.rfind("bilobe-dat : " + k.message, 0), 0u) << s.err;
    EXPECT_EQ(std::count(s.err.begin(), s.err.end(), '\n'), 1) << s.err;
  }
  std::ifstream f("existant.dat");
  std::string contenu((std::istreambuf_iterator<char>(f)), {});
  EXPECT_EQ(contenu, "garde");
  EXPECT_EQ(std::distance(fs::directory_iterator(dossier_), fs::directory_iterator()), 1);
}

// A shape that cannot be cut: the .DAT is written as always, with a warning
// on standard error; a template is refused.
TEST_F(Commande, FormeImpossibleADecouper) {
  const std::vector<std::string> croise = {"--ch", "--cv", "--segh", "45", "--segv", "35"};
  std::vector<std::string> dat = croise;
  dat.insert(dat.end(), {"-o", "-"});
  const Sortie s = lancer(dat);
  EXPECT_EQ(s.code, 0);
  EXPECT_EQ(lignes(s.out), 630u);
  EXPECT_EQ(s.err, "bilobe-dat : attention, forme impossible à découper : contour croisé sur lui-même\n");
  EXPECT_EQ(lancer({"--ch", "--cv", "-o", "-"}).err, ""); // a sound former: not a word

  std::vector<std::string> svg = croise;
  svg.insert(svg.end(), {"--format", "svg", "-o", "croise.svg"});
  const Sortie refus = lancer(svg);
  EXPECT_EQ(refus.code, 1);
  EXPECT_NE(refus.err.find("forme impossible à découper : contour croisé sur lui-même"), std::string::npos);
  EXPECT_FALSE(fs::exists("croise.svg"));
}

// The constant wall and the kerf: said in the summary.
TEST_F(Commande, ParoiConstanteEtSaignee) {
  struct Cas {
    std::vector<std::string> options;
    std::string resume;
  };
  const Cas cas[] = {
      {{}, "paroi 8.33 à 10.00 mm, saignée 0 mm"},
      {{"--paroi-constante"}, "paroi 10.00 mm, saignée 0 mm"},
      {{"--saignee", "0.8"}, "paroi 8.33 à 10.00 mm, saignée 0.8 mm"},
      {{"--paroi-constante", "--saignee=1"}, "paroi 10.00 mm, saignée 1 mm"},
  };
  for (const Cas& k : cas) {
    std::vector<std::string> arguments = k.options;
    arguments.insert(arguments.end(), {"--format", "dxf", "-o", "g.dxf"});
    const Sortie s = lancer(arguments);
    ASSERT_EQ(s.code, 0) << s.err;
    EXPECT_EQ(s.out.substr(0, s.out.find('\n')),
              "Gabarit DXF : 100 x 140 mm, surface " +
                  std::string(k.options.empty() || k.options[0] != "--paroi-constante" ? "3326.1615" : "3455.4859") +
                  " mm², " + k.resume);
  }
  for (const char* mauvais : {"-1", "abc", "1e400"}) {
    const Sortie s = lancer({"--saignee", mauvais, "--format", "svg"});
    EXPECT_EQ(s.code, 2) << mauvais;
    EXPECT_EQ(s.err.rfind("bilobe-dat : l'option --saignee attend une largeur en mm", 0), 0u) << s.err;
  }
}

// "-o -" on a standard output that fails is said, in French, with code 1.
TEST_F(Commande, SortieStandardEnEchec) {
  for (const char* format : {"dat", "svg"}) {
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(executer({"--format", format, "-o", "-"}, out, err), 1);
    const std::string message = err.str();
    EXPECT_EQ(message.rfind("bilobe-dat : Erreur de fichier (sortie standard)", 0), 0u) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  }
}

TEST_F(Commande, MauvaisUsageEtAide) {
  struct Cas {
    std::vector<std::string> arguments;
    std::string premiere_ligne;
  };
  const Cas cas[] = {
      {{"--inconnue"}, "option inconnue : --inconnue"},
      {{"--xtot"}, "l'option --xtot attend une valeur"},
      {{"-o"}, "l'option -o attend un chemin"},
      {{"fichier.dat"}, "option inconnue : fichier.dat"},
      {{"--format"}, "l'option --format attend dat, svg, dxf ou pdf"},
      {{"--format=svgz"}, "l'option --format attend dat, svg, dxf ou pdf"},
      // A value forgotten: the next option is not taken for it.
      {{"--ep", "--ch", "-o", "x.dat"}, "l'option --ep attend une valeur"},
      {{"--xtot", "--ytot=3"}, "l'option --xtot attend une valeur"},
      {{"-o", "--format", "svg"}, "l'option -o attend un chemin"},
      {{"--format", "-o", "x.svg"}, "l'option --format attend dat, svg, dxf ou pdf"},
      // Whatever the argument holds, the message stays one clean line.
      {{"--x\ny"}, "option inconnue : --x\\ny"},
      {{"--\x1b[2J"}, "option inconnue : --\\x1b[2J"},
      {{"--" + std::string(37, 'a') + "é"}, "option inconnue : --" + std::string(37, 'a')},
  };
  for (const Cas& k : cas) {
    const Sortie s = lancer(k.arguments);
    EXPECT_EQ(s.code, 2) << k.premiere_ligne;
    EXPECT_EQ(s.err.substr(0, s.err.find('\n')), "bilobe-dat : " + k.premiere_ligne);
    EXPECT_NE(s.err.find("\nUsage : bilobe-dat"), std::string::npos);
  }
  // A negative number stays a value.
  EXPECT_EQ(lancer({"--segh", "-10", "--xtot", "-50", "-o", "-"}).code, 0);
  const Sortie aide = lancer({"--help"});
  EXPECT_EQ(aide.code, 0);
  for (const char* option : {"--xtot", "--ytot", "--xa", "--ya", "--yinf", "--segh", "--segv", "--ep", "--nbptel",
                             "--nbptseg", "--ch", "--cv", "-o", "--format"})
    EXPECT_NE(aide.out.find(option), std::string::npos) << option;
  EXPECT_TRUE(fs::is_empty(dossier_));
}

} // namespace
} // namespace bilobe::cli
