#include "formats/lecture_dxf.h"

#include "common/chiffres.h"
#include "common/erreurs.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace bilobe {

namespace {

struct Paire {
  int code = 0;
  std::string_view valeur;
  std::size_t ligne = 0; // of the code, from 1
};

// The file as group code / value pairs, read one at a time.
class Lecteur {
public:
  Lecteur(std::string_view texte, const std::string& nom) : texte_(texte), nom_(nom) {}

  [[noreturn]] void echouer(const std::string& message) const {
    lever(GenreErreur::Fichier, nom_, "ligne " + std::to_string(ligne_) + " : " + message);
  }

  std::optional<Paire> suivante() {
    if (pos_ >= texte_.size()) return std::nullopt;
    Paire p;
    p.ligne = ligne_ + 1;
    const std::string_view code = ligne();
    if (pos_ >= texte_.size() && code.empty()) return std::nullopt;
    int valeur = 0;
    const auto [fin, ec] = std::from_chars(code.data(), code.data() + code.size(), valeur);
    if (ec != std::errc{} || fin != code.data() + code.size()) echouer("code de groupe attendu, pas un DXF texte");
    p.code = valeur;
    if (pos_ >= texte_.size()) echouer("valeur manquante en fin de fichier");
    p.valeur = ligne();
    return p;
  }

  // A value read again: the pair read before the entity's end.
  void remettre(const Paire& p) { remise_ = p; }
  std::optional<Paire> prochaine() {
    if (remise_) return std::exchange(remise_, std::nullopt);
    return suivante();
  }

  double nombre(const Paire& p) const {
    // A DXF writes "+1.5" and "1." too.
    std::string_view texte = p.valeur;
    if (!texte.empty() && texte.front() == '+') texte.remove_prefix(1);
    const chiffres::Lu lu = chiffres::lire(texte.data(), texte.data() + texte.size());
    const double v = lu.valeur;
    if (texte.empty() || lu.erreur != std::errc{} || lu.fin != texte.data() + texte.size() || !std::isfinite(v) ||
        std::abs(v) > 1e9)
      echouer("nombre illisible « " + std::string(p.valeur.substr(0, 30)) + " »");
    return v;
  }

private:
  // One line, its spaces and CR trimmed.
  std::string_view ligne() {
    const std::size_t fin = std::min(texte_.find('\n', pos_), texte_.size());
    std::string_view l = texte_.substr(pos_, fin - pos_);
    pos_ = fin + 1;
    ++ligne_;
    while (!l.empty() && (l.back() == '\r' || l.back() == ' ' || l.back() == '\t')) l.remove_suffix(1);
    while (!l.empty() && (l.front() == ' ' || l.front() == '\t')) l.remove_prefix(1);
    return l;
  }

  std::string_view texte_;
  std::string nom_;
  std::size_t pos_ = 0, ligne_ = 0;
  std::optional<Paire> remise_;
};

// An entity's pairs up to the next entity (code 0), which is put back.
std::vector<Paire> entite(Lecteur& l) {
  std::vector<Paire> paires;
  while (auto p = l.prochaine()) {
    if (p->code == 0) {
      l.remettre(*p);
      break;
    }
    paires.push_back(*p);
  }
  return paires;
}

// The x and y of every 10/20 (or 11/21) pair, in order.
std::vector<PointMm> sommets(const Lecteur& l, const std::vector<Paire>& paires, int code_x) {
  std::vector<PointMm> points;
  for (const Paire& p : paires) {
    if (p.code == code_x) points.push_back({l.nombre(p), 0});
    if (p.code == code_x + 10 && !points.empty()) points.back().y = l.nombre(p);
  }
  return points;
}

bool ferme(const Lecteur& l, const std::vector<Paire>& paires) {
  for (const Paire& p : paires)
    if (p.code == 70) return (static_cast<long>(l.nombre(p)) & 1) != 0;
  return false;
}

// A B-spline (rational when weighted) by de Boor, a few points per knot span.
std::vector<PointMm> spline(const Lecteur& l, const std::vector<Paire>& paires) {
  int degre = 3;
  std::vector<double> noeuds, poids;
  for (const Paire& p : paires) {
    if (p.code == 71) degre = static_cast<int>(l.nombre(p));
    if (p.code == 40) noeuds.push_back(l.nombre(p));
    if (p.code == 41) poids.push_back(l.nombre(p));
  }
  const std::vector<PointMm> c = sommets(l, paires, 10);
  if (c.empty()) return sommets(l, paires, 11); // fit points only
  const std::size_t n = c.size();
  if (degre < 1 || degre > 11 || noeuds.size() != n + degre + 1) l.echouer("SPLINE aux nœuds incohérents");
  for (std::size_t k = 1; k < noeuds.size(); ++k)
    if (noeuds[k] < noeuds[k - 1]) l.echouer("SPLINE aux nœuds décroissants");
  if (poids.size() != n) poids.assign(n, 1.0);
  const auto d = static_cast<std::size_t>(degre);
  std::vector<PointMm> points;
  constexpr int PAR_TRAVEE = 16;
  for (std::size_t s = d; s < n; ++s) {
    if (noeuds[s + 1] <= noeuds[s]) continue;
    for (int k = 0; k <= PAR_TRAVEE; ++k) {
      if (k == 0 && !points.empty()) continue;
      const double t = noeuds[s] + (noeuds[s + 1] - noeuds[s]) * k / PAR_TRAVEE;
      std::vector<double> x(d + 1), y(d + 1), w(d + 1);
      for (std::size_t j = 0; j <= d; ++j) {
        const PointMm& q = c[s - d + j];
        w[j] = poids[s - d + j];
        x[j] = q.x * w[j], y[j] = q.y * w[j];
      }
      for (std::size_t r = 1; r <= d; ++r)
        for (std::size_t j = d; j >= r; --j) {
          const std::size_t i = s - d + j;
          const double den = noeuds[i + d + 1 - r] - noeuds[i];
          const double a = den > 0 ? (t - noeuds[i]) / den : 0;
          x[j] = (1 - a) * x[j - 1] + a * x[j];
          y[j] = (1 - a) * y[j - 1] + a * y[j];
          w[j] = (1 - a) * w[j - 1] + a * w[j];
        }
      if (!(w[d] != 0)) l.echouer("SPLINE aux poids nuls");
      points.push_back({x[d] / w[d], y[d] / w[d]});
    }
  }
  return points;
}

double mm_par_unite(int insunits) {
  switch (insunits) {
  case 1:
    return 25.4; // inches
  case 2:
    return 304.8; // feet
  case 5:
    return 10; // cm
  case 6:
    return 1000; // m
  default:
    return 1; // mm, or not said
  }
}

} // namespace

