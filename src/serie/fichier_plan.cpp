#include "serie/fichier_plan.h"

#include "common/texte_nombre.h"
#include "serie/tables_fuselage.h"

namespace bilobe {

const toml::table* table_de(const Lecteur& lecteur, const toml::table& parent, std::string_view cle,
                            const std::string& nom, bool requise) {
  const toml::node* n = lecteur.noeud(parent, cle, nom, requise);
  if (!n) return nullptr;
  if (!n->as_table()) lecteur.echouer(n->source(), "« " + nom + " » doit être une table [" + nom + "]");
  return n->as_table();
}

LignesTracees lire_lignes(const Lecteur& lecteur, const toml::table& t, const std::string& prefixe) {
  lecteur.seulement(t, {"dos", "ventre", "niveau", "demi_largeur"}, prefixe);
  const auto points = [&](std::string_view cle, bool requis) {
    return lecteur.points(t, cle, prefixe + std::string(cle), requis, POINTS_MAX_LIGNE);
  };
  LignesTracees l;
  l.dos = *points("dos", true);
  l.ventre = *points("ventre", true);
  l.niveau = points("niveau", false);
  l.demi_largeur = *points("demi_largeur", true);
  return l;
}

SectionReference lire_section(const Lecteur& lecteur, const toml::table& t, const std::string& prefixe) {
  lecteur.seulement(t, {"xa", "ya", "ep", "segh", "segv"}, prefixe);
  SectionReference s;
  for (auto [cle, valeur] :
       {std::pair{"xa", &s.xa}, {"ya", &s.ya}, {"ep", &s.ep}, {"segh", &s.segh}, {"segv", &s.segv}})
    *valeur = lecteur.nombre(t, cle, prefixe + cle, false).value_or(*valeur);
  return s;
}

namespace {

PointMm point(const Lecteur& lecteur, const toml::table& t, std::string_view cle, const std::string& nom) {
  const toml::node* n = lecteur.noeud(t, cle, nom, false);
  return n ? lecteur.point(*n, "« " + nom + " » doit être un point [x, y]") : PointMm{};
}

std::string texte_point(PointMm p) { return "[" + texte_exact(p.x) + ", " + texte_exact(p.y) + "]"; }

std::string texte_points(const std::vector<PointMm>& points) {
  std::string texte;
  for (const PointMm& p : points) texte += (texte.empty() ? "" : ", ") + texte_point(p);
  return "[" + texte + "]";
}

} // namespace

std::optional<PlanTrace> lire_plan(const Lecteur& lecteur, const toml::table& racine) {
  const toml::table* t = table_de(lecteur, racine, "plan", "plan", false);
  if (!t) return std::nullopt;
  lecteur.seulement(*t, {"fichier", "page", "mm_par_unite", "angle", "nez_cote", "nez_dessus", "lignes", "section"},
                    "plan.");
  PlanTrace p;
  p.fichier = lecteur.texte(*t, "fichier", false).value_or("");
  const double page = lecteur.nombre(*t, "page", "plan.page", false).value_or(1);
  if (!(page >= 1 && page <= 100000 && page == static_cast<int>(page)))
    lecteur.echouer(lecteur.ou("plan.page"), "« plan.page » doit être un entier à partir de 1");
  p.page = static_cast<int>(page);
  p.calage.mm_par_unite = lecteur.nombre(*t, "mm_par_unite", "plan.mm_par_unite", false).value_or(1);
  if (!(p.calage.mm_par_unite > 0 && p.calage.mm_par_unite <= 1e6))
    lecteur.echouer(lecteur.ou("plan.mm_par_unite"), "« plan.mm_par_unite » doit être positif");
  p.calage.angle = lecteur.nombre(*t, "angle", "plan.angle", false).value_or(0);
  if (!(std::abs(p.calage.angle) <= 2))
    lecteur.echouer(lecteur.ou("plan.angle"), "« plan.angle » va de -2 à 2 radians");
  p.calage.nez_cote = point(lecteur, *t, "nez_cote", "plan.nez_cote");
  p.calage.nez_dessus = point(lecteur, *t, "nez_dessus", "plan.nez_dessus");
  p.lignes = lire_lignes(lecteur, *table_de(lecteur, *t, "lignes", "plan.lignes", true), "plan.lignes.");
  if (const toml::table* s = table_de(lecteur, *t, "section", "plan.section", false))
    p.section = lire_section(lecteur, *s, "plan.section.");
  return p;
}

std::string texte_plan(const PlanTrace& p) {
  std::string toml = "\n[plan]\n";
  if (!p.fichier.empty()) toml += ligne_toml("fichier", chaine_toml(p.fichier));
  toml += ligne_toml("page", std::to_string(p.page)) + ligne_toml("mm_par_unite", texte_exact(p.calage.mm_par_unite));
  toml += ligne_toml("angle", texte_exact(p.calage.angle));
  toml += ligne_toml("nez_cote", texte_point(p.calage.nez_cote));
  toml += ligne_toml("nez_dessus", texte_point(p.calage.nez_dessus));
  toml +=
      "\n[plan.section]\n" + ligne_toml("xa", texte_exact(p.section.xa)) + ligne_toml("ya", texte_exact(p.section.ya));
  toml += ligne_toml("ep", texte_exact(p.section.ep));
  if (p.section.segh != 0) toml += ligne_toml("segh", texte_exact(p.section.segh));
  if (p.section.segv != 0) toml += ligne_toml("segv", texte_exact(p.section.segv));
  toml += "\n[plan.lignes]\n" + ligne_toml("dos", texte_points(p.lignes.dos)) +
          ligne_toml("ventre", texte_points(p.lignes.ventre));
  if (p.lignes.niveau) toml += ligne_toml("niveau", texte_points(*p.lignes.niveau));
  return toml + ligne_toml("demi_largeur", texte_points(p.lignes.demi_largeur));
}

std::optional<PlanTrace> plan_du_texte(std::string_view texte) {
  if (texte.empty()) return std::nullopt;
  const Lecteur lecteur("plan");
  return lire_plan(lecteur, racine_toml(lecteur, texte, "plan"));
}

} // namespace bilobe
