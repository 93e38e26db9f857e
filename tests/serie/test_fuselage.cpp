#include "serie/fichier_fuselage.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

// A valid file, one line a key; the error cases change one of its lines.
const std::vector<std::string> LIGNES = {
    "nom = \"Essai\"", // 1
    "nombre = 3",      // 2
    "[planche]",       // 3
    "largeur = 600",   // 4
    "hauteur = 300",   // 5
    "[[station]]",     // 6
    "position = 0",    // 7
    "xtot = 30",       // 8
    "ytot = 45",       // 9
    "xa = 18",         // 10
    "ya = 28",         // 11
    "yinf = 20",       // 12
    "segh = 0",        // 13
    "segv = 0",        // 14
    "ep = 3",          // 15
    "[[station]]",     // 16
    "position = 420",  // 17
    "xtot = 20.5",     // 18
    "ytot = 30",       // 19
    "xa = 12",         // 20
    "ya = 18",         // 21
    "yinf = 12",       // 22
    "segh = 0",        // 23
    "segv = 0",        // 24
    "ep = 2",          // 25
};

std::string texte(std::vector<std::string> lignes) {
  std::string t;
  for (const std::string& l : lignes) t += l + "\n";
  return t;
}

TEST(FichierFuselage, LectureComplete) {
  std::vector<std::string> lignes = LIGNES;
  lignes.insert(lignes.begin() + 2, {"interpolation = \"lisse\"", "nbptel = 60", "nbptseg = \"15\"", "ch = true"});
  lignes.insert(lignes.begin() + 9, {"marge = 2.5", "espacement = 3", "saignee = 0.2", "paroi_constante = true"});
  lignes.insert(lignes.begin() + 13, {"[impression]", "paroi = 1.2", "troncon = 180"});
  const DescriptionSerie d = lire_description(texte(lignes), "essai.toml");
  EXPECT_EQ(d.impression_3d, (Impression3d{5, 1.2, 180})); // the step left at its default
  EXPECT_EQ(lire_description(texte_fuselage(d), "relu.toml").impression_3d, d.impression_3d);
  EXPECT_EQ(d.nom, "Essai");
  EXPECT_EQ(d.interpolation, Interpolation::Lisse);
  EXPECT_EQ(d.nombre, 3);
  EXPECT_FALSE(d.positions);
  EXPECT_EQ(d.nbptel, "60"); // an integer is taken as its text
  EXPECT_EQ(d.nbptseg, "15");
  EXPECT_EQ(d.ch, 1);
  EXPECT_EQ(d.cv, 0);
  EXPECT_EQ(d.planche.largeur, 600);
  EXPECT_EQ(d.planche.hauteur, 300);
  EXPECT_EQ(d.planche.marge, 2.5);
  EXPECT_EQ(d.planche.espacement, 3);
  EXPECT_EQ(d.gabarit.saignee, 0.2);
  EXPECT_TRUE(d.gabarit.paroi_constante);
  ASSERT_EQ(d.stations.size(), 2u);
  EXPECT_EQ(d.stations[1].position, 420);
  const std::array<double, NB_COTES> cotes{20.5, 30, 12, 18, 12, 0, 0, 2};
  EXPECT_EQ(d.stations[1].cotes, cotes);
}

TEST(FichierFuselage, DefautsDeLaFenetre) {
  const DescriptionSerie d = lire_description(texte(LIGNES), "essai.toml");
  EXPECT_EQ(d.interpolation, Interpolation::Lineaire);
  EXPECT_EQ(d.nbptel, "90");
  EXPECT_EQ(d.nbptseg, "20");
  EXPECT_EQ(d.planche.marge, 5);
  EXPECT_EQ(d.planche.espacement, 4);
  EXPECT_EQ(d.gabarit.saignee, 0);
  EXPECT_FALSE(d.gabarit.paroi_constante);
}

