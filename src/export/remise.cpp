#include "export/remise.h"

#include "common/calcul.h"
#include "common/texte_nombre.h"

namespace bilobe {

void DonneesExport::AjoutPoint(double x, double y) {
  if (nouvelle_liste) {
    liste_.vider();
    nouvelle_liste = false;
  }
  liste_.ajouter(x, y); // beyond 3000: index out of range, nothing stored
}

TextesRemise textes_remise(const ValeursCouple& v) {
  const double w = v.xtot();
  const double yinf = v.yinf();
  const double h = calcul::add(yinf, v.ytot(), "H = yinf + ytot");
  const std::string dimensions = texte_nombre(h) + " x" + texte_nombre(w);
  return {"Couple :" + dimensions + " - bi-lobé - Orlenbrand - v1.0", "Bi-lobe" + dimensions + ".dat"};
}

std::string remettre(const ValeursCouple& valeurs, const ListePoints& principale, DonneesExport& dialogue) {
  TextesRemise textes = textes_remise(valeurs);
  dialogue.Commentaire = std::move(textes.commentaire);
  for (int i = principale.nbpts(); i >= 1; --i) {
    const float x = 1.0f - principale.y(i); // in single precision
    dialogue.AjoutPoint(x, -principale.x(i));
  }
  return textes.nom_fichier;
}

} // namespace bilobe
