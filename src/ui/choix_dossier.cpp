#include "ui/choix_dossier.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace bilobe::ui {

ChoixDossier::ChoixDossier(QWidget* parent, const QString& titre, const QString& depart)
    : QFileDialog(parent, titre, depart) {
  setObjectName("ChoixDossier");
  setFileMode(QFileDialog::Directory);
  setOption(QFileDialog::ShowDirsOnly);
  setOption(QFileDialog::DontUseNativeDialog); // a system dialog would refuse the new folder itself
  setLabelText(QFileDialog::Accept, QStringLiteral("&Choisir"));
}

void ChoixDossier::accept() {
  const auto* nom = findChild<QLineEdit*>("fileNameEdit");
  const QString tape = nom ? nom->text().trimmed() : QString();
  if (!tape.isEmpty()) {
    const QString chemin = QDir::cleanPath(directory().absoluteFilePath(tape));
    const QFileInfo info(chemin);
    if (!info.exists() && QFileInfo(info.absolutePath()).isDir()) {
      choisi_ = chemin;
      QDialog::accept();
      return;
    }
  }
  QFileDialog::accept();
  if (result() == QDialog::Accepted && !selectedFiles().isEmpty()) choisi_ = selectedFiles().front();
}

QString choisir_dossier_d_export(QWidget* parent, const QString& depart) {
  ChoixDossier choix(parent, QStringLiteral("Exporter les couples dans le dossier"), depart);
  return choix.exec() == QDialog::Accepted ? choix.choisi() : QString();
}

} // namespace bilobe::ui
