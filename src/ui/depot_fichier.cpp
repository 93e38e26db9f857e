#include "ui/depot_fichier.h"

#include <QMimeData>
#include <QUrl>

namespace bilobe::ui {

QString fuselage_depose(const QMimeData* donnees) {
  if (!donnees || !donnees->hasUrls() || donnees->urls().size() != 1) return {};
  const QUrl url = donnees->urls().front();
  if (!url.isLocalFile()) return {};
  const QString chemin = url.toLocalFile();
  return chemin.endsWith(QStringLiteral(".toml"), Qt::CaseInsensitive) ? chemin : QString();
}

} // namespace bilobe::ui
