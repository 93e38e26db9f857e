#pragma once

#include "serie/ecriture_serie.h"
#include "serie/serie_imbriquee.h"
#include "serie/tableau_stations.h"
#include "ui/editeur_kit.h"
#include "ui/frm_plan.h"
#include "ui/modeles/champs_serie.h"
#include "ui/modeles/vues_serie.h"
#include "ui/vue_3d.h"
#include "ui/vue_svg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace bilobe::ui {

// A plan's path as the fuselage file at `fuselage` keeps it, and back.
std::optional<PlanTrace> plan_relatif(const std::optional<PlanTrace>& plan, const QString& fuselage);
std::optional<PlanTrace> plan_absolu(const std::optional<PlanTrace>& plan, const QString& fuselage);

// "Série de couples": a fuselage designed by looking at it. The stations in
// a table, the settings of the series and of the sheet, the profile and the
// sheets redrawn at each change, the list of the formers; the files of
// bilobe-serie, by the same code.
class Frm_Serie : public QWidget {
  Q_OBJECT
public:
  // The main window's fields now make the first station.
  explicit Frm_Serie(const ChampsCouple& fenetre);
  ~Frm_Serie() override;

  // The file questions, Qt's dialogs unless replaced; empty when cancelled.
  std::function<QString()> demander_fichier_a_ouvrir;
  std::function<QString(const QString& propose)> demander_fichier_a_enregistrer;
  std::function<QString()> demander_dossier;
  // The position of a station to insert, between these; nothing when cancelled.
  std::function<std::optional<double>(double premiere, double derniere)> demander_position;
  // "Enregistrer les modifications de « Planeur » ?": Save, Discard or
  // Cancel, Qt's question unless replaced.
  std::function<QMessageBox::StandardButton(const QString& question)> demander_enregistrement;

  // True when nothing edited is left unsaved, asking first if need be
  // (saving when asked to): false when the user cancels or the save fails.
  bool modifications_reglees();

  // The series the widgets describe now; nothing while a cell or a setting
  // is wrong (what is wrong is then shown in red).
  const std::optional<DescriptionSerie>& description() const { return description_; }
  // Its formers as last drawn; nothing while something is wrong.
  const SerieTracee* serie() const { return vues_valides_ && vues_ ? &vues_->serie : nullptr; }
  // An edit is drawn after this pause in typing (ms), away from the window.
  int pause_ms = 200;
  // True from an edit until its views are drawn.
  bool calcul_en_cours() const;
  // Draws them now, for whoever needs them at once (a test, a picture).
  void attendre_les_vues();
  // What a worker made for the views.
  struct Calcul {
    std::shared_ptr<const VuesSerie> vues;
    VueSvg::Lus profil, planches;
    QString erreur;
    std::optional<Apercu3d> trois_d;
    QString erreur_3d;
  };
  // Its size when there is room for it.
  static constexpr QSize TAILLE_VOULUE{1280, 860};
  // Each view at least this tall, whatever the screen.
  static constexpr int VUE_MIN = 200;
  // Every edit of the table and the series' settings, to undo and redo.
  QUndoStack& historique() { return historique_; }
  // The progress shows when an export takes longer than this.
  int progression_apres_ms = 500;

