#include "ui/frm_plan.h"

#include "common/erreurs.h"
#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"
#include "serie/depuis_lignes.h"
#include "serie/tableau_stations.h"
#include "ui/boite_mm.h"
#include "ui/modeles/nombres_francais.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <cmath>
#include <numbers>

namespace bilobe::ui {

namespace {

// The core names the lines by their keys; the window by its buttons.
QString en_mots(std::string texte) {
  static const std::pair<const char*, const char*> mots[] = {{"lignes.demi_largeur", "« Demi-largeur »"},
                                                             {"lignes.dos", "« Dos »"},
                                                             {"lignes.ventre", "« Ventre »"},
                                                             {"lignes.niveau", "« Niveau »"},
                                                             {"section.xa", "« xa / xtot »"},
                                                             {"section.ya", "« ya / ytot »"},
                                                             {"section.ep", "« Paroi »"},
                                                             {"section.segh", "« segh / xtot »"},
                                                             {"section.segv", "« segv / yinf »"},
                                                             {"lignes : le ", "Le "},
                                                             {"lignes : elles ", "Les lignes "}};
  for (const auto& [cle, mot] : mots)
    for (std::size_t k; (k = texte.find(cle)) != std::string::npos;) texte.replace(k, std::string(cle).size(), mot);
  return QString::fromStdString(texte);
}

} // namespace

Frm_Plan::Frm_Plan(const std::optional<PlanTrace>& plan, QWidget* parent) : QDialog(parent) {
  setObjectName("Frm_Plan");
  setWindowTitle(QStringLiteral("Depuis un plan"));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  if (plan) lignes_ = lignes_plan(*plan);
  construire();
  demander_plan = [this] {
    return QFileDialog::getOpenFileName(
        this, QStringLiteral("Ouvrir un plan"), QFileInfo(QString::fromStdString(lignes_.fichier)).absolutePath(),
        QStringLiteral("Plans (*.png *.jpg *.jpeg *.tif *.tiff *.bmp *.pdf *.dxf);;Tous les fichiers (*)"));
  };
  demander_distance = [this] {
    return demander_mm(this, {QStringLiteral("Échelle"), QStringLiteral("Distance entre les deux points (mm) :"),
                              "txt_distance", 0.01, 1e6, 100});
  };
  if (plan && !plan->fichier.empty()) ouvrir_plan(QString::fromStdString(plan->fichier), plan->page);
  actualiser();
}

// A computation still running has nothing left to show.
Frm_Plan::~Frm_Plan() {
  if (arret_) arret_->demander();
}

void Frm_Plan::construire() {
  auto* racine = new QHBoxLayout(this);
  calque_ = new Calque(lignes_);
  calque_->setObjectName("calque");
  racine->addWidget(calque_, 1);
  racine->addWidget(construire_colonne());
  connect(calque_, &Calque::deuxPoints, this, &Frm_Plan::deux_points);
  connect(calque_, &Calque::unPoint, this, &Frm_Plan::un_point);
  pause_ = new QTimer(this);
  pause_->setSingleShot(true);
  pause_->setInterval(150);
  connect(pause_, &QTimer::timeout, this, &Frm_Plan::lancer_calcul);
  connect(&calcul_, &QFutureWatcherBase::finished, this, &Frm_Plan::calcul_fini);
  connect(calque_, &Calque::lignesChangees, pause_, qOverload<>(&QTimer::start));
  for (QDoubleSpinBox* b : {txt_xa, txt_ya, txt_ep, txt_segh, txt_segv})
    connect(b, &QDoubleSpinBox::valueChanged, this, [this] {
      lignes_.section = {txt_xa->value(), txt_ya->value(), txt_ep->value(), txt_segh->value(), txt_segv->value()};
      pause_->start();
    });
  connect(Bt_OuvrirPlan, &QPushButton::clicked, this, [this] {
    if (const QString chemin = demander_plan(); !chemin.isEmpty()) ouvrir_plan(chemin);
  });
  const auto nouvelle_page = [this] {
    if (source_ && source_->pages > 1) ouvrir_plan(QString::fromStdString(lignes_.fichier), txt_page->value());
  };
  connect(txt_page, &QSpinBox::editingFinished, this, nouvelle_page);
  connect(txt_dpi, &QSpinBox::editingFinished, this, nouvelle_page);
  connect(txt_echelle, &QLineEdit::editingFinished, this, [this] {
    const std::string texte = avec_le_point(txt_echelle->text().toStdString());
    const double v = est_un_nombre(texte) ? lire_nombre(texte) : 0;
    if (v > 0 && v <= 1e6) {
      lignes_.calage.mm_par_unite = v;
      actualiser();
    } else {
      dire(QStringLiteral("L'échelle doit être un nombre de mm positif : « %1 »").arg(txt_echelle->text()), true);
      txt_echelle->setText(QString::number(lignes_.calage.mm_par_unite, 'g', 6));
    }
  });
  connect(outils_, &QButtonGroup::idClicked, this, [this](int id) { calque_->choisir_outil(static_cast<Outil>(id)); });
  connect(Bt_Effacer, &QPushButton::clicked, this, [this] {
    if (const auto l = ligne_de(calque_->outil())) {
      lignes_.lignes[*l].clear();
      actualiser();
    }
  });
  connect(Bt_Creer, &QPushButton::clicked, this, &Frm_Plan::creer_stations);
  connect(Bt_Fermer, &QPushButton::clicked, this, &QDialog::close);
}

bool Frm_Plan::ouvrir_plan(const QString& chemin, int page) {
  try {
    SourcePlan lu = charger_plan(chemin, page, txt_dpi->value());
    // A new plan takes the scale its file says; the series' own plan keeps its calage.
    if (lu.mm_par_unite && QString::fromStdString(lignes_.fichier) != chemin)
      lignes_.calage.mm_par_unite = *lu.mm_par_unite;
    source_ = std::move(lu);
  } catch (const std::exception& e) {
    dire(QString::fromStdString(texte_erreur(e)), true);
    return false;
  }
  lignes_.fichier = chemin.toStdString();
  lignes_.page = page;
  txt_page->setRange(1, source_->pages);
  txt_page->setValue(page);
  txt_page->setEnabled(source_->pages > 1);
  // A PDF's page and resolution only: the column stays short for the others.
  auto* rangs = static_cast<QFormLayout*>(txt_page->parentWidget()->layout());
  for (QSpinBox* b : {txt_page, txt_dpi}) rangs->setRowVisible(b, source_->unites_par_pixel != 1);
  lbl_fichier->setText(QFileInfo(chemin).fileName());
  lbl_unite->setText(QStringLiteral("&mm par %1 :").arg(unite()));
  calque_->montrer(&*source_);
  dire(QStringLiteral("Plan ouvert. Réglez l'échelle par deux clics sur une longueur connue."), false);
  actualiser();
  return true;
}

void Frm_Plan::actualiser() {
  txt_echelle->setText(QString::number(lignes_.calage.mm_par_unite, 'g', 6));
  const std::pair<QDoubleSpinBox*, double> boites[] = {{txt_xa, lignes_.section.xa},
                                                       {txt_ya, lignes_.section.ya},
                                                       {txt_ep, lignes_.section.ep},
                                                       {txt_segh, lignes_.section.segh},
                                                       {txt_segv, lignes_.section.segv}};
  for (const auto& [boite, valeur] : boites) {
    const QSignalBlocker muet(boite);
    boite->setValue(valeur);
  }
  calque_->update();
  lancer_calcul();
}

void Frm_Plan::deux_points(Outil outil, PointMm a, PointMm b) {
  try {
    if (outil == Outil::Echelle) {
      const auto distance = demander_distance();
      if (!distance) return;
      lignes_.calage.mm_par_unite = echelle_par_deux_points(a, b, *distance);
      dire(QStringLiteral("Échelle : 1 %1 = %2 mm")
               .arg(unite())
               .arg(QString::fromStdString(
                   a_la_francaise(QString::number(lignes_.calage.mm_par_unite, 'g', 4).toStdString()))),
           false);
    } else {
      lignes_.calage.angle = angle_par_deux_points(a, b);
      dire(QStringLiteral("Plan redressé de %1°")
               .arg(QString::fromStdString(a_la_francaise(
                   QString::number(lignes_.calage.angle * 180 / std::numbers::pi, 'f', 2).toStdString()))),
           false);
    }
  } catch (const std::exception& e) {
    dire(en_mots(texte_erreur(e)), true);
  }
  actualiser();
}

QString Frm_Plan::unite() const {
  if (!source_ || !source_->traits.empty()) return source_ ? QStringLiteral("unité") : QStringLiteral("pixel");
  return source_->unites_par_pixel != 1 ? QStringLiteral("point") : QStringLiteral("pixel");
}

void Frm_Plan::un_point(Outil outil, PointMm p) {
  (outil == Outil::NezCote ? lignes_.calage.nez_cote : lignes_.calage.nez_dessus) = p;
  actualiser();
}

void Frm_Plan::dire(const QString& texte, bool faute) {
  lbl_message->setText(texte);
  lbl_message->setStyleSheet(faute ? QStringLiteral("color: #b00000") : QString());
}

// In a worker, on a copy of the lines: a newer change stops the older
// computation between two stations.
void Frm_Plan::lancer_calcul() {
  pause_->stop();
  if (arret_) arret_->demander();
  arret_ = std::make_shared<Interruption>();
  lbl_section->setText(QStringLiteral("Calcul en cours…"));
  calcul_.setFuture(QtConcurrent::run([lignes = lignes_, arret = arret_] {
    Calcul c;
    try {
      c.stations = stations_depuis_lignes(en_mm(lignes), lignes.section, arret.get());
      c.section = section_la_plus_large(c.stations);
      c.dessin = VueSvg::lire({{QString(), c.section->svg}});
    } catch (const TravailInterrompu&) {
    } catch (const std::exception& e) {
      c.erreur = en_mots(texte_erreur(e));
    }
    return c;
  }));
}

void Frm_Plan::calcul_fini() {
  if (!arret_ || arret_->demandee() || !calcul_.isFinished()) return; // an older one
  arret_.reset();
  Calcul c = calcul_.result();
  if (c.section) {
    lbl_section->setText(QStringLiteral("Le couple le plus large, à x = %1 mm :")
                             .arg(QString::fromStdString(a_la_francaise(texte_exact(c.section->position)))));
    vue_section->montrer(std::move(c.dessin));
  } else {
    lbl_section->setText(c.erreur);
    vue_section->montrer(std::vector<VueSvg::Dessin>{});
  }
  if (!std::exchange(creation_demandee_, false)) return;
  if (c.stations.empty()) return dire(c.erreur, true);
  emit stationsCreees(c.stations, plan_trace(lignes_));
  dire(QStringLiteral("%1 stations créées : la série suit les lignes à 0,2 mm près. Les couples sont dessinés "
                      "sur le plan.")
           .arg(c.stations.size()),
       false);
}

// The stations of the lines as they are now, when they are computed.
void Frm_Plan::creer_stations() {
  creation_demandee_ = true;
  dire(QStringLiteral("Calcul des stations…"), false);
  lancer_calcul();
}

void Frm_Plan::attendre() {
  if (pause_->isActive()) lancer_calcul();
  if (!arret_) return;
  calcul_.waitForFinished();
  calcul_fini();
}

void Frm_Plan::montrer_couples(const DescriptionSerie& serie) {
  try {
    calque_->montrer_couples(couples_sur_plan(lignes_, serie));
  } catch (const std::exception&) {
    calque_->montrer_couples({}); // a series that cannot be drawn shows its fault in its own window
  }
}

} // namespace bilobe::ui
