#include "serie/debit.h"

#include "common/texte_nombre.h"
#include "formats/texte_kit.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

std::string virgule(std::string texte) {
  std::replace(texte.begin(), texte.end(), '.', ',');
  return texte;
}

} // namespace

std::vector<Lisse> lisses_de(const std::vector<CoupleTrace>& couples, const std::vector<Encoche>& encoches) {
  std::vector<Lisse> lisses;
  if (couples.empty()) return lisses;
  for (const EncochePlacee& modele : couples.front().gabarit.encoches) {
    Lisse l;
    l.numero = modele.numero;
    l.gauche = modele.gauche;
    l.sur_l_axe = modele.point.x == 0;
    l.encoche = encoches.at(modele.numero - 1);
    const PointMm* avant = nullptr;
    double position_avant = 0;
    for (const CoupleTrace& c : couples)
      for (const EncochePlacee& e : c.gabarit.encoches)
        if (e.numero == l.numero && e.gauche == l.gauche) {
          if (avant)
            l.longueur += std::sqrt(std::pow(c.couple.position - position_avant, 2) + std::pow(e.fond.x - avant->x, 2) +
                                    std::pow(e.fond.y - avant->y, 2));
          avant = &e.fond;
          position_avant = c.couple.position;
          l.cote.push_back({c.couple.position, e.fond.y});
          l.vue_dessus.push_back({c.couple.position, e.fond.x});
        }
    lisses.push_back(std::move(l));
  }
  return lisses;
}

std::string texte_debit(const std::vector<Lisse>& lisses) {
  std::string csv = "\xEF\xBB\xBFLisse;Côté;Place;Largeur (mm);Profondeur (mm);Longueur (mm)\r\n";
  for (const Lisse& l : lisses) {
    csv += std::to_string(l.numero) + ";" +
           (l.sur_l_axe ? "axe"
            : l.gauche  ? "gauche"
                        : "droite") +
           ";" + virgule(texte_place(l.encoche)) + ";" + virgule(texte_exact(l.encoche.largeur)) + ";" +
           virgule(texte_exact(l.encoche.profondeur)) + ";" + virgule(texte_au_centieme(l.longueur)) + "\r\n";
  }
  return csv;
}

std::string ligne_debit(const std::vector<Lisse>& lisses) {
  double total = 0;
  for (const Lisse& l : lisses) total += l.longueur;
  return "Débit : " + std::to_string(lisses.size()) + (lisses.size() == 1 ? " lisse" : " lisses") +
         ", longueur totale " + texte_au_centieme(total) + " mm";
}

} // namespace bilobe
