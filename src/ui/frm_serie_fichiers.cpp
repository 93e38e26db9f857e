// The series window's files: a fuselage file opened and saved, a series exported.
#include "ui/frm_serie.h"

#include "fichiers/fichiers.h"
#include "serie/ecriture_serie.h"
#include "serie/fichier_fuselage.h"
#include "ui/depot_fichier.h"
#include "ui/gestion_erreurs.h"
#include "ui/modeles/nombres_francais.h"
#include "ui/reglages.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace bilobe::ui {

// The series' file from now on: its folder and the recent files remembered.
void Frm_Serie::retenir_fichier(const QString& chemin) {
  dossier_ = QFileInfo(chemin).absolutePath();
  reglages::garder_dossier("serie", dossier_);
  reglages::ajouter_recent(QFileInfo(chemin).absoluteFilePath());
  fichier_ = chemin;
}

// Nothing changes unless the whole file reads well.
void Frm_Serie::ouvrir(const QString& chemin) {
  std::optional<DescriptionSerie> lue;
  if (!sans_exception([&] { lue = lire_fichier_fuselage(chemin.toStdString()); },
                      [this](const QString& texte) { erreur(texte); }))
    return;
  retenir_fichier(chemin);
  oublier_plan(); // its lines were the other series'
  lue->plan = plan_absolu(lue->plan, chemin);
  remplir(*lue);
  titre();
}

void Frm_Serie::dragEnterEvent(QDragEnterEvent* evenement) { accepter_si_fuselage(evenement); }

void Frm_Serie::dropEvent(QDropEvent* evenement) {
  if (const QString chemin = prendre_fuselage(evenement); !chemin.isEmpty() && modifications_reglees()) ouvrir(chemin);
}

void Frm_Serie::demander_ouverture() {
  if (!modifications_reglees()) return;
  if (const QString chemin = demander_fichier_a_ouvrir(); !chemin.isEmpty()) ouvrir(chemin);
}

// The settings as the window first opened, the main window's former as the
// only station, no file: a history of its own.
void Frm_Serie::nouvelle_serie() {
  if (!modifications_reglees()) return;
  oublier_plan();
  en_retour_ = true;
  restaurer(etat_neuf_);
  en_remplissage_ = true;
  tab_stations->setRowCount(0);
  en_remplissage_ = false;
  emit stationDeLaFenetreDemandee();
  if (tab_stations->rowCount() == 0) restaurer(etat_neuf_); // no main window to ask
  en_retour_ = false;
  fichier_.clear();
  historique_.clear();
  setWindowModified(false);
  etat_retenu_ = etat_enregistre_ = etat();
  titre();
  dire(QStringLiteral("Nouvelle série"));
}

void Frm_Serie::enregistrer(const QString& chemin) {
  if (!description_) {
    erreur(QStringLiteral("La série ne peut pas être enregistrée : ") + lbl_echecs->text().section('\n', 0, 0));
    return;
  }
  sans_exception(
      [&] {
        DescriptionSerie d = *description_;
        d.plan = plan_relatif(d.plan, chemin);
        const std::string ecrit = fichiers_du_systeme().ecrire(chemin.toStdString(), texte_fuselage(d));
        retenir_fichier(chemin);
        setWindowModified(false);
        etat_enregistre_ = etat();
        titre();
        dire(QStringLiteral("Série enregistrée : ") + QString::fromStdString(ecrit));
      },
      [this](const QString& texte) { erreur(texte); });
}

// The files of bilobe-serie, by its code; the progress shows in the window
// when the export takes more than half a second.
FormatsSerie Frm_Serie::formats() const {
  FormatsSerie f = FormatsSerie::aucun();
  for (std::size_t k = 0; k < FORMATS_SERIE.size(); ++k)
    f.choisir(FORMATS_SERIE[k].format, chk_formats[k]->isChecked());
  return f;
}

namespace {

// What an export in a worker comes to; never touches a widget.
struct ExportFini {
  std::optional<SerieExportee> exportee;
  QString erreur; // empty when written or stopped
};

} // namespace

// In a worker, the window still drawn and its "Annuler" still heard; the
// caller waits, as for a dialog.
void Frm_Serie::exporter(const QString& dossier) {
  if (!description_) {
    erreur(QStringLiteral("La série ne peut pas être exportée : ") + lbl_echecs->text().section('\n', 0, 0));
    return;
  }
  const auto arret = arret_export_ = std::make_shared<Interruption>();
  const auto fait = std::make_shared<std::atomic<int>>(0), total = std::make_shared<std::atomic<int>>(0);
  QFutureWatcher<ExportFini> travail;
  QEventLoop attente;
  connect(&travail, &QFutureWatcherBase::finished, &attente, &QEventLoop::quit);
  travail.setFuture(
      QtConcurrent::run([d = *description_, chemin = dossier.toStdString(), f = formats(), arret, fait, total] {
        ExportFini fin;
        try {
          fin.exportee = exporter_serie(
              d, chemin, f,
              [&](int a, int t) {
                *fait = a;
                *total = t;
              },
              fichiers_du_systeme(), arret.get());
        } catch (const TravailInterrompu&) {
        } catch (const std::exception& e) {
          fin.erreur = QString::fromStdString(texte_erreur(e));
        }
        return fin;
      }));
  QElapsedTimer horloge;
  horloge.start();
  QTimer suivi;
  connect(&suivi, &QTimer::timeout, this, [&] {
    if (horloge.elapsed() < progression_apres_ms) return;
    if (barre_progression->isHidden()) emit progressionMontree();
    barre_progression->setRange(0, *total); // 0: busy, while the formers are traced and nested
    barre_progression->setValue(*fait);
    barre_progression->show();
    Bt_AnnulerExport->show();
  });
  const QMetaObject::Connection annuler =
      connect(Bt_AnnulerExport, &QPushButton::clicked, this, [arret] { arret->demander(); });
  findChild<QWidget*>("defilement")->setEnabled(false);
  suivi.start(progression_apres_ms > 0 ? 40 : 0);
  if (!travail.isFinished()) attente.exec();
  suivi.stop();
  disconnect(annuler);
  // The window works again before it says how the export went.
  barre_progression->hide();
  Bt_AnnulerExport->hide();
  findChild<QWidget*>("defilement")->setEnabled(true);
  arret_export_.reset();
  const ExportFini fin = travail.result();
  if (!fin.erreur.isEmpty()) return erreur(fin.erreur);
  if (!fin.exportee) return dire(QStringLiteral("Export annulé : aucun fichier écrit"));
  reglages::garder_dossier("export", dossier);
  montrer(QMessageBox::NoIcon, dossier,
          QStringLiteral("%1 fichiers écrits dans %2").arg(fin.exportee->chemins.size()).arg(dossier),
          QString::fromStdString(a_la_francaise(fin.exportee->resume)));
}

// A line in the status bar: what was done, nothing to click away.
void Frm_Serie::dire(const QString& texte) {
  emit messageMontre(texte);
  barre_etat->showMessage(texte);
}

} // namespace bilobe::ui
