#include "ui/gestion_erreurs.h"

#include "common/erreurs.h"

#include <new>

namespace bilobe::ui {

bool sans_exception(const std::function<void()>& corps, const std::function<void(const QString&)>& montrer) {
  try {
    corps();
    return true;
  } catch (const ErreurExecution& e) {
    montrer(QString::fromStdString(e.what()));
  } catch (const DescriptionInvalide& e) {
    montrer(QString::fromStdString(e.what()));
  } catch (const std::bad_alloc&) {
    montrer(QStringLiteral("Mémoire insuffisante"));
  } catch (const std::exception&) {
    // Its text would be the library's English.
    montrer(QStringLiteral("Erreur inattendue du programme : l'opération est abandonnée"));
  }
  return false;
}

} // namespace bilobe::ui
