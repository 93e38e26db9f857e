#include "common/calcul.h"

#include "common/erreurs.h"

#include <cmath>

namespace bilobe::calcul {

namespace {
template <typename T> T verifie(T r, const char* lieu) {
  if (std::isinf(r)) lever(GenreErreur::Depassement, lieu);
  return r;
}

template <typename T> T diviser(T a, T b, const char* lieu) {
  if (b == 0) {
    if (a == 0) lever(GenreErreur::OperationInvalide, lieu, "0 / 0");
    lever(GenreErreur::DivisionParZero, lieu);
  }
  return verifie(a / b, lieu);
}
} // namespace

double div(double a, double b, const char* lieu) { return diviser(a, b, lieu); }
float divf(float a, float b, const char* lieu) { return diviser(a, b, lieu); }

double mul(double a, double b, const char* lieu) { return verifie(a * b, lieu); }
float mulf(float a, float b, const char* lieu) { return verifie(a * b, lieu); }
double add(double a, double b, const char* lieu) { return verifie(a + b, lieu); }
double sub(double a, double b, const char* lieu) { return verifie(a - b, lieu); }

double racine(double a, const char* lieu) {
  if (a < 0) lever(GenreErreur::OperationInvalide, lieu, "racine carrée d'un nombre négatif");
  return std::sqrt(a);
}

float simple(double a, const char* lieu) { return verifie(static_cast<float>(a), lieu); }

} // namespace bilobe::calcul
