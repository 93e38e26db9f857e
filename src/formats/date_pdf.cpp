#include "formats/date_pdf.h"

#include <cstdlib>

namespace bilobe {

namespace {

constexpr std::size_t CHIFFRES_MAX = 11; // beyond year 5000

} // namespace

std::optional<std::int64_t> date_reproductible() {
  const char* texte = std::getenv("SOURCE_DATE_EPOCH");
  if (!texte || !*texte) return std::nullopt;
  std::int64_t secondes = 0;
  for (std::size_t n = 0; texte[n]; ++n) {
    if (texte[n] < '0' || texte[n] > '9' || n >= CHIFFRES_MAX) return std::nullopt;
    secondes = secondes * 10 + (texte[n] - '0');
  }
  return secondes;
}

} // namespace bilobe
