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

void date_civile(std::int64_t jours, std::int64_t& annee, unsigned& mois, unsigned& jour) {
  jours += 719468;
  const std::int64_t ere = (jours >= 0 ? jours : jours - 146096) / 146097;
  const auto jour_ere = static_cast<unsigned>(jours - ere * 146097);
  const unsigned annee_ere = (jour_ere - jour_ere / 1460 + jour_ere / 36524 - jour_ere / 146096) / 365;
  const unsigned jour_annee = jour_ere - (365 * annee_ere + annee_ere / 4 - annee_ere / 100);
  const unsigned m = (5 * jour_annee + 2) / 153;
  jour = jour_annee - (153 * m + 2) / 5 + 1;
  mois = m < 10 ? m + 3 : m - 9;
  annee = static_cast<std::int64_t>(annee_ere) + ere * 400 + (mois <= 2);
}

} // namespace bilobe
