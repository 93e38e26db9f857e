// The core as the page's worker calls it: plain values in, plain JavaScript
// objects out, and every error a French text instead of an exception.
#include "cli/commande.h"
#include "cli/commande_serie.h"
#include "common/erreurs.h"
#include "fichiers/fichiers_en_memoire.h"
#include "formats/ecriture_export.h"
#include "geometry/trace.h"
#include "ui/modeles/apercu.h"
#include "ui/modeles/bulles_textes.h"
#include "ui/modeles/lecture_champ.h"
#include "ui/modeles/lecture_kit.h"

#include "web/valeurs_js.h"

#include <emscripten/bind.h>

#include <sstream>

namespace bilobe::web {

namespace {

using emscripten::val;

val points(const std::vector<PointApercu>& liste) {
  std::vector<float> plats;
  plats.reserve(2 * liste.size());
  for (const PointApercu& p : liste) {
    plats.push_back(p.x);
    plats.push_back(p.y);
  }
  return tableau(plats);
}

ChampsCouple champs_de(const val& c) {
  ChampsCouple champs;
  for (auto [nom, champ] : {std::pair{"xtot", &champs.xtot},
                            {"ytot", &champs.ytot},
                            {"xa", &champs.xa},
                            {"ya", &champs.ya},
                            {"yinf", &champs.yinf},
                            {"segh", &champs.segh},
                            {"segv", &champs.segv},
                            {"ep", &champs.ep},
                            {"nbptel", &champs.nbptel},
                            {"nbptseg", &champs.nbptseg}})
    *champ = texte(c[nom]);
  champs.ch = c["ch"].as<bool>() ? 1 : 0;
  champs.cv = c["cv"].as<bool>() ? 1 : 0;
  return champs;
}

OptionsGabarit options_de(const val& o) {
  OptionsGabarit options;
  options.paroi_constante = o["paroiConstante"].as<bool>();
  options.saignee = o["saignee"].as<double>();
  KitLu kit = kit_de(o);
  if (!kit.fautes.empty()) lever(GenreErreur::OperationInvalide, "Encoches et pattes", kit.fautes.front());
  options.encoches = std::move(kit.encoches);
  options.pattes = kit.pattes;
  return options;
}

// The preview after a trace: what the main window draws.
val apercu(const val& c, const val& o) {
  const ChampsCouple champs = champs_de(c);
  try {
    const ResultatTrace trace = tracer(champs);
    const Apercu a = apercu_de(trace, options_de(o));
    val r = val::object();
    r.set("legende", trace.legende);
    r.set("niveau", a.niveau);
    r.set("polyligne", points(a.polyligne));
    r.set("alerte", a.alerte);
    r.set("croisements", points(a.croisements));
    val kit = val::array();
    for (const auto& trait : a.kit) kit.call<void>("push", points(trait));
    r.set("kit", kit);
    return r;
  } catch (const ErreurExecution& e) {
    // Which field's value it came from, and what it was read as.
    const std::string cause = champs_en_cause(e.lieu(), champs);
    val r = erreur(e);
    if (!cause.empty()) r.set("erreur", texte_erreur(e) + "\n" + cause);
    return r;
  } catch (const std::exception& e) {
    return erreur(e);
  }
}

// A file of the former, with the name the desktop proposes.
val fichier(const val& c, const std::string& format, const val& o) {
  try {
    const ChampsCouple champs = champs_de(c);
    const auto f = format_depuis_nom(format);
    if (!f) lever(GenreErreur::OperationInvalide, "format", format);
    const OptionsGabarit options = options_de(o);
    const ContenuExport contenu = contenu_export(tracer(champs), *f, options);
    val r = val::object();
    r.set("nom", nom_par_defaut(champs, *f));
    r.set("octets", octets(contenu.octets));
    r.set("resume", contenu.resume);
    return r;
  } catch (const std::exception& e) {
    return erreur(e);
  }
}

// What a field's text is read as, when it is not wholly a number.
std::string defaut(const std::string& texte) { return defaut_champ(texte).value_or(""); }

// `nom_distance`: "distance" for a former, "garde" for a series.
val fautes_kit(const val& k, const std::string& nom_distance) {
  val r = val::array();
  for (const std::string& faute : kit_de(k, nom_distance).fautes) r.call<void>("push", faute);
  return r;
}

std::string bulle_de(const std::string& nom) { return std::string(bulle(nom)); }

// A command itself ("bilobe-dat" or "bilobe-serie"), its files in memory:
// `entrees` ({chemin: texte}) are there before it runs, what it writes is
// given back. What the command would print and write, for the tests that
// hold the page's core against the desktop's.
val executer_commande(const std::string& nom, const val& arguments, const val& entrees, const std::string& date) {
  dater_pdf(date);
  auto& memoire = static_cast<FichiersEnMemoire&>(fichiers_du_systeme());
  memoire = FichiersEnMemoire();
  const auto chemins = emscripten::vecFromJSArray<std::string>(val::global("Object").call<val>("keys", entrees));
  for (const std::string& chemin : chemins) memoire.ecrire(chemin, entrees[chemin].as<std::string>());
  std::ostringstream sortie, erreurs;
  const auto args = emscripten::vecFromJSArray<std::string>(arguments);
  const int code =
      nom == "bilobe-serie" ? cli::executer_serie(args, sortie, erreurs) : cli::executer(args, sortie, erreurs);
  val fichiers = val::object();
  for (const auto& [chemin, contenu] : memoire.contenu())
    if (!entrees.hasOwnProperty(chemin.c_str()) && !entrees.hasOwnProperty(chemin.substr(1).c_str()))
      fichiers.set(chemin, octets(contenu));
  memoire = FichiersEnMemoire();
  val r = val::object();
  r.set("code", code);
  r.set("sortie", sortie.str());
  r.set("erreurs", erreurs.str());
  r.set("fichiers", fichiers);
  return r;
}

} // namespace

EMSCRIPTEN_BINDINGS(bilobe) {
  emscripten::function("apercu", &apercu);
  emscripten::function("fichier", &fichier);
  emscripten::function("defautChamp", &defaut);
  emscripten::function("fautesKit", &fautes_kit);
  emscripten::function("bulle", &bulle_de);
  emscripten::function("executerCommande", &executer_commande);
}

} // namespace bilobe::web
