#include "serie/description.h"

#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"

#include <cmath>

namespace bilobe {

namespace {

// Beyond this a length is surely a typing error, and the nesting's
// micrometres stay far from any integer limit.
constexpr double LONGUEUR_MAX = 1e6; // mm

// "station.ep".
std::string cle_de_station(const char* cle) { return std::string("station.") + cle; }

bool longueur(double mm) { return std::isfinite(mm) && mm >= 0 && mm < LONGUEUR_MAX; }

std::optional<DefautDescription> defaut_stations(const std::vector<Station>& stations) {
  if (stations.size() < 2) return DefautDescription{"station", {}, "il faut au moins deux stations"};
  for (std::size_t k = 0; k < stations.size(); ++k) {
    const Station& s = stations[k];
    if (!std::isfinite(s.position) || std::abs(s.position) >= LONGUEUR_MAX)
      return DefautDescription{"station.position", k, "position hors limites"};
    if (k > 0 && !(stations[k - 1].position < s.position))
      return DefautDescription{"station.position", k, "positions des stations non strictement croissantes"};
    for (std::size_t c = 0; c < NB_COTES; ++c)
      if (!std::isfinite(s.cotes[c]) || std::abs(s.cotes[c]) >= LONGUEUR_MAX)
        return DefautDescription{cle_de_station(COTES[c].cle), k, "valeur hors limites"};
  }
  return std::nullopt;
}

std::optional<DefautDescription> defaut_positions(const DescriptionSerie& d) {
  if (d.nombre && d.positions) return DefautDescription{"positions", {}, "« nombre » et « positions » s'excluent"};
  if (!d.nombre && !d.positions) return DefautDescription{"nombre", {}, "il faut « nombre » ou « positions »"};
  if (d.nombre) {
    if (*d.nombre < 2 || *d.nombre > NOMBRE_MAX)
      return DefautDescription{"nombre", {}, "le nombre de couples doit être entre 2 et " + std::to_string(NOMBRE_MAX)};
    return std::nullopt;
  }
  const std::vector<double>& p = *d.positions;
  if (p.empty() || p.size() > static_cast<std::size_t>(NOMBRE_MAX))
    return DefautDescription{"positions", {}, "il faut entre 1 et " + std::to_string(NOMBRE_MAX) + " positions"};
  const double premiere = d.stations.front().position, derniere = d.stations.back().position;
  for (std::size_t k = 0; k < p.size(); ++k) {
    if (!(p[k] >= premiere && p[k] <= derniere))
      return DefautDescription{"positions",
                               {},
                               "position " + (std::isfinite(p[k]) ? texte_exact(p[k]) : std::string("non finie")) +
                                   " hors de la première et de la dernière station"};
    if (k > 0 && !(p[k - 1] < p[k])) return DefautDescription{"positions", {}, "positions non strictement croissantes"};
  }
  return std::nullopt;
}

std::optional<DefautDescription> defaut_planche(const Planche& pl, const OptionsGabarit& g) {
  if (!longueur(pl.largeur) || pl.largeur == 0)
    return DefautDescription{"planche.largeur", {}, "largeur de planche invalide"};
  if (!longueur(pl.hauteur) || pl.hauteur == 0)
    return DefautDescription{"planche.hauteur", {}, "hauteur de planche invalide"};
  if (!longueur(pl.marge)) return DefautDescription{"planche.marge", {}, "marge invalide"};
  if (!(pl.largeur > 2 * pl.marge))
    return DefautDescription{"planche.largeur", {}, "largeur de planche plus petite que ses deux marges"};
  if (!(pl.hauteur > 2 * pl.marge))
    return DefautDescription{"planche.hauteur", {}, "hauteur de planche plus petite que ses deux marges"};
  if (!longueur(pl.espacement)) return DefautDescription{"planche.espacement", {}, "espacement invalide"};
  if (!longueur(g.saignee)) return DefautDescription{"planche.saignee", {}, "saignée invalide"};
  return std::nullopt;
}

// A mesh of more sections, or pieces, than this is surely a typing error.
constexpr double SECTIONS_MAX = 5000;
constexpr double TRONCONS_MAX = 1000;

std::optional<DefautDescription> defaut_impression_3d(const Impression3d& i) {
  if (!longueur(i.pas) || i.pas == 0) return DefautDescription{"impression.pas", {}, "pas invalide"};
  if (!longueur(i.paroi)) return DefautDescription{"impression.paroi", {}, "paroi invalide"};
  if (!longueur(i.troncon)) return DefautDescription{"impression.troncon", {}, "tronçon invalide"};
  return std::nullopt;
}

// Notches and tabs from any source, the series window's table included. A
// zero guard would set the deepest former's board line on its outline.
std::optional<DefautDescription> defaut_kit(const OptionsGabarit& g, const std::optional<Pattes>& pattes) {
  if (g.encoches.size() > ENCOCHES_MAX)
    return DefautDescription{"encoche", {}, "au plus " + std::to_string(ENCOCHES_MAX) + " encoches"};
  for (const Encoche& e : g.encoches)
    if (!cote_kit_valide(e.largeur) || !cote_kit_valide(e.profondeur))
      return DefautDescription{"encoche", {}, "la largeur et la profondeur d'une encoche vont de 0.01 à 1000000 mm"};
  if (pattes &&
      (!cote_kit_valide(pattes->largeur) || !ecart_kit_valide(pattes->ecart) || !cote_kit_valide(pattes->distance)))
    return DefautDescription{
        "pattes", {}, "la largeur et la garde des pattes vont de 0.01 à 1000000 mm, leur écart de 0 à 1000000 mm"};
  return std::nullopt;
}

std::string texte_defaut(const DefautDescription& d) {
  std::string texte = d.cle;
  if (d.station) texte += " (station " + std::to_string(*d.station + 1) + ")";
  return texte + " : " + d.message;
}

} // namespace

std::optional<DefautDescription> defaut_description(const DescriptionSerie& d) {
  if (auto defaut = defaut_stations(d.stations)) return defaut;
  if (auto defaut = defaut_positions(d)) return defaut;
  if (auto defaut = defaut_planche(d.planche, d.gabarit)) return defaut;
  if (auto defaut = defaut_kit(d.gabarit, d.pattes)) return defaut;
  return defaut_impression_3d(d.impression_3d);
}

std::optional<DefautDescription> defaut_maillage(const DescriptionSerie& d) {
  const double longueur_fuselage = d.stations.back().position - d.stations.front().position;
  const Impression3d& i = d.impression_3d;
  if (longueur_fuselage / i.pas > SECTIONS_MAX)
    return DefautDescription{"impression.pas", {}, "pas trop petit : plus de 5000 sections"};
  if (i.troncon > 0 && longueur_fuselage / i.troncon > TRONCONS_MAX)
    return DefautDescription{"impression.troncon", {}, "tronçon trop court : plus de 1000 morceaux"};
  return std::nullopt;
}

void verifier_impression_3d(const DescriptionSerie& d) {
  if (const auto defaut = defaut_maillage(d)) throw DescriptionInvalide(texte_defaut(*defaut));
}

std::vector<double> positions_des_couples(const DescriptionSerie& d) {
  if (const auto defaut = defaut_description(d)) throw DescriptionInvalide(texte_defaut(*defaut));
  if (d.positions) return *d.positions;
  const double p1 = d.stations.front().position, pn = d.stations.back().position;
  const int n = *d.nombre;
  std::vector<double> positions;
  for (int i = 1; i <= n; ++i) positions.push_back(p1 + ((pn - p1) * (i - 1)) / (n - 1));
  return positions;
}

std::vector<Courbe> courbes_de(const DescriptionSerie& d) {
  std::vector<double> x;
  for (const Station& s : d.stations) x.push_back(s.position);
  std::vector<Courbe> courbes;
  for (std::size_t c = 0; c < NB_COTES; ++c) {
    std::vector<double> y;
    for (const Station& s : d.stations) y.push_back(s.cotes[c]);
    courbes.emplace_back(x, std::move(y), d.interpolation);
  }
  return courbes;
}

std::vector<CoupleSerie> couples_aux(const std::vector<double>& positions, const std::vector<Courbe>& courbes,
                                     const DescriptionSerie& d) {
  std::vector<CoupleSerie> couples;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    CoupleSerie couple;
    couple.nom = "F";
    couple.nom += std::to_string(i + 1); // appended: see cle_de_station
    couple.position = positions[i];
    for (std::size_t c = 0; c < NB_COTES; ++c) {
      std::string& texte = couple.champs.*(COTES[c].champ);
      texte = texte_au_centieme(courbes[c](positions[i]));
      couple.cotes[c] = lire_nombre(texte);
    }
    couple.champs.nbptel = d.nbptel;
    couple.champs.nbptseg = d.nbptseg;
    couple.champs.ch = d.ch;
    couple.champs.cv = d.cv;
    couples.push_back(std::move(couple));
  }
  return couples;
}

std::vector<CoupleSerie> couples_de(const DescriptionSerie& d) {
  const std::vector<double> positions = positions_des_couples(d);
  return couples_aux(positions, courbes_de(d), d);
}

CoupleTrace tracer_couple(const CoupleSerie& couple, const OptionsGabarit& options) {
  try {
    ResultatTrace trace = tracer(couple.champs);
    Gabarit gabarit = construire_gabarit(trace, options);
    return {couple, std::move(trace), std::move(gabarit)};
  } catch (const ErreurExecution& e) {
    throw ErreurCouple(couple.nom, e);
  }
}

} // namespace bilobe
