#pragma once

#include "serie/serie_imbriquee.h"

#include <string>
#include <vector>

namespace bilobe {

// What a series holds, one line each: the series itself, every former
// ("F2 à 140 mm : 64.5 x 70.25 mm, anneau 512.34 mm², paroi mini 3 mm"),
// then every sheet with its formers and its use.
std::string texte_resume_serie(const SerieTracee& serie);

// "1 couple", "10 couples".
std::string texte_couples(std::size_t nombre);

// "F2 à 111.1111 mm : 64.5 x 70.25 mm, anneau 512.34 mm², paroi mini 3 mm";
// for the window's short list, without the ring's area and with the
// position to the hundredth ("F2 à 111.11 mm : …").
std::string ligne_couple(const CoupleTrace& couple, bool pour_la_liste = false);

// The series window's list of formers, one for each of `serie.tous` in
// order: its short line, or the message of its failure.
struct LigneListe {
  std::string texte;
  bool echec = false;
};
std::vector<LigneListe> liste_des_couples(const SerieTracee& serie);

// "Planche 1 (200 x 150 mm) : F2, F3, F4 - occupation 46.7 %"
std::string ligne_planche(const SerieTracee& serie, int planche);

} // namespace bilobe
