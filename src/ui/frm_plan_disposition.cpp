// The plan window's controls: the plan, the calage, the lines and the
// reference section in a column beside the plan.
#include "ui/boite_mm.h"
#include "ui/frm_plan.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace bilobe::ui {

namespace {

QPushButton* bouton(const QString& texte, const char* nom, bool a_cocher = false) {
  auto* b = new QPushButton(texte);
  b->setObjectName(nom);
  b->setCheckable(a_cocher);
  return b;
}

QDoubleSpinBox* boite(const char* nom, double min, double max, double valeur, const QString& suffixe) {
  auto* b = new BoiteMm(min, max, 2, valeur);
  b->setObjectName(nom);
  b->setSingleStep(0.05);
  b->setSuffix(suffixe);
  return b;
}

} // namespace

QWidget* Frm_Plan::construire_outils() {
  auto* panneau = new QWidget;
  panneau->setFixedWidth(330);
  auto* colonne = new QVBoxLayout(panneau);
  auto* plan = new QGroupBox(QStringLiteral("Plan"));
  auto* f_plan = new QFormLayout(plan);
  Bt_OuvrirPlan = bouton(QStringLiteral("&Ouvrir le plan…"), "Bt_OuvrirPlan");
  lbl_fichier = new QLabel(QStringLiteral("Image, PDF ou DXF"));
  lbl_fichier->setWordWrap(true);
  txt_page = new QSpinBox;
  txt_page->setObjectName("txt_page");
  txt_page->setRange(1, 1);
  txt_dpi = new QSpinBox;
  txt_dpi->setObjectName("txt_dpi");
  txt_dpi->setRange(36, 1200);
  txt_dpi->setValue(DPI_PDF);
  txt_dpi->setSuffix(QStringLiteral(" ppp"));
  f_plan->addRow(Bt_OuvrirPlan);
  f_plan->addRow(lbl_fichier);
  f_plan->addRow(QStringLiteral("&Page du PDF :"), txt_page);
  f_plan->addRow(QStringLiteral("&Résolution :"), txt_dpi);
  for (QSpinBox* b : {txt_page, txt_dpi}) f_plan->setRowVisible(b, false); // until a PDF comes
  colonne->addWidget(plan);

  outils_ = new QButtonGroup(this);
  const auto outil = [this](QLayout* l, const QString& texte, const char* nom, Outil o) {
    QPushButton* b = bouton(texte, nom, true);
    outils_->addButton(b, static_cast<int>(o));
    l->addWidget(b);
    return b;
  };
  auto* calage = new QGroupBox(QStringLiteral("Calage"));
  auto* g_calage = new QGridLayout(calage);
  outil(g_calage, QStringLiteral("É&chelle : 2 clics"), "Bt_Echelle", Outil::Echelle)->setChecked(true);
  outil(g_calage, QStringLiteral("&Horizontale : 2 clics"), "Bt_Horizontale", Outil::Horizontale);
  outil(g_calage, QStringLiteral("&Nez, vue de côté"), "Bt_NezCote", Outil::NezCote);
  outil(g_calage, QStringLiteral("Nez, vue de dess&us"), "Bt_NezDessus", Outil::NezDessus);
  txt_echelle = new QLineEdit;
  txt_echelle->setObjectName("txt_echelle");
  txt_echelle->setToolTip(QStringLiteral("mm du fuselage par pixel d'une image, par point (1/72 de pouce) d'un "
                                         "PDF, par unité d'un DXF"));
  auto* f_echelle = new QFormLayout;
  lbl_unite = new QLabel(QStringLiteral("&mm par pixel :"));
  lbl_unite->setBuddy(txt_echelle);
  f_echelle->addRow(lbl_unite, txt_echelle);
  g_calage->addLayout(f_echelle, g_calage->rowCount(), 0);
  colonne->addWidget(calage);

  auto* lignes = new QGroupBox(QStringLiteral("Lignes"));
  auto* g_lignes = new QGridLayout(lignes);
  const char* noms[] = {"Bt_Dos", "Bt_Ventre", "Bt_Niveau", "Bt_DemiLargeur"};
  const QString textes[] = {QStringLiteral("&Dos (côté)"), QStringLiteral("&Ventre (côté)"),
                            QStringLiteral("N&iveau (côté)"), QStringLiteral("Demi-&largeur (dessus)")};
  const Outil o[] = {Outil::Dos, Outil::Ventre, Outil::Niveau, Outil::DemiLargeur};
  for (std::size_t k = 0; k < NB_LIGNES_PLAN; ++k) {
    QPushButton* b = bouton(textes[k], noms[k], true);
    outils_->addButton(b, static_cast<int>(o[k]));
    g_lignes->addWidget(b, static_cast<int>(k / 2), static_cast<int>(k % 2));
  }
  Bt_Effacer = bouton(QStringLiteral("&Effacer la ligne"), "Bt_Effacer");
  g_lignes->addWidget(Bt_Effacer, 2, 0, 1, 2);
  auto* aide = new QLabel(QStringLiteral("Clic : ajouter ou tirer un point · clic droit : le supprimer · molette : "
                                         "zoom · bouton du milieu : déplacer le plan"));
  aide->setWordWrap(true);
  g_lignes->addWidget(aide, 3, 0, 1, 2);
  colonne->addWidget(lignes);

  auto* section = new QGroupBox(QStringLiteral("Section de référence"));
  auto* f_section = new QFormLayout(section);
  txt_xa = boite("txt_xa_rapport", 0.05, 0.95, lignes_.section.xa, {});
  txt_ya = boite("txt_ya_rapport", 0.05, 0.95, lignes_.section.ya, {});
  txt_ep = boite("txt_ep_section", 0.1, 100, lignes_.section.ep, QStringLiteral(" mm"));
  f_section->addRow(QStringLiteral("Jonction, &xa / xtot :"), txt_xa);
  f_section->addRow(QStringLiteral("Jonction, &ya / ytot :"), txt_ya);
  f_section->addRow(QStringLiteral("P&aroi :"), txt_ep);
  txt_segh = boite("txt_segh_rapport", 0, 0.95, lignes_.section.segh, {});
  txt_segv = boite("txt_segv_rapport", 0, 0.95, lignes_.section.segv, {});
  txt_segh->setToolTip(QStringLiteral("Le fond plat sur la demi-largeur ; 0 : aucun"));
  txt_segv->setToolTip(QStringLiteral("Le flanc droit sous le niveau sur la hauteur sous le niveau ; 0 : aucun"));
  f_section->addRow(QStringLiteral("Fond pla&t, segh / xtot :"), txt_segh);
  f_section->addRow(QStringLiteral("Flanc droit, se&gv / yinf :"), txt_segv);
  lbl_section = new QLabel;
  vue_section = new VueSvg;
  vue_section->setObjectName("vue_section");
  vue_section->setMinimumHeight(190);
  f_section->addRow(lbl_section);
  f_section->addRow(vue_section);
  colonne->addWidget(section, 1);
  return panneau;
}

