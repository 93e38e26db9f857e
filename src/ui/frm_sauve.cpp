#include "ui/frm_sauve.h"

#include "common/erreurs.h"
#include "formats/texte_dat.h"
#include "ui/boites.h"
#include "ui/controles.h"
#include "ui/gestion_erreurs.h"
#include "ui/modeles/navigation.h"
#include "ui/modeles/sauvegarde.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStorageInfo>
#include <QStyle>

namespace bilobe::ui {

namespace {

constexpr int CHEMIN_ROLE = Qt::UserRole;

[[noreturn]] void dossier_illisible(const QString& chemin) {
  lever(GenreErreur::Fichier, chemin.toStdString(), "dossier illisible ou introuvable");
}

// The file list. Qt makes the first file the current one when the focus
// enters a list that has none; here the focus selects nothing, so that only
// a click or an arrow key chooses a file (the first arrow key the first file).
class ListeFichiers : public QListWidget {
public:
  using QListWidget::QListWidget;

protected:
  void focusInEvent(QFocusEvent* e) override {
    const bool sans_courant = !currentIndex().isValid();
    QListWidget::focusInEvent(e);
    if (sans_courant && currentIndex().isValid()) selectionModel()->clearCurrentIndex();
  }
};

// The folder tree: every folder shown is open, so no branch marks.
class ArbreDossiers : public QTreeWidget {
public:
  using QTreeWidget::QTreeWidget;

protected:
  void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}
};

} // namespace

Frm_Sauve::Frm_Sauve(QWidget* parent) : QWidget(parent, DRAPEAUX_FENETRE_FIXE) {
  setObjectName("Frm_Sauve");
  setWindowTitle(QStringLiteral("Sauvegarde du fichier .DAT"));
  setFont(police(8.25));
  setFixedSize(en_pixels(4680), en_pixels(3195));
  construire();

  // Starts on the program's current folder and its drive; on the home
  // folder if the current one has gone.
  const QString courant = QDir(QDir::currentPath()).exists() ? QDir::currentPath() : QDir::homePath();
  remplir_lecteurs();
  const QSignalBlocker bloque(Lecteur);
  Lecteur->setCurrentIndex(Lecteur->findData(QStorageInfo(courant).rootPath()));
  ouvrir_dossier(courant);

  connect(Lecteur, &QComboBox::currentIndexChanged, this, &Frm_Sauve::Lecteur_Change);
  connect(Repertoire, &QTreeWidget::itemActivated,
          [this](QTreeWidgetItem* item) { ouvrir_dossier(item->data(0, CHEMIN_ROLE).toString()); });
  // A click copies the name even of the file already selected; an arrow key
  // changes the selection.
  connect(Fichier, &QListWidget::itemSelectionChanged, this, &Frm_Sauve::Fichier_Click);
  connect(Fichier, &QListWidget::itemClicked, this, &Frm_Sauve::Fichier_Click);
  connect(Fichier, &QListWidget::itemDoubleClicked, this, &Frm_Sauve::Fichier_DblClick);
  connect(Bt_Sauve, &QPushButton::clicked, this, &Frm_Sauve::Bt_Sauve_Click);
}

void Frm_Sauve::construire() {
  // clang-format off
  //                                                                      Left  Top   Width Height  tab
  Lecteur     = new QComboBox(this);   placer(Lecteur,     {120,  120,  2055, 315});  // 0
  Repertoire  = new ArbreDossiers(this); placer(Repertoire,  {120,  600,  2055, 2115}); // 1
  Fichier     = new ListeFichiers(this); placer(Fichier,     {2280, 120,  2295, 2625}); // 2
  txt_fichier = champ(this, "txt_fichier", QStringLiteral("Text1"), {2280, 2880, 2295, 285}); // 3
  Bt_Sauve    = bouton(this, "Bt_Sauve", QStringLiteral("Sauver le fichier .DAT"), {120, 2760, 2055, 375}); // 4
  // clang-format on
  Lecteur->setObjectName("Lecteur");
  Repertoire->setObjectName("Repertoire");
  Fichier->setObjectName("Fichier");
  for (QWidget* w : {static_cast<QWidget*>(Lecteur), static_cast<QWidget*>(Repertoire), static_cast<QWidget*>(Fichier)})
    w->setFont(police(8.25));
  // Every folder shown is open: no expanding or collapsing.
  Repertoire->setHeaderHidden(true);
  Repertoire->setRootIsDecorated(false);
  Repertoire->setItemsExpandable(false);
  Repertoire->setExpandsOnDoubleClick(false);
  Repertoire->setIndentation(8);
  setTabOrder(Lecteur, Repertoire);
  setTabOrder(Repertoire, Fichier);
  setTabOrder(Fichier, txt_fichier);
  setTabOrder(txt_fichier, Bt_Sauve);
}

// The drives: the file-system roots and the mounted volumes a user can save
// to, with the home folder.
void Frm_Sauve::remplir_lecteurs() {
  QStringList racines = {QStringLiteral("/"), QDir::homePath(), QStorageInfo(QDir::currentPath()).rootPath()};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    const QString racine = volume.rootPath();
    const bool systeme = racine.startsWith("/proc") || racine.startsWith("/sys") || racine.startsWith("/dev") ||
                         racine.startsWith("/run");
    if (volume.isValid() && volume.isReady() && !volume.isReadOnly() && !systeme && QFileInfo(racine).isDir())
      racines << racine;
  }
  racines.removeDuplicates();
  racines.sort();
  for (const QString& r : racines) Lecteur->addItem(style()->standardIcon(QStyle::SP_DriveHDIcon), r, r);
}

