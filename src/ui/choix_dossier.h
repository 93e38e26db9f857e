#pragma once

#include <QFileDialog>

namespace bilobe::ui {

// Qt's folder dialog, except that a folder typed that does not exist yet is
// taken when the folder it would go in does: the export creates it, after
// the same checks as the command.
class ChoixDossier : public QFileDialog {
  Q_OBJECT
public:
  ChoixDossier(QWidget* parent, const QString& titre, const QString& depart);
  QString choisi() const { return choisi_; }

public slots:
  void accept() override;

private:
  QString choisi_;
};

// The folder to export into; empty when cancelled.
QString choisir_dossier_d_export(QWidget* parent, const QString& depart);

} // namespace bilobe::ui
