#include "ui/modeles/apercu.h"

#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "geometry/forme.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

Apercu apercu_de(const ResultatTrace& trace) {
  Apercu a;
  a.niveau = trace.niveau;
  const auto xs = trace.liste.xs();
  const auto ys = trace.liste.ys();
  a.polyligne.reserve(xs.size());
  for (std::size_t k = 0; k < xs.size(); ++k) a.polyligne.push_back({static_cast<float>(xs[k]), ys[k]});

  const VerificationForme forme = verifier_forme(trace);
  a.alerte = forme.defaut;
  const double yinf = trace.valeurs.yinf();
  const double h = yinf + trace.valeurs.ytot(); // traced already: finite and not zero
  for (const PointMm& p : forme.croisements)
    if (p.x >= 0) a.croisements.push_back({static_cast<float>(p.x / h), static_cast<float>((p.y + yinf) / h)});
  return a;
}

std::string mention_kit(const OptionsGabarit& kit) {
  std::vector<std::string> parties;
  if (kit.saignee > 0) {
    std::string mm = texte_exact(kit.saignee);
    std::replace(mm.begin(), mm.end(), '.', ','); // read by a person, in French
    parties.push_back("saignée " + mm + " mm");
  }
  if (const std::size_t n = kit.encoches.size())
    parties.push_back(std::to_string(n) + (n == 1 ? " encoche" : " encoches"));
  if (kit.pattes) parties.push_back("pattes");
  std::string texte;
  for (const std::string& p : parties) texte += (texte.empty() ? "" : " · ") + p;
  return texte;
}

Apercu apercu_de(const ResultatTrace& trace, const OptionsGabarit& kit) {
  Apercu a = apercu_de(trace);
  a.mention_kit = mention_kit(kit);
  if ((kit.encoches.empty() && !kit.pattes) || !a.alerte.empty()) return a;
  const double yinf = trace.valeurs.yinf();
  const double h = yinf + trace.valeurs.ytot();
  try {
    OptionsGabarit sans_saignee = kit; // the part as drawn, not the cut line
    sans_saignee.saignee = 0;
    for (const auto& trait : construire_gabarit(trace, sans_saignee).traits_kit) {
      std::vector<PointApercu>& l = a.kit.emplace_back();
      for (const PointMm& p : trait) l.push_back({static_cast<float>(p.x / h), static_cast<float>((p.y + yinf) / h)});
    }
  } catch (const ErreurExecution& e) {
    a.alerte = e.lieu() + " : " + e.detail();
  }
  return a;
}

Cadrage cadrage(const Apercu& apercu) {
  using namespace fenetre_apercu;
  constexpr double MARGE = 3; // px around what reaches beyond
  const double largeur = en_pixels(LARGEUR_TWIPS), hauteur = en_pixels(HAUTEUR_TWIPS);
  double x0 = 0, y0 = 0, x1 = largeur, y1 = hauteur;
  bool deborde = false;
  for (const auto& trait : apercu.kit)
    for (const PointApercu& p : trait) {
      const PositionPixel px = vers_pixels(p);
      // The preview shows the right half: the left one's notches and tabs are off it by design.
      if (!(p.x >= 0) || !std::isfinite(px.x) || !std::isfinite(px.y)) continue;
      if (px.x < 0 || px.y < 0 || px.x > largeur || px.y > hauteur) deborde = true;
      x0 = std::min(x0, px.x - MARGE), y0 = std::min(y0, px.y - MARGE);
      x1 = std::max(x1, px.x + MARGE), y1 = std::max(y1, px.y + MARGE);
    }
  if (!deborde) return {};
  const double echelle = std::min(largeur / (x1 - x0), hauteur / (y1 - y0));
  return {echelle, (largeur - (x1 - x0) * echelle) / 2 - x0 * echelle,
          (hauteur - (y1 - y0) * echelle) / 2 - y0 * echelle};
}

PositionPixel vers_pixels(PointApercu p) {
  using namespace fenetre_apercu;
  return {(p.x - GAUCHE) * TWIPS_PAR_UNITE_X / TWIPS_PAR_PIXEL, (p.y - HAUT) * TWIPS_PAR_UNITE_Y / TWIPS_PAR_PIXEL};
}

} // namespace bilobe
