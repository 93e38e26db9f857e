#include "serie/fichier_fuselage.h"

#include "common/texte_affichable.h"
#include "common/texte_nombre.h"
#include "formats/texte_kit.h"
#include "serie/bornes_toml.h"
#include "serie/fichier_plan.h"
#include "serie/tableau_stations.h"
#include "serie/tables_fuselage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bilobe {

namespace {

// "#2": a station's index after its key.
std::string indice(std::size_t station) { return "#" + std::to_string(station); }

Interpolation interpolation_depuis(const Lecteur& lecteur, const std::string& nom) {
  if (nom == "lineaire" || nom == "linéaire") return Interpolation::Lineaire;
  if (nom == "lisse") return Interpolation::Lisse;
  lecteur.echouer(lecteur.ou("interpolation"), "« interpolation » vaut \"lineaire\" ou \"lisse\"");
}

// [[encoche]] tables, each with its place, width and depth; an optional [pattes].
void lire_kit(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d) {
  if (const toml::node* n = lecteur.noeud(racine, "encoche", "encoche", false)) {
    const toml::array* encoches = n->as_array();
    if (!encoches || !encoches->is_array_of_tables())
      lecteur.echouer(n->source(), "« encoche » doit être une suite de tables [[encoche]]");
    for (std::size_t k = 0; k < encoches->size(); ++k) {
      const toml::table& t = *encoches->get(k)->as_table();
      lecteur.seulement(t, {"place", "largeur", "profondeur"}, "encoche.");
      const toml::node* place = lecteur.noeud(t, "place", "encoche.place", true);
      std::optional<Encoche> e;
      if (const auto* mot = place->as_string()) e = lire_place(mot->get());
      if (const auto* entier = place->as_integer()) e = lire_place(std::to_string(entier->get()));
      if (const auto* flottant = place->as_floating_point()) e = lire_place(texte_exact(flottant->get()));
      if (!e)
        lecteur.echouer(place->source(),
                        "« encoche.place » vaut un nombre de 0 à 1, \"dos\", \"ventre\" ou \"niveau\"");
      e->largeur = *lecteur.nombre(t, "largeur", "encoche.largeur", true);
      e->profondeur = *lecteur.nombre(t, "profondeur", "encoche.profondeur", true);
      if (!cote_kit_valide(e->largeur) || !cote_kit_valide(e->profondeur))
        lecteur.echouer(t.source(), "la largeur et la profondeur d'une encoche vont de 0.01 à 1000000 mm");
      d.gabarit.encoches.push_back(*e);
    }
  }
  if (const toml::node* n = lecteur.noeud(racine, "pattes", "pattes", false)) {
    const toml::table* t = n->as_table();
    if (!t) lecteur.echouer(n->source(), "« pattes » doit être une table [pattes]");
    lecteur.seulement(*t, {"cote", "largeur", "ecart", "garde"}, "pattes.");
    Pattes p;
    const std::string cote = lecteur.texte(*t, "cote", false).value_or("dessous");
    if (cote != "dessous" && cote != "dessus")
      lecteur.echouer(lecteur.ou("cote"), "« pattes.cote » vaut \"dessous\" ou \"dessus\"");
    p.dessus = cote == "dessus";
    p.largeur = *lecteur.nombre(*t, "largeur", "pattes.largeur", true);
    p.ecart = *lecteur.nombre(*t, "ecart", "pattes.ecart", true);
    p.distance = *lecteur.nombre(*t, "garde", "pattes.garde", true); // checked with the description
    d.pattes = p;
  }
}

} // namespace

void lire_planche(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d) {
  const toml::node* n = lecteur.noeud(racine, "planche", "planche", true);
  const toml::table* planche = n->as_table();
  if (!planche) lecteur.echouer(n->source(), "« planche » doit être une table [planche]");
  lecteur.seulement(*planche, {"largeur", "hauteur", "marge", "espacement", "saignee", "paroi_constante"}, "planche.");
  d.planche.largeur = *lecteur.nombre(*planche, "largeur", "planche.largeur", true);
  d.planche.hauteur = *lecteur.nombre(*planche, "hauteur", "planche.hauteur", true);
  d.planche.marge = lecteur.nombre(*planche, "marge", "planche.marge", false).value_or(d.planche.marge);
  d.planche.espacement =
      lecteur.nombre(*planche, "espacement", "planche.espacement", false).value_or(d.planche.espacement);
  d.gabarit.saignee = lecteur.nombre(*planche, "saignee", "planche.saignee", false).value_or(0);
  d.gabarit.paroi_constante = lecteur.booleen(*planche, "paroi_constante").value_or(false);
}