TraitsDxf lire_traits_dxf(std::string_view texte, const std::string& nom) {
  Lecteur l(texte, nom);
  if (texte.size() > TAILLE_MAX_DXF) lever(GenreErreur::Fichier, nom, "plan DXF de plus de 64 Mo");
  TraitsDxf r;
  std::size_t total = 0;
  const auto ajouter = [&](std::vector<PointMm> trait, bool boucle) {
    if (boucle && trait.size() > 2) trait.push_back(trait.front());
    if (trait.size() < 2) return;
    total += trait.size();
    if (total > POINTS_MAX_DXF) l.echouer("plus de 2 000 000 de points");
    r.traits.push_back(std::move(trait));
  };
  bool dans_entites = false, vu_une_paire = false;
  while (auto p = l.prochaine()) {
    vu_une_paire = true;
    if (p->code == 9 && p->valeur == "$INSUNITS")
      if (auto u = l.prochaine(); u && u->code == 70) r.mm_par_unite = mm_par_unite(static_cast<int>(l.nombre(*u)));
    if (p->code == 2 && (p->valeur == "ENTITIES" || p->valeur == "BLOCKS")) dans_entites = p->valeur == "ENTITIES";
    if (p->code != 0 || !dans_entites) continue;
    if (p->valeur == "ENDSEC") dans_entites = false;
    if (p->valeur == "LINE") {
      const auto paires = entite(l);
      const auto a = sommets(l, paires, 10), b = sommets(l, paires, 11);
      if (a.size() == 1 && b.size() == 1) ajouter({a[0], b[0]}, false);
    } else if (p->valeur == "LWPOLYLINE") {
      const auto paires = entite(l);
      ajouter(sommets(l, paires, 10), ferme(l, paires));
    } else if (p->valeur == "SPLINE") {
      const auto paires = entite(l);
      ajouter(spline(l, paires), ferme(l, paires));
    } else if (p->valeur == "POLYLINE") {
      const bool boucle = ferme(l, entite(l));
      std::vector<PointMm> trait;
      while (auto v = l.prochaine()) {
        if (v->code != 0) continue;
        if (v->valeur == "SEQEND") break;
        if (v->valeur != "VERTEX") l.echouer("POLYLINE sans SEQEND");
        const auto points = sommets(l, entite(l), 10);
        if (!points.empty()) trait.push_back(points.front());
        if (trait.size() > POINTS_MAX_DXF) l.echouer("plus de 2 000 000 de points");
      }
      ajouter(std::move(trait), boucle);
    }
  }
  if (!vu_une_paire) lever(GenreErreur::Fichier, nom, "fichier vide");
  if (r.traits.empty())
    lever(GenreErreur::Fichier, nom, "aucune ligne utilisable (LINE, LWPOLYLINE, POLYLINE, SPLINE)");
  return r;
}

} // namespace bilobe
