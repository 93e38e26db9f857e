#include "common/chiffres.h"

#include "common/erreurs.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>

namespace bilobe::chiffres {

namespace {

void au_moins_une_decimale(int decimales) {
  if (decimales < 1) lever(GenreErreur::OperationInvalide, "texte d'un nombre", "aucune décimale demandée");
}

} // namespace

char* fixe(char* debut, char* fin, double v, int decimales) {
  au_moins_une_decimale(decimales);
  const auto r = fmt::format_to_n(debut, static_cast<std::size_t>(fin - debut), "{:.{}f}", v, decimales);
  return r.size <= static_cast<std::size_t>(fin - debut) ? r.out : nullptr;
}

std::string fixe(double v, int decimales) {
  au_moins_une_decimale(decimales);
  return fmt::format("{:.{}f}", v, decimales);
}

std::string scientifique(double v, int decimales) { return fmt::format("{:.{}e}", v, decimales); }

std::string plus_court(double v) {
  if (v == 0) return std::signbit(v) ? "-0" : "0";
  // The shortest digits that read back as v, and the power of ten of the last.
  const auto d = fmt::detail::dragonbox::to_decimal(std::fabs(v));
  const std::string chiffres = std::to_string(d.significand);
  const int n = static_cast<int>(chiffres.size()), e = d.exponent;
  const std::string signe = v < 0 ? "-" : "";

  std::string fixe_ = signe;
  if (e >= 0) {
    // An integer is written whole, every digit exact, as printf("%.0f") does.
    fixe_ = fixe(v, 1);
    fixe_.resize(fixe_.size() - 2);
  } else if (n + e > 0)
    fixe_ +=
        chiffres.substr(0, static_cast<std::size_t>(n + e)) + "." + chiffres.substr(static_cast<std::size_t>(n + e));
  else
    fixe_ += "0." + std::string(static_cast<std::size_t>(-(n + e)), '0') + chiffres;

  const int x = e + n - 1;
  std::string science = signe + chiffres.substr(0, 1);
  if (n > 1) science += "." + chiffres.substr(1);
  science += x < 0 ? "e-" : "e+";
  const std::string puissance = std::to_string(std::abs(x));
  science += (puissance.size() < 2 ? "0" : "") + puissance;
  return science.size() < fixe_.size() ? science : fixe_;
}

Lu lire(const char* debut, const char* fin) {
  Lu lu;
  const auto r = fast_float::from_chars(debut, fin, lu.valeur);
  lu.fin = r.ptr;
  lu.erreur = r.ec;
  if (r.ec != std::errc()) return lu;
  // fast_float gives infinity beyond the largest double and zero below the
  // smallest; the C++ library calls both out of range. "inf" itself is read.
  const bool infini_ecrit = std::any_of(debut, r.ptr, [](char c) { return c == 'i' || c == 'I'; });
  const bool chiffre_non_nul =
      std::any_of(debut, std::find_if(debut, r.ptr, [](char c) { return c == 'e' || c == 'E'; }),
                  [](char c) { return c >= '1' && c <= '9'; });
  if ((std::isinf(lu.valeur) && !infini_ecrit) || (lu.valeur == 0 && chiffre_non_nul)) {
    lu.valeur = 0;
    lu.erreur = std::errc::result_out_of_range;
  }
  return lu;
}

} // namespace bilobe::chiffres