namespace {

void lire_impression_3d(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d) {
  const toml::node* n = lecteur.noeud(racine, "impression", "impression", false);
  if (!n) return;
  const toml::table* t = n->as_table();
  if (!t) lecteur.echouer(n->source(), "« impression » doit être une table [impression]");
  lecteur.seulement(*t, {"pas", "paroi", "troncon"}, "impression.");
  Impression3d& i = d.impression_3d;
  i.pas = lecteur.nombre(*t, "pas", "impression.pas", false).value_or(i.pas);
  i.paroi = lecteur.nombre(*t, "paroi", "impression.paroi", false).value_or(i.paroi);
  i.troncon = lecteur.nombre(*t, "troncon", "impression.troncon", false).value_or(i.troncon);
}

void lire_stations(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d) {
  const toml::node* n = lecteur.noeud(racine, "station", "station", true);
  const toml::array* stations = n->as_array();
  if (!stations || !stations->is_array_of_tables())
    lecteur.echouer(n->source(), "« station » doit être une suite de tables [[station]]");
  for (std::size_t k = 0; k < stations->size(); ++k) {
    const toml::table& t = *stations->get(k)->as_table();
    lecteur.seulement(t, {"position", "xtot", "ytot", "xa", "ya", "yinf", "segh", "segv", "ep"}, "station.");
    const std::string suffixe = indice(k);
    Station s;
    s.position = *lecteur.nombre(t, "position", "station.position" + suffixe, true);
    for (std::size_t c = 0; c < NB_COTES; ++c)
      s.cotes[c] = *lecteur.nombre(t, COTES[c].cle, std::string("station.") + COTES[c].cle + suffixe, true);
    d.stations.push_back(s);
  }
}

} // namespace

void lire_positions(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d) {
  if (const auto nombre = lecteur.nombre(racine, "nombre", "nombre", false)) {
    if (*nombre != std::floor(*nombre) || racine.get("nombre")->is_floating_point())
      lecteur.echouer(lecteur.ou("nombre"), "« nombre » doit être un entier");
    d.nombre = static_cast<int>(std::clamp(*nombre, -1.0, NOMBRE_MAX + 1.0));
  }
  if (const toml::node* n = lecteur.noeud(racine, "positions", "positions", false)) {
    const toml::array* positions = n->as_array();
    if (!positions) lecteur.echouer(n->source(), "« positions » doit être une liste de nombres");
    d.positions.emplace();
    for (const toml::node& p : *positions) {
      if (const auto* entier = p.as_integer())
        d.positions->push_back(static_cast<double>(entier->get()));
      else if (const auto* flottant = p.as_floating_point(); flottant && std::isfinite(flottant->get()))
        d.positions->push_back(flottant->get());
      else
        lecteur.echouer(p.source(), "« positions » doit être une liste de nombres");
    }
  }
}

namespace {

// The fault a whole-description check found, at the line of its key.
void verifier(const Lecteur& lecteur, const DescriptionSerie& d, bool avec_impression) {
  auto defaut = defaut_description(d);
  if (!defaut && avec_impression) defaut = defaut_maillage(d); // asked for: named at its line
  if (!defaut) return;
  std::string nom = defaut->cle;
  if (defaut->station) nom += indice(*defaut->station);
  std::string message = defaut->message;
  if (defaut->station) message = "station " + std::to_string(*defaut->station + 1) + " : " + message;
  lecteur.echouer(lecteur.ou(nom), message);
}

} // namespace

toml::table racine_toml(const Lecteur& lecteur, std::string_view texte, const std::string& nom_fichier) {
  if (const auto depassement = depassement_toml(texte)) {
    toml::source_region ou{};
    ou.begin.line = static_cast<toml::source_index>(depassement->ligne);
    lecteur.echouer(ou, depassement->message);
  }
  try {
    return toml::parse(texte, nom_fichier);
  } catch (const toml::parse_error& e) {
    lecteur.echouer(e.source(), "TOML invalide (" + texte_affichable(std::string(e.description()), 120) + ")", true);
  }
}

