#include "formats/archive_zip.h"

#include "common/erreurs.h"
#include "formats/date_pdf.h"

#include <algorithm>
#include <array>
#include <limits>

namespace bilobe {

namespace {

constexpr std::array<std::uint32_t, 256> TABLE_CRC = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

void mot16(std::string& o, std::uint32_t v) {
  o.push_back(static_cast<char>(v & 0xFF));
  o.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void mot32(std::string& o, std::uint32_t v) {
  mot16(o, v & 0xFFFF);
  mot16(o, v >> 16);
}

// MS-DOS time and date, as the zip format stores them.
struct DateDos {
  std::uint32_t heure = 0;
  std::uint32_t jour = (1 << 5) | 1; // 1980-01-01
};

DateDos date_dos(std::int64_t secondes) {
  constexpr std::int64_t DEBUT = 315532800; // 1980-01-01 00:00:00
  constexpr std::int64_t FIN = 4354819198;  // 2107-12-31 23:59:58
  secondes = std::clamp(secondes, DEBUT, FIN);
  std::int64_t annee = 0;
  unsigned mois = 0, jour = 0;
  date_civile(secondes / 86400, annee, mois, jour);
  const auto reste = static_cast<std::uint32_t>(secondes % 86400);
  return {(reste / 3600) << 11 | (reste / 60 % 60) << 5 | (reste % 60) / 2,
          static_cast<std::uint32_t>(annee - 1980) << 9 | mois << 5 | jour};
}

constexpr std::uint32_t NOMS_UTF8 = 1 << 11;
constexpr std::uint32_t VERSION = 20; // 2.0: folders in names

void entete(std::string& o, const FichierPrepare& f, const DateDos& d, std::uint32_t crc) {
  mot16(o, VERSION);
  mot16(o, NOMS_UTF8);
  mot16(o, 0); // stored
  mot16(o, d.heure);
  mot16(o, d.jour);
  mot32(o, crc);
  mot32(o, static_cast<std::uint32_t>(f.octets.size()));
  mot32(o, static_cast<std::uint32_t>(f.octets.size()));
  mot16(o, static_cast<std::uint32_t>(f.nom.size()));
  mot16(o, 0); // no extra field
}

} // namespace

std::uint32_t crc32(const std::string& octets) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char o : octets) c = TABLE_CRC[(c ^ static_cast<unsigned char>(o)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string archive_zip(const std::vector<FichierPrepare>& fichiers, std::int64_t date) {
  if (fichiers.size() > 0xFFFF) lever(GenreErreur::Depassement, "zip", "plus de 65535 fichiers");
  std::size_t total = 22;
  for (const FichierPrepare& f : fichiers) {
    if (f.nom.empty() || f.nom.size() > 0xFFFF) lever(GenreErreur::OperationInvalide, "zip", "nom de fichier invalide");
    total += 30 + 46 + 2 * f.nom.size() + f.octets.size();
  }
  if (total > std::numeric_limits<std::uint32_t>::max()) lever(GenreErreur::Depassement, "zip", "plus de 4 Go");

  const DateDos d = date_dos(date);
  std::string zip, repertoire;
  zip.reserve(total);
  for (const FichierPrepare& f : fichiers) {
    const std::uint32_t crc = crc32(f.octets);
    const auto position = static_cast<std::uint32_t>(zip.size());
    mot32(zip, 0x04034b50);
    entete(zip, f, d, crc);
    zip += f.nom;
    zip += f.octets;

    mot32(repertoire, 0x02014b50);
    mot16(repertoire, VERSION); // made by: MS-DOS attributes, version 2.0
    entete(repertoire, f, d, crc);
    mot16(repertoire, 0); // comment
    mot16(repertoire, 0); // disk
    mot16(repertoire, 0); // internal attributes
    mot32(repertoire, 0); // external attributes
    mot32(repertoire, position);
    repertoire += f.nom;
  }
  const auto debut_repertoire = static_cast<std::uint32_t>(zip.size());
  zip += repertoire;
  mot32(zip, 0x06054b50);
  mot16(zip, 0);
  mot16(zip, 0);
  mot16(zip, static_cast<std::uint32_t>(fichiers.size()));
  mot16(zip, static_cast<std::uint32_t>(fichiers.size()));
  mot32(zip, static_cast<std::uint32_t>(repertoire.size()));
  mot32(zip, debut_repertoire);
  mot16(zip, 0); // comment
  return zip;
}

} // namespace bilobe
