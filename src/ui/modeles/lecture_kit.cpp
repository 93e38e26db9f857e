#include "ui/modeles/lecture_kit.h"

#include "formats/texte_kit.h"

namespace bilobe {

KitLu lire_kit(const std::vector<LigneEncoche>& lignes, const std::optional<Pattes>& pattes,
               std::string_view nom_distance) {
  KitLu kit;
  for (std::size_t r = 0; r < lignes.size(); ++r) {
    const LigneEncoche& l = lignes[r];
    if (const auto encoche = lire_encoche(l.place + ":" + l.largeur + ":" + l.profondeur)) {
      kit.encoches.push_back(*encoche);
      continue;
    }
    kit.fautes.push_back("Encoche " + std::to_string(r + 1) +
                         " : la place va de 0 à 1 (ou dos, ventre, niveau), la largeur et la profondeur sont des "
                         "mm positifs, avec un point décimal");
  }
  kit.pattes = pattes;
  if (pattes && !(pattes->largeur > 0 && pattes->distance > 0))
    kit.fautes.push_back("Pattes : la largeur et la " + std::string(nom_distance) + " doivent être positives");
  // The windows' boxes cannot hold anything else; a page's field can be empty.
  if (pattes && !(pattes->ecart >= 0)) kit.fautes.push_back("Pattes : l'écart est un nombre de mm positif ou nul");
  return kit;
}

} // namespace bilobe
