#include "formats/stl.h"

#include "common/erreurs.h"

#include <cstdint>
#include <cstring>

namespace bilobe {

namespace {

constexpr std::size_t TAILLE_ENTETE = 80;
constexpr std::size_t OCTETS_PAR_TRIANGLE = 50;

void mot(std::string& octets, std::uint32_t valeur) {
  for (int k = 0; k < 4; ++k) octets.push_back(static_cast<char>((valeur >> (8 * k)) & 0xFF));
}

// memcpy rather than std::bit_cast, which the browser build's C++ library lacks.
void reel(std::string& octets, float valeur) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &valeur, sizeof bits);
  mot(octets, bits);
}

void point(std::string& octets, const Point3& p) {
  reel(octets, p.x);
  reel(octets, p.y);
  reel(octets, p.z);
}

} // namespace

std::string contenu_stl(const Maillage& m, std::string_view entete) {
  if (m.triangles.size() > 0xFFFFFFFFu) lever(GenreErreur::Depassement, "STL", "trop de triangles");
  std::string octets(entete.substr(0, TAILLE_ENTETE));
  if (octets.starts_with("solid")) octets[0] = 'S';
  octets.resize(TAILLE_ENTETE, ' ');
  octets.reserve(TAILLE_ENTETE + 4 + m.triangles.size() * OCTETS_PAR_TRIANGLE);
  mot(octets, static_cast<std::uint32_t>(m.triangles.size()));
  for (const Triangle& t : m.triangles) {
    const auto n = normale(m, t);
    reel(octets, static_cast<float>(n[0]));
    reel(octets, static_cast<float>(n[1]));
    reel(octets, static_cast<float>(n[2]));
    for (const std::uint32_t s : t) point(octets, m.sommets[s]);
    octets.append(2, '\0'); // attribute bytes, unused
  }
  return octets;
}

} // namespace bilobe
