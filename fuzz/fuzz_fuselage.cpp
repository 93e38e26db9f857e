// Arbitrary fuselage files through the reader, then, for those it accepts,
// the trace of every former, the nesting and the files of the sheets and the
// profile, and the fuselage in 3D. Must never crash or hang; a file is
// either refused with one line or gives files without "nan" or "inf"; the
// layout keeps its margins; every 3D piece is closed.
#include "common/erreurs.h"
#include "formats/stl.h"
#include "serie/fichier_fuselage.h"
#include "serie/fuselage_3d.h"
#include "serie/planches.h"
#include "serie/profil_svg.h"
#include "serie/serie_imbriquee.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace {

constexpr int COUPLES_MAX = 12; // keeps each run short; the count is not what is tested

void verifier(bool condition) {
  if (!condition) std::abort();
}

// "nan" or "inf" where a number would be: not inside a word ("dominant").
bool non_fini(const std::string& texte) {
  for (const char* mot : {"nan", "inf"})
    for (std::size_t p = 0; (p = texte.find(mot, p)) != std::string::npos; ++p)
      if (p == 0 || !std::isalpha(static_cast<unsigned char>(texte[p - 1]))) return true;
  return false;
}

// Each edge run once each way: no hole, no triangle turned the wrong way.
bool ferme(const bilobe::Maillage& m) {
  std::map<std::pair<std::uint32_t, std::uint32_t>, int> aretes;
  for (const bilobe::Triangle& t : m.triangles)
    for (int k = 0; k < 3; ++k) ++aretes[{t[k], t[(k + 1) % 3]}];
  for (const auto& [arete, fois] : aretes)
    if (fois != 1 || !aretes.count({arete.second, arete.first})) return false;
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  using namespace bilobe;
  DescriptionSerie description;
  try {
    description = lire_description(std::string_view(reinterpret_cast<const char*>(donnees), taille), "f.toml");
  } catch (const DescriptionInvalide& e) {
    verifier(std::string_view(e.what()).find('\n') == std::string_view::npos);
    return 0;
  }
  description.nom.clear(); // a name may well say "inf"
  if (description.nombre && *description.nombre > COUPLES_MAX) description.nombre = COUPLES_MAX;
  if (description.positions && description.positions->size() > COUPLES_MAX) description.positions->resize(COUPLES_MAX);
  try {
    const SerieTracee serie = preparer_serie(description);
    const Planche& pl = description.planche;
    for (std::size_t i = 0; i < serie.couples.size(); ++i) {
      const PiecePlacee& p = serie.imbrication.pieces[i];
      verifier(p.x >= pl.marge - 1e-6 &&
               p.x + serie.couples[i].gabarit.cadre.largeur() <= pl.largeur - pl.marge + 1e-6);
    }
    std::string fichiers = contenu_planches_dxf(serie) + contenu_profil_svg(serie);
    for (int k = 0; k < serie.imbrication.planches && k < 3; ++k) fichiers += contenu_planche_svg(serie, k);
    verifier(!non_fini(fichiers));
  } catch (const DescriptionInvalide&) {
  } catch (const ErreurExecution&) {
  }
  try {
    // A few sections of few points, and a few pieces at most: each run
    // stays short; the formers' own traces were tried above.
    const double longueur = description.stations.back().position - description.stations.front().position;
    description.nbptel = "12";
    description.nbptseg = "3";
    description.impression_3d.pas = std::max(description.impression_3d.pas, longueur / 6);
    if (description.impression_3d.troncon > 0)
      description.impression_3d.troncon = std::max(description.impression_3d.troncon, longueur / 4);
    for (const Maillage& m : pieces_du_fuselage(description)) {
      verifier(ferme(m));
      verifier(contenu_stl(m, "").size() == 84 + 50 * m.triangles.size());
    }
  } catch (const DescriptionInvalide&) {
  } catch (const ErreurExecution&) {
  }
  return 0;
}
