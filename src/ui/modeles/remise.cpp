#include "ui/modeles/remise.h"

#include "formats/texte_dat.h"

namespace bilobe {

void DonneesExport::AjoutPoint(double x, double y) {
  if (nouvelle_liste) {
    liste_.vider();
    nouvelle_liste = false;
  }
  liste_.ajouter(x, y); // beyond 3000: index out of range, nothing stored
}

std::string remettre(const ValeursCouple& valeurs, const ListePoints& principale, DonneesExport& dialogue) {
  TextesDat textes = textes_dat(valeurs);
  dialogue.Commentaire = std::move(textes.commentaire);
  points_dat(principale, [&](double x, double y) { dialogue.AjoutPoint(x, y); });
  return textes.nom_fichier;
}

} // namespace bilobe
