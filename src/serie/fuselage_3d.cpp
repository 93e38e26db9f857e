#include "serie/fuselage_3d.h"

#include "common/texte_nombre.h"
#include "geometry/decalage.h"
#include "geometry/lignes.h"
#include "volume/section.h"

#include <algorithm>

namespace bilobe {

namespace {

// Closer than this, two sections would give triangles too thin to print.
constexpr double ECART_MIN = 0.01; // mm

struct Candidate {
  double z;
  bool requise; // a station or a cut: never left out
  bool coupe;
};

std::string nom_section(double z) { return "section à " + texte_au_centieme(z) + " mm"; }

} // namespace

std::vector<PositionSection> positions_des_sections(const DescriptionSerie& d, double pas, double troncon) {
  const double debut = d.stations.front().position, fin = d.stations.back().position;
  std::vector<Candidate> candidates;
  for (const Station& s : d.stations) candidates.push_back({s.position, true, false});
  for (double k = 1; debut + k * pas < fin; ++k) candidates.push_back({debut + k * pas, false, false});
  if (troncon > 0)
    for (double k = 1; debut + k * troncon < fin; ++k) candidates.push_back({debut + k * troncon, true, true});
  std::stable_sort(candidates.begin(), candidates.end(), [](auto& a, auto& b) { return a.z < b.z; });
  std::vector<Candidate> gardees;
  for (const Candidate& c : candidates) {
    if (gardees.empty() || c.z - gardees.back().z >= ECART_MIN) {
      gardees.push_back(c);
      continue;
    }
    Candidate& avant = gardees.back();
    if (c.requise && !avant.requise) avant.z = c.z;
    avant.requise = avant.requise || c.requise;
    avant.coupe = avant.coupe || c.coupe;
  }
  // The last station stays the end, even with a step or a cut just before it.
  gardees.back().z = fin;
  // A cut that would leave a piece thinner than a step is not made, the
  // sliver staying part of its neighbour: 0.02 mm from the end, it would not print.
  double bord = debut;
  for (std::size_t k = 1; k + 1 < gardees.size(); ++k) {
    if (!gardees[k].coupe) continue;
    if (gardees[k].z - bord < pas || fin - gardees[k].z < pas)
      gardees[k].coupe = false;
    else
      bord = gardees[k].z;
  }
  std::vector<PositionSection> positions;
  for (const Candidate& c : gardees) positions.push_back({c.z, c.coupe});
  positions.front().coupe = positions.back().coupe = false;
  return positions;
}

std::vector<Tranche> tranches_du_fuselage(const DescriptionSerie& d, const std::vector<double>& positions, double paroi,
                                          std::size_t intervalles) {
  const std::vector<Courbe> courbes = courbes_de(d);
  std::vector<Boucle> contours;
  std::vector<std::vector<PointMm>> moities;
  for (const double z : positions) {
    try {
      const CoupleSerie couple = couples_aux({z}, courbes, d).front();
      contours.push_back(lignes_du_couple(tracer(couple.champs)).exterieur);
      moities.push_back(moitie_droite(contours.back(), "contour extérieur"));
    } catch (const ErreurExecution& e) {
      throw ErreurCouple(nom_section(z), e);
    }
  }
  if (intervalles == 0)
    for (const auto& moitie : moities) intervalles = std::max(intervalles, moitie.size() - 1);
  const std::size_t triangles_par_section = 2 * intervalles * (paroi > 0 ? 4 : 2);
  if (triangles_par_section * positions.size() > TRIANGLES_MAX)
    lever(GenreErreur::Depassement, "fuselage en 3D", "plus de 4000000 triangles : augmentez le pas");
  std::vector<Tranche> tranches;
  for (std::size_t k = 0; k < positions.size(); ++k) {
    Tranche t;
    t.z = positions[k];
    t.exterieur = anneau(repartir(moities[k], intervalles));
    if (paroi > 0) try {
        const Boucle creux = decaler(contours[k], -paroi, "paroi de l'impression");
        t.interieur = anneau(repartir(moitie_droite(creux, "paroi de l'impression"), intervalles));
      } catch (const ErreurExecution& e) {
        throw ErreurCouple(nom_section(t.z), e);
      }
    tranches.push_back(std::move(t));
  }
  return tranches;
}

std::size_t nombre_de_pieces(const DescriptionSerie& d) {
  verifier_impression_3d(d); // a step far too small would list sections without end
  const auto sections = positions_des_sections(d, d.impression_3d.pas, d.impression_3d.troncon);
  return 1 + static_cast<std::size_t>(std::count_if(sections.begin(), sections.end(), [](auto& s) { return s.coupe; }));
}

std::vector<Maillage> pieces_du_fuselage(const DescriptionSerie& d) {
  positions_des_couples(d); // raises the description's first fault
  verifier_impression_3d(d);
  const Impression3d& impression = d.impression_3d;
  const std::vector<PositionSection> sections = positions_des_sections(d, impression.pas, impression.troncon);
  if (sections.size() < 2)
    lever(GenreErreur::OperationInvalide, "fuselage en 3D",
          "moins de deux sections : la première et la dernière station sont à moins de 0.01 mm l'une de l'autre");
  std::vector<double> z;
  for (const PositionSection& s : sections) z.push_back(s.z);
  const std::vector<Tranche> tranches = tranches_du_fuselage(d, z, impression.paroi);
  std::vector<Maillage> pieces;
  std::size_t debut = 0;
  for (std::size_t k = 1; k < sections.size(); ++k)
    if (sections[k].coupe || k + 1 == sections.size()) {
      pieces.push_back(solide_par_tranches(std::span(tranches).subspan(debut, k + 1 - debut), "fuselage en 3D"));
      debut = k;
    }
  return pieces;
}

Apercu3d apercu_3d(const DescriptionSerie& d) {
  constexpr double SECTIONS = 80;
  constexpr std::size_t PAS_PAR_MOITIE = 24;
  const std::vector<double> formers = positions_des_couples(d);
  const double longueur = d.stations.back().position - d.stations.front().position;
  std::vector<double> z;
  for (const PositionSection& s : positions_des_sections(d, longueur / SECTIONS, 0)) z.push_back(s.z);
  Apercu3d apercu;
  apercu.coque = solide_par_tranches(tranches_du_fuselage(d, z, 0, PAS_PAR_MOITIE), "vue 3D");
  for (const Tranche& t : tranches_du_fuselage(d, formers, 0, PAS_PAR_MOITIE)) {
    std::vector<Point3>& anneau = apercu.couples.emplace_back();
    for (const PointMm& p : t.exterieur)
      anneau.push_back({static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(t.z)});
  }
  return apercu;
}

} // namespace bilobe
