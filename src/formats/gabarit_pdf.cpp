#include "formats/gabarit_pdf.h"

#include "formats/bande_a4.h"
#include "formats/date_pdf.h"
#include "formats/impression_a4.h"
#include "formats/legende.h"
#include "formats/pages_pdf.h"
#include "formats/style_gabarit.h"

namespace bilobe {

namespace {

// `numero` of `total`: the sheets printed; the row and column still say
// where the sheet goes in the whole grid. A named template says its name
// on each of its sheets.
void dessiner_bande(EcrivainPdf& pdf, const GabaritNomme& g, const PageGabarit& page, std::size_t numero,
                    std::size_t total) {
  const std::string nom = g.nom.empty() ? std::string() : g.nom + " - ";
  bande_a4::bande(pdf, FeuilleA4{}, nom + legende_gabarit(*g.gabarit), nom, numero, total, page);
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
  std::vector<Dessin> dessins;
  for (const GabaritNomme& g : gabarits) {
    feuilles.push_back(feuilles_de(*g.gabarit));
    dessins.push_back(dessin_gabarit(*g.gabarit));
  }
  EcrivainPdf pdf(titre, date_reproductible());
  for (std::size_t i = 0; i < gabarits.size(); ++i) {
    const Feuilles& f = feuilles[i];
    for (std::size_t k = 0; k < f.a_imprimer.size(); ++k) {
      pdf.page(page_a4::LARGEUR, page_a4::HAUTEUR);
      dessiner_page(pdf, dessins[i], *f.a_imprimer[k], FeuilleA4{}, f.mise_en_page.pages.size() > 1);
      dessiner_bande(pdf, gabarits[i], *f.a_imprimer[k], k + 1, f.a_imprimer.size());
    }
  }
  return pdf.fin();
}

} // namespace bilobe
