#include "ui/boites.h"

namespace bilobe::ui {

void montrer_boite(QWidget* fenetre, QMessageBox::Icon icone, const QString& titre, const QString& texte,
                   const QString& details) {
  QMessageBox boite(icone, titre, texte, QMessageBox::Ok, fenetre);
  if (!details.isEmpty()) boite.setDetailedText(details);
  boite.exec();
}

void montrer_et_activer(QWidget* fenetre) {
  if (fenetre->isMinimized()) fenetre->showNormal();
  fenetre->show();
  fenetre->setWindowState((fenetre->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  fenetre->raise();
  fenetre->activateWindow();
}

} // namespace bilobe::ui
