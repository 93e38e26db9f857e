#include "ui/bulles.h"

#include "ui/modeles/bulles_textes.h"

#include <QWidget>

namespace bilobe::ui {

void poser_bulles(QWidget* fenetre) {
  for (const auto& [nom, texte] : bulles()) {
    const QString objet = QString::fromLatin1(nom.data(), static_cast<qsizetype>(nom.size()));
    for (QWidget* w : fenetre->findChildren<QWidget*>(objet))
      if (w->toolTip().isEmpty()) w->setToolTip(QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size())));
  }
}

} // namespace bilobe::ui
