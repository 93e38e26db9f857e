#pragma once

#include <cmath>

// Checked arithmetic. IEEE arithmetic does not trap, so every operation of the
// trace that can fail goes through these helpers: no NaN or infinity is ever
// produced, a failure raises the matching ErreurExecution instead. Operands are
// always finite, so an infinite result can only be an overflow. The checks are
// inline: they sit in the trace's inner loops.

namespace bilobe::calcul {

namespace echec {
[[noreturn]] void depassement(const char* lieu);
[[noreturn]] void division(bool zero_sur_zero, const char* lieu);
[[noreturn]] void racine_negative(const char* lieu);
} // namespace echec

template <typename T> inline T verifie(T r, const char* lieu) {
  if (std::isinf(r)) [[unlikely]]
    echec::depassement(lieu);
  return r;
}

template <typename T> inline T diviser(T a, T b, const char* lieu) {
  if (b == 0) [[unlikely]]
    echec::division(a == 0, lieu);
  return verifie(a / b, lieu);
}

inline double div(double a, double b, const char* lieu) { return diviser(a, b, lieu); }
inline float divf(float a, float b, const char* lieu) { return diviser(a, b, lieu); }
inline double mul(double a, double b, const char* lieu) { return verifie(a * b, lieu); }
inline float mulf(float a, float b, const char* lieu) { return verifie(a * b, lieu); }
inline double add(double a, double b, const char* lieu) { return verifie(a + b, lieu); }
inline double sub(double a, double b, const char* lieu) { return verifie(a - b, lieu); }

inline double racine(double a, const char* lieu) {
  if (a < 0) [[unlikely]]
    echec::racine_negative(lieu);
  return std::sqrt(a);
}

// Rounds a double to single precision; beyond the single range is an overflow.
inline float simple(double a, const char* lieu) { return verifie(static_cast<float>(a), lieu); }

} // namespace bilobe::calcul
