#include "common/erreurs.h"

#include "common/interruption.h"
#include "common/texte_affichable.h"

#include <new>

namespace bilobe {

namespace {
// One line whatever the place and detail hold (a path or a typed value may
// carry a line feed or an escape code).
std::string composer(GenreErreur genre, const std::string& lieu, const std::string& detail) {
  std::string texte = nom_erreur(genre);
  if (!lieu.empty()) texte += " (" + texte_affichable(lieu) + ")";
  if (!detail.empty()) texte += " : " + texte_affichable(detail);
  return texte;
}
} // namespace

ErreurExecution::ErreurExecution(GenreErreur genre, std::string lieu, std::string detail)
    : std::runtime_error(composer(genre, lieu, detail)), genre_(genre), lieu_(std::move(lieu)),
      detail_(std::move(detail)) {}

ErreurCouple::ErreurCouple(const std::string& nom, const ErreurExecution& cause)
    : ErreurExecution(cause.genre(), cause.lieu(), cause.detail()), texte_(nom + " : " + cause.what()) {}

void ErreurExecution::relancer_dans(const std::string& etape) const { lever(genre_, etape + " : " + lieu_, detail_); }

std::string nom_erreur(GenreErreur genre) {
  switch (genre) {
  case GenreErreur::DivisionParZero:
    return "Division par zéro";
  case GenreErreur::OperationInvalide:
    return "Argument ou opération invalide";
  case GenreErreur::IndiceHorsLimites:
    return "Indice hors limites";
  case GenreErreur::Depassement:
    return "Dépassement de capacité";
  case GenreErreur::Fichier:
    return "Erreur de fichier";
  }
  return "Erreur";
}

void lever(GenreErreur genre, const std::string& lieu, const std::string& detail) {
  switch (genre) {
  case GenreErreur::DivisionParZero:
    throw DivisionParZero(lieu, detail);
  case GenreErreur::OperationInvalide:
    throw OperationInvalide(lieu, detail);
  case GenreErreur::IndiceHorsLimites:
    throw IndiceHorsLimites(lieu, detail);
  case GenreErreur::Depassement:
    throw Depassement(lieu, detail);
  case GenreErreur::Fichier:
    throw ErreurFichier(lieu, detail);
  }
  throw ErreurExecution(genre, lieu, detail);
}

std::string texte_erreur(const std::exception& e) {
  if (dynamic_cast<const ErreurExecution*>(&e) || dynamic_cast<const DescriptionInvalide*>(&e) ||
      dynamic_cast<const TravailInterrompu*>(&e))
    return e.what();
  if (dynamic_cast<const std::bad_alloc*>(&e)) return "Mémoire insuffisante";
  return "Erreur inattendue du programme : l'opération est abandonnée";
}

} // namespace bilobe
