#pragma once

#include "common/erreurs.h"
#include "geometry/gabarit.h"
#include "geometry/parametres.h"
#include "geometry/trace.h"
#include "serie/interpolation.h"
#include "serie/plan_trace.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace bilobe {

// The eight dimensions of a former that change along the fuselage, in the
// order of the main window's fields, with the key that names each one.
inline constexpr std::size_t NB_COTES = 8;
struct Cote {
  const char* cle;
  std::string ChampsCouple::*champ;
  const char* libelle; // the caption of its field in the main window
  const char* titre;   // in what the program adds (the series' columns, their faults), accented
};
inline const std::array<Cote, NB_COTES> COTES{{
    {"xtot", &ChampsCouple::xtot, "Largeur totale", "Largeur totale"},
    {"ytot", &ChampsCouple::ytot, "Hauteur totale dos", "Hauteur totale dos"},
    {"xa", &ChampsCouple::xa, "Larg. point de jonction", "Larg. point de jonction"},
    {"ya", &ChampsCouple::ya, "Haut. point de jonction", "Haut. point de jonction"},
    {"yinf", &ChampsCouple::yinf, "Hauteur partie inférieure", "Hauteur partie inférieure"},
    {"segh", &ChampsCouple::segh, "Segment horizontal", "Segment horizontal"},
    {"segv", &ChampsCouple::segv, "Segment vertical", "Segment vertical"},
    {"ep", &ChampsCouple::ep, "Epaisseur de paroi", "Épaisseur de paroi"},
}};

// A cross-section the builder knows: where it stands (mm from the nose) and
// its eight dimensions, in the order of COTES.
struct Station {
  double position = 0;
  std::array<double, NB_COTES> cotes{};
};

// The material sheet the templates are nested on, in mm.
struct Planche {
  double largeur = 0;
  double hauteur = 0;
  double marge = 5;      // kept free along each edge
  double espacement = 4; // at least this between two formers
};

// How the whole fuselage is printed in 3D, in mm: the distance between two
// sections of the mesh, the wall of a hollow shell (0: a solid plug), the
// length of the pieces it is cut into (0: one piece).
struct Impression3d {
  double pas = 5;
  double paroi = 0;
  double troncon = 0;
  bool operator==(const Impression3d&) const = default;
};

// A whole fuselage: a few stations, and how the formers are drawn from them.
struct DescriptionSerie {
  std::string nom;
  Interpolation interpolation = Interpolation::Lineaire;
  std::optional<int> nombre;                    // formers evenly spaced from the first station to the last…
  std::optional<std::vector<double>> positions; // …or exactly these: one of the two
  std::string nbptel = "90";                    // field texts shared by every former
  std::string nbptseg = "20";
  int ch = 0;
  int cv = 0;
  Planche planche;
  OptionsGabarit gabarit; // kerf, constant wall and notches; its tabs come from `pattes`
  // Its tabs: one board line for the whole fuselage, the tabs' `distance` (the
  // file's `garde`) beyond the former that reaches furthest, so that every
  // former stands with its level line on one straight line.
  std::optional<Pattes> pattes;
  Impression3d impression_3d;
  std::vector<Station> stations;
  // The plan and the lines the stations were drawn from, kept for the next
  // session; nothing else reads them.
  std::optional<PlanTrace> plan;
};

inline constexpr int NOMBRE_MAX = 1000; // formers in one series

// What is wrong with a description, and where: the key as the fuselage file
// writes it ("positions", "planche.largeur", "station.ytot") and, for a
// station's key, which station (from 0).
struct DefautDescription {
  std::string cle;
  std::optional<std::size_t> station;
  std::string message; // French, e.g. "positions non strictement croissantes"
};
std::optional<DefautDescription> defaut_description(const DescriptionSerie& description);
// What the 3D fuselage asks of a valid description: not more than 5000
// sections nor 1000 pieces. Checked only when it is made, so that a long
// fuselage needs no [impression] for its formers.
std::optional<DefautDescription> defaut_maillage(const DescriptionSerie& description);
void verifier_impression_3d(const DescriptionSerie& description); // raises DescriptionInvalide

// One former of the series: its name (F1…), where it stands, and the field
// texts the window would trace it from.
struct CoupleSerie {
  std::string nom;
  double position = 0;
  ChampsCouple champs;
  std::array<double, NB_COTES> cotes{}; // the values the window reads from those texts, in the order of COTES
};

// Where the formers stand, in order.
std::vector<double> positions_des_couples(const DescriptionSerie& description);
// Each dimension along the fuselage, through the stations, in the order of
// COTES. The description must be valid (positions_des_couples checks it).
std::vector<Courbe> courbes_de(const DescriptionSerie& description);
// Each dimension read on its curve at each position, rounded to 0.01 mm as
// field texts.
std::vector<CoupleSerie> couples_aux(const std::vector<double>& positions, const std::vector<Courbe>& courbes,
                                     const DescriptionSerie& description);
// The same from the description alone. An invalid description raises
// DescriptionInvalide.
std::vector<CoupleSerie> couples_de(const DescriptionSerie& description);

// A former traced as the window traces it, and its template.
struct CoupleTrace {
  CoupleSerie couple;
  ResultatTrace trace;
  Gabarit gabarit;
};

CoupleTrace tracer_couple(const CoupleSerie& couple, const OptionsGabarit& options);

} // namespace bilobe