TEST(FichierFuselage, ErreursAvecLeurLigne) {
  std::string trop_d_encoches;
  for (int k = 0; k < 65; ++k) trop_d_encoches += "[[encoche]]\nplace = \"ventre\"\nlargeur = 1\nprofondeur = 1\n";
  trop_d_encoches += "[[station]]";
  struct Cas {
    const char* nom;
    int ligne;            // the line changed (1-based), 0 to add at the end
    const char* nouvelle; // its new text; nullptr removes it
    const char* debut;    // how the message starts
    const char* contient; // and what it says
  };
  const Cas cas[] = {
      {"syntaxe", 2, "nombre = = 3", "essai.toml, ligne 2, colonne ", "TOML invalide"},
      {"clé manquante", 19, nullptr, "essai.toml, ligne 16 :", "clé « station.ytot » manquante"},
      {"mauvais type", 8, "xtot = \"30\"", "essai.toml, ligne 8 :", "« station.xtot » doit être un nombre"},
      {"clé inconnue", 1, "interpolaton = \"lisse\"", "essai.toml, ligne 1 :", "clé inconnue « interpolaton »"},
      {"clé inconnue d'une station", 15, "epaisseur = 3", "essai.toml, ligne 15 :", "« station.epaisseur »"},
      {"interpolation inconnue", 1, "interpolation = \"cubique\"",
       "essai.toml, ligne 1 :", "\"lineaire\" ou \"lisse\""},
      {"nombre non entier", 2, "nombre = 2.5", "essai.toml, ligne 2 :", "entier"},
      {"un seul couple", 2, "nombre = 1", "essai.toml, ligne 2 :", "entre 2 et 1000"},
      {"positions hors des stations", 2, "positions = [0, 500]", "essai.toml, ligne 2 :", "position 500 hors"},
      {"positions non croissantes", 2, "positions = [10, 5]", "essai.toml, ligne 2 :", "non strictement croissantes"},
      {"nombre et positions", 1, "positions = [10]", "essai.toml, ligne 1 :", "s'excluent"},
      {"ni nombre ni positions", 2, nullptr, "essai.toml :", "il faut « nombre » ou « positions »"},
      {"stations à rebours", 17, "position = -1", "essai.toml, ligne 17 :", "station 2 : positions des stations"},
      {"case non booléenne", 1, "ch = 1", "essai.toml, ligne 1 :", "true ou false"},
      {"nom non texte", 1, "nom = 3", "essai.toml, ligne 1 :", "texte"},
      {"nombre infini", 9, "ytot = inf", "essai.toml, ligne 9 :", "nombre fini"},
      {"planche manquante", 3, "[plank]", "essai.toml, ligne 3 :", "clé inconnue « plank »"},
      {"marges trop larges", 0, "marge = 200", "essai.toml, ligne 26 :", "clé inconnue « station.marge »"},
      {"planche trop petite", 5, "hauteur = 8", "essai.toml, ligne 5 :", "plus petite que ses deux marges"},
      {"impression non table", 1, "impression = 3", "essai.toml, ligne 1 :", "doit être une table [impression]"},
      {"clé inconnue d'impression", 6, "[impression]\nepaisseur = 2\n[[station]]",
       "essai.toml, ligne 7 :", "« impression.epaisseur »"},
      {"pas nul", 6, "[impression]\npas = 0\n[[station]]", "essai.toml, ligne 7 :", "pas invalide"},
      {"pas trop fin", 6, "[impression]\npas = 0.05\n[[station]]", "essai.toml, ligne 7 :", "plus de 5000 sections"},
      {"paroi négative", 6, "[impression]\nparoi = -1\n[[station]]", "essai.toml, ligne 7 :", "paroi invalide"},
      {"tronçons trop courts", 6, "[impression]\ntroncon = 0.2\n[[station]]",
       "essai.toml, ligne 7 :", "plus de 1000 morceaux"},
      {"garde minuscule", 6, "[pattes]\nlargeur = 6\necart = 12\ngarde = 5e-324\n[[station]]",
       "essai.toml, ligne 6 :", "de 0.01 à 1000000 mm"},
      {"distance des pattes démesurée", 6, "[pattes]\nlargeur = 6\necart = 1e16\ngarde = 5\n[[station]]",
       "essai.toml, ligne 6 :", "de 0 à 1000000 mm"},
      {"encoche trop étroite", 6, "[[encoche]]\nplace = 0.3\nlargeur = 1e-6\nprofondeur = 2\n[[station]]",
       "essai.toml, ligne 6 :", "de 0.01 à 1000000 mm"},
      {"trop d'encoches", 6, trop_d_encoches.c_str(), "essai.toml, ligne 6 :", "au plus 64 encoches"},
  };
  for (const Cas& k : cas) {
    std::vector<std::string> lignes = LIGNES;
    if (k.ligne == 0)
      lignes.push_back(k.nouvelle);
    else if (k.nouvelle)
      lignes[static_cast<std::size_t>(k.ligne - 1)] = k.nouvelle;
    else
      lignes.erase(lignes.begin() + k.ligne - 1);
    try {
      lire_description(texte(lignes), "essai.toml");
      ADD_FAILURE() << k.nom << " : accepté";
    } catch (const DescriptionInvalide& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind(k.debut, 0), 0u) << k.nom << " : " << message;
      EXPECT_NE(message.find(k.contient), std::string::npos) << k.nom << " : " << message;
      EXPECT_EQ(message.find('\n'), std::string::npos) << k.nom;
    }
  }
}

