#include "geometry/gabarit.h"

#include "common/calcul.h"
#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "geometry/decalage.h"
#include "geometry/forme.h"
#include "geometry/trace.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

// How far the construction lines run past the former, in mm.
constexpr double DEPASSEMENT_REPERES = 5;

void coupable(const Boucle& boucle, const char* lieu) {
  if (boucle.size() < 3) lever(GenreErreur::OperationInvalide, lieu, "moins de trois points distincts");
}

// The inner line turns clockwise, as the half is traced.
Boucle a_rebours(Boucle boucle) {
  if (aire_signee(boucle) > 0) std::reverse(boucle.begin(), boucle.end());
  return boucle;
}

} // namespace

Gabarit construire_gabarit(const ResultatTrace& trace, const OptionsGabarit& options) {
  Lignes lignes = lignes_du_couple(trace);
  coupable(lignes.exterieur, "gabarit : contour extérieur");
  coupable(lignes.interieur, "gabarit : contour intérieur");
  const VerificationForme forme = verifier_forme(trace, lignes.exterieur, lignes.interieur);
  if (!forme.valide())
    lever(GenreErreur::OperationInvalide, "gabarit", "forme impossible à découper : " + forme.defaut);
  if (!(options.saignee >= 0 && std::isfinite(options.saignee)))
    lever(GenreErreur::OperationInvalide, "gabarit", "saignée négative");

  Gabarit g;
  g.exterieur = std::move(lignes.exterieur);
  g.interieur = std::move(lignes.interieur);
  if (options.paroi_constante) {
    const double ep = static_cast<float>(trace.valeurs.ep());
    g.interieur = a_rebours(decaler(g.exterieur, -ep, "gabarit : paroi constante"));
  }
  g.paroi = mesurer_paroi(g.exterieur, g.interieur); // the wall itself, between the notches
  if (!options.encoches.empty() || options.pattes) {
    g.encoches = placer_encoches(g.exterieur, options.encoches);
    // The cutter would pass down a notch no wider than its kerf and leave nothing of it.
    for (std::size_t k = 0; k < options.encoches.size(); ++k)
      if (options.saignee > 0 && !(options.encoches[k].largeur > options.saignee))
        lever(GenreErreur::OperationInvalide, "encoche " + std::to_string(k + 1),
              "pas plus large que la saignée (" + texte_exact(options.saignee) + " mm) : la coupe l'effacerait");
    std::vector<PattePlacee> pattes;
    if (options.pattes) pattes = placer_pattes(g.exterieur, *options.pattes);
    for (const PattePlacee& p : pattes) g.marques_pattes.push_back({p.marque_debut, p.marque_fin});
    for (const EncochePlacee& e : g.encoches) g.traits_kit.push_back(trait_kit(e));
    for (const PattePlacee& p : pattes) g.traits_kit.push_back(trait_kit(p));
    g.exterieur = decouper_kit(g.exterieur, g.interieur, g.encoches, pattes);
  }
  g.surface = std::abs(aire_signee(g.exterieur)) - std::abs(aire_signee(g.interieur));
  if (!std::isfinite(g.surface)) lever(GenreErreur::Depassement, "gabarit : surface");
  g.piece = cadre_de({&g.exterieur, &g.interieur});
  g.saignee = options.saignee;
  if (options.saignee > 0) {
    // The cutter's centre runs half the kerf outside the part and half
    // inside its hollow, so that the part keeps the drawn size.
    g.exterieur = decaler(g.exterieur, options.saignee / 2, "gabarit : saignée");
    g.interieur = a_rebours(decaler(g.interieur, -options.saignee / 2, "gabarit : saignée"));
  }
  g.cadre = cadre_de({&g.exterieur, &g.interieur});
  g.hauteur_nominale = calcul::add(trace.valeurs.yinf(), trace.valeurs.ytot(), "H = yinf + ytot");
  g.largeur_nominale = calcul::mul(2, trace.valeurs.xtot(), "2 x xtot");

  const Cadre& c = g.cadre;
  const double d = DEPASSEMENT_REPERES;
  g.axe = {{0, c.bas - d}, {0, c.haut + d}};
  g.niveau = {{c.gauche - d, 0}, {c.droite + d, 0}};
  return g;
}

} // namespace bilobe
