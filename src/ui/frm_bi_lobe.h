#pragma once

#include "formats/format_gabarit.h"
#include "geometry/trace.h"
#include "ui/dessin.h"
#include "ui/frm_sauve.h"
#include "ui/frm_serie.h"
#include "ui/menu_gabarit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace bilobe::ui {

// The main window: the ten fields in three frames, the two segment boxes,
// the two buttons and the preview. Every trigger runs the same trace.
class Frm_Bi_Lobe : public QWidget {
  Q_OBJECT
public:
  explicit Frm_Bi_Lobe(QWidget* parent = nullptr);

  // Asks where to write a template, starting from the proposed path; empty
  // when the user cancels. The platform's save dialog unless replaced.
  std::function<QString(const QString& titre, const QString& propose, const QString& filtre)> demander_chemin;

  // The ten fields' texts and the two boxes, as the trace reads them.
  ChampsCouple lire_champs() const;

  // The outline of the last trace that succeeded; the export reads it.
  const CouplePublie& couple() const { return couple_; }

  // The save dialog, once "Sauver le fichier" has created it.
  Frm_Sauve* boite_sauvegarde() const { return sauve_.get(); }
  // "Série de couples", once the preview's menu has opened it.
  Frm_Serie* fenetre_serie() const { return serie_.get(); }

signals:
  // Each trace, and each error message shown.
  void traceLancee();
  void messageMontre(const QString& texte);

public slots:
  void Bt_Trace_Click();
  void Bt_Sauve_Click();
  void chk_segh_Click();
  void chk_segv_Click();

public:
  // A menu entry: trace, ask for the file, write it all or nothing, confirm.
  void exporter_gabarit(FormatGabarit format);
  // Opens "Série de couples", created on first use and kept.
  void ouvrir_serie();
  // Opens it with a fuselage file (dropped here, or named on the command
  // line), after the question about its edits.
  void ouvrir_fichier_serie(const QString& chemin);
  // Puts a former's texts and ticks in the fields, then traces it.
  void appliquer_champs(const ChampsCouple& champs);

protected:
  void dragEnterEvent(QDragEnterEvent* evenement) override;
  void dropEvent(QDropEvent* evenement) override;
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;

  // Shows a run-time error in a modal message box over the window.
  void montrer_erreur(const QString& texte);

private:
  void placer_a_cote_de_moi(QWidget* fenetre, QSize voulue);
  // The ten fields, in the order of the frames.
  std::array<QLineEdit*, 10> champs() const;

  // The controls; each carries its name as its objectName, for the tests.
  QLabel* lbl_titre;
  QGroupBox *Frame1, *Frame2, *Frame3;
  QLabel *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9;
  QLineEdit *txt_xtot, *txt_ytot, *txt_xa, *txt_ya;
  QCheckBox *chk_segv, *chk_segh;
  QLabel *lbl_segv, *lbl_mm_segv, *Label13, *Label12, *lbl_segh, *lbl_mm_segh;
  QLineEdit *txt_segv, *txt_yinf, *txt_segh;
  QLabel *Label10, *Label11, *Label14, *Label15;
  QLineEdit *txt_ep, *txt_nbptel, *txt_nbptseg;
  QPushButton *Bt_Trace, *Bt_Sauve;
  QLabel* Label1;
  SurfaceDessin* Dessin;
  QLabel *Label16, *Label17, *lbl_nbpts;
  // The preview's right-click menu: the full-size templates of the whole former.
  MenuGabarit* menu_gabarit;

  void construire();
  void construire_menu_gabarit();
  void Dessin_ContextMenu(const QPoint& position);
  bool tracer(); // false when the trace failed (its message already shown)
  void basculer_segment(const QCheckBox* boite, std::initializer_list<QWidget*> ligne);
  void ordre_tabulation();
  void Form_Activate();
  void champ_KeyPress();

  CouplePublie couple_;
  // Top-level and parentless, so that it stays open and able to save when
  // the main window is closed.
  std::unique_ptr<Frm_Sauve> sauve_;
  std::unique_ptr<Frm_Serie> serie_; // top-level too, for the same reason
  QDialog* aide_ = nullptr;          // "Aide", made at its first call
  QString dossier_gabarits_;         // the folder of the last template, for the next one
  bool premier_affichage_ = true;
};

} // namespace bilobe::ui
