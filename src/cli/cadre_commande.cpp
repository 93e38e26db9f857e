#include "cli/cadre_commande.h"

#include "common/erreurs.h"

#include <exception>

namespace bilobe::cli {

int executer_commande(const Commande& commande, std::optional<bool> aide, const std::string& erreur,
                      const std::function<int()>& corps, std::ostream& sortie, std::ostream& erreurs) {
  const std::string prefixe = std::string(commande.nom) + " : ";
  if (!aide) {
    erreurs << prefixe << erreur << "\n" << commande.usage();
    return 2;
  }
  if (*aide) {
    sortie << commande.aide();
    return 0;
  }
  try {
    return corps();
  } catch (const DescriptionInvalide& e) {
    erreurs << prefixe << e.what() << "\n";
    return 2;
  } catch (const std::exception& e) {
    erreurs << prefixe << texte_erreur(e) << "\n";
    return 1;
  }
}

} // namespace bilobe::cli