// Keys of many parts and deep nesting are refused before the parser sees
// them (it would recurse once per part or level); within the bounds, the
// file reads as usual. Dots and brackets in strings and comments do not
// count, and the lines of multi-line strings do.
TEST(FichierFuselage, BornesAvantLaLecture) {
  const auto cle = [](int parties, const std::string& fin) {
    std::string t = "a";
    for (int k = 1; k < parties; ++k) t += ".a";
    return t + fin;
  };
  const auto tableaux = [](std::size_t niveaux) {
    return "a = " + std::string(niveaux, '[') + "1" + std::string(niveaux, ']');
  };
  std::string tables = "a = ";
  for (int k = 0; k < 65; ++k) tables += "{b = ";
  tables += "1" + std::string(65, '}');
  const std::string points(100, '.');
  struct Cas {
    std::string debut; // lines put before the valid file
    const char* refus; // the whole message, or nullptr when the bounds let it through
  };
  const Cas cas[] = {
      {cle(64, " = 1"), nullptr},
      {cle(65, " = 1"), "essai.toml, ligne 1 : clé de plus de 64 parties"},
      {cle(31250, " = 1"), "essai.toml, ligne 1 : clé de plus de 64 parties"},
      {"[" + cle(65, "]"), "essai.toml, ligne 1 : clé de plus de 64 parties"},
      {"b = 1.5\n'c'.\"d\".e = 2\n" + cle(65, " = 1"), "essai.toml, ligne 3 : clé de plus de 64 parties"},
      {tableaux(64), nullptr},
      {tableaux(65), "essai.toml, ligne 1 : plus de 64 niveaux imbriqués"},
      {tables, "essai.toml, ligne 1 : plus de 64 niveaux imbriqués"},
      {"s = \"" + points + "[{\\\"\" # " + points + std::string(70, '['), nullptr},
      {"s = '''\n" + points + "\n'''\n" + cle(65, " = 1"), "essai.toml, ligne 4 : clé de plus de 64 parties"},
      {"s = \"\"\"\\\n" + points + "\"\"\"\"\"\n" + cle(65, " = 1"), "essai.toml, ligne 3 : clé de plus de 64 parties"},
  };
  for (const Cas& k : cas) {
    std::string message;
    try {
      lire_description(k.debut + "\n" + texte(LIGNES), "essai.toml");
    } catch (const DescriptionInvalide& e) {
      message = e.what();
    }
    const std::string debut = k.debut.substr(0, 40);
    if (k.refus)
      EXPECT_EQ(message, k.refus) << debut;
    else
      EXPECT_EQ(message.find("parties"), message.find("niveaux")) << debut << " : " << message;
  }
}

TEST(FichierFuselage, UneSeuleStation) {
  std::vector<std::string> lignes(LIGNES.begin(), LIGNES.begin() + 15);
  try {
    lire_description(texte(lignes), "essai.toml");
    FAIL();
  } catch (const DescriptionInvalide& e) {
    EXPECT_EQ(std::string(e.what()), "essai.toml, ligne 6 : il faut au moins deux stations");
  }
}

} // namespace
} // namespace bilobe
