#pragma once

#include "common/interruption.h"
#include "serie/plan_trace.h"
#include "ui/calque.h"
#include "ui/modeles/lignes_plan.h"
#include "ui/source_plan.h"
#include "ui/vue_svg.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace bilobe::ui {

// "Depuis un plan": the fuselage's lines traced over a scan, a PDF page or
// a DXF, set to scale and straightened, then the stations that follow them.
class Frm_Plan : public QDialog {
  Q_OBJECT
public:
  // The plan of the series, if it has one (its file's path absolute).
  explicit Frm_Plan(const std::optional<PlanTrace>& plan, QWidget* parent = nullptr);
  ~Frm_Plan() override;

  // The questions, Qt's dialogs unless replaced; nothing when cancelled.
  std::function<QString()> demander_plan;
  std::function<std::optional<double>()> demander_distance;

  // Lays the plan of `chemin` (and page) in the window; a French message,
  // and nothing changed, when it cannot be read.
  bool ouvrir_plan(const QString& chemin, int page = 1);
  LignesPlan& lignes() { return lignes_; }
  Calque* calque() const { return calque_; }
  QString message() const { return lbl_message->text(); }
  // The formers of the series over the plan, to check them.
  void montrer_couples(const DescriptionSerie& serie);
  // The lines and the calage changed elsewhere (a test, a file): shown again.
  void actualiser();
  // The stations are computed away from the window, after a pause in the
  // clicks: this waits for them (a test, a picture).
  void attendre();
  // What a worker makes of the lines.
  struct Calcul {
    std::vector<Station> stations;
    std::optional<SectionLaPlusLarge> section;
    VueSvg::Lus dessin;
    QString erreur;
  };

signals:
  // "Créer les stations": the stations, and the plan to keep with the series.
  void stationsCreees(const std::vector<bilobe::Station>& stations, const bilobe::PlanTrace& plan);

public slots:
  void creer_stations();

private:
  void construire();
  QWidget* construire_outils();
  QWidget* construire_colonne();
  void deux_points(Outil outil, PointMm a, PointMm b);
  void un_point(Outil outil, PointMm p);
  void dire(const QString& texte, bool faute);
  void lancer_calcul();
  void calcul_fini();

  LignesPlan lignes_;
  std::optional<SourcePlan> source_;
  Calque* calque_;
  QButtonGroup* outils_;
  QLabel *lbl_fichier, *lbl_message, *lbl_section, *lbl_unite;
  QString unite() const; // "pixel", "point" or "unité": what the plan is measured in
  QSpinBox *txt_page, *txt_dpi;
  QLineEdit* txt_echelle; // mm per unit of the plan
  QDoubleSpinBox *txt_xa, *txt_ya, *txt_ep, *txt_segh, *txt_segv;
  VueSvg* vue_section;
  QTimer* pause_; // the stations follow the lines after it
  QFutureWatcher<Calcul> calcul_;
  std::shared_ptr<Interruption> arret_; // of the computation awaited
  bool creation_demandee_ = false;      // "Créer les stations" waits for it
  QPushButton *Bt_OuvrirPlan, *Bt_Effacer, *Bt_Creer, *Bt_Fermer;
};

} // namespace bilobe::ui
