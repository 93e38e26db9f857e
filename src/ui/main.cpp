#include "ui/demarrage.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const auto fenetre = bilobe::ui::demarrer(QApplication::arguments().mid(1));
  return QApplication::exec();
}
