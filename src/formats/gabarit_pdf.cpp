#include "formats/gabarit_pdf.h"

#include "formats/bande_a4.h"
#include "formats/date_pdf.h"
#include "formats/legende.h"
#include "formats/pages_pdf.h"
#include "formats/style_gabarit.h"

namespace bilobe {

namespace {

void trait(EcrivainPdf& pdf, std::vector<PointMm> points, const PageGabarit& page, bool ferme,
           const style_gabarit::Trait& style) {
  for (PointMm& p : points) p = sur_la_page(page, p);
  pdf.ligne(points, ferme, style.couleur, style.largeur_imprimee, style.tiret, style.espace);
}

void dessiner_zone(EcrivainPdf& pdf, const Gabarit& g, const PageGabarit& page, bool en_plusieurs) {
  bande_a4::ouvrir_zone(pdf, FeuilleA4{}, en_plusieurs);
  for (const Repere* r : {&g.axe, &g.niveau}) trait(pdf, {r->debut, r->fin}, page, false, style_gabarit::REPERES);
  for (const Repere& r : g.marques_pattes) trait(pdf, {r.debut, r.fin}, page, false, style_gabarit::REPERES);
  trait(pdf, g.exterieur, page, true, style_gabarit::DECOUPE);
  trait(pdf, g.interieur, page, true, style_gabarit::DECOUPE);
  for (const PointMm& m : page.marques) bande_a4::croix(pdf, sur_la_page(page, m));
  pdf.fin_decoupe();
}

// `numero` of `total`: the sheets printed; the row and column still say
// where the sheet goes in the whole grid. A named template says its name
// on each of its sheets.
void dessiner_bande(EcrivainPdf& pdf, const GabaritNomme& g, const PageGabarit& page, std::size_t numero,
                    std::size_t total) {
  bande_a4::echelle(pdf, FeuilleA4{});
  const std::string nom = g.nom.empty() ? std::string() : g.nom + " - ";
  bande_a4::lignes(pdf, FeuilleA4{}, nom + legende_gabarit(*g.gabarit),
                   "Carré : 10 mm - imprimer à 100 % (taille réelle)",
                   nom + "Page " + std::to_string(numero) + "/" + std::to_string(total) + " (ligne " +
                       std::to_string(page.ligne + 1) + ", colonne " + std::to_string(page.colonne + 1) + ")");
}

// The sheets that cover a former; its construction lines are cut at the
// edge of the drawing area. A sheet that would hold alignment marks only
// is left out.
struct Feuilles {
  MiseEnPage mise_en_page;
  std::vector<const PageGabarit*> a_imprimer;
};
Feuilles feuilles_de(const Gabarit& g) {
  Feuilles f{mettre_en_page(g.cadre), {}};
  for (const PageGabarit& page : f.mise_en_page.pages)
    if (montre_le_contour(page, g)) f.a_imprimer.push_back(&page);
  return f;
}

} // namespace

std::string contenu_pdf(const Gabarit& g) { return contenu_pdf({{std::string(), &g}}, legende_gabarit(g)); }

std::string contenu_pdf(const std::vector<GabaritNomme>& gabarits, const std::string& titre) {
  std::vector<Feuilles> feuilles;
  for (const GabaritNomme& g : gabarits) feuilles.push_back(feuilles_de(*g.gabarit));
  EcrivainPdf pdf(titre, date_reproductible());
  for (std::size_t i = 0; i < gabarits.size(); ++i) {
    const Feuilles& f = feuilles[i];
    for (std::size_t k = 0; k < f.a_imprimer.size(); ++k) {
      pdf.page(page_a4::LARGEUR, page_a4::HAUTEUR);
      dessiner_zone(pdf, *gabarits[i].gabarit, *f.a_imprimer[k], f.mise_en_page.pages.size() > 1);
      dessiner_bande(pdf, gabarits[i], *f.a_imprimer[k], k + 1, f.a_imprimer.size());
    }
  }
  return pdf.fin();
}

} // namespace bilobe
