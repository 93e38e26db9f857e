#include "ui/frm_bi_lobe.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // The program speaks French: so do Qt's own dialogs (file dialog, buttons).
  QTranslator traduction_qt;
  if (traduction_qt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&traduction_qt);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/couple-bilobe.xpm")));
  // The program ends when none of its windows is on screen.
  QApplication::setQuitOnLastWindowClosed(true);
  bilobe::ui::Frm_Bi_Lobe fenetre;
  fenetre.show();
  return QApplication::exec();
}
