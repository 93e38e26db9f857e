#include "common/erreurs.h"
#include "formats/archive_zip.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace bilobe {
namespace {

std::uint32_t lu16(const std::string& o, std::size_t i) {
  return static_cast<unsigned char>(o[i]) | static_cast<unsigned char>(o[i + 1]) << 8;
}
std::uint32_t lu32(const std::string& o, std::size_t i) { return lu16(o, i) | lu16(o, i + 2) << 16; }

TEST(ArchiveZip, CrcDesValeursConnues) {
  const std::pair<std::string, std::uint32_t> cas[] = {
      {"", 0}, {"a", 0xE8B7BE43u}, {"123456789", 0xCBF43926u}, {std::string("\0\xff", 2), 0x6CDBFD72u}};
  for (const auto& [octets, crc] : cas) EXPECT_EQ(crc32(octets), crc) << octets;
}

// Each entry found where the central directory says, with its name, its
// bytes, their CRC and the date; the end record counts them all.
TEST(ArchiveZip, EntreesRetrouveesParLeRepertoire) {
  const std::vector<FichierPrepare> fichiers{
      {"F1.dat", "Couple : 140 x 100\r\n"}, {"vide.txt", ""}, {"Planche 1 é.svg", std::string("<\0>", 3)}};
  const std::int64_t date = 1796872560; // 2026-12-10 03:16:00
  const std::string zip = archive_zip(fichiers, date);
  const std::size_t fin = zip.size() - 22;
  ASSERT_EQ(lu32(zip, fin), 0x06054b50u);
  ASSERT_EQ(lu16(zip, fin + 10), fichiers.size());
  std::size_t r = lu32(zip, fin + 16);
  for (const FichierPrepare& f : fichiers) {
    ASSERT_EQ(lu32(zip, r), 0x02014b50u) << f.nom;
    EXPECT_EQ(lu16(zip, r + 8), 1u << 11) << "noms en UTF-8";
    EXPECT_EQ(lu16(zip, r + 12), 3u << 11 | 16u << 5) << "03:16:00";
    EXPECT_EQ(lu16(zip, r + 14), 46u << 9 | 12u << 5 | 10u) << "2026-12-10";
    EXPECT_EQ(lu32(zip, r + 16), crc32(f.octets));
    const std::size_t local = lu32(zip, r + 42);
    ASSERT_EQ(lu32(zip, local), 0x04034b50u);
    EXPECT_EQ(zip.substr(local + 30, f.nom.size()), f.nom);
    EXPECT_EQ(zip.substr(local + 30 + f.nom.size(), lu32(zip, local + 22)), f.octets);
    r += 46 + lu16(zip, r + 28);
  }
  EXPECT_EQ(r, fin);
  // Before 1980 the zip format has no date: the first it has.
  const std::string ancien = archive_zip(fichiers, 0);
  EXPECT_EQ(lu16(ancien, 12), 1u << 5 | 1u);
}

TEST(ArchiveZip, TropDeFichiersSansZip64) {
  const std::vector<FichierPrepare> fichiers(65536, FichierPrepare{"a", ""});
  EXPECT_THROW(archive_zip(fichiers, 0), Depassement);
  EXPECT_THROW(archive_zip({{"", "x"}}, 0), OperationInvalide);
}

} // namespace
} // namespace bilobe
