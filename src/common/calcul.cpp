#include "common/calcul.h"

#include "common/erreurs.h"

namespace bilobe::calcul::echec {

void depassement(const char* lieu) { lever(GenreErreur::Depassement, lieu); }

void division(bool zero_sur_zero, const char* lieu) {
  if (zero_sur_zero) lever(GenreErreur::OperationInvalide, lieu, "0 / 0");
  lever(GenreErreur::DivisionParZero, lieu);
}

void racine_negative(const char* lieu) {
  lever(GenreErreur::OperationInvalide, lieu, "racine carrée d'un nombre négatif");
}

} // namespace bilobe::calcul::echec
