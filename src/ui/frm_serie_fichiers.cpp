// The series window's files: a fuselage file opened and saved, a series exported.
#include "ui/frm_serie.h"

#include "fichiers/fichiers.h"
#include "serie/ecriture_serie.h"
#include "serie/fichier_fuselage.h"
#include "ui/gestion_erreurs.h"
#include "ui/reglages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>

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
  remplir(*lue);
  titre();
}

void Frm_Serie::enregistrer(const QString& chemin) {
  if (!description_) {
    erreur(QStringLiteral("La série ne peut pas être enregistrée : ") + lbl_echecs->text().section('\n', 0, 0));
    return;
  }
  sans_exception(
      [&] {
        const std::string ecrit = fichiers_du_systeme().ecrire(chemin.toStdString(), texte_fuselage(*description_));
        retenir_fichier(chemin);
        setWindowModified(false);
        etat_enregistre_ = etat();
        titre();
        montrer(QMessageBox::NoIcon, QString::fromStdString(ecrit), QStringLiteral("Série enregistrée"));
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

void Frm_Serie::exporter(const QString& dossier) {
  if (!description_) {
    erreur(QStringLiteral("La série ne peut pas être exportée : ") + lbl_echecs->text().section('\n', 0, 0));
    return;
  }
  QElapsedTimer horloge;
  horloge.start();
  const auto progression = [&](int fait, int total) {
    if (horloge.elapsed() < progression_apres_ms) return;
    if (barre_progression->isHidden()) emit progressionMontree();
    barre_progression->setRange(0, total);
    barre_progression->setValue(fait);
    barre_progression->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  // The window works again before it says how the export went.
  const auto finir = [this] {
    barre_progression->hide();
    setEnabled(true);
  };
  setEnabled(false);
  sans_exception(
      [&] {
        const SerieExportee exportee = exporter_serie(*description_, dossier.toStdString(), formats(), progression);
        dossier_ = dossier;
        reglages::garder_dossier("serie", dossier_);
        finir();
        montrer(QMessageBox::NoIcon, dossier,
                QStringLiteral("%1 fichiers écrits dans %2").arg(exportee.chemins.size()).arg(dossier),
                QString::fromStdString(exportee.resume));
      },
      [&](const QString& texte) {
        finir();
        erreur(texte);
      });
}

} // namespace bilobe::ui
