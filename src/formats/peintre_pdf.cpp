#include "formats/peintre_pdf.h"

#include "common/erreurs.h"
#include "formats/date_pdf.h"
#include "formats/texte_xml.h"

#include <QPageSize>

namespace bilobe::pdf {

namespace {

void taire(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

ApplicationGraphique::ApplicationGraphique() {
  if (QGuiApplication::instance()) return;
  ancien_ = qInstallMessageHandler(taire);
  propre_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

ApplicationGraphique::~ApplicationGraphique() {
  if (!propre_) return;
  propre_.reset();
  qInstallMessageHandler(ancien_);
}

DocumentPdf::DocumentPdf(const std::string& titre)
    : tampon_(&octets_), pdf_((tampon_.open(QIODevice::WriteOnly), &tampon_)) {
  pdf_.setPageSize(QPageSize(QPageSize::A4));
  pdf_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  pdf_.setResolution(RESOLUTION);
  pdf_.setTitle(QString::fromStdString(texte_sans_controles(titre)));
  pdf_.setCreator(QString::fromUtf8("Couple bi-lobé"));
}

QPainter& DocumentPdf::page(const FeuilleA4& feuille) {
  if (commence_) peintre_.restore();
  if (feuille.paysage != paysage_) {
    pdf_.setPageOrientation(feuille.paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
    paysage_ = feuille.paysage;
  }
  if (!commence_) {
    if (!peintre_.begin(&pdf_)) lever(GenreErreur::Fichier, "gabarit PDF", "le dessin du PDF n'a pas pu commencer");
    peintre_.setRenderHint(QPainter::Antialiasing);
    commence_ = true;
  } else {
    pdf_.newPage();
  }
  peintre_.save();
  peintre_.scale(POINTS_PAR_MM, POINTS_PAR_MM); // from here on, one unit is one millimetre
  return peintre_;
}

std::string DocumentPdf::fin() {
  if (commence_) {
    peintre_.restore();
    peintre_.end();
  }
  if (const auto date = date_reproductible()) return dater_pdf(octets_.toStdString(), *date);
  return octets_.toStdString();
}

QColor en_qt(style_gabarit::Couleur c) { return QColor(c.rouge, c.vert, c.bleu); }

QPen stylo(QColor couleur, double largeur_mm, Qt::PenStyle style) {
  QPen pen(couleur, largeur_mm, style);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

QPen stylo(const style_gabarit::Trait& trait) {
  QPen pen = stylo(en_qt(trait.couleur), trait.largeur_imprimee);
  // Qt counts dashes in line widths.
  if (trait.tiret > 0)
    pen.setDashPattern({trait.tiret / trait.largeur_imprimee, trait.espace / trait.largeur_imprimee});
  return pen;
}

void texte(QPainter& p, double x, double y, const QString& ligne, double points) {
  p.save();
  p.resetTransform();
  QFont police("Liberation Sans");
  police.setStyleHint(QFont::SansSerif);
  police.setPointSizeF(points);
  p.setFont(police);
  p.setPen(en_qt(style_gabarit::TEXTE.couleur));
  p.drawText(QPointF(x * POINTS_PAR_MM, y * POINTS_PAR_MM), ligne);
  p.restore();
}

void echelle(QPainter& p, const FeuilleA4& f) {
  using namespace page_a4;
  const double barre_haut = f.barre_haut();
  p.fillRect(QRectF(BARRE_GAUCHE, barre_haut, BARRE_LONGUEUR, BARRE_EPAISSEUR), Qt::black);
  p.setPen(stylo(Qt::black, 0.2));
  for (double x = 0; x <= BARRE_LONGUEUR; x += 10)
    p.drawLine(QPointF(BARRE_GAUCHE + x, barre_haut), QPointF(BARRE_GAUCHE + x, barre_haut - 2));
  texte(p, BARRE_GAUCHE, barre_haut + 7, QString::fromUtf8("Barre d'échelle : 50 mm"));
  p.fillRect(QRectF(CARRE_GAUCHE, f.carre_haut(), CARRE_COTE, CARRE_COTE), Qt::black);
}

void lignes_de_bande(QPainter& p, const FeuilleA4& f, const QString& une, const QString& deux, const QString& trois) {
  using namespace page_a4;
  const double x = CARRE_GAUCHE + CARRE_COTE + 5;
  texte(p, x, f.carre_haut() + 3, une);
  texte(p, x, f.carre_haut() + 8, deux);
  texte(p, x, f.carre_haut() + 13, trois);
}

void ouvrir_zone(QPainter& p, const FeuilleA4& f, bool en_plusieurs) {
  const QRectF zone(page_a4::ZONE_GAUCHE, page_a4::ZONE_HAUT, f.zone_largeur(), f.zone_hauteur());
  if (en_plusieurs) {
    p.setPen(stylo(Qt::gray, 0.1, Qt::DashLine));
    p.drawRect(zone);
  }
  p.save();
  p.setClipRect(zone);
  p.setBrush(Qt::NoBrush);
}

void croix(QPainter& p, QPointF c) {
  p.setPen(stylo(Qt::black, 0.2));
  p.drawLine(c - QPointF(4, 0), c + QPointF(4, 0));
  p.drawLine(c - QPointF(0, 4), c + QPointF(0, 4));
  p.drawEllipse(c, 2, 2);
}

} // namespace bilobe::pdf
