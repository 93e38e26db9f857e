#include "formats/gabarit_pdf.h"

#include "common/erreurs.h"
#include "formats/legende.h"
#include "formats/pages_pdf.h"
#include "formats/peintre_pdf.h"
#include "formats/style_gabarit.h"

#include <QPainter>

namespace bilobe {

namespace {

using namespace page_a4;
using namespace pdf;

QPointF vers_qt(PointMm p) { return {p.x, p.y}; }

QPolygonF polygone(const Boucle& boucle, const PageGabarit& page) {
  QPolygonF poly;
  for (const PointMm& p : boucle) poly << vers_qt(sur_la_page(page, p));
  return poly;
}

void dessiner_zone(QPainter& p, const Gabarit& g, const PageGabarit& page, bool en_plusieurs) {
  ouvrir_zone(p, FeuilleA4{}, en_plusieurs);
  p.setPen(stylo(style_gabarit::REPERES));
  for (const Repere* r : {&g.axe, &g.niveau})
    p.drawLine(vers_qt(sur_la_page(page, r->debut)), vers_qt(sur_la_page(page, r->fin)));
  for (const Repere& r : g.marques_pattes)
    p.drawLine(vers_qt(sur_la_page(page, r.debut)), vers_qt(sur_la_page(page, r.fin)));
  p.setPen(stylo(style_gabarit::DECOUPE));
  p.drawPolygon(polygone(g.exterieur, page));
  p.drawPolygon(polygone(g.interieur, page));
  for (const PointMm& m : page.marques) croix(p, vers_qt(sur_la_page(page, m)));
  p.restore();
}

// `numero` of `total`: the sheets printed; the row and column still say
// where the sheet goes in the whole grid. A named template says its name
// on each of its sheets.
void dessiner_bande(QPainter& p, const GabaritNomme& g, const PageGabarit& page, std::size_t numero,
                    std::size_t total) {
  echelle(p, FeuilleA4{});

  const QString nom = g.nom.empty() ? QString() : QString::fromStdString(g.nom) + QStringLiteral(" - ");
  lignes_de_bande(p, FeuilleA4{}, nom + QString::fromStdString(legende_gabarit(*g.gabarit)),
                  QString::fromUtf8("Carré : 10 mm - imprimer à 100 % (taille réelle)"),
                  nom + QString::fromUtf8("Page %1/%2 (ligne %3, colonne %4)")
                            .arg(numero)
                            .arg(total)
                            .arg(page.ligne + 1)
                            .arg(page.colonne + 1));
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
  DocumentPdf document(titre);
  for (std::size_t i = 0; i < gabarits.size(); ++i) {
    const Feuilles& f = feuilles[i];
    for (std::size_t k = 0; k < f.a_imprimer.size(); ++k) {
      QPainter& p = document.page();
      dessiner_zone(p, *gabarits[i].gabarit, *f.a_imprimer[k], f.mise_en_page.pages.size() > 1);
      dessiner_bande(p, gabarits[i], *f.a_imprimer[k], k + 1, f.a_imprimer.size());
    }
  }
  return document.fin();
}

} // namespace bilobe
