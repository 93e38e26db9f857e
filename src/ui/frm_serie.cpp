#include "ui/frm_serie.h"

#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"
#include "serie/ecriture_serie.h"
#include "serie/fichier_fuselage.h"
#include "serie/fuselage_3d.h"
#include "serie/planches.h"
#include "serie/profil_svg.h"
#include "serie/resume_serie.h"
#include "ui/boite_mm.h"
#include "ui/boites.h"
#include "ui/bulles.h"
#include "ui/choix_dossier.h"
#include "ui/gestion_erreurs.h"
#include "ui/reglages.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QVBoxLayout>

#include <algorithm>
#include <new>

namespace bilobe::ui {

namespace {

const QColor ROUGE_CELLULE(255, 200, 200);
constexpr double PAS_NOUVELLE_STATION = 100; // mm behind the last one

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The main window's former as a station at the nose.
LigneStation station_de_la_fenetre(const ChampsCouple& champs) {
  LigneStation ligne;
  ligne[0] = "0";
  for (std::size_t c = 0; c < NB_COTES; ++c) ligne[c + 1] = champs.*(COTES[c].champ);
  return ligne;
}

} // namespace

Frm_Serie::Frm_Serie(const ChampsCouple& fenetre) {
  construire();
  brancher();
  setAcceptDrops(true);
  minuterie_.setSingleShot(true);
  connect(&minuterie_, &QTimer::timeout, this, &Frm_Serie::lancer_calcul);
  connect(&calcul_, &QFutureWatcherBase::finished, this, &Frm_Serie::calcul_fini);
  // The first station is the former in the main window, at the nose.
  en_remplissage_ = true;
  ajouter_ligne(station_de_la_fenetre(fenetre));
  using namespace champs_serie;
  cases_[SEGH]->setChecked(fenetre.ch != 0);
  cases_[SEGV]->setChecked(fenetre.cv != 0);
  textes_[NBPTEL]->setText(qs(fenetre.nbptel));
  textes_[NBPTSEG]->setText(qs(fenetre.nbptseg));
  en_remplissage_ = false;
  mettre_a_jour();
  setWindowModified(false); // nothing typed yet
  etat_enregistre_ = etat_neuf_ = etat();
  titre();
  brancher_edition();
  dossier_ = reglages::dossier("serie");
  poser_bulles(this);
  // The window's own keys, said where the buttons are.
  const std::pair<QPushButton*, const char*> touches[] = {
      {Bt_Ouvrir, " (Ctrl+O)"},
      {Bt_Enregistrer, ", le sien une fois enregistrée (Ctrl+S)"},
      {Bt_EnregistrerSous, " (Ctrl+Maj+S)"},
  };
  for (const auto& [bouton, texte] : touches) bouton->setToolTip(bouton->toolTip() + QString::fromUtf8(texte));

  demander_fichier_a_ouvrir = [this] {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir une série"), dossier_,
                                        QStringLiteral("Fuselage (*.toml)"));
  };
  demander_fichier_a_enregistrer = [this](const QString& propose) {
    return QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer la série"), propose,
                                        QStringLiteral("Fuselage (*.toml)"));
  };
  demander_dossier = [this] {
    const QString dernier = reglages::dossier("export");
    return choisir_dossier_d_export(this, dernier.isEmpty() ? dossier_ : dernier);
  };
  demander_position = [this](double premiere, double derniere) {
    return demander_mm(this, {QStringLiteral("Insérer une station"),
                              QStringLiteral("Position depuis le nez, de %1 à %2 mm :")
                                  .arg(qs(texte_exact(premiere)), qs(texte_exact(derniere))),
                              "txt_position_station", premiere, derniere, (premiere + derniere) / 2});
  };
  demander_enregistrement = [this](const QString& question) {
    QMessageBox boite(QMessageBox::Question, windowTitle().remove(QStringLiteral("[*]")), question,
                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    boite.button(QMessageBox::Save)->setText(QStringLiteral("&Enregistrer"));
    boite.button(QMessageBox::Discard)->setText(QStringLiteral("&Ne pas enregistrer"));
    boite.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    boite.setDefaultButton(QMessageBox::Save);
    return static_cast<QMessageBox::StandardButton>(boite.exec());
  };
}

