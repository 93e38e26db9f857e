#include "serie/fichier_lignes.h"

#include "serie/depuis_lignes.h"
#include "serie/fichier_fuselage.h"
#include "serie/tables_fuselage.h"

namespace bilobe {

DescriptionSerie fuselage_depuis_lignes(std::string_view texte, const std::string& nom_fichier) {
  const Lecteur lecteur(nom_fichier);
  const toml::table racine = racine_toml(lecteur, texte, nom_fichier);
  lecteur.seulement(racine, {"nom", "nombre", "positions", "lignes", "section", "planche"}, "");
  DescriptionSerie d;
  d.nom = lecteur.texte(racine, "nom", false).value_or("");
  d.interpolation = Interpolation::Lisse; // the stations are chosen for it
  lire_positions(lecteur, racine, d);
  if (racine.contains("planche")) {
    lire_planche(lecteur, racine, d);
  } else { // the series window's own sheet
    d.planche.largeur = 600;
    d.planche.hauteur = 300;
  }
  PlanTrace plan;
  plan.lignes = lire_lignes(lecteur, *table_de(lecteur, racine, "lignes", "lignes", true), "lignes.");
  if (const toml::table* s = table_de(lecteur, racine, "section", "section", false))
    plan.section = lire_section(lecteur, *s, "section.");
  try {
    d.stations = stations_depuis_lignes(plan.lignes, plan.section);
  } catch (const DescriptionInvalide& e) {
    // Its message starts with the key at fault: "lignes.dos : …".
    const std::string message = e.what();
    lecteur.echouer(lecteur.ou(message.substr(0, message.find(' '))), message);
  }
  d.ch = plan.section.segh > 0 ? 1 : 0; // the segments the section asks for
  d.cv = plan.section.segv > 0 ? 1 : 0;
  d.plan = plan;
  if (const auto defaut = defaut_description(d)) lecteur.echouer(lecteur.ou(defaut->cle), defaut->message);
  return d;
}

DescriptionSerie lire_fichier_lignes(const std::string& chemin, const Fichiers& fichiers) {
  return fuselage_depuis_lignes(fichiers.lire(chemin, TAILLE_MAX_FUSELAGE), chemin);
}

} // namespace bilobe
