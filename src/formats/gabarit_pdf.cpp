#include "formats/gabarit_pdf.h"

#include "common/erreurs.h"
#include "formats/date_pdf.h"
#include "formats/legende.h"
#include "formats/pages_pdf.h"
#include "formats/style_gabarit.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

namespace bilobe {

namespace {

using namespace page_a4;

constexpr int RESOLUTION = 1200; // dots per inch of the drawing
constexpr double POINTS_PAR_MM = RESOLUTION / 25.4;

void taire(QtMsgType, const QMessageLogContext&, const QString&) {}

// The writer needs Qt's fonts, which live in a Qt application. The command
// line has none: it gets an off-screen one for the time of the drawing, and
// Qt's own remarks meanwhile (an unset XDG_RUNTIME_DIR…) are not the
// command's words: they are kept off its standard error.
class ApplicationGraphique {
public:
  ApplicationGraphique() {
    if (QGuiApplication::instance()) return;
    ancien_ = qInstallMessageHandler(taire);
    propre_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  ~ApplicationGraphique() {
    if (!propre_) return;
    propre_.reset();
    qInstallMessageHandler(ancien_);
  }
  ApplicationGraphique(const ApplicationGraphique&) = delete;
  ApplicationGraphique& operator=(const ApplicationGraphique&) = delete;

private:
  // Qt keeps references to argc and argv for the life of the application.
  int argc_ = 3;
  char nom_[11] = "bilobe-dat", option_[10] = "-platform", plateforme_[10] = "offscreen";
  char* argv_[4] = {nom_, option_, plateforme_, nullptr};
  QtMessageHandler ancien_ = nullptr;
  std::unique_ptr<QGuiApplication> propre_;
};

QPointF vers_qt(PointMm p) { return {p.x, p.y}; }

QPolygonF polygone(const Boucle& boucle, const PageGabarit& page) {
  QPolygonF poly;
  for (const PointMm& p : boucle) poly << vers_qt(sur_la_page(page, p));
  return poly;
}

QColor en_qt(style_gabarit::Couleur c) { return QColor(c.rouge, c.vert, c.bleu); }

QPen stylo(QColor couleur, double largeur_mm, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(couleur, largeur_mm, style);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// A line of the vocabulary on paper; Qt counts dashes in line widths.
QPen stylo(const style_gabarit::Trait& trait) {
  QPen pen = stylo(en_qt(trait.couleur), trait.largeur_imprimee);
  if (trait.tiret > 0)
    pen.setDashPattern({trait.tiret / trait.largeur_imprimee, trait.espace / trait.largeur_imprimee});
  return pen;
}

// Text in points whatever the drawing's scale; (x, y) is the baseline's start, in mm.
void texte(QPainter& p, double x, double y, const QString& ligne) {
  p.save();
  p.resetTransform();
  QFont police("Liberation Sans");
  police.setStyleHint(QFont::SansSerif);
  police.setPointSizeF(style_gabarit::TEXTE.points_imprimes);
  p.setFont(police);
  p.setPen(en_qt(style_gabarit::TEXTE.couleur));
  p.drawText(QPointF(x * POINTS_PAR_MM, y * POINTS_PAR_MM), ligne);
  p.restore();
}

void dessiner_zone(QPainter& p, const Gabarit& g, const PageGabarit& page, bool en_plusieurs) {
  const QRectF zone(ZONE_GAUCHE, ZONE_HAUT, ZONE_LARGEUR, ZONE_HAUTEUR);
  if (en_plusieurs) {
    p.setPen(stylo(Qt::gray, 0.1, Qt::DashLine));
    p.drawRect(zone);
  }
  p.save();
  p.setClipRect(zone);
  p.setBrush(Qt::NoBrush);
  p.setPen(stylo(style_gabarit::REPERES));
  for (const Repere* r : {&g.axe, &g.niveau})
    p.drawLine(vers_qt(sur_la_page(page, r->debut)), vers_qt(sur_la_page(page, r->fin)));
  for (const Repere& r : g.marques_pattes)
    p.drawLine(vers_qt(sur_la_page(page, r.debut)), vers_qt(sur_la_page(page, r.fin)));
  p.setPen(stylo(style_gabarit::DECOUPE));
  p.drawPolygon(polygone(g.exterieur, page));
  p.drawPolygon(polygone(g.interieur, page));
  p.setPen(stylo(Qt::black, 0.2));
  for (const PointMm& m : page.marques) {
    const QPointF c = vers_qt(sur_la_page(page, m));
    p.drawLine(c - QPointF(4, 0), c + QPointF(4, 0));
    p.drawLine(c - QPointF(0, 4), c + QPointF(0, 4));
    p.drawEllipse(c, 2, 2);
  }
  p.restore();
}

// `numero` of `total`: the sheets printed; the row and column still say
// where the sheet goes in the whole grid. A named template says its name
// on each of its sheets.
void dessiner_bande(QPainter& p, const GabaritNomme& g, const PageGabarit& page, std::size_t numero,
                    std::size_t total) {
  p.fillRect(QRectF(BARRE_GAUCHE, BARRE_HAUT, BARRE_LONGUEUR, BARRE_EPAISSEUR), Qt::black);
  p.setPen(stylo(Qt::black, 0.2));
  for (double x = 0; x <= BARRE_LONGUEUR; x += 10)
    p.drawLine(QPointF(BARRE_GAUCHE + x, BARRE_HAUT), QPointF(BARRE_GAUCHE + x, BARRE_HAUT - 2));
  texte(p, BARRE_GAUCHE, BARRE_HAUT + 7, QString::fromUtf8("Barre d'échelle : 50 mm"));
  p.fillRect(QRectF(CARRE_GAUCHE, CARRE_HAUT, CARRE_COTE, CARRE_COTE), Qt::black);

  const QString nom = g.nom.empty() ? QString() : QString::fromStdString(g.nom) + QStringLiteral(" - ");
  const double x = CARRE_GAUCHE + CARRE_COTE + 5;
  texte(p, x, CARRE_HAUT + 3, nom + QString::fromStdString(legende_gabarit(*g.gabarit)));
  texte(p, x, CARRE_HAUT + 8, QString::fromUtf8("Carré : 10 mm - imprimer à 100 % (taille réelle)"));
  texte(p, x, CARRE_HAUT + 13,
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
  const ApplicationGraphique application;

  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&tampon);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  pdf.setResolution(RESOLUTION);
  pdf.setTitle(QString::fromStdString(titre));
  pdf.setCreator(QString::fromUtf8("Couple bi-lobé"));

  QPainter p;
  if (!p.begin(&pdf)) lever(GenreErreur::Fichier, "gabarit PDF", "le dessin du PDF n'a pas pu commencer");
  p.setRenderHint(QPainter::Antialiasing);
  bool premiere = true;
  for (std::size_t i = 0; i < gabarits.size(); ++i) {
    const Feuilles& f = feuilles[i];
    for (std::size_t k = 0; k < f.a_imprimer.size(); ++k) {
      if (!premiere) pdf.newPage();
      premiere = false;
      p.save();
      p.scale(POINTS_PAR_MM, POINTS_PAR_MM); // from here on, one unit is one millimetre
      dessiner_zone(p, *gabarits[i].gabarit, *f.a_imprimer[k], f.mise_en_page.pages.size() > 1);
      dessiner_bande(p, gabarits[i], *f.a_imprimer[k], k + 1, f.a_imprimer.size());
      p.restore();
    }
  }
  p.end();
  if (const auto date = date_reproductible()) return dater_pdf(octets.toStdString(), *date);
  return octets.toStdString();
}

} // namespace bilobe