  // Fills the widgets from a description, first row first.
  void remplir(const DescriptionSerie& description);

signals:
  // The views were drawn again; an export showed its progress; a message box was shown.
  void vuesRedessinees();
  void progressionMontree();
  void messageMontre(const QString& texte);
  // A former of the list was double-clicked: its texts and ticks, for the
  // main window to trace.
  void coupleChoisi(const bilobe::ChampsCouple& champs);
  // "Ajouter une station" on an empty table: the main window's fields are
  // wanted, through ajouter_station_de_la_fenetre.
  void stationDeLaFenetreDemandee();

public slots:
  void ajouter_station_de_la_fenetre(const bilobe::ChampsCouple& champs);
  void Bt_Ajouter_Click();
  void Bt_Inserer_Click();
  void Bt_Supprimer_Click();
  void Bt_Trier_Click();
  void ouvrir(const QString& chemin);
  // Asks for a file to open, asking first about the edits.
  void demander_ouverture();
  // A new series from the main window's former, asking first about the edits.
  void nouvelle_serie();
  void enregistrer(const QString& chemin);
  void exporter(const QString& dossier);
  void lst_couples_DblClick(QListWidgetItem* item);
  // "Depuis un plan…": the plan's window, beside this one.
  void ouvrir_plan();
  // Stations made from a plan replace the table, in one step of the history.
  void prendre_stations(const std::vector<bilobe::Station>& stations, const bilobe::PlanTrace& plan);
  // Reads everything again; the views and the list follow after a pause.
  void mettre_a_jour();
  // The stations table's clipboard: rows from a spreadsheet pasted at the
  // current cell, the selection copied as tab-separated text, cleared.
  void coller();
  void copier() const;
  void effacer();

protected:
  void closeEvent(QCloseEvent* evenement) override;
  // A .toml dropped on the window opens, after the question about the edits.
  void dragEnterEvent(QDragEnterEvent* evenement) override;
  void dropEvent(QDropEvent* evenement) override;
  void montrer(QMessageBox::Icon icone, const QString& titre, const QString& texte, const QString& details = {});

private:
  // The controls; each carries its name as its objectName, for the tests.
  QTableWidget* tab_stations; // position, then the eight dimensions
  QPushButton *Bt_Ajouter, *Bt_Inserer, *Bt_Supprimer, *Bt_Trier, *Bt_DepuisPlan;
  QRadioButton *opt_nombre, *opt_positions;
  QSpinBox* txt_nombre;
  QLineEdit* txt_positions;
  QComboBox* cmb_interpolation; // "linéaire", "lisse"
  // The settings of one value each, in the order of champs_serie's tables.
  std::array<QLineEdit*, champs_serie::TEXTES.size()> textes_{};
  std::array<QCheckBox*, champs_serie::CASES.size()> cases_{};
  std::array<QDoubleSpinBox*, champs_serie::LONGUEURS.size()> longueurs_{};
  QLineEdit* txt_nom() const { return textes_[champs_serie::NOM]; }
  EditeurKit* editeur_kit; // notches and tabs, with the guard under the deepest former
  QTabWidget* onglets;
  VueSvg *vue_profil, *vue_planches;
  Vue3d* vue_3d;
  QLabel* lbl_echecs; // what cannot be made, in red
  QListWidget* lst_couples;
  QPushButton *Bt_Ouvrir, *Bt_Recents, *Bt_Enregistrer, *Bt_EnregistrerSous, *Bt_Exporter, *Bt_Formats;
  // What "Exporter…" writes, as bilobe-serie's --format: one box a format,
  // named chk_format_dat, chk_format_svg…
  std::array<QCheckBox*, FORMATS_SERIE.size()> chk_formats{};
  FormatsSerie formats() const;
  QProgressBar* barre_progression;
  QPushButton* Bt_AnnulerExport;
  QStatusBar* barre_etat;
  std::shared_ptr<Interruption> arret_export_; // while an export runs

  void construire();
  void creer_champs();
  QWidget* construire_stations();
  QWidget* construire_reglages();
  QWidget* construire_vues();
  void brancher();
  void ajouter_ligne(const LigneStation& ligne);
  bool ligne_vide(int r) const;
  std::vector<LigneStation> lignes() const;
  void montrer_defauts(const std::vector<DefautCellule>& defauts);
  std::optional<DescriptionSerie> lire(QStringList& defauts);
  void montrer_serie(const QStringList& defauts);
  // The 3D view is built only when it shows: it costs more than the others.
  void montrer_3d();
  void lancer_calcul();
  void calcul_fini();
  void arreter_calcul();
  QTimer minuterie_; // the pause in typing
  QFutureWatcher<Calcul> calcul_;
  std::shared_ptr<Interruption> arret_; // of the computation whose views are awaited
  std::shared_ptr<const VuesSerie> vues_;
  bool vues_valides_ = false;
  std::shared_ptr<const Apercu3d> trois_d_;
  QString erreur_3d_;
  bool a_refaire_3d_ = true;
  QLabel* lbl_calcul; // the busy sign
  void erreur(const QString& texte);
  void dire(const QString& texte);
  void brancher_edition();
  // The texts and ticks of the table and the settings, and back.
  QStringList etat() const;
  void restaurer(const QStringList& etat);
  void retenir();
  friend class ChangementSerie;
  bool enregistrer_sous();
  bool enregistrer_ici();
  void retenir_fichier(const QString& chemin);
  void titre();

  std::optional<DescriptionSerie> description_;
  std::optional<PlanTrace> plan_; // its file's path absolute
  QPointer<Frm_Plan> frm_plan_;
  void oublier_plan();
  bool en_remplissage_ = false; // the widgets change by the program: one update at the end
  QString dossier_;             // of the last file opened, saved or exported
  QString fichier_;             // the file the series was opened from or saved to
  QUndoStack historique_;
  QStringList etat_retenu_;     // as the last change left it
  QStringList etat_enregistre_; // as last opened, saved or started: what "Ne pas enregistrer" goes back to
  QStringList etat_neuf_;       // as the window first opened: the settings of a new series
  bool en_retour_ = false;      // undone or redone: not a change of its own
};

} // namespace bilobe::ui
