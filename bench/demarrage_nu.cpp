// A bare Qt window of the main window's size: the floor of any start-up.
#include "fin_apres_dessin.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget fenetre;
  fenetre.resize(407, 343);
  FinApresDessin fin(&fenetre, [] { return true; });
  fenetre.show();
  return QApplication::exec();
}