// The tools in a column that scrolls on a small screen, the message and the
// two buttons always in sight below it.
QWidget* Frm_Plan::construire_colonne() {
  auto* colonne = new QWidget;
  auto* disposition = new QVBoxLayout(colonne);
  disposition->setContentsMargins(0, 0, 0, 0);
  auto* defilement = new QScrollArea;
  defilement->setObjectName("defilement_outils");
  defilement->setFrameShape(QFrame::NoFrame);
  defilement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  defilement->setWidgetResizable(true);
  QWidget* outils = construire_outils();
  defilement->setWidget(outils);
  defilement->setFixedWidth(outils->width() + defilement->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
  disposition->addWidget(defilement, 1);
  lbl_message = new QLabel;
  lbl_message->setObjectName("lbl_message");
  lbl_message->setWordWrap(true);
  lbl_message->setMaximumWidth(defilement->width());
  disposition->addWidget(lbl_message);
  auto* boutons = new QHBoxLayout;
  Bt_Creer = bouton(QStringLiteral("Créer les &stations"), "Bt_Creer");
  Bt_Creer->setDefault(true);
  Bt_Fermer = bouton(QStringLiteral("&Fermer"), "Bt_Fermer");
  boutons->addWidget(Bt_Creer);
  boutons->addWidget(Bt_Fermer);
  disposition->addLayout(boutons);
  return colonne;
}

} // namespace bilobe::ui
