#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Closes every modal message box as soon as it shows, while it lives, and
// keeps the title and text of each.
class FermeBoites {
public:
  FermeBoites() {
    QObject::connect(&minuterie_, &QTimer::timeout, [this] {
      if (auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        titres << boite->windowTitle();
        textes << boite->text();
        icones << boite->icon();
        boite->accept();
      }
    });
    minuterie_.start(10);
  }
  QStringList titres;
  QStringList textes;
  QList<QMessageBox::Icon> icones;

private:
  QTimer minuterie_;
};
