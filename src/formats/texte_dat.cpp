#include "formats/texte_dat.h"

#include "common/calcul.h"
#include "common/chiffres.h"
#include "common/erreurs.h"
#include "common/texte_nombre.h"

#include <array>

#include <cmath>
#include <string_view>

namespace bilobe {

namespace {

// Only an odd multiple of 1/64 has exactly six decimals ending in 5, so only
// those can be exact ties at the fifth decimal.
bool est_egalite_exacte(double v) {
  const double soixante_quatre = v * 64.0;
  return std::fabs(soixante_quatre) < 9007199254740992.0 && std::trunc(soixante_quatre) == soixante_quatre &&
         std::fmod(soixante_quatre, 2.0) != 0.0;
}

// The longest fixed text of a double: 309 integer digits, sign, point, decimals.
constexpr std::size_t TEXTE_MAX = 400;

std::size_t en_texte(double v, int decimales, char* tampon) {
  char* fin = chiffres::fixe(tampon, tampon + TEXTE_MAX, v, decimales);
  if (!fin) lever(GenreErreur::Depassement, "texte d'un point");
  return static_cast<std::size_t>(fin - tampon);
}

// Adds one unit in the last place of a text of digits with a point; the
// text may grow by one character (999.99999 becomes 1000.00000).
std::size_t arrondir_vers_le_haut(char* t, std::size_t n) {
  for (std::size_t i = n; i-- > 0;) {
    char& c = t[i];
    if (c == '.' || c == '-') continue;
    if (c != '9') {
      ++c;
      return n;
    }
    c = '0';
  }
  const std::size_t debut = t[0] == '-' ? 1 : 0;
  for (std::size_t i = n; i > debut; --i) t[i] = t[i - 1];
  t[debut] = '1';
  return n + 1;
}

// Appends the fixed text of the value to `sortie`, without a temporary string.
void ajouter_fixe(std::string& sortie, double valeur) {
  if (std::isnan(valeur)) lever(GenreErreur::OperationInvalide, "texte d'un point");
  if (std::isinf(valeur)) lever(GenreErreur::Depassement, "texte d'un point");
  std::array<char, TEXTE_MAX + 1> t;
  std::size_t n;
  if (est_egalite_exacte(valeur)) {
    n = en_texte(valeur, 6, t.data()) - 1;  // exact: ends in 5, dropped
    n = arrondir_vers_le_haut(t.data(), n); // away from zero, the sign standing apart
  } else {
    n = en_texte(valeur, 5, t.data()); // correctly rounded, no tie possible
  }
  const char* debut = t.data();
  if (std::string_view(debut, n) == "-0.00000") {
    ++debut;
    --n;
  }
  sortie.append(debut, n);
  remp_virg_point_en_place(sortie.data() + sortie.size() - n, n);
}

} // namespace

void remp_virg_point_en_place(char* Nb, std::size_t longueur) { Nb[longueur - 6] = '.'; }

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

std::string contenu_dat(const std::string& commentaire, const ListePoints& liste) {
  const std::string fin_de_ligne = "\r\n";
  std::string contenu = vers_windows_1252(commentaire) + fin_de_ligne;
  const int n = liste.nbpts();
  contenu.reserve(contenu.size() + static_cast<std::size_t>(n > 0 ? n : 0) * 20);
  for (int i = 1; i <= n; ++i) {
    ajouter_fixe(contenu, liste.x(i));
    contenu += ' ';
    ajouter_fixe(contenu, liste.y(i));
    contenu += fin_de_ligne;
  }
  return contenu;
}

TextesDat textes_dat(const ValeursCouple& v) {
  const double w = v.xtot();
  const double yinf = v.yinf();
  const double h = calcul::add(yinf, v.ytot(), "H = yinf + ytot");
  const std::string dimensions = texte_nombre(h) + " x" + texte_nombre(w);
  return {"Couple :" + dimensions + " - bi-lobé - Orlenbrand - v1.0", "Bi-lobe" + dimensions + ".dat"};
}

std::string octets_dat(const ResultatTrace& trace) {
  const TextesDat textes = textes_dat(trace.valeurs);
  ListePoints points(trace.liste.nbpts());
  points_dat(trace.liste, [&](double x, double y) { points.ajouter(x, y); });
  return contenu_dat(textes.commentaire, points);
}

std::string texte_confirmation(std::int16_t nbpts) {
  return "Sauvegarde de " + texte_nombre(nbpts) + " points effectuée";
}

} // namespace bilobe
