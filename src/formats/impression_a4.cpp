#include "formats/impression_a4.h"

#include "formats/pages_pdf.h"
#include "formats/peintre_pdf.h"

namespace bilobe {

namespace {

using namespace page_a4;
using namespace pdf;

QPointF sur(const PageGabarit& page, PointMm p) {
  const PointMm q = sur_la_page(page, p);
  return {q.x, q.y};
}

void dessiner_textes(QPainter& p, const Dessin& d, const PageGabarit& page) {
  p.setPen(en_qt(style_gabarit::TEXTE.couleur));
  for (const TexteDessin& t : d.textes) {
    p.save();
    QFont police("Liberation Sans");
    police.setStyleHint(QFont::SansSerif);
    // Letters of their size in mm, on the writer's own dots.
    police.setPointSizeF(t.hauteur * 72 / 25.4);
    p.translate(sur(page, t.base));
    if (t.montant) p.rotate(-90);
    p.scale(1 / POINTS_PAR_MM, 1 / POINTS_PAR_MM);
    p.setFont(police);
    p.drawText(QPointF(0, 0), QString::fromStdString(t.texte));
    p.restore();
  }
}

void dessiner_page(QPainter& p, const Dessin& d, const PageGabarit& page, const FeuilleA4& f, bool en_plusieurs) {
  ouvrir_zone(p, f, en_plusieurs);
  for (const TraitDessin& t : d.traits) {
    QPolygonF poly;
    for (const PointMm& q : t.points) poly << sur(page, q);
    p.setPen(stylo(t.style));
    if (t.ferme)
      p.drawPolygon(poly);
    else
      p.drawPolyline(poly);
  }
  dessiner_textes(p, d, page);
  for (const PointMm& m : page.marques) croix(p, sur(page, m));
  p.restore();
}

} // namespace

std::string contenu_pdf_a4(const std::vector<DessinAImprimer>& dessins, const std::string& titre) {
  struct Pages {
    FeuilleA4 feuille;
    MiseEnPage mise_en_page;
  };
  std::vector<Pages> pages; // all of them before the first is drawn: an overflow writes nothing
  for (const DessinAImprimer& d : dessins) {
    const FeuilleA4 f = feuille_pour(d.dessin->cadre);
    pages.push_back({f, mettre_en_page(d.dessin->cadre, f)});
  }
  DocumentPdf document(titre);
  for (std::size_t i = 0; i < dessins.size(); ++i) {
    const Pages& m = pages[i];
    const std::size_t total = m.mise_en_page.pages.size();
    for (std::size_t k = 0; k < total; ++k) {
      const PageGabarit& page = m.mise_en_page.pages[k];
      QPainter& p = document.page(m.feuille);
      dessiner_page(p, *dessins[i].dessin, page, m.feuille, total > 1);
      echelle(p, m.feuille);
      lignes_de_bande(p, m.feuille, QString::fromStdString(dessins[i].legende),
                      QString::fromUtf8("Carré : 10 mm - imprimer à 100 % (taille réelle)"),
                      QString::fromUtf8("Page %1/%2 (ligne %3, colonne %4)")
                          .arg(k + 1)
                          .arg(total)
                          .arg(page.ligne + 1)
                          .arg(page.colonne + 1));
    }
  }
  return document.fin();
}

} // namespace bilobe
