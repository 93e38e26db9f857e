#include "export/texte_dat.h"

#include "common/erreurs.h"

#include <array>
#include <charconv>
#include <cmath>

namespace bilobe {

namespace {

// Only an odd multiple of 1/64 has exactly six decimals ending in 5, so only
// those can be exact ties at the fifth decimal.
bool est_egalite_exacte(double v) {
  const double soixante_quatre = v * 64.0;
  return std::fabs(soixante_quatre) < 9007199254740992.0 && std::trunc(soixante_quatre) == soixante_quatre &&
         std::fmod(soixante_quatre, 2.0) != 0.0;
}

std::string en_texte(double v, int decimales) {
  std::array<char, 400> tampon{};
  auto [fin, ec] = std::to_chars(tampon.data(), tampon.data() + tampon.size(), v, std::chars_format::fixed, decimales);
  if (ec != std::errc()) lever(GenreErreur::Depassement, "texte d'un point");
  return {tampon.data(), fin};
}

// Adds one unit in the last place of a text of digits with a point.
void arrondir_vers_le_haut(std::string& t) {
  int i = static_cast<int>(t.size()) - 1;
  for (; i >= 0; --i) {
    char& c = t[static_cast<std::size_t>(i)];
    if (c == '.' || c == '-') continue;
    if (c != '9') {
      ++c;
      return;
    }
    c = '0';
  }
  t.insert(t[0] == '-' ? 1 : 0, 1, '1');
}

} // namespace

std::string texte_fixe(double valeur) {
  if (std::isnan(valeur)) lever(GenreErreur::OperationInvalide, "texte d'un point");
  if (std::isinf(valeur)) lever(GenreErreur::Depassement, "texte d'un point");
  std::string t;
  if (est_egalite_exacte(valeur)) {
    t = en_texte(valeur, 6); // exact: ends in 5
    t.pop_back();
    arrondir_vers_le_haut(t); // away from zero, the sign standing apart
  } else {
    t = en_texte(valeur, 5); // correctly rounded, no tie possible
  }
  if (t == "-0.00000") t = "0.00000";
  return remp_virg_point(t);
}

std::string remp_virg_point(const std::string& Nb) {
  const std::size_t l = Nb.size();
  return Nb.substr(0, l - 6) + "." + Nb.substr(l - 5);
}

std::string vers_windows_1252(const std::string& utf8) {
  std::string sortie;
  sortie.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      sortie += static_cast<char>(c);
      ++i;
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
      // U+00A0 to U+00FF share their code with Windows-1252.
      const unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      sortie += code >= 0xA0 ? static_cast<char>(code) : '?';
      i += 2;
    } else {
      sortie += '?';
      ++i;
      while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
  }
  return sortie;
}

std::string contenu_dat(const DonneesExport& donnees) {
  const std::string fin_de_ligne = "\r\n";
  std::string contenu = vers_windows_1252(donnees.Commentaire) + fin_de_ligne;
  const ListePoints& liste = donnees.liste();
  const int n = donnees.nbpts();
  contenu.reserve(contenu.size() + static_cast<std::size_t>(n > 0 ? n : 0) * 20);
  for (int i = 1; i <= n; ++i) {
    contenu += texte_fixe(liste.x(i));
    contenu += ' ';
    contenu += texte_fixe(liste.y(i));
    contenu += fin_de_ligne;
  }
  return contenu;
}

} // namespace bilobe
