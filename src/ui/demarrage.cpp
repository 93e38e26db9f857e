#include "ui/demarrage.h"

// The icon as C text, so that no image plugin is looked for at start-up.
#include "couple-bilobe.xpm"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

namespace bilobe::ui {

std::unique_ptr<Frm_Bi_Lobe> demarrer() {
  // The program speaks French: so do Qt's own dialogs (file dialog, buttons).
  auto* traduction_qt = new QTranslator(qApp);
  if (traduction_qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(traduction_qt);
  QApplication::setWindowIcon(QIcon(QPixmap(couple_bilobe)));
  // The program ends when none of its windows is on screen.
  QApplication::setQuitOnLastWindowClosed(true);
  auto fenetre = std::make_unique<Frm_Bi_Lobe>();
  fenetre->show();
  return fenetre;
}

} // namespace bilobe::ui
