#include "ui/frm_bi_lobe.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/couple-bilobe.xpm")));
  // The program ends when none of its windows is on screen.
  QApplication::setQuitOnLastWindowClosed(true);
  bilobe::ui::Frm_Bi_Lobe fenetre;
  fenetre.show();
  return QApplication::exec();
}
