#include "ui/source_plan.h"

#include "common/erreurs.h"
#include "fichiers/fichiers.h"
#include "formats/lecture_dxf.h"

#include <QImageReader>
#include <QPdfDocument>

#include <algorithm>

namespace bilobe::ui {

namespace {

[[noreturn]] void refuser(const QString& chemin, const QString& pourquoi) {
  lever(GenreErreur::Fichier, chemin.toStdString(), pourquoi.toStdString());
}

SourcePlan dxf(const QString& chemin) {
  const TraitsDxf lus =
      lire_traits_dxf(fichiers_du_systeme().lire(chemin.toStdString(), TAILLE_MAX_DXF), chemin.toStdString());
  SourcePlan s;
  for (auto trait : lus.traits) {
    for (PointMm& p : trait) p.y = -p.y;
    s.traits.push_back(std::move(trait));
  }
  s.mm_par_unite = lus.mm_par_unite;
  return s;
}

SourcePlan pdf(const QString& chemin, int page, int dpi) {
  QPdfDocument document;
  if (const auto e = document.load(chemin); e != QPdfDocument::Error::None)
    refuser(chemin, QStringLiteral("PDF illisible"));
  SourcePlan s;
  s.pages = document.pageCount();
  if (page < 1 || page > s.pages)
    refuser(chemin, QStringLiteral("la page %1 n'existe pas : le PDF en a %2").arg(page).arg(s.pages));
  const QSizeF points = document.pagePointSize(page - 1);
  const QSize pixels = (points * dpi / 72.0).toSize();
  if (pixels.isEmpty() || qint64(pixels.width()) * pixels.height() > PIXELS_MAX_PLAN)
    refuser(chemin, QStringLiteral("page %1 trop grande à %2 ppp").arg(page).arg(dpi));
  s.image = document.render(page - 1, pixels);
  if (s.image.isNull()) refuser(chemin, QStringLiteral("la page %1 ne se dessine pas").arg(page));
  s.unites_par_pixel = 72.0 / dpi;
  s.mm_par_unite = 25.4 / 72; // printed at 1:1
  return s;
}

SourcePlan image(const QString& chemin) {
  QImageReader lecteur(chemin);
  lecteur.setAutoTransform(true);
  const QSize taille = lecteur.size();
  if (taille.isValid() && qint64(taille.width()) * taille.height() > PIXELS_MAX_PLAN)
    refuser(chemin, QStringLiteral("image de plus de 100 millions de pixels"));
  SourcePlan s;
  s.image = lecteur.read();
  if (s.image.isNull()) refuser(chemin, QStringLiteral("plan illisible (%1)").arg(lecteur.errorString()));
  // A scan that says its resolution gives the scale of a plan at 1:1.
  // Qt says 96 ppp of an image that says nothing.
  if (const int dpm = s.image.dotsPerMeterX(); dpm > 1000 && dpm < 200000 && dpm != 3780) s.mm_par_unite = 1000.0 / dpm;
  return s;
}

} // namespace

QRectF SourcePlan::cadre() const {
  if (!image.isNull()) return QRectF(QPointF(0, 0), QSizeF(image.size()) * unites_par_pixel);
  QRectF cadre;
  for (const auto& trait : traits)
    for (const PointMm& p : trait) cadre |= QRectF(p.x, p.y, 1e-9, 1e-9);
  return cadre;
}

SourcePlan charger_plan(const QString& chemin, int page, int dpi) {
  const QString suffixe = chemin.section('.', -1).toLower();
  if (suffixe == QStringLiteral("dxf")) return dxf(chemin);
  if (suffixe == QStringLiteral("pdf")) return pdf(chemin, page, dpi);
  return image(chemin);
}

} // namespace bilobe::ui
