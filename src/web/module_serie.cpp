// The series page's core: the form read as the series window reads it, its
// views, the table's helpers, and every file in one .zip.
#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"
#include "fichiers/fichiers_en_memoire.h"
#include "formats/archive_zip.h"
#include "formats/texte_kit.h"
#include "serie/ecriture_serie.h"
#include "serie/fichier_fuselage.h"
#include "serie/fuselage_3d.h"
#include "serie/resume_serie.h"
#include "ui/modeles/formulaire_serie.h"
#include "ui/modeles/scene_3d.h"
#include "ui/modeles/vues_serie.h"
#include "web/valeurs_js.h"

#include <emscripten/bind.h>

#include <limits>

namespace bilobe::web {

namespace {

template <typename T, std::size_t N> val liste(const std::array<T, N>& valeurs) {
  val r = val::array();
  for (const T& v : valeurs) r.call<void>("push", v);
  return r;
}

val lignes_js(const std::vector<LigneStation>& lignes) {
  val r = val::array();
  for (const LigneStation& l : lignes) r.call<void>("push", liste(l));
  return r;
}

std::vector<LigneStation> lignes_de_js(const val& v) {
  std::vector<LigneStation> lignes;
  const unsigned n = v["length"].as<unsigned>();
  for (unsigned i = 0; i < n; ++i) {
    LigneStation l;
    for (std::size_t c = 0; c < COLONNES_STATION; ++c) l[c] = texte(v[i][c]);
    lignes.push_back(l);
  }
  return lignes;
}

// The form as the page keeps it (JSON in the browser's storage): texts,
// ticks and numbers, the kit's rows as texts.
val formulaire_js(const FormulaireSerie& f) {
  val r = val::object();
  r.set("textes", liste(f.textes));
  r.set("cases", liste(f.cases));
  r.set("longueurs", liste(f.longueurs));
  r.set("parNombre", f.par_nombre);
  r.set("nombre", f.nombre);
  r.set("positions", f.positions);
  r.set("lisse", f.lisse);
  val encoches = val::array();
  for (const Encoche& e : f.kit.encoches)
    encoches.call<void>(
        "push", liste(std::array<std::string, 3>{texte_place(e), texte_exact(e.largeur), texte_exact(e.profondeur)}));
  r.set("encoches", encoches);
  if (f.kit.pattes) {
    val p = val::object();
    p.set("dessus", f.kit.pattes->dessus);
    p.set("largeur", f.kit.pattes->largeur);
    p.set("ecart", f.kit.pattes->ecart);
    p.set("distance", f.kit.pattes->distance);
    r.set("pattes", p);
  } else {
    r.set("pattes", val::null());
  }
  r.set("stations", lignes_js(f.stations));
  r.set("plan", f.plan);
  return r;
}

FormulaireSerie formulaire_de_js(const val& v) {
  FormulaireSerie f;
  for (std::size_t k = 0; k < f.textes.size(); ++k) f.textes[k] = texte(v["textes"][k]);
  for (std::size_t k = 0; k < f.cases.size(); ++k) f.cases[k] = v["cases"][k].as<bool>();
  // An empty field is kept as null by the page's JSON: not a length.
  for (std::size_t k = 0; k < f.longueurs.size(); ++k)
    f.longueurs[k] =
        v["longueurs"][k].isNumber() ? v["longueurs"][k].as<double>() : std::numeric_limits<double>::quiet_NaN();
  f.par_nombre = v["parNombre"].as<bool>();
  f.nombre = v["nombre"].as<int>();
  f.positions = texte(v["positions"]);
  f.lisse = v["lisse"].as<bool>();
  f.kit = kit_de(v, "garde");
  f.stations = lignes_de_js(v["stations"]);
  if (v["plan"].isString()) f.plan = v["plan"].as<std::string>(); // a form kept before plans has none
  return f;
}

// A fuselage file's text, read as the command reads a file of that name.
DescriptionSerie description_du_texte(const std::string& texte_fichier, const std::string& nom_fichier) {
  FichiersEnMemoire memoire;
  memoire.ecrire(nom_fichier, texte_fichier);
  return lire_fichier_fuselage(nom_fichier, memoire);
}

// A fuselage file's bytes as they are on the disk: the form that shows it.
val ouvrir(const val& octets_fichier, const std::string& nom_fichier) {
  try {
    const auto v = emscripten::convertJSArrayToNumberVector<unsigned char>(octets_fichier);
    val r = val::object();
    r.set("formulaire",
          formulaire_js(formulaire_de(description_du_texte(std::string(v.begin(), v.end()), nom_fichier))));
    return r;
  } catch (const std::exception& e) {
    return erreur(e);
  }
}

// A new series: the Couple page's former as the first station, at the nose.
val nouvelle(const val& champs) {
  FormulaireSerie f;
  LigneStation l;
  l[0] = "0";
  for (std::size_t c = 0; c < NB_COTES; ++c) l[c + 1] = texte(champs[COTES[c].cle]);
  f.stations.push_back(l);
  return formulaire_js(f);
}

// What the series window shows for the form: its faults where they are, or
// the fuselage file, the summary, the profile, the sheets and the formers.
val vues(const val& v) {
  val r = val::object();
  const FormulaireLu lu = lire_formulaire(formulaire_de_js(v));
  val cellules = val::array();
  for (const DefautCellule& d : lu.cellules) {
    val c = val::object();
    c.set("ligne", d.ligne);
    c.set("colonne", d.colonne);
    c.set("message", d.message);
    cellules.call<void>("push", c);
  }
  r.set("cellules", cellules);
  r.set("defautPositions", lu.defaut_positions.value_or(""));
  val longueurs = val::array();
  for (const std::size_t k : lu.longueurs_fausses) longueurs.call<void>("push", k);
  r.set("longueursFausses", longueurs);
  val defauts = val::array();
  for (const std::string& d : lu.defauts) defauts.call<void>("push", d);
  r.set("defauts", defauts);
  if (!lu.description) return r;
  try {
    r.set("texte", texte_fuselage(*lu.description));
    const auto vues = vues_serie(*lu.description);
    const SerieTracee& s = vues->serie;
    r.set("resume", texte_resume_serie(s));
    r.set("profil", vues->profil);
    val planches = val::array();
    for (const VuesSerie::Planche& planche : vues->planches) {
      val p = val::object();
      p.set("legende", planche.legende);
      p.set("svg", planche.svg);
      planches.call<void>("push", p);
    }
    r.set("planches", planches);
    val couples = val::array();
    const std::vector<LigneListe>& liste = vues->liste;
    for (std::size_t i = 0; i < liste.size(); ++i) {
      const CoupleSerie& c = s.tous[i];
      val couple = val::object();
      couple.set("ligne", liste[i].texte);
      couple.set("echec", liste[i].echec);
      val champs = val::object();
      for (const Cote& cote : COTES) champs.set(cote.cle, c.champs.*(cote.champ));
      champs.set("nbptel", c.champs.nbptel);
      champs.set("nbptseg", c.champs.nbptseg);
      champs.set("ch", c.champs.ch != 0);
      champs.set("cv", c.champs.cv != 0);
      couple.set("champs", champs);
      couples.call<void>("push", couple);
    }
    r.set("couples", couples);
  } catch (const std::exception& e) {
    defauts.call<void>("push", texte_erreur(e));
  }
  return r;
}

// The station the series gives at `position`, between the first and the last.
val station_a(const val& v, double position) {
  const FormulaireLu lu = lire_formulaire(formulaire_de_js(v));
  val r = val::object();
  if (!lu.description) {
    r.set("erreur", "La station ne peut pas être insérée : " + (lu.defauts.empty() ? "" : lu.defauts.front()));
    return r;
  }
  const auto& stations = lu.description->stations;
  try {
    if (const auto ligne = station_interpolee(*lu.description, position)) {
      r.set("ligne", liste(*ligne));
      r.set("rang", rang_pour(lignes_de_js(v["stations"]), position));
      return r;
    }
  } catch (const std::exception& e) {
    return erreur(e);
  }
  r.set("erreur", "La position doit être entre la première et la dernière station (" +
                      texte_exact(stations.front().position) + " à " + texte_exact(stations.back().position) + " mm).");
  return r;
}

val collees(const std::string& presse_papiers) {
  val r = val::array();
  for (const auto& ligne : cellules_collees(presse_papiers)) {
    val l = val::array();
    for (const std::string& c : ligne) l.call<void>("push", c);
    r.call<void>("push", l);
  }
  return r;
}

// A cell's number as the table reads it; null when it does not read.
val nombre_lu(const std::string& t) {
  try {
    if (est_un_nombre(t)) return val(lire_nombre(t));
  } catch (const std::exception&) {
  }
  return val::null();
}

std::string texte_nombre(double n) { return texte_exact(n); }

// The whole fuselage file, for "Enregistrer".
val fichier_fuselage(const val& v) {
  const FormulaireLu lu = lire_formulaire(formulaire_de_js(v));
  val r = val::object();
  if (lu.description) {
    r.set("texte", texte_fuselage(*lu.description));
  } else {
    r.set("erreur", lu.defauts.empty() ? std::string() : lu.defauts.front());
  }
  return r;
}

// Every file bilobe-serie writes for `formats` ("dat,svg"…), in one stored
// .zip named after the fuselage, from the text of a fuselage file read as
// the command reads it. `secondes` dates the zip's entries; `date_pdf`, as
// SOURCE_DATE_EPOCH, the PDFs (empty: no date, as on the desktop).
// `progression(fait, total)` is told as the work goes.
val exporter_serie_zip(const std::string& texte, const std::string& nom_fichier, const std::string& formats,
                       double secondes, const std::string& date_pdf, const val& progression) {
  try {
    dater_pdf(date_pdf);
    const DescriptionSerie description = description_du_texte(texte, nom_fichier);
    FichiersEnMemoire memoire;
    const auto choisis = formats_depuis(formats);
    if (!choisis) lever(GenreErreur::OperationInvalide, "formats", formats);
    memoire.creer_dossier("/zip");
    const SerieExportee exportee = exporter_serie(
        description, "/zip", *choisis, [&](int fait, int total) { progression(fait, total); }, memoire);
    std::vector<FichierPrepare> fichiers;
    for (const std::string& chemin : exportee.chemins)
      fichiers.push_back({chemin.substr(std::string("/zip/").size()), memoire.contenu().at(chemin)});
    val r = val::object();
    r.set("nom", (description.nom.empty() ? std::string("Série") : description.nom) + ".zip");
    r.set("octets", octets(archive_zip(fichiers, static_cast<std::int64_t>(secondes))));
    r.set("resume", exportee.sommaire);
    return r;
  } catch (const std::exception& e) {
    return erreur(e);
  }
}

// The fuselage in 3D as the series window paints it, for the fuselage file
// `texte` seen from `lacet`, `tangage` (radians) and `zoom` in a view of
// `largeur` × `hauteur` pixels: eight numbers an element (a segment of a
// former's outline: 1, or a shaded triangle: 0; its light; three corners).
// The mesh is kept for the last fuselage, so that turning it costs only the
// projection.
val scene(const std::string& texte_fichier, double lacet, double tangage, double zoom, double largeur, double hauteur) {
  static std::string cle;
  static Apercu3d apercu;
  try {
    if (texte_fichier != cle) {
      apercu = apercu_3d(description_du_texte(texte_fichier, "fuselage.toml"));
      cle = texte_fichier;
    }
    std::vector<float> plats;
    for (const ElementScene& e : scene_3d(apercu.coque, apercu.couples, {lacet, tangage, zoom}, largeur, hauteur)) {
      plats.push_back(e.trait ? 1.0f : 0.0f);
      plats.push_back(e.lumiere);
      for (const auto& coin : e.coins) plats.insert(plats.end(), coin.begin(), coin.end());
    }
    val r = val::object();
    r.set("elements", tableau(plats));
    return r;
  } catch (const std::exception& e) {
    cle.clear();
    return erreur(e);
  }
}

// The formats of a series: name, caption, and whether it is ticked at first.
val formats() {
  val r = val::array();
  for (const DefinitionFormat& f : FORMATS_SERIE) {
    val d = val::object();
    d.set("nom", std::string(f.nom));
    d.set("libelle", std::string(f.libelle));
    d.set("parDefaut", f.par_defaut);
    r.call<void>("push", d);
  }
  return r;
}

} // namespace

EMSCRIPTEN_BINDINGS(bilobe_serie) {
  emscripten::function("formatsSerie", &formats);
  emscripten::function("scene3d", &scene);
  emscripten::function("ouvrirFuselage", &ouvrir);
  emscripten::function("nouvelleSerie", &nouvelle);
  emscripten::function("vuesSerie", &vues);
  emscripten::function("stationA", &station_a);
  emscripten::function("cellulesCollees", &collees);
  emscripten::function("nombreLu", &nombre_lu);
  emscripten::function("texteNombre", &texte_nombre);
  emscripten::function("fichierFuselage", &fichier_fuselage);
  emscripten::function("exporterSerie", &exporter_serie_zip);
}

} // namespace bilobe::web
