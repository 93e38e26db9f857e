#include "formats/impression_a4.h"

#include "formats/bande_a4.h"
#include "formats/date_pdf.h"
#include "formats/pages_pdf.h"

namespace bilobe {

void dessiner_page(EcrivainPdf& pdf, const Dessin& d, const PageGabarit& page, const FeuilleA4& f, bool en_plusieurs) {
  bande_a4::ouvrir_zone(pdf, f, en_plusieurs);
  for (const TraitDessin& t : d.traits) {
    std::vector<PointMm> points;
    points.reserve(t.points.size());
    for (const PointMm& q : t.points) points.push_back(sur_la_page(page, q));
    pdf.ligne(points, t.ferme, t.style.couleur, t.style.largeur_imprimee, t.style.tiret, t.style.espace);
  }
  for (const TexteDessin& t : d.textes)
    pdf.texte(sur_la_page(page, t.base), t.texte, t.hauteur * POINTS_PAR_MM, style_gabarit::TEXTE.couleur,
              EcrivainPdf::Ancre::Debut, t.montant);
  for (const PointMm& m : page.marques) bande_a4::croix(pdf, sur_la_page(page, m));
  pdf.fin_decoupe();
}

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
  EcrivainPdf pdf(titre, date_reproductible());
  for (std::size_t i = 0; i < dessins.size(); ++i) {
    const Pages& m = pages[i];
    const std::size_t total = m.mise_en_page.pages.size();
    for (std::size_t k = 0; k < total; ++k) {
      const PageGabarit& page = m.mise_en_page.pages[k];
      pdf.page(m.feuille.largeur(), m.feuille.hauteur());
      dessiner_page(pdf, *dessins[i].dessin, page, m.feuille, total > 1);
      bande_a4::bande(pdf, m.feuille, dessins[i].legende, "", k + 1, total, page);
    }
  }
  return pdf.fin();
}

} // namespace bilobe
