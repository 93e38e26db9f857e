#include "ui/demarrage.h"

// The icon as C text, so that no image plugin is looked for at start-up.
#include "couple-bilobe.xpm"

#include "ui/traduction_qt.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

namespace bilobe::ui {

std::unique_ptr<Frm_Bi_Lobe> demarrer(const QStringList& arguments) {
  // The program speaks French: so do Qt's own dialogs (file dialog, buttons).
  QApplication::installTranslator(new TraductionQt(qApp));
  QApplication::setWindowIcon(QIcon(QPixmap(couple_bilobe)));
  // The program ends when none of its windows is on screen.
  QApplication::setQuitOnLastWindowClosed(true);
  auto fenetre = std::make_unique<Frm_Bi_Lobe>();
  // Centred by the program rather than by the window manager: its place is
  // known at once, for the series window opened beside it.
  if (const QScreen* ecran = QGuiApplication::primaryScreen()) {
    const QRect libre = ecran->availableGeometry();
    fenetre->move(libre.center() - QPoint(fenetre->width() / 2, fenetre->height() / 2));
  }
  fenetre->show();
  for (const QString& argument : arguments)
    if (argument.endsWith(QStringLiteral(".toml"), Qt::CaseInsensitive)) {
      fenetre->ouvrir_fichier_serie(argument);
      break;
    }
  return fenetre;
}

} // namespace bilobe::ui
