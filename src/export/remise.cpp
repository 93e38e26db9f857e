#include "export/remise.h"

#include "common/calcul.h"
#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"

namespace bilobe {

void DonneesExport::AjoutPoint(double x, double y) {
  if (nouvelle_liste) {
    liste_.fixer_nbpts(0);
    nouvelle_liste = false;
  }
  const int k = liste_.nbpts() + 1;
  liste_.stocker(k, x, y); // beyond 3000: index out of range, nothing stored
  liste_.fixer_nbpts(static_cast<std::int16_t>(k));
}

TextesRemise textes_remise(const ChampsCouple& champs) {
  const double w = lire_nombre(champs.xtot);
  const double yinf = lire_nombre(champs.yinf);
  const double h = calcul::add(yinf, lire_nombre(champs.ytot), "H = yinf + ytot");
  const std::string dimensions = texte_nombre(h) + " x" + texte_nombre(w);
  return {"Couple :" + dimensions + " - bi-lobé - Orlenbrand - v1.0", "Bi-lobe" + dimensions + ".dat"};
}

std::string remettre(const ChampsCouple& champs, const ListePoints& principale, std::int16_t nbpts,
                     DonneesExport& dialogue) {
  TextesRemise textes = textes_remise(champs);
  dialogue.Commentaire = std::move(textes.commentaire);
  for (int i = nbpts; i >= 1; --i) {
    const float x = 1.0f - principale.y(i); // in single precision
    dialogue.AjoutPoint(x, -principale.x(i));
  }
  return textes.nom_fichier;
}

} // namespace bilobe
