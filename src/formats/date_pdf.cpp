#include "formats/date_pdf.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace bilobe {

namespace {

constexpr std::size_t CHIFFRES_MAX = 11; // beyond year 5000
constexpr std::size_t ENTREE_XREF = 20;  // "0000000015 00000 n \n"

std::optional<std::string> texte_date(std::int64_t secondes) {
  const auto t = static_cast<std::time_t>(secondes);
  std::tm utc{};
  if (!::gmtime_r(&t, &utc)) return std::nullopt;
  char texte[64];
  std::snprintf(texte, sizeof texte, "D:%04d%02d%02d%02d%02d%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                utc.tm_hour, utc.tm_min, utc.tm_sec);
  return texte;
}

bool entree_xref(const std::string& pdf, std::size_t ligne) {
  return ligne + ENTREE_XREF <= pdf.size() && pdf[ligne + 10] == ' ' && pdf[ligne + 16] == ' ' &&
         (pdf[ligne + 17] == 'n' || pdf[ligne + 17] == 'f') && pdf[ligne + ENTREE_XREF - 1] == '\n';
}

// Every object past `apres` moved by `ecart` bytes; so did the table itself.
void deplacer_xref(std::string& pdf, std::size_t apres, long ecart) {
  const std::size_t xref = pdf.rfind("\nxref\n");
  if (xref == std::string::npos) return;
  std::size_t ligne = pdf.find('\n', xref + 6) + 1; // past "0 N"
  for (; entree_xref(pdf, ligne); ligne += ENTREE_XREF) {
    const long position = std::strtol(pdf.c_str() + ligne, nullptr, 10);
    if (pdf[ligne + 17] == 'n' && position > static_cast<long>(apres)) {
      char chiffres[16];
      std::snprintf(chiffres, sizeof chiffres, "%010ld", position + ecart);
      pdf.replace(ligne, 10, chiffres);
    }
  }
  const std::size_t start = pdf.find("startxref\n", xref);
  if (start == std::string::npos) return;
  const std::size_t nombre = start + 10;
  const std::size_t fin = pdf.find_first_not_of("0123456789", nombre);
  const long ancien = std::strtol(pdf.c_str() + nombre, nullptr, 10);
  pdf.replace(nombre, fin - nombre, std::to_string(ancien + ecart));
}

} // namespace

std::optional<std::int64_t> date_reproductible() {
  const char* texte = std::getenv("SOURCE_DATE_EPOCH");
  if (!texte || !*texte) return std::nullopt;
  std::int64_t secondes = 0;
  std::size_t n = 0;
  for (; texte[n]; ++n) {
    if (texte[n] < '0' || texte[n] > '9' || n >= CHIFFRES_MAX) return std::nullopt;
    secondes = secondes * 10 + (texte[n] - '0');
  }
  return secondes;
}

std::string dater_pdf(std::string pdf, std::int64_t secondes) {
  const std::string cle = "/CreationDate (";
  const std::size_t debut = pdf.find(cle);
  const std::optional<std::string> date = texte_date(secondes);
  if (debut == std::string::npos || !date) return pdf;
  const std::size_t texte = debut + cle.size();
  const std::size_t fin = pdf.find(')', texte);
  if (fin == std::string::npos) return pdf;
  const long ecart = static_cast<long>(date->size()) - static_cast<long>(fin - texte);
  pdf.replace(texte, fin - texte, *date);
  if (ecart != 0) deplacer_xref(pdf, debut, ecart);
  return pdf;
}

} // namespace bilobe
