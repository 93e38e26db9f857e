#include "ui/modeles/lecture_champ.h"

#include "common/erreurs.h"
#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"

namespace bilobe {

std::optional<std::string> defaut_champ(std::string_view texte) {
  if (est_un_nombre(texte)) return std::nullopt;
  std::string lu;
  try {
    lu = "lu " + texte_exact(lire_nombre(texte));
  } catch (const ErreurExecution&) {
    return "nombre trop grand";
  }
  if (texte.find(',') != std::string_view::npos) return lu + " : le séparateur décimal est le point";
  if (texte.find_first_not_of(" \t\r\n") == std::string_view::npos) return lu + " : le champ est vide";
  return lu + " : ce n'est pas entièrement un nombre";
}

} // namespace bilobe