void Frm_Sauve::Lecteur_Change(int index) {
  const QString lecteur = Lecteur->itemData(index).toString();
  // On failure the drive list shows the new drive, the other lists stay put.
  ouvrir_dossier(dossier_par_lecteur_.value(lecteur, lecteur));
}

bool Frm_Sauve::ouvrir_dossier(const QString& chemin) {
  return sans_exception(
      [&] {
        const QDir dossier(chemin);
        if (!dossier.exists() || !dossier.isReadable()) dossier_illisible(chemin);
        dossier_repertoire_ = QDir::cleanPath(dossier.absolutePath());
        dossier_par_lecteur_[QStorageInfo(dossier_repertoire_).rootPath()] = dossier_repertoire_;
        remplir_repertoire();
        Repertoire_Change();
      },
      [this](const QString& texte) { montrer_message(QStringLiteral("Erreur d'exécution"), texte, true); });
}

// Each line hangs under the last line one level up: the open path from the
// root down, its folders open, then the open folder's sub-folders, closed.
void Frm_Sauve::remplir_repertoire() {
  std::vector<std::string> sous_dossiers;
  for (const QString& nom :
       QDir(dossier_repertoire_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    sous_dossiers.push_back(nom.toStdString());
  Repertoire->clear();
  const QIcon ouvert = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon ferme = style()->standardIcon(QStyle::SP_DirClosedIcon);
  std::vector<QTreeWidgetItem*> par_niveau;
  QTreeWidgetItem* dossier_ouvert = nullptr;
  for (const EntreeDossier& e : arbre_dossiers(dossier_repertoire_.toStdString(), sous_dossiers)) {
    const auto niveau = static_cast<std::size_t>(e.niveau);
    auto* item = niveau == 0 ? new QTreeWidgetItem(Repertoire) : new QTreeWidgetItem(par_niveau.at(niveau - 1));
    item->setText(0, QString::fromStdString(e.nom));
    item->setIcon(0, e.ouvert ? ouvert : ferme);
    item->setData(0, CHEMIN_ROLE, QString::fromStdString(e.chemin));
    par_niveau.resize(niveau);
    par_niveau.push_back(item);
    if (e.ouvert) dossier_ouvert = item;
  }
  Repertoire->expandAll();
  if (dossier_ouvert) {
    Repertoire->setCurrentItem(dossier_ouvert);
    Repertoire->scrollToItem(dossier_ouvert);
  }
}

void Frm_Sauve::Repertoire_Change() {
  sans_exception([this] { fixer_dossier_fichier(dossier_repertoire_); },
                 [this](const QString& texte) { montrer_message(QStringLiteral("Erreur d'exécution"), texte, true); });
}

// The file list reads its folder only here: a save does not refresh it.
void Frm_Sauve::fixer_dossier_fichier(const QString& chemin) {
  const QDir dossier(chemin);
  if (!dossier.exists() || !dossier.isReadable()) dossier_illisible(chemin);
  QStringList noms;
  for (const QString& nom : dossier.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
    if (est_fichier_dat(nom.toStdString())) noms << nom;
  dossier_fichier_ = QDir::cleanPath(dossier.absolutePath());
  const QSignalBlocker bloque(Fichier); // a new list is no click on a file
  Fichier->clear();
  Fichier->addItems(noms);
}

void Frm_Sauve::Fichier_Click() {
  QListWidgetItem* item = Fichier->currentItem();
  if (item && item->isSelected()) txt_fichier->setText(item->text());
}

// The double-clicked file is the one written, whatever the name field held.
void Frm_Sauve::Fichier_DblClick(QListWidgetItem* item) {
  if (item) txt_fichier->setText(item->text());
  Bt_Sauve_Click();
}

void Frm_Sauve::Bt_Sauve_Click() {
  std::string chemin;
  const bool ecrit = sans_exception(
      [&] {
        chemin =
            sauvegarder(chemin_complet(dossier_fichier_.toStdString(), txt_fichier->text().toStdString()), donnees);
      },
      [this](const QString& texte) { montrer_message(QStringLiteral("Erreur d'exécution"), texte, true); });
  if (!ecrit) return; // the dialog stays, with all its data
  montrer_message(QString::fromStdString(chemin), QString::fromStdString(texte_confirmation(donnees.nbpts())), false);
  close(); // hidden, not destroyed; the program ends if no other window is on screen
}

void Frm_Sauve::montrer_et_activer() {
  ui::montrer_et_activer(this);
  donnees.nouvelle_liste = true;
}

void Frm_Sauve::proposer_nom(const QString& nom) { txt_fichier->setText(nom); }

void Frm_Sauve::Form_Activate() { donnees.nouvelle_liste = true; }

bool Frm_Sauve::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(e);
}

void Frm_Sauve::montrer_message(const QString& titre, const QString& texte, bool erreur) {
  montrer_boite(this, erreur ? QMessageBox::Critical : QMessageBox::NoIcon, titre, texte);
}

} // namespace bilobe::ui
