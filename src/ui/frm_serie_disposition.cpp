// The layout of "Série de couples" and the wiring of its controls.
#include "ui/frm_serie.h"

#include "ui/boite_mm.h"
#include "ui/reglages.h"
#include "ui/table_stations.h"

#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <algorithm>
#include <utility>

namespace bilobe::ui {

namespace {

// To the micrometre, as the sheets are laid out.
QDoubleSpinBox* longueur(double min, double max, double valeur) { return new BoiteMm(min, max, 3, valeur); }

QPushButton* bouton(const QString& texte, const char* nom) {
  auto* b = new QPushButton(texte);
  b->setObjectName(nom);
  b->setAutoDefault(false);
  return b;
}

// A bare widget holding a layout flush with its edges, for a part of the window.
template <typename Disposition> std::pair<QWidget*, Disposition*> conteneur_a_fleur() {
  auto* conteneur = new QWidget;
  auto* disposition = new Disposition(conteneur);
  disposition->setContentsMargins(0, 0, 0, 0);
  return {conteneur, disposition};
}

} // namespace

// Top: the name and the files; then the stations beside the settings; then
// the views, as wide as the window, beside what cannot be made and the list
// of the formers.
void Frm_Serie::construire() {
  setObjectName("Frm_Serie");
  setWindowTitle(QStringLiteral("[*]Série de couples"));
  // Everything in a scroll area: a window made small keeps its fields
  // readable and scrolls rather than crushing them.
  auto* contenu = new QWidget;
  auto* defilement = new QScrollArea;
  defilement->setObjectName("defilement");
  defilement->setWidgetResizable(true);
  defilement->setFrameShape(QFrame::NoFrame);
  defilement->setWidget(contenu);
  auto* racine = new QVBoxLayout(this);
  racine->setContentsMargins(0, 0, 0, 0);
  racine->setSpacing(0);
  racine->addWidget(defilement);
  // What was done, and an export's progress with its "Annuler": outside the
  // form, which an export disables.
  barre_etat = new QStatusBar;
  barre_etat->setObjectName("barre_etat");
  barre_progression = new QProgressBar;
  barre_progression->setFormat(QStringLiteral("Export : %p %"));
  barre_progression->hide();
  Bt_AnnulerExport = bouton(QStringLiteral("Annu&ler"), "Bt_AnnulerExport");
  Bt_AnnulerExport->hide();
  barre_etat->addPermanentWidget(barre_progression);
  barre_etat->addPermanentWidget(Bt_AnnulerExport);
  racine->addWidget(barre_etat);
  auto* principal = new QVBoxLayout(contenu);
  auto* fichiers = new QHBoxLayout;
  creer_champs();
  Bt_Ouvrir = bouton(QStringLiteral("&Ouvrir…"), "Bt_Ouvrir");
  Bt_Recents = bouton(QStringLiteral("&Récents"), "Bt_Recents");
  // The files opened lately, read when the menu opens.
  auto* recents = new QMenu(Bt_Recents);
  recents->setObjectName("menu_recents");
  Bt_Recents->setMenu(recents);
  connect(recents, &QMenu::aboutToShow, this, [this, recents] {
    recents->clear();
    for (const QString& chemin : reglages::recents())
      connect(recents->addAction(chemin), &QAction::triggered, this, [this, chemin] {
        if (modifications_reglees()) ouvrir(chemin);
      });
    if (recents->isEmpty()) recents->addAction(QStringLiteral("(aucun)"))->setEnabled(false);
  });
  Bt_Enregistrer = bouton(QStringLiteral("&Enregistrer"), "Bt_Enregistrer");
  Bt_EnregistrerSous = bouton(QStringLiteral("Enregistrer &sous…"), "Bt_EnregistrerSous");
  Bt_Exporter = bouton(QStringLiteral("E&xporter…"), "Bt_Exporter");
  fichiers->addWidget(new QLabel(QStringLiteral("Nom :")));
  fichiers->addWidget(txt_nom(), 1);
  fichiers->addWidget(Bt_Ouvrir);
  fichiers->addWidget(Bt_Recents);
  fichiers->addWidget(Bt_Enregistrer);
  fichiers->addWidget(Bt_EnregistrerSous);
  fichiers->addWidget(Bt_Exporter);
  // What "Exporter…" writes, ticked in a menu beside it: the row stays short.
  Bt_Formats = bouton(QStringLiteral("&Formats"), "Bt_Formats");
  auto* menu_formats = new QMenu(Bt_Formats);
  menu_formats->setObjectName("menu_formats");
  auto* cases_formats = new QWidget;
  auto* liste_formats = new QVBoxLayout(cases_formats);
  for (std::size_t k = 0; k < FORMATS_SERIE.size(); ++k) {
    const DefinitionFormat& f = FORMATS_SERIE[k];
    QCheckBox* c = chk_formats[k] = new QCheckBox(QString::fromUtf8(f.libelle));
    c->setObjectName(QStringLiteral("chk_format_") + QString::fromUtf8(f.nom));
    c->setChecked(f.par_defaut); // as the command: the fuselage in 3D only when asked for
    liste_formats->addWidget(c);
  }
  auto* action_formats = new QWidgetAction(menu_formats);
  action_formats->setDefaultWidget(cases_formats);
  menu_formats->addAction(action_formats);
  Bt_Formats->setMenu(menu_formats);
  fichiers->addWidget(Bt_Formats);
  principal->addLayout(fichiers);
  // The stations, the settings of the series and the sheet, the notches and
  // tabs in tabs above; the views below; a splitter between them.
  auto* donnees = new QTabWidget;
  donnees->setObjectName("onglets_donnees");
  donnees->addTab(construire_stations(), QStringLiteral("Stations"));
  donnees->addTab(construire_reglages(), QStringLiteral("Couples et planche"));
  editeur_kit = new EditeurKit(EditeurKit::Mode::Garde, Qt::Horizontal);
  donnees->addTab(editeur_kit, QStringLiteral("Encoches et pattes"));
  auto* separation = new QSplitter(Qt::Vertical);
  separation->setObjectName("separation");
  separation->setChildrenCollapsible(false);
  separation->addWidget(donnees);
  separation->addWidget(construire_vues());
  separation->setStretchFactor(0, 1);
  separation->setStretchFactor(1, 2);
  principal->addWidget(separation, 1);
  // Never narrower than its content, so that it scrolls up and down but not
  // sideways; on a screen narrower than that, as wide as the screen.
  setMinimumWidth(std::min(contenu->minimumSizeHint().width() + defilement->verticalScrollBar()->sizeHint().width(),
                           screen()->availableGeometry().width() - 16));
  resize(TAILLE_VOULUE);
  // Each control named as in the code, for the tests to find it.
  const std::pair<QObject*, const char*> noms[] = {
      {opt_nombre, "opt_nombre"},
      {opt_positions, "opt_positions"},
      {txt_nombre, "txt_nombre"},
      {txt_positions, "txt_positions"},
      {cmb_interpolation, "cmb_interpolation"},
      {editeur_kit, "editeur_kit"},
      {onglets, "onglets"},
      {vue_profil, "vue_profil"},
      {vue_planches, "vue_planches"},
      {vue_3d, "vue_3d"},
      {barre_progression, "barre_progression"},
  };
  for (const auto& [controle, nom] : noms) controle->setObjectName(nom);
}

QWidget* Frm_Serie::construire_stations() {
  auto* cadre = new QWidget; // in the tab "Stations"
  auto* disposition = new QVBoxLayout(cadre);
  tab_stations = new TableStations(0, static_cast<int>(COLONNES_STATION));
  tab_stations->setObjectName("tab_stations");
  QStringList titres{QStringLiteral("Position")};
  for (const Cote& c : COTES) titres << QString::fromUtf8(c.titre);
  tab_stations->setHorizontalHeaderLabels(titres);
  tab_stations->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tab_stations->setSelectionBehavior(QAbstractItemView::SelectRows);
  disposition->addWidget(tab_stations);
  auto* boutons = new QHBoxLayout;
  Bt_Ajouter = bouton(QStringLiteral("&Ajouter une station"), "Bt_Ajouter");
  Bt_Supprimer = bouton(QStringLiteral("Su&pprimer la station"), "Bt_Supprimer");
  Bt_Trier = bouton(QStringLiteral("&Trier par position"), "Bt_Trier");
  Bt_Inserer = bouton(QStringLiteral("&Insérer une station…"), "Bt_Inserer");
  Bt_DepuisPlan = bouton(QStringLiteral("&Depuis un plan…"), "Bt_DepuisPlan");
  Bt_DepuisPlan->setToolTip(
      QStringLiteral("Tracer le fuselage sur un plan (image, PDF, DXF) et en tirer les stations"));
  boutons->addWidget(Bt_Ajouter);
  boutons->addWidget(Bt_Inserer);
  boutons->addWidget(Bt_Supprimer);
  boutons->addWidget(Bt_Trier);
  boutons->addStretch();
  boutons->addWidget(Bt_DepuisPlan);
  disposition->addLayout(boutons);
  return cadre;
}

void Frm_Serie::creer_champs() {
  using namespace champs_serie;
  for (std::size_t k = 0; k < TEXTES.size(); ++k) {
    textes_[k] = new QLineEdit;
    textes_[k]->setObjectName(TEXTES[k].nom);
  }
  for (std::size_t k = 0; k < CASES.size(); ++k) {
    cases_[k] = new QCheckBox(QString::fromUtf8(CASES[k].libelle));
    cases_[k]->setObjectName(CASES[k].nom);
  }
  for (std::size_t k = 0; k < LONGUEURS.size(); ++k) {
    const Longueur& l = LONGUEURS[k];
    longueurs_[k] = longueur(l.min, l.max, l.defaut);
    longueurs_[k]->setObjectName(l.nom);
  }
}

QWidget* Frm_Serie::construire_reglages() {
  auto* conteneur = new QWidget; // in the tab "Couples et planche": the formers, then the sheet and the print
  auto* disposition = new QHBoxLayout(conteneur);
  auto* materiaux = new QVBoxLayout;

  // The formers: how many or where, how they follow the stations, the fields they share.
  auto* couples = new QGroupBox(QStringLiteral("Couples"));
  auto* formulaire = new QFormLayout(couples);
  opt_nombre = new QRadioButton(QStringLiteral("&Nombre :"));
  opt_positions = new QRadioButton(QStringLiteral("Positions (&mm) :"));
  opt_nombre->setChecked(true);
  txt_nombre = new QSpinBox;
  txt_nombre->setRange(2, NOMBRE_MAX);
  txt_nombre->setValue(8);
  txt_positions = new QLineEdit;
  txt_positions->setPlaceholderText(QStringLiteral("0, 40, 95, 160"));
  cmb_interpolation = new QComboBox;
  cmb_interpolation->addItems({QStringLiteral("linéaire"), QStringLiteral("lisse")});
  using namespace champs_serie;
  formulaire->addRow(opt_nombre, txt_nombre);
  formulaire->addRow(opt_positions, txt_positions);
  formulaire->addRow(QStringLiteral("Interpolation :"), cmb_interpolation);
  formulaire->addRow(cases_[SEGH], cases_[SEGV]);
  formulaire->addRow(QStringLiteral("Nb pts arcs d'ellipses :"), textes_[NBPTEL]);
  formulaire->addRow(QStringLiteral("Nb pts segments :"), textes_[NBPTSEG]);
  disposition->addWidget(couples, 0, Qt::AlignTop);

  // The material sheet the templates are nested on, then the whole fuselage
  // printed in 3D: its sections' step, its wall, its pieces.
  const std::pair<Groupe, QString> groupes[] = {{Groupe::Planche, QStringLiteral("Planche")},
                                                {Groupe::Impression3d, QStringLiteral("Impression 3D (STL)")}};
  for (const auto& [groupe, titre] : groupes) {
    auto* cadre = new QGroupBox(titre);
    auto* grille = new QGridLayout(cadre);
    int rang = 0;
    for (std::size_t k = 0; k < LONGUEURS.size(); ++k) {
      if (LONGUEURS[k].groupe != groupe) continue;
      grille->addWidget(new QLabel(QString::fromUtf8(LONGUEURS[k].libelle)), rang / 2, (rang % 2) * 2);
      grille->addWidget(longueurs_[k], rang / 2, (rang % 2) * 2 + 1);
      ++rang;
    }
    if (groupe == Groupe::Planche) grille->addWidget(cases_[PAROI_CONSTANTE], rang / 2, (rang % 2) * 2, 1, 2);
    materiaux->addWidget(cadre);
  }
  materiaux->addStretch();
  disposition->addLayout(materiaux);
  disposition->addStretch();
  return conteneur;
}

// The views in tabs with, under them, what cannot be made; beside them
// the list of the formers.
QWidget* Frm_Serie::construire_vues() {
  const auto [gauche_w, gauche] = conteneur_a_fleur<QVBoxLayout>();
  onglets = new QTabWidget;
  vue_profil = new VueSvg;
  vue_planches = new VueSvg;
  onglets->addTab(vue_profil, QStringLiteral("Profil"));
  onglets->addTab(vue_planches, QStringLiteral("Planches"));
  vue_3d = new Vue3d;
  onglets->addTab(vue_3d, QStringLiteral("3D"));
  onglets->setMinimumHeight(VUE_MIN);
  gauche->addWidget(onglets, 1);
  lbl_echecs = new QLabel;
  lbl_echecs->setObjectName("lbl_echecs");
  lbl_echecs->setStyleSheet(QStringLiteral("color: #c00000"));
  lbl_echecs->setWordWrap(true);
  lbl_echecs->setTextFormat(Qt::PlainText);
  gauche->addWidget(lbl_echecs);
  lbl_calcul = new QLabel(QStringLiteral("Calcul en cours…"));
  lbl_calcul->setObjectName("lbl_calcul");
  lbl_calcul->hide();
  gauche->addWidget(lbl_calcul);
  const auto [droite_w, droite] = conteneur_a_fleur<QVBoxLayout>();
  auto* titre_liste = new QLabel(QStringLiteral("Couples (double-clic : dans la fenêtre principale) :"));
  titre_liste->setWordWrap(true);
  droite->addWidget(titre_liste);
  lst_couples = new QListWidget;
  lst_couples->setObjectName("lst_couples");
  droite->addWidget(lst_couples, 1);
  // The list beside the views, as wide as the user wants it.
  auto* cote_a_cote = new QSplitter(Qt::Horizontal);
  cote_a_cote->setObjectName("separation_liste");
  cote_a_cote->setChildrenCollapsible(false);
  cote_a_cote->addWidget(gauche_w);
  cote_a_cote->addWidget(droite_w);
  cote_a_cote->setStretchFactor(0, 5);
  cote_a_cote->setStretchFactor(1, 2);
  return cote_a_cote;
}

void Frm_Serie::brancher() {
  const auto maj = [this] { mettre_a_jour(); };
  connect(tab_stations, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    // "18,5" shown "18.5", as the files write it (the text changes again: one update)
    const QString point = QString::fromStdString(avec_le_point(item->text().toStdString()));
    if (point != item->text()) return item->setText(point);
    mettre_a_jour();
  });
  connect(txt_positions, &QLineEdit::textChanged, this, maj);
  for (QLineEdit* e : textes_) connect(e, &QLineEdit::textChanged, this, maj);
  connect(opt_nombre, &QAbstractButton::toggled, this, maj);
  for (QCheckBox* c : cases_) connect(c, &QAbstractButton::toggled, this, maj);
  connect(txt_nombre, &QSpinBox::valueChanged, this, maj);
  for (QDoubleSpinBox* s : longueurs_) connect(s, &QDoubleSpinBox::valueChanged, this, maj);
  connect(onglets, &QTabWidget::currentChanged, this, [this] { montrer_3d(); });
  connect(cmb_interpolation, &QComboBox::currentIndexChanged, this, maj);
  connect(editeur_kit, &EditeurKit::modifie, this, maj);
  connect(Bt_Ajouter, &QPushButton::clicked, this, &Frm_Serie::Bt_Ajouter_Click);
  connect(Bt_Inserer, &QPushButton::clicked, this, &Frm_Serie::Bt_Inserer_Click);
  connect(Bt_Supprimer, &QPushButton::clicked, this, &Frm_Serie::Bt_Supprimer_Click);
  connect(Bt_Trier, &QPushButton::clicked, this, &Frm_Serie::Bt_Trier_Click);
  connect(Bt_DepuisPlan, &QPushButton::clicked, this, &Frm_Serie::ouvrir_plan);
  connect(lst_couples, &QListWidget::itemDoubleClicked, this, &Frm_Serie::lst_couples_DblClick);
  connect(Bt_Ouvrir, &QPushButton::clicked, this, &Frm_Serie::demander_ouverture);
  connect(Bt_Enregistrer, &QPushButton::clicked, this, &Frm_Serie::enregistrer_ici);
  connect(Bt_EnregistrerSous, &QPushButton::clicked, this, &Frm_Serie::enregistrer_sous);
  connect(Bt_Exporter, &QPushButton::clicked, this, [this] {
    if (const QString dossier = demander_dossier(); !dossier.isEmpty()) exporter(dossier);
  });
}

} // namespace bilobe::ui
