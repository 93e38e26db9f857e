#pragma once

#include "cli/commande.h"
#include "ui/frm_bi_lobe.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sstream>

// What bilobe-dat writes for the same fields.
inline QByteArray octets_de_la_commande(std::vector<std::string> arguments) {
  arguments.insert(arguments.end(), {"-o", "-"});
  std::ostringstream out, err;
  if (bilobe::cli::executer(arguments, out, err) != 0) qWarning() << err.str().c_str();
  const std::string s = out.str();
  return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}

inline QByteArray lire(const QString& chemin) {
  QFile f(chemin);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The main window, shown, with a fresh temporary folder as the program's
// current folder (where its dialogs open); both go at the end of each test.
class FenetreDansDossier {
protected:
  std::unique_ptr<QTemporaryDir> dossier;
  QString ancien_dossier;
  std::unique_ptr<bilobe::ui::Frm_Bi_Lobe> f;
  std::unique_ptr<QSignalSpy> traces, messages; // of the main window

  int traces_lancees() const { return static_cast<int>(traces->size()); }
  int messages_montres() const { return static_cast<int>(messages->size()); }

  QString chemin(const QString& nom) const { return dossier->path() + "/" + nom; }

  // False when the window never reached the screen.
  bool ouvrir() {
    dossier = std::make_unique<QTemporaryDir>();
    ancien_dossier = QDir::currentPath();
    QDir::setCurrent(dossier->path());
    // The program's settings in the test's own folder, never the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dossier->path() + "/reglages");
    f = std::make_unique<bilobe::ui::Frm_Bi_Lobe>();
    traces = std::make_unique<QSignalSpy>(f.get(), &bilobe::ui::Frm_Bi_Lobe::traceLancee);
    messages = std::make_unique<QSignalSpy>(f.get(), &bilobe::ui::Frm_Bi_Lobe::messageMontre);
    f->show();
    return QTest::qWaitForWindowExposed(f.get());
  }
  void fermer() {
    traces.reset();
    messages.reset();
    f.reset();
    QDir::setCurrent(ancien_dossier);
    dossier.reset();
  }
};
