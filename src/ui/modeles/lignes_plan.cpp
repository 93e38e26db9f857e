#include "ui/modeles/lignes_plan.h"

#include "formats/gabarit_svg.h"
#include "serie/interpolation.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

std::optional<std::size_t> ligne_de(Outil outil) {
  switch (outil) {
  case Outil::Dos:
    return 0;
  case Outil::Ventre:
    return 1;
  case Outil::Niveau:
    return 2;
  case Outil::DemiLargeur:
    return 3;
  default:
    return std::nullopt;
  }
}

VuePlan vue_de_ligne(std::size_t ligne) { return ligne == 3 ? VuePlan::Dessus : VuePlan::Cote; }

std::optional<std::size_t> point_proche(const std::vector<PointMm>& ligne, PointMm p, double rayon) {
  std::optional<std::size_t> proche;
  double meilleure = rayon;
  for (std::size_t k = 0; k < ligne.size(); ++k)
    if (const double d = std::hypot(ligne[k].x - p.x, ligne[k].y - p.y); d <= meilleure) meilleure = d, proche = k;
  return proche;
}

namespace {

double x_mm(const LignesPlan& plan, std::size_t ligne, PointMm p) {
  return vers_mm(plan.calage, vue_de_ligne(ligne), p).x;
}

std::size_t ranger(LignesPlan& plan, std::size_t ligne, PointMm p) {
  auto& points = plan.lignes[ligne];
  const double x = x_mm(plan, ligne, p);
  const auto place =
      std::find_if(points.begin(), points.end(), [&](const PointMm& q) { return x_mm(plan, ligne, q) > x; });
  return static_cast<std::size_t>(points.insert(place, p) - points.begin());
}

} // namespace

std::size_t ajouter_point(LignesPlan& plan, std::size_t ligne, PointMm p) { return ranger(plan, ligne, p); }

std::size_t deplacer_point(LignesPlan& plan, std::size_t ligne, std::size_t indice, PointMm p) {
  auto& points = plan.lignes[ligne];
  points.erase(points.begin() + static_cast<std::ptrdiff_t>(indice));
  return ranger(plan, ligne, p);
}

LignesTracees en_mm(const LignesPlan& plan) {
  std::array<std::vector<PointMm>, NB_LIGNES_PLAN> mm;
  for (std::size_t l = 0; l < NB_LIGNES_PLAN; ++l)
    for (const PointMm& p : plan.lignes[l]) {
      mm[l].push_back(vers_mm(plan.calage, vue_de_ligne(l), p));
    }
  // A turn of the plan after the clicks may swap two close points.
  for (auto& ligne : mm)
    std::stable_sort(ligne.begin(), ligne.end(), [](const PointMm& a, const PointMm& b) { return a.x < b.x; });
  LignesTracees t;
  t.dos = mm[0];
  t.ventre = mm[1];
  if (!mm[2].empty()) t.niveau = mm[2];
  t.demi_largeur = mm[3];
  return t;
}

PlanTrace plan_trace(const LignesPlan& plan) {
  return {plan.fichier, plan.page, plan.calage, en_mm(plan), plan.section};
}

LignesPlan lignes_plan(const PlanTrace& p) {
  LignesPlan plan;
  plan.fichier = p.fichier;
  plan.page = p.page;
  plan.calage = p.calage;
  plan.section = p.section;
  const std::vector<PointMm>* mm[] = {&p.lignes.dos, &p.lignes.ventre, p.lignes.niveau ? &*p.lignes.niveau : nullptr,
                                      &p.lignes.demi_largeur};
  for (std::size_t l = 0; l < NB_LIGNES_PLAN; ++l)
    if (mm[l])
      for (const PointMm& q : *mm[l]) plan.lignes[l].push_back(vers_plan(plan.calage, vue_de_ligne(l), q));
  return plan;
}

std::vector<std::vector<PointMm>> courbes_sur_plan(const LignesPlan& plan, std::size_t ligne, int echantillons) {
  std::array<std::vector<double>, 2> x, y; // above the centre line (or the side view's line), below it
  for (const PointMm& p : plan.lignes[ligne]) {
    const PointMm q = vers_mm(plan.calage, vue_de_ligne(ligne), p);
    const std::size_t cote = ligne == 3 && q.y < 0 ? 1 : 0;
    if (!x[cote].empty() && !(q.x > x[cote].back())) return {};
    x[cote].push_back(q.x);
    y[cote].push_back(q.y);
  }
  std::vector<std::vector<PointMm>> traces;
  for (std::size_t cote = 0; cote < 2; ++cote) {
    if (x[cote].size() < 2) continue;
    const Courbe courbe(x[cote], y[cote], Interpolation::Lisse);
    const double debut = x[cote].front(), fin = x[cote].back();
    std::vector<PointMm> trace;
    for (int k = 0; k <= echantillons; ++k) {
      const double xk = debut + (fin - debut) * k / echantillons;
      trace.push_back(vers_plan(plan.calage, vue_de_ligne(ligne), {xk, courbe(xk)}));
    }
    traces.push_back(std::move(trace));
  }
  return traces;
}

std::vector<TraitCouple> couples_sur_plan(const LignesPlan& plan, const DescriptionSerie& d) {
  const LignesTracees mm = en_mm(plan);
  std::vector<double> nx, ny;
  for (const PointMm& p : mm.niveau.value_or(std::vector<PointMm>{}))
    if (nx.empty() || p.x > nx.back()) nx.push_back(p.x), ny.push_back(p.y);
  const std::optional<Courbe> courbe_niveau =
      nx.size() < 2 ? std::nullopt : std::optional(Courbe(nx, ny, Interpolation::Lisse));
  const auto niveau = [&](double x) {
    return courbe_niveau ? (*courbe_niveau)(std::clamp(x, nx.front(), nx.back())) : 0.0;
  };
  std::vector<TraitCouple> traits;
  for (const CoupleSerie& c : couples_de(d)) {
    const double x = c.position, n = niveau(x);
    traits.push_back({vers_plan(plan.calage, VuePlan::Cote, {x, n + c.cotes[1]}),
                      vers_plan(plan.calage, VuePlan::Cote, {x, n - c.cotes[4]})});
    traits.push_back({vers_plan(plan.calage, VuePlan::Dessus, {x, c.cotes[0]}),
                      vers_plan(plan.calage, VuePlan::Dessus, {x, -c.cotes[0]})});
  }
  return traits;
}

SectionLaPlusLarge section_la_plus_large(const std::vector<Station>& stations) {
  const Station large = *std::max_element(stations.begin(), stations.end(),
                                          [](const Station& a, const Station& b) { return a.cotes[0] < b.cotes[0]; });
  DescriptionSerie d;
  d.planche.largeur = 600, d.planche.hauteur = 300;
  d.stations = {large, large};
  d.stations[1].position += 1;
  d.positions = std::vector<double>{large.position};
  d.ch = large.cotes[5] > 0 ? 1 : 0; // the segments the section asks for
  d.cv = large.cotes[6] > 0 ? 1 : 0;
  const CoupleTrace couple = tracer_couple(couples_de(d).front(), d.gabarit);
  return {contenu_svg(couple.gabarit), large.position};
}

} // namespace bilobe
