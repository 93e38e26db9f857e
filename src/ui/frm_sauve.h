#pragma once

#include "ui/modeles/remise.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

namespace bilobe::ui {

// The save dialog: drive, folder and file name of the .DAT file, and the
// export data that the main window's hand-off fills. Modeless, created once,
// hidden by a save; its data live until the program ends.
class Frm_Sauve : public QWidget {
  Q_OBJECT
public:
  explicit Frm_Sauve(QWidget* parent = nullptr);

  DonneesExport donnees; // Commentaire, the point list, nouvelle_liste

  // Shows the dialog in front, restored if it was minimised, and makes it
  // the active window; the next point added starts a new list, whatever the
  // window system does.
  void montrer_et_activer();

  // The folder the file list shows: the folder of the save.
  QString dossier_fichier() const { return dossier_fichier_; }
  QString dossier_repertoire() const { return dossier_repertoire_; }
  // Opens a folder in the folder list, as a double-click on it does.
  bool ouvrir_dossier(const QString& chemin);

  // The file name proposed in txt_fichier.
  void proposer_nom(const QString& nom);

public slots:
  void Lecteur_Change(int index);
  void Repertoire_Change();
  void Fichier_Click();
  void Fichier_DblClick(QListWidgetItem* item);
  void Bt_Sauve_Click();

protected:
  bool event(QEvent* e) override;
  void Form_Activate();

  void montrer_message(const QString& titre, const QString& texte, bool erreur);

private:
  // The controls; each carries its name as its objectName, for the tests.
  QComboBox* Lecteur;
  QTreeWidget* Repertoire; // the folders of the open path as a tree
  QListWidget* Fichier;
  QLineEdit* txt_fichier;
  QPushButton* Bt_Sauve;

  void construire();
  void remplir_lecteurs();
  void remplir_repertoire();
  void fixer_dossier_fichier(const QString& chemin);

  QString dossier_repertoire_;
  QString dossier_fichier_;
  QMap<QString, QString> dossier_par_lecteur_; // each drive's current folder
};

} // namespace bilobe::ui
