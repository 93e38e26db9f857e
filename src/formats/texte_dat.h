#pragma once

#include "common/liste_points.h"
#include "geometry/parametres.h"
#include "geometry/trace.h"

#include <cstdint>
#include <string>

namespace bilobe {

// "Couple : 140 x 50 - bi-lobé - Orlenbrand - v1.0" and "Bi-lobe 140 x 50.dat",
// from the height H = yinf + ytot and the width W read from the fields.
struct TextesDat {
  std::string commentaire;
  std::string nom_fichier;
};
TextesDat textes_dat(const ValeursCouple& valeurs);

// The file's points from the main window's outline: last point first, each
// (X, Y) becoming (1 - Y, -X), the first computed in single precision.
template <typename Ajout> void points_dat(const ListePoints& principale, Ajout&& ajouter) {
  for (int i = principale.nbpts(); i >= 1; --i) {
    const float x = 1.0f - principale.y(i);
    ajouter(x, -principale.x(i));
  }
}

// Puts "." in place of the sixth character from the end, whatever it is: the
// decimal separator of a number written with exactly five decimals, in the
// file's text.
void remp_virg_point_en_place(char* Nb, std::size_t longueur);

// UTF-8 to Windows-1252 for the comment line ("é" is the byte 0xE9); a
// character that has no single byte there becomes "?".
std::string vers_windows_1252(const std::string& utf8);

// The bytes of the .DAT file: the comment, then one line per point with the
// fixed text of each number (pattern "#0.00000", an exact tie away from zero,
// never "-0.00000"), every line ended by CR LF.
std::string contenu_dat(const std::string& commentaire, const ListePoints& points);

// The .DAT of a trace, as "Sauver le fichier" writes it.
std::string octets_dat(const ResultatTrace& trace);

// "Sauvegarde de  549 points effectuée": the confirmation of a save.
std::string texte_confirmation(std::int16_t nbpts);

} // namespace bilobe
