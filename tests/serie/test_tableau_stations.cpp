#include "serie/fichier_fuselage.h"
#include "serie/profil_svg.h"
#include "serie/serie_imbriquee.h"
#include "serie/tableau_stations.h"

#include <gtest/gtest.h>

#include <random>

namespace bilobe {
namespace {

LigneStation ligne(std::initializer_list<const char*> textes) {
  LigneStation l;
  std::size_t k = 0;
  for (const char* t : textes) l[k++] = t;
  return l;
}

TEST(TableauStations, CellulesFautives) {
  struct Cas {
    const char* nom;
    std::vector<LigneStation> lignes;
    std::vector<std::pair<std::size_t, std::size_t>> fautes; // row, column
    const char* message;                                     // of the first fault
  };
  const LigneStation a = ligne({"0", "50", "100", "30", "60", "40", "30", "20", "10"});
  const LigneStation b = ligne({"420", "20.5", "30", "12", "18", "12", "0", "0", "2"});
  auto avec = [](LigneStation l, std::size_t c, const char* t) {
    l[c] = t;
    return l;
  };
  const Cas cas[] = {
      {"tout va bien", {a, b}, {}, ""},
      {"texte", {a, avec(b, 3, "abc")}, {{1, 3}}, "« abc » n'est pas un nombre"},
      {"deux virgules", {avec(a, 8, "2,5,1"), b}, {{0, 8}}, "« 2,5,1 » n'est pas un nombre"},
      {"virgule et point", {avec(a, 8, "1.2,5"), b}, {{0, 8}}, "« 1.2,5 » n'est pas un nombre"},
      {"cellule vide", {a, avec(b, 1, " ")}, {{1, 1}}, "cellule vide"},
      {"dépassement", {a, avec(b, 2, "1e400")}, {{1, 2}}, "Dépassement de capacité"},
      {"position en arrière", {a, avec(b, 0, "-5")}, {{1, 0}}, "pas après celle de la station précédente (0)"},
      {"position égale", {a, avec(b, 0, "0")}, {{1, 0}}, "pas après"},
      {"deux fautes", {avec(a, 1, "x"), avec(b, 8, "y")}, {{0, 1}, {1, 8}}, "« x »"},
  };
  for (const Cas& k : cas) {
    const StationsLues lues = lire_stations(k.lignes);
    ASSERT_EQ(lues.defauts.size(), k.fautes.size()) << k.nom;
    for (std::size_t i = 0; i < k.fautes.size(); ++i) {
      EXPECT_EQ(lues.defauts[i].ligne, k.fautes[i].first) << k.nom;
      EXPECT_EQ(lues.defauts[i].colonne, k.fautes[i].second) << k.nom;
    }
    if (!k.fautes.empty()) {
      EXPECT_NE(lues.defauts[0].message.find(k.message), std::string::npos) << k.nom;
    }
  }
  // A decimal comma reads as the point does.
  EXPECT_EQ(lire_stations({avec(a, 8, "2,5"), avec(b, 0, "420,75")}).stations[1].position, 420.75);
  EXPECT_EQ(lire_stations({avec(a, 8, "2,5"), b}).stations[0].cotes[7], 2.5);
  const StationsLues bonnes = lire_stations({a, b});
  EXPECT_EQ(bonnes.stations[1].position, 420);
  EXPECT_EQ(bonnes.stations[1].cotes[0], 20.5);
  EXPECT_EQ(lignes_de(bonnes.stations)[1], b);
}

TEST(TableauStations, Positions) {
  std::string defaut;
  EXPECT_EQ(lire_positions("0, 40;95.5  120", defaut), (std::vector<double>{0, 40, 95.5, 120}));
  EXPECT_EQ(lire_positions("", defaut), std::vector<double>{});
  EXPECT_FALSE(lire_positions("0, 4O", defaut));
  EXPECT_NE(defaut.find("« 4O »"), std::string::npos) << defaut;
  // Commas separate, unless semicolons or blanks alone do: then "62,5" is 62.5.
  const struct {
    const char* texte;
    std::vector<double> positions;
  } cas[] = {
      {"0; 62,5; 125", {0, 62.5, 125}},
      {"0 62,5 125", {0, 62.5, 125}},
      {"0,62,125", {0, 62, 125}},
      {"0, 62,5, 125", {0, 62, 5, 125}},
      {"2,5", {2, 5}},
      {"0;62,5", {0, 62.5}},
      {" 2,5 ", {2, 5}},
  };
  for (const auto& k : cas) EXPECT_EQ(lire_positions(k.texte, defaut), k.positions) << k.texte;
  EXPECT_FALSE(lire_positions("0; 62,5,1", defaut));
  EXPECT_NE(defaut.find("« 62,5,1 » n'est pas une position"), std::string::npos) << defaut;
  EXPECT_EQ(texte_positions({0, 40, 95.5, 1e-5}), "0, 40, 95.5, 1e-05");
}

// A station inserted where the series already passes: the formers stay
// where they were, and a position off the fuselage is refused.
TEST(TableauStations, StationInsereeSurLaSerie) {
  DescriptionSerie d;
  d.nombre = 5;
  d.stations = {{0, {20, 40, 12, 24, 30, 0, 0, 3}}, {400, {40, 80, 24, 48, 60, 0, 0, 3}}};
  const auto ligne = station_interpolee(d, 100);
  ASSERT_TRUE(ligne);
  EXPECT_EQ(*ligne, (LigneStation{"100", "25", "50", "15", "30", "37.5", "0", "0", "3"}));
  EXPECT_FALSE(station_interpolee(d, -1));
  EXPECT_FALSE(station_interpolee(d, 401));
  const std::vector<LigneStation> lignes = lignes_de(d.stations);
  EXPECT_EQ(rang_pour(lignes, 100), 1u);
  EXPECT_EQ(rang_pour(lignes, 500), 2u);
  EXPECT_EQ(rang_pour(lignes, -5), 0u);
}

TEST(TableauStations, CellulesCollees) {
  using Lignes = std::vector<std::vector<std::string>>;
  const std::pair<const char*, Lignes> cas[] = {
      {"0\t18\t22\n250\t32,5\t40\n", {{"0", "18", "22"}, {"250", "32.5", "40"}}},
      {"0;18 ; 22\r\n", {{"0", "18", "22"}}},
      {"62,5", {{"62.5"}}},
      {"1\t\t3", {{"1", "", "3"}}},
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(cellules_collees(texte), attendu) << texte;
}

// Random descriptions, with names and texts that need escaping, written and
// read back.
TEST(FichierFuselage, EcritPuisRelu) {
  std::mt19937 hasard(42);
  auto entre = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(hasard); };
  const char* textes[] = {
      "Planeur", "",   "guillemet \" et \\ barre", "ligne\nsuivante\ttab\x7f", "accentué é ü", "# pas un commentaire",
      "90",      "1e3"};
  for (int essai = 0; essai < 200; ++essai) {
    DescriptionSerie d;
    d.nom = textes[hasard() % 8];
    d.interpolation = hasard() % 2 ? Interpolation::Lisse : Interpolation::Lineaire;
    d.nbptel = textes[hasard() % 8];
    d.nbptseg = textes[hasard() % 8];
    d.ch = static_cast<int>(hasard() % 2);
    d.cv = static_cast<int>(hasard() % 2);
    d.planche = {entre(100, 1000), entre(100, 1000), entre(0, 20), entre(0, 10)};
    d.gabarit.paroi_constante = hasard() % 2 == 0;
    d.gabarit.saignee = hasard() % 3 == 0 ? entre(0, 1) : 0;
    double p = entre(-100, 100);
    for (int k = 0, n = 2 + static_cast<int>(hasard() % 4); k < n; ++k) {
      Station s{p, {}};
      for (double& c : s.cotes) c = hasard() % 4 == 0 ? std::round(entre(-5, 100)) : entre(-5, 100);
      d.stations.push_back(s);
      p += entre(1e-3, 300);
    }
    if (hasard() % 2) {
      d.nombre = 2 + static_cast<int>(hasard() % 30);
    } else {
      d.positions = std::vector<double>{d.stations.front().position, d.stations.back().position};
    }
    const std::string toml = texte_fuselage(d);
    const DescriptionSerie relue = lire_description(toml, "relu.toml");
    EXPECT_EQ(texte_fuselage(relue), toml) << toml;
    EXPECT_EQ(relue.nom, d.nom);
    EXPECT_EQ(relue.nbptel, d.nbptel);
    EXPECT_EQ(relue.nombre, d.nombre);
    EXPECT_EQ(relue.positions, d.positions);
    EXPECT_EQ(relue.planche.largeur, d.planche.largeur);
    EXPECT_EQ(relue.gabarit.saignee, d.gabarit.saignee);
    ASSERT_EQ(relue.stations.size(), d.stations.size());
    for (std::size_t k = 0; k < d.stations.size(); ++k) {
      EXPECT_EQ(relue.stations[k].position, d.stations[k].position);
      EXPECT_EQ(relue.stations[k].cotes, d.stations[k].cotes);
    }
  }
}

TEST(ApercuSerie, CouplesEnEchecMisDeCoteEtEnRouge) {
  DescriptionSerie d;
  d.nombre = 4;
  d.planche = {300, 150, 5, 4};
  // xtot falls below xa: the last formers cannot be traced; the first ones can.
  d.stations = {{0, {50, 100, 30, 60, 40, 30, 20, 10}}, {300, {12, 100, 30, 60, 40, 30, 20, 10}}};
  EXPECT_THROW(preparer_serie(d), ErreurCouple);
  const SerieTracee serie = apercu_serie(d);
  ASSERT_EQ(serie.tous.size(), 4u);
  ASSERT_FALSE(serie.echecs.empty());
  EXPECT_EQ(serie.couples.size() + serie.echecs.size(), 4u);
  EXPECT_EQ(serie.echecs.front().message.rfind(serie.echecs.front().nom + " : ", 0), 0u);
  EXPECT_EQ(serie.imbrication.pieces.size(), serie.couples.size());
  const std::string profil = contenu_profil_svg(serie);
  // The failing formers' names are red, the others are not.
  for (const CoupleSerie& c : serie.tous) {
    const bool echec =
        std::any_of(serie.echecs.begin(), serie.echecs.end(), [&](const EchecCouple& e) { return e.nom == c.nom; });
    const auto p = profil.find(">" + c.nom + "</text>");
    ASSERT_NE(p, std::string::npos) << c.nom;
    const std::string balise = profil.substr(profil.rfind("<text", p), p - profil.rfind("<text", p));
    EXPECT_EQ(balise.find("fill=\"#ff0000\"") != std::string::npos, echec) << c.nom << " : " << balise;
  }
  // A former too large for the sheet is set aside too.
  d.stations[1].cotes = {50, 100, 30, 60, 40, 30, 20, 10};
  d.planche.hauteur = 120;
  const SerieTracee grande = apercu_serie(d);
  EXPECT_EQ(grande.couples.size(), 0u);
  ASSERT_EQ(grande.echecs.size(), 4u);
  EXPECT_NE(grande.echecs[0].message.find("ne tient pas"), std::string::npos);
}

} // namespace
} // namespace bilobe
