#include "ui/modeles/apercu.h"

#include "common/erreurs.h"
#include "geometry/forme.h"

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

Apercu apercu_de(const ResultatTrace& trace, const OptionsGabarit& kit) {
  Apercu a = apercu_de(trace);
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

PositionPixel vers_pixels(PointApercu p) {
  using namespace fenetre_apercu;
  return {(p.x - GAUCHE) * TWIPS_PAR_UNITE_X / TWIPS_PAR_PIXEL, (p.y - HAUT) * TWIPS_PAR_UNITE_Y / TWIPS_PAR_PIXEL};
}

} // namespace bilobe
