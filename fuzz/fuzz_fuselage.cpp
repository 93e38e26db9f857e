// Arbitrary fuselage files through the reader, then, for those it accepts,
// the trace of every former, the nesting and the files of the sheets and the
// profile. Must never crash or hang; a file is either refused with one line
// or gives files without "nan" or "inf"; the layout keeps its margins.
#include "common/erreurs.h"
#include "serie/fichier_fuselage.h"
#include "serie/planches.h"
#include "serie/profil_svg.h"
#include "serie/serie_imbriquee.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
  return 0;
}
