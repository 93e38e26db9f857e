#include "common/lecture_nombre.h"

#include "common/chiffres.h"
#include "common/erreurs.h"
#include "common/texte_affichable.h"

#include <cstddef>
#include <string>

namespace bilobe {

namespace {

bool est_blanc(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool est_chiffre(char c) { return c >= '0' && c <= '9'; }

// Walks the text skipping blanks, so the parser below sees only the
// characters that matter.
class Curseur {
public:
  explicit Curseur(std::string_view t) : texte_(t) { sauter(); }
  bool fini() const { return pos_ >= texte_.size(); }
  char courant() const { return fini() ? '\0' : texte_[pos_]; }
  void avancer() {
    ++pos_;
    sauter();
  }

private:
  void sauter() {
    while (pos_ < texte_.size() && est_blanc(texte_[pos_])) ++pos_;
  }
  std::string_view texte_;
  std::size_t pos_ = 0;
};

} // namespace

double lire_nombre(std::string_view texte) {
  Curseur c(texte);
  std::string nombre; // normalised for from_chars: [-]digits[.digits][e[-]digits]
  if (c.courant() == '+' || c.courant() == '-') {
    if (c.courant() == '-') nombre += '-';
    c.avancer();
  }
  bool chiffres = false;
  long long entiers_significatifs = 0; // digits before the point, leading zeros excluded
  while (est_chiffre(c.courant())) {
    if (c.courant() != '0' || entiers_significatifs > 0) ++entiers_significatifs;
    nombre += c.courant();
    chiffres = true;
    c.avancer();
  }
  long long zeros_en_tete = 0; // zeros right after the point, when the integer part is 0
  if (c.courant() == '.') {
    c.avancer();
    nombre += '.';
    bool significatif = entiers_significatifs > 0;
    while (est_chiffre(c.courant())) {
      if (c.courant() != '0') significatif = true;
      if (!significatif) ++zeros_en_tete;
      nombre += c.courant();
      chiffres = true;
      c.avancer();
    }
  }
  if (!chiffres) return 0.0;

  long long valeur_exposant = 0;
  if (c.courant() == 'E' || c.courant() == 'e') {
    c.avancer();
    std::string exposant = "e";
    bool negatif = false;
    if (c.courant() == '+' || c.courant() == '-') {
      negatif = c.courant() == '-';
      if (negatif) exposant += '-';
      c.avancer();
    }
    bool chiffres_exposant = false;
    while (est_chiffre(c.courant())) {
      exposant += c.courant();
      chiffres_exposant = true;
      if (valeur_exposant < 1'000'000'000) valeur_exposant = valeur_exposant * 10 + (c.courant() - '0');
      c.avancer();
    }
    if (negatif) valeur_exposant = -valeur_exposant;
    if (chiffres_exposant)
      nombre += exposant;
    else
      valeur_exposant = 0;
  }

  const char* debut = nombre.data();
  const char* fin = debut + nombre.size();
  const auto [valeur, ptr, ec] = chiffres::lire(debut, fin);
  if (ec == std::errc::result_out_of_range) {
    // Too small reads as zero; too large is an overflow. The order of
    // magnitude tells which side of the range the number fell off.
    const long long ordre = (entiers_significatifs > 0 ? entiers_significatifs : -zeros_en_tete) + valeur_exposant;
    if (ordre > 0) lever(GenreErreur::Depassement, "lecture de \"" + texte_affichable(texte, 40) + "\"");
    return nombre[0] == '-' ? -0.0 : 0.0;
  }
  if (ec != std::errc() || ptr != fin) return 0.0; // cannot happen for a normalised text
  return valeur;
}

bool est_un_nombre(std::string_view texte) {
  Curseur c(texte);
  if (c.courant() == '+' || c.courant() == '-') c.avancer();
  bool chiffres = false;
  for (; est_chiffre(c.courant()); c.avancer()) chiffres = true;
  if (c.courant() == '.')
    for (c.avancer(); est_chiffre(c.courant()); c.avancer()) chiffres = true;
  if (!chiffres) return false;
  if (c.courant() == 'E' || c.courant() == 'e') {
    c.avancer();
    if (c.courant() == '+' || c.courant() == '-') c.avancer();
    if (!est_chiffre(c.courant())) return false;
    while (est_chiffre(c.courant())) c.avancer();
  }
  return c.fini();
}

} // namespace bilobe