// A computation still running stops at its next step; its result goes nowhere.
Frm_Serie::~Frm_Serie() { arreter_calcul(); }

// "Planeur.toml[*] - Série de couples": the file, and Qt's mark while edited.
void Frm_Serie::titre() {
  const QString nom = fichier_.isEmpty() ? QStringLiteral("sans titre") : QFileInfo(fichier_).fileName();
  setWindowTitle(nom + QStringLiteral("[*] - Série de couples"));
}

bool Frm_Serie::modifications_reglees() {
  if (!isWindowModified()) return true;
  const QString nom = !txt_nom()->text().isEmpty() ? txt_nom()->text()
                      : !fichier_.isEmpty()        ? QFileInfo(fichier_).completeBaseName()
                                                   : QStringLiteral("la série");
  switch (demander_enregistrement(QStringLiteral("Enregistrer les modifications de « %1 » ?").arg(nom))) {
  case QMessageBox::Save:
    return enregistrer_ici();
  case QMessageBox::Discard:
    return true;
  default:
    return false;
  }
}

void Frm_Serie::closeEvent(QCloseEvent* evenement) {
  if (arret_export_) { // the export is stopped first; the window stays until it has
    arret_export_->demander();
    evenement->ignore();
    return;
  }
  if (!modifications_reglees()) {
    evenement->ignore();
    return;
  }
  // Still edited: the edits were discarded, and discarded means discarded:
  // the window comes back as the series was last opened, saved or started.
  // (Before opening a file they stay until the file is read: a file that
  // does not read changes nothing.)
  if (isWindowModified()) {
    restaurer(etat_enregistre_);
    historique_.clear();
    setWindowModified(false);
  }
  reglages::garder_geometrie_serie(saveGeometry());
  evenement->accept();
}

// In its file, or where the user says when it has none yet: false when
// cancelled or failed.
bool Frm_Serie::enregistrer_ici() {
  if (fichier_.isEmpty()) return enregistrer_sous();
  enregistrer(fichier_);
  return !isWindowModified();
}

// Asks where, then saves: false when cancelled or failed.
bool Frm_Serie::enregistrer_sous() {
  const QString nom = (txt_nom()->text().isEmpty() ? QStringLiteral("Fuselage") : txt_nom()->text()) + ".toml";
  const QString propose = !fichier_.isEmpty() ? fichier_ : dossier_.isEmpty() ? nom : QDir(dossier_).filePath(nom);
  const QString chemin = demander_fichier_a_enregistrer(propose);
  if (chemin.isEmpty()) return false;
  enregistrer(chemin);
  return !isWindowModified();
}

void Frm_Serie::ajouter_ligne(const LigneStation& ligne) {
  const bool ancien = tab_stations->blockSignals(true);
  const int r = tab_stations->rowCount();
  tab_stations->insertRow(r);
  for (std::size_t c = 0; c < COLONNES_STATION; ++c)
    tab_stations->setItem(r, static_cast<int>(c), new QTableWidgetItem(qs(ligne[c])));
  tab_stations->blockSignals(ancien);
}

std::vector<LigneStation> Frm_Serie::lignes() const {
  std::vector<LigneStation> lignes;
  for (int r = 0; r < tab_stations->rowCount(); ++r) {
    LigneStation ligne;
    for (std::size_t c = 0; c < COLONNES_STATION; ++c) {
      const QTableWidgetItem* item = tab_stations->item(r, static_cast<int>(c));
      ligne[c] = item ? item->text().toStdString() : std::string();
    }
    lignes.push_back(std::move(ligne));
  }
  return lignes;
}

// A faulty cell is red and says why in its tooltip; the others are plain.
void Frm_Serie::montrer_defauts(const std::vector<DefautCellule>& defauts) {
  const bool ancien = tab_stations->blockSignals(true);
  for (int r = 0; r < tab_stations->rowCount(); ++r)
    for (int c = 0; c < tab_stations->columnCount(); ++c) {
      QTableWidgetItem* item = tab_stations->item(r, c);
      if (!item) tab_stations->setItem(r, c, item = new QTableWidgetItem);
      item->setData(Qt::BackgroundRole, QVariant());
      item->setToolTip({});
    }
  for (const DefautCellule& d : defauts) {
    QTableWidgetItem* item = tab_stations->item(static_cast<int>(d.ligne), static_cast<int>(d.colonne));
    item->setBackground(ROUGE_CELLULE);
    item->setToolTip(qs(d.message));
  }
  tab_stations->blockSignals(ancien);
}

