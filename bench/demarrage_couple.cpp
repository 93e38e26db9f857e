// The program's own start-up, up to the default former painted in the preview.
#include "fin_apres_dessin.h"
#include "ui/demarrage.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const auto fenetre = bilobe::ui::demarrer();
  auto* nombre = fenetre->findChild<QLabel*>(QStringLiteral("lbl_nbpts"));
  FinApresDessin fin(fenetre->findChild<QWidget*>(QStringLiteral("Dessin")),
                     [nombre] { return nombre->text() != QStringLiteral("Label1"); });
  return QApplication::exec();
}
