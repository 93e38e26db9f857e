#include "ui/gestion_erreurs.h"

#include "common/erreurs.h"

namespace bilobe::ui {

bool sans_exception(const std::function<void()>& corps, const std::function<void(const QString&)>& montrer) {
  try {
    corps();
    return true;
  } catch (const std::exception& e) {
    montrer(QString::fromStdString(texte_erreur(e)));
  }
  return false;
}

} // namespace bilobe::ui