void Frm_Serie::ajouter_station_de_la_fenetre(const ChampsCouple& champs) {
  ajouter_ligne(station_de_la_fenetre(champs));
  mettre_a_jour();
}

void Frm_Serie::Bt_Ajouter_Click() {
  std::vector<LigneStation> actuelles = lignes();
  if (actuelles.empty()) {
    emit stationDeLaFenetreDemandee();
    return;
  }
  // The last station again, a little further back.
  LigneStation nouvelle = actuelles.back();
  if (est_un_nombre(nouvelle[0]))
    sans_exception([&] { nouvelle[0] = texte_exact(lire_nombre(nouvelle[0]) + PAS_NOUVELLE_STATION); },
                   [&](const QString&) { nouvelle[0].clear(); });
  ajouter_ligne(nouvelle);
  mettre_a_jour();
}

// A station where the series passes now, at a position asked for: the
// fuselage keeps its shape and its length.
void Frm_Serie::Bt_Inserer_Click() {
  if (!description_) {
    erreur(QStringLiteral("La station ne peut pas être insérée : ") + lbl_echecs->text().section('\n', 0, 0));
    return;
  }
  const double premiere = description_->stations.front().position, derniere = description_->stations.back().position;
  const auto position = demander_position(premiere, derniere);
  if (!position) return;
  sans_exception(
      [&] {
        const auto ligne = station_interpolee(*description_, *position);
        if (!ligne) {
          erreur(QStringLiteral("La position doit être entre la première et la dernière station (%1 à %2 mm).")
                     .arg(qs(texte_exact(premiere)), qs(texte_exact(derniere))));
          return;
        }
        const int r = static_cast<int>(rang_pour(lignes(), *position));
        const bool ancien = tab_stations->blockSignals(true);
        tab_stations->insertRow(r);
        for (std::size_t c = 0; c < ligne->size(); ++c)
          tab_stations->setItem(r, static_cast<int>(c), new QTableWidgetItem(qs((*ligne)[c])));
        tab_stations->blockSignals(ancien);
        tab_stations->setCurrentCell(r, 0);
        mettre_a_jour();
      },
      [this](const QString& texte) { erreur(texte); });
}

void Frm_Serie::Bt_Supprimer_Click() {
  const int r = tab_stations->currentRow() >= 0 ? tab_stations->currentRow() : tab_stations->rowCount() - 1;
  if (r < 0) return;
  tab_stations->removeRow(r);
  mettre_a_jour();
}

// By position; a row whose position cannot be read goes to the end.
void Frm_Serie::Bt_Trier_Click() {
  std::vector<LigneStation> l = lignes();
  const auto cle = [](const LigneStation& ligne) {
    double p = 0;
    const bool lisible = est_un_nombre(ligne[0]) && sans_exception([&] { p = lire_nombre(ligne[0]); }, [](auto&) {});
    return std::make_pair(!lisible, p);
  };
  std::stable_sort(l.begin(), l.end(), [&](const LigneStation& a, const LigneStation& b) { return cle(a) < cle(b); });
  tab_stations->setRowCount(0);
  for (const LigneStation& ligne : l) ajouter_ligne(ligne);
  mettre_a_jour();
}

void Frm_Serie::lst_couples_DblClick(QListWidgetItem* item) {
  if (!item || !vues_) return;
  const int i = item->data(Qt::UserRole).toInt();
  if (i < 0 || static_cast<std::size_t>(i) >= vues_->serie.tous.size()) return;
  emit coupleChoisi(vues_->serie.tous[static_cast<std::size_t>(i)].champs);
}

void Frm_Serie::erreur(const QString& texte) { montrer(QMessageBox::Critical, QStringLiteral("Erreur"), texte); }

void Frm_Serie::montrer(QMessageBox::Icon icone, const QString& titre, const QString& texte, const QString& details) {
  emit messageMontre(texte);
  montrer_boite(this, icone, titre, texte, details);
}

} // namespace bilobe::ui
