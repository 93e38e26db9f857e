#include "ui/depot_fichier.h"

#include <QDragEnterEvent>
#include <QDropEvent>
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

void accepter_si_fuselage(QDragEnterEvent* evenement) {
  if (!fuselage_depose(evenement->mimeData()).isEmpty()) evenement->acceptProposedAction();
}

QString prendre_fuselage(QDropEvent* evenement) {
  const QString chemin = fuselage_depose(evenement->mimeData());
  if (!chemin.isEmpty()) evenement->acceptProposedAction();
  return chemin;
}

} // namespace bilobe::ui