DescriptionSerie lire_description(std::string_view texte, const std::string& nom_fichier) {
  const Lecteur lecteur(nom_fichier);
  const toml::table racine = racine_toml(lecteur, texte, nom_fichier);
  lecteur.seulement(racine,
                    {"nom", "interpolation", "nombre", "positions", "nbptel", "nbptseg", "ch", "cv", "planche",
                     "encoche", "pattes", "impression", "station", "plan"},
                    "");
  DescriptionSerie d;
  d.nom = lecteur.texte(racine, "nom", false).value_or("");
  if (const auto nom = lecteur.texte(racine, "interpolation", false))
    d.interpolation = interpolation_depuis(lecteur, *nom);
  lire_positions(lecteur, racine, d);
  d.nbptel = lecteur.texte(racine, "nbptel", true).value_or(d.nbptel);
  d.nbptseg = lecteur.texte(racine, "nbptseg", true).value_or(d.nbptseg);
  d.ch = lecteur.booleen(racine, "ch").value_or(false) ? 1 : 0;
  d.cv = lecteur.booleen(racine, "cv").value_or(false) ? 1 : 0;
  lire_planche(lecteur, racine, d);
  lire_kit(lecteur, racine, d);
  lire_impression_3d(lecteur, racine, d);
  lire_stations(lecteur, racine, d);
  d.plan = lire_plan(lecteur, racine);
  verifier(lecteur, d, racine.contains("impression"));
  return d;
}

namespace {

std::string booleen_toml(bool b) { return b ? "true" : "false"; }

} // namespace

DescriptionSerie lire_fichier_fuselage(const std::string& chemin, const Fichiers& fichiers) {
  return lire_description(fichiers.lire(chemin, TAILLE_MAX_FUSELAGE), chemin);
}

std::string texte_fuselage(const DescriptionSerie& d) {
  std::string toml;
  if (!d.nom.empty()) toml += ligne_toml("nom", chaine_toml(d.nom));
  toml += ligne_toml("interpolation", d.interpolation == Interpolation::Lisse ? "\"lisse\"" : "\"lineaire\"");
  if (d.nombre) toml += ligne_toml("nombre", std::to_string(*d.nombre));
  if (d.positions) toml += ligne_toml("positions", std::string("[").append(texte_positions(*d.positions)).append("]"));
  toml += ligne_toml("nbptel", chaine_toml(d.nbptel)) + ligne_toml("nbptseg", chaine_toml(d.nbptseg));
  toml += ligne_toml("ch", booleen_toml(d.ch != 0)) + ligne_toml("cv", booleen_toml(d.cv != 0));
  toml += "\n[planche]\n";
  toml += ligne_toml("largeur", texte_exact(d.planche.largeur)) + ligne_toml("hauteur", texte_exact(d.planche.hauteur));
  toml +=
      ligne_toml("marge", texte_exact(d.planche.marge)) + ligne_toml("espacement", texte_exact(d.planche.espacement));
  toml += ligne_toml("saignee", texte_exact(d.gabarit.saignee));
  toml += ligne_toml("paroi_constante", booleen_toml(d.gabarit.paroi_constante));
  for (const Encoche& e : d.gabarit.encoches) {
    const std::string place = texte_place(e);
    toml += "\n[[encoche]]\n" + ligne_toml("place", place == texte_exact(e.place) ? place : chaine_toml(place));
    toml += ligne_toml("largeur", texte_exact(e.largeur)) + ligne_toml("profondeur", texte_exact(e.profondeur));
  }
  if (d.pattes) {
    toml += "\n[pattes]\n" + ligne_toml("cote", chaine_toml(d.pattes->dessus ? "dessus" : "dessous"));
    toml += ligne_toml("largeur", texte_exact(d.pattes->largeur)) + ligne_toml("ecart", texte_exact(d.pattes->ecart));
    toml += ligne_toml("garde", texte_exact(d.pattes->distance));
  }
  if (d.impression_3d != Impression3d{}) {
    toml += "\n[impression]\n" + ligne_toml("pas", texte_exact(d.impression_3d.pas));
    toml += ligne_toml("paroi", texte_exact(d.impression_3d.paroi)) +
            ligne_toml("troncon", texte_exact(d.impression_3d.troncon));
  }
  for (const Station& s : d.stations) {
    toml += "\n[[station]]\n" + ligne_toml("position", texte_exact(s.position));
    for (std::size_t c = 0; c < NB_COTES; ++c) toml += ligne_toml(COTES[c].cle, texte_exact(s.cotes[c]));
  }
  if (d.plan) toml += texte_plan(*d.plan);
  return toml;
}

} // namespace bilobe
