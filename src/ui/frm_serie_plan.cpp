// The series window's plan: its window opened beside this one, the stations
// it makes taken in, the formers drawn back over it, and its file's path
// kept relative to the fuselage file.
#include "ui/frm_serie.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>

namespace bilobe::ui {

void Frm_Serie::ouvrir_plan() {
  if (!frm_plan_) {
    frm_plan_ = new Frm_Plan(plan_, this);
    frm_plan_->setWindowFlag(Qt::Window);
    connect(frm_plan_, &Frm_Plan::stationsCreees, this, &Frm_Serie::prendre_stations);
    connect(this, &Frm_Serie::vuesRedessinees, frm_plan_, [this] {
      if (description_) frm_plan_->montrer_couples(*description_);
    });
    // As large as the plan deserves, within the screen.
    const QRect libre = screen()->availableGeometry();
    const QSize taille = QSize(1400, 900).boundedTo(libre.size() * 0.9);
    frm_plan_->resize(taille);
    frm_plan_->move(libre.center() - QPoint(taille.width() / 2, taille.height() / 2));
  }
  frm_plan_->show();
  frm_plan_->raise();
  frm_plan_->activateWindow();
}

// Closed, the window only hides: lines traced without stations yet are kept
// until another series comes.
void Frm_Serie::oublier_plan() {
  if (!frm_plan_) return;
  frm_plan_->close();
  frm_plan_->deleteLater();
  frm_plan_.clear();
}

void Frm_Serie::prendre_stations(const std::vector<Station>& stations, const PlanTrace& plan) {
  en_remplissage_ = true;
  tab_stations->setRowCount(0);
  for (const LigneStation& ligne : lignes_de(stations)) ajouter_ligne(ligne);
  cmb_interpolation->setCurrentIndex(1); // the stations are chosen for the smooth series
  // The segments of the reference section, when it has them.
  if (plan.section.segh > 0) cases_[champs_serie::SEGH]->setChecked(true);
  if (plan.section.segv > 0) cases_[champs_serie::SEGV]->setChecked(true);
  plan_ = plan;
  en_remplissage_ = false;
  mettre_a_jour();
}

namespace {

std::optional<PlanTrace> avec_chemin(std::optional<PlanTrace> plan, const QString& fuselage, bool relatif) {
  if (!plan || plan->fichier.empty()) return plan;
  const QDir dossier = QFileInfo(fuselage).absoluteDir();
  const QString chemin = QString::fromStdString(plan->fichier);
  plan->fichier =
      (relatif ? dossier.relativeFilePath(chemin) : QDir::cleanPath(dossier.absoluteFilePath(chemin))).toStdString();
  return plan;
}

} // namespace

std::optional<PlanTrace> plan_relatif(const std::optional<PlanTrace>& plan, const QString& fuselage) {
  return avec_chemin(plan, fuselage, true);
}

std::optional<PlanTrace> plan_absolu(const std::optional<PlanTrace>& plan, const QString& fuselage) {
  return avec_chemin(plan, fuselage, false);
}

} // namespace bilobe::ui
