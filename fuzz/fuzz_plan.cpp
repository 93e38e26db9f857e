// Arbitrary bytes as a DXF plan and as a lines file: never a crash or a
// hang; a refusal is one typed error, with one line for a lines file; lines
// that are taken give a fuselage whose stations stand in order.
#include "common/erreurs.h"
#include "formats/lecture_dxf.h"
#include "serie/fichier_lignes.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void verifier(bool condition) {
  if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  using namespace bilobe;
  const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
  try {
    const TraitsDxf dxf = lire_traits_dxf(texte, "plan.dxf");
    verifier(!dxf.traits.empty() && dxf.mm_par_unite > 0);
    for (const auto& trait : dxf.traits)
      for (const PointMm& p : trait) verifier(std::isfinite(p.x) && std::isfinite(p.y));
  } catch (const ErreurFichier&) {
  }
  try {
    const DescriptionSerie d = fuselage_depuis_lignes(texte, "lignes.toml");
    verifier(d.stations.size() >= 2 && d.stations.size() <= 200);
    for (std::size_t k = 1; k < d.stations.size(); ++k) verifier(d.stations[k].position > d.stations[k - 1].position);
  } catch (const DescriptionInvalide& e) {
    verifier(std::string_view(e.what()).find('\n') == std::string_view::npos);
  }
  return 0;
}
