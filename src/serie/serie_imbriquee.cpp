#include "serie/serie_imbriquee.h"

#include "geometry/lignes.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bilobe {

namespace {

// Letters of the names as tall as the templates' texts, smaller in a small hollow.
constexpr double HAUTEUR_NOM = 3.5;         // mm
constexpr double LARGEUR_PAR_HAUTEUR = 0.7; // a character's width for its height, with room
constexpr double LARGEUR_MOYENNE = 0.6;     // and without: where a centred line starts

} // namespace

namespace {

// The board line's distance from the level line: beyond the former that
// reaches furthest below it (above it, for a fuselage built upside down).
// Formers that cannot be traced are left to the trace that names them.
double distance_du_chantier(const std::vector<CoupleSerie>& couples, const Pattes& pattes, const Interruption* arret) {
  double plus_loin = 0;
  for (const CoupleSerie& couple : couples) {
    verifier(arret);
    try {
      const Lignes lignes = lignes_du_couple(tracer(couple.champs));
      if (lignes.exterieur.empty()) continue;
      const Cadre c = cadre_de({&lignes.exterieur});
      plus_loin = std::max(plus_loin, pattes.dessus ? c.haut : -c.bas);
    } catch (const ErreurExecution&) {
    }
  }
  return plus_loin + pattes.distance;
}

SerieTracee preparer(const DescriptionSerie& description, bool en_apercu, Preparation jusqu_a,
                     const Interruption* arret) {
  const std::vector<double> positions = positions_des_couples(description); // checks the description
  std::vector<Courbe> courbes = courbes_de(description);
  SerieTracee serie{description, couples_aux(positions, courbes, description), {}, {}, {}, {}, std::move(courbes), 0,
                    {}};
  if (jusqu_a == Preparation::Positions) return serie;
  OptionsGabarit options = description.gabarit;
  if (const auto& p = description.pattes) {
    serie.chantier = distance_du_chantier(serie.tous, *p, arret);
    options.pattes = p;
    options.pattes->distance = serie.chantier;
  }
  std::vector<PieceAImbriquer> pieces;
  for (const CoupleSerie& couple : serie.tous) {
    verifier(arret);
    try {
      CoupleTrace c = tracer_couple(couple, options);
      PieceAImbriquer piece{couple.nom, c.gabarit.exterieur, {c.gabarit.interieur}};
      if (en_apercu) verifier_taille(piece, description.planche);
      pieces.push_back(std::move(piece));
      serie.couples.push_back(std::move(c));
    } catch (const ErreurCouple& e) {
      if (!en_apercu) throw;
      serie.echecs.push_back({couple.nom, e.what()});
    }
  }
  serie.lisses = lisses_de(serie.couples, description.gabarit.encoches);
  if (jusqu_a == Preparation::Couples) return serie;
  serie.imbrication = imbriquer(pieces, description.planche, TUILE_MM, arret);
  serie.occupation.assign(static_cast<std::size_t>(serie.imbrication.planches), 0);
  const double aire_planche = description.planche.largeur * description.planche.hauteur;
  // The parts never overlap (one in another's hollow stands where there is
  // no material), so the material on a sheet is the sum of their rings.
  for (std::size_t k = 0; k < serie.couples.size(); ++k)
    serie.occupation[static_cast<std::size_t>(serie.imbrication.pieces[k].planche)] +=
        serie.couples[k].gabarit.surface / aire_planche;
  return serie;
}

} // namespace

SerieTracee preparer_serie(const DescriptionSerie& description, Preparation jusqu_a, const Interruption* arret) {
  return preparer(description, false, jusqu_a, arret);
}

SerieTracee apercu_serie(const DescriptionSerie& description, const Interruption* arret) {
  return preparer(description, true, Preparation::Planches, arret);
}

namespace {

// The stretch of the centre line inside the hollow, in the former's frame.
struct Troncon {
  double bas, haut;
};
Troncon sur_l_axe(const Boucle& creux) {
  constexpr double INFINI = std::numeric_limits<double>::infinity();
  double bas = INFINI, haut = -INFINI, bas_boite = INFINI, haut_boite = -INFINI;
  for (const PointMm& p : creux) {
    bas_boite = std::min(bas_boite, p.y);
    haut_boite = std::max(haut_boite, p.y);
    if (p.x == 0) {
      bas = std::min(bas, p.y);
      haut = std::max(haut, p.y);
    }
  }
  if (!(bas < haut)) return {bas_boite, haut_boite};
  return {bas, haut};
}

} // namespace

Etiquette etiquette(const SerieTracee& serie, std::size_t k) {
  const Gabarit& g = serie.couples[k].gabarit;
  const std::string& nom = serie.couples[k].couple.nom;
  const PiecePlacee& place = serie.imbrication.pieces[k];
  const SurLaPlanche placer{g.cadre, place};
  double gauche = 0, droite = 0;
  for (const PointMm& p : g.interieur) {
    gauche = std::min(gauche, p.x);
    droite = std::max(droite, p.x);
  }
  // On the sheet, y down: the free stretches of the centre line, less the
  // boxes of the formers standing in the hollow.
  const Troncon t = sur_l_axe(g.interieur);
  const double y1 = placer({0, t.haut}).y, y2 = placer({0, t.bas}).y;
  std::vector<std::pair<double, double>> libres{{std::min(y1, y2), std::max(y1, y2)}};
  const double x0 = placer({0, 0}).x;
  for (std::size_t i = 0; i < serie.couples.size(); ++i) {
    if (serie.imbrication.pieces[i].hote != static_cast<int>(k)) continue;
    const PiecePlacee& p = serie.imbrication.pieces[i];
    const Cadre& c = serie.couples[i].gabarit.cadre;
    std::vector<std::pair<double, double>> restes;
    for (const auto& [debut, fin] : libres) {
      if (debut < p.y) restes.push_back({debut, std::min(fin, p.y)});
      if (fin > p.y + c.hauteur()) restes.push_back({std::max(debut, p.y + c.hauteur()), fin});
    }
    libres = std::move(restes);
  }
  std::pair<double, double> plus_long{0, 0};
  for (const auto& l : libres)
    if (l.second - l.first > plus_long.second - plus_long.first) plus_long = l;
  const double caracteres = std::max<double>(1, static_cast<double>(nom.size()));
  const double hauteur = std::min(
      {HAUTEUR_NOM, (plus_long.second - plus_long.first) / 2, (droite - gauche) / (caracteres * LARGEUR_PAR_HAUTEUR)});
  const double h = std::max(hauteur, 0.0);
  const PointMm centre{x0, (plus_long.first + plus_long.second) / 2};
  return {centre, h, {centre.x - caracteres * h * LARGEUR_MOYENNE / 2, centre.y + h / 2}};
}

} // namespace bilobe
