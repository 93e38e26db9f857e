#include "ui/modeles/vues_serie.h"

#include "serie/fichier_fuselage.h"
#include "serie/planches.h"
#include "serie/profil_svg.h"

namespace bilobe {

namespace {

// The fuselage file says all a series is; without its name, what the formers are.
std::string sans_le_nom(DescriptionSerie d) {
  d.nom.clear();
  return texte_fuselage(d);
}

} // namespace

std::shared_ptr<const VuesSerie> vues_serie(const DescriptionSerie& description,
                                            const std::shared_ptr<const VuesSerie>& avant, const Interruption* arret) {
  auto vues = std::make_shared<VuesSerie>();
  if (avant && sans_le_nom(avant->serie.description) == sans_le_nom(description)) {
    vues->serie = avant->serie;
    vues->serie.description.nom = description.nom;
  } else {
    vues->serie = apercu_serie(description, arret);
  }
  const SerieTracee& s = vues->serie;
  vues->profil = contenu_profil_svg(s);
  for (int k = 0; k < s.imbrication.planches; ++k)
    vues->planches.push_back({ligne_planche(s, k), contenu_planche_svg(s, k)});
  vues->liste = liste_des_couples(s);
  return vues;
}

} // namespace bilobe
