#include "ui/frm_bi_lobe.h"

#include "formats/ecriture_export.h"
#include "ui/boites.h"
#include "ui/bulles.h"
#include "ui/controles.h"
#include "ui/depot_fichier.h"
#include "ui/frm_aide.h"
#include "ui/gestion_erreurs.h"
#include "ui/modeles/lecture_champ.h"
#include "ui/modeles/nombres_francais.h"
#include "ui/modeles/placement.h"
#include "ui/reglages.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace bilobe::ui {

namespace {

QString dialogue_enregistrer(QWidget* parent, const QString& titre, const QString& propose, const QString& filtre) {
  QFileDialog dialogue(parent, titre);
  dialogue.setAcceptMode(QFileDialog::AcceptSave); // asks before replacing a file
  dialogue.setNameFilter(filtre);
  dialogue.setDefaultSuffix(QFileInfo(propose).suffix());
  dialogue.setDirectory(QFileInfo(propose).absolutePath());
  dialogue.selectFile(QFileInfo(propose).fileName());
  if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return {};
  return dialogue.selectedFiles().front();
}

} // namespace

Frm_Bi_Lobe::Frm_Bi_Lobe(QWidget* parent) : QWidget(parent, DRAPEAUX_FENETRE_FIXE) {
  setObjectName("Frm_Bi_Lobe");
  setWindowTitle(QStringLiteral("Génération de fichier .DAT pour des couples bi-lobés"));
  setFont(police(8.25));
  setFixedSize(en_pixels(6105), en_pixels(5145));
  construire();
  construire_menu_gabarit();
  ordre_tabulation();
  setAcceptDrops(true); // a fuselage file opens the series window
  dossier_gabarits_ = reglages::dossier("gabarits");
  poser_bulles(this);

  for (QLineEdit* c : champs()) {
    connect(c, &QLineEdit::returnPressed, this, &Frm_Bi_Lobe::champ_KeyPress);
    suivre_lecture(c);
  }
  connect(Bt_Trace, &QPushButton::clicked, this, &Frm_Bi_Lobe::Bt_Trace_Click);
  connect(Bt_Sauve, &QPushButton::clicked, this, &Frm_Bi_Lobe::Bt_Sauve_Click);
  connect(chk_segh, &QCheckBox::clicked, this, &Frm_Bi_Lobe::chk_segh_Click);
  connect(chk_segv, &QCheckBox::clicked, this, &Frm_Bi_Lobe::chk_segv_Click);
}

void Frm_Bi_Lobe::construire() {
  // clang-format off
  //                    parent   name           caption or default text                  Left  Top   Width Height
  lbl_titre = etiquette(this,    "lbl_titre",   QStringLiteral("Tracé de couple bi-lobé"), {120,  0,    3135, 375});
  Frame1    = cadre(this,        "Frame1",      QStringLiteral("Dos du fuselage"),         {120,  480,  3255, 1335});
  Frame2    = cadre(this,        "Frame2",      QStringLiteral("Bas du fuselage"),         {120,  1920, 3255, 1095});
  Frame3    = cadre(this,        "Frame3",      QStringLiteral("Divers"),                  {120,  3120, 3255, 1095});
  Bt_Trace  = bouton(this,       "Bt_Trace",    QStringLiteral("Tracer le couple"),        {120,  4320, 1575, 375});
  Bt_Sauve  = bouton(this,       "Bt_Sauve",    QStringLiteral("Sauver le fichier"),       {1920, 4320, 1455, 375});
  Label1    = etiquette(this,    "Label1",      QStringLiteral("Orlenbrand - 06/2004 - v1.0"), {120, 4800, 3255, 255});

  // Frame1 "Dos du fuselage"
  Label2    = etiquette(Frame1,  "Label2",      QStringLiteral("Largeur totale :"),          {120,  240,  1815, 255});
  txt_xtot  = champ(Frame1,      "txt_xtot",    QStringLiteral("50"),                        {1920, 240,  735,  285});
  Label6    = etiquette(Frame1,  "Label6",      QStringLiteral("mm"),                        {2760, 240,  375,  255});
  Label3    = etiquette(Frame1,  "Label3",      QStringLiteral("Hauteur totale dos :"),      {120,  480,  1815, 255});
  txt_ytot  = champ(Frame1,      "txt_ytot",    QStringLiteral("100"),                       {1920, 480,  735,  285});
  Label7    = etiquette(Frame1,  "Label7",      QStringLiteral("mm"),                        {2760, 480,  375,  255});
  Label4    = etiquette(Frame1,  "Label4",      QStringLiteral("Larg. point de jonction :"), {120,  720,  1815, 255});
  txt_xa    = champ(Frame1,      "txt_xa",      QStringLiteral("30"),                        {1920, 720,  735,  285});
  Label8    = etiquette(Frame1,  "Label8",      QStringLiteral("mm"),                        {2760, 720,  375,  255});
  Label5    = etiquette(Frame1,  "Label5",      QStringLiteral("Haut. point de jonction :"), {120,  960,  1815, 255});
  txt_ya    = champ(Frame1,      "txt_ya",      QStringLiteral("60"),                        {1920, 960,  735,  285});
  Label9    = etiquette(Frame1,  "Label9",      QStringLiteral("mm"),                        {2760, 960,  375,  255});

  // Frame2 "Bas du fuselage"
  chk_segv    = case_a_cocher(Frame2, "chk_segv",    QStringLiteral("Check1"),                      {120,  240, 255,  255});
  lbl_segv    = etiquette(Frame2,     "lbl_segv",    QStringLiteral("Segment vertical :"),          {360,  240, 1455, 255});
  txt_segv    = champ(Frame2,         "txt_segv",    QStringLiteral("20"),                          {1920, 240, 735,  285});
  lbl_mm_segv = etiquette(Frame2,     "lbl_mm_segv", QStringLiteral("mm"),                          {2760, 240, 375,  255});
  Label13     = etiquette(Frame2,     "Label13",     QStringLiteral("Hauteur partie inférieure :"), {120,  480, 1815, 255});
  txt_yinf    = champ(Frame2,         "txt_yinf",    QStringLiteral("40"),                          {1920, 480, 735,  285});
  Label12     = etiquette(Frame2,     "Label12",     QStringLiteral("mm"),                          {2760, 480, 375,  255});
  chk_segh    = case_a_cocher(Frame2, "chk_segh",    QStringLiteral("Check1"),                      {120,  720, 255,  255});
  lbl_segh    = etiquette(Frame2,     "lbl_segh",    QStringLiteral("Segment horizontal :"),        {360,  720, 1575, 255});
  txt_segh    = champ(Frame2,         "txt_segh",    QStringLiteral("30"),                          {1920, 720, 735,  285});
  lbl_mm_segh = etiquette(Frame2,     "lbl_mm_segh", QStringLiteral("mm"),                          {2760, 720, 375,  255});

  // Frame3 "Divers"
  Label10     = etiquette(Frame3,     "Label10",     QStringLiteral("Epaisseur de paroi :"),        {120,  240, 1815, 255});
  txt_ep      = champ(Frame3,         "txt_ep",      QStringLiteral("10"),                          {1920, 240, 735,  285});
  Label11     = etiquette(Frame3,     "Label11",     QStringLiteral("mm"),                          {2760, 240, 375,  255});
  Label14     = etiquette(Frame3,     "Label14",     QStringLiteral("Nb pts arcs d'ellipses :"),    {120,  480, 1815, 255});
  txt_nbptel  = champ(Frame3,         "txt_nbptel",  QStringLiteral("90"),                          {1920, 480, 735,  285});
  Label15     = etiquette(Frame3,     "Label15",     QStringLiteral("Nb pts segments :"),           {120,  720, 1815, 255});
  txt_nbptseg = champ(Frame3,         "txt_nbptseg", QStringLiteral("20"),                          {1920, 720, 735,  285});

  // The preview; its labels are placed from the inside of its border.
  Dessin = new SurfaceDessin(this);
  placer(Dessin, {3480, 120, 2535, 4935});
  auto* zone = Dessin;
  const int b = SurfaceDessin::BORDURE * 15;
  Label16   = etiquette(zone,     "Label16",     QStringLiteral("(ba)"),   {b + 0,    b + 0,    375,  255});
  Label17   = etiquette(zone,     "Label17",     QStringLiteral("(bf)"),   {b + 0,    b + 4680, 495,  255});
  lbl_nbpts = etiquette(zone,     "lbl_nbpts",   QStringLiteral("Label1"), {b + 1080, b + 0,    1335, 255});
  // clang-format on

  lbl_titre->setFont(police(12, true));
  Label1->setFont(police(8.25, false, true));
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lbl_nbpts->setAlignment(Qt::AlignRight | Qt::AlignTop);

  // Both boxes start unticked, so their rows start greyed.
  for (QWidget* w :
       {static_cast<QWidget*>(lbl_segv), static_cast<QWidget*>(txt_segv), static_cast<QWidget*>(lbl_mm_segv),
        static_cast<QWidget*>(lbl_segh), static_cast<QWidget*>(txt_segh), static_cast<QWidget*>(lbl_mm_segh)})
    w->setEnabled(false);
}

void Frm_Bi_Lobe::ordre_tabulation() {
  // The focusable controls with their tab index; the preview takes no focus.
  std::vector<std::pair<int, QWidget*>> ordre = {
      {4, txt_xtot},  {6, txt_ytot},  {8, txt_xa},  {10, txt_ya},   {17, txt_segv}, {21, txt_yinf},   {22, chk_segv},
      {23, chk_segh}, {25, txt_segh}, {29, txt_ep}, {31, Bt_Trace}, {32, Bt_Sauve}, {34, txt_nbptel}, {36, txt_nbptseg},
  };
  std::sort(ordre.begin(), ordre.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < ordre.size(); ++i) setTabOrder(ordre[i - 1].second, ordre[i].second);
  txt_xtot->setFocus();
}

std::array<QLineEdit*, 10> Frm_Bi_Lobe::champs() const {
  return {txt_xtot, txt_ytot, txt_xa, txt_ya, txt_segv, txt_yinf, txt_segh, txt_ep, txt_nbptel, txt_nbptseg};
}

ChampsCouple Frm_Bi_Lobe::lire_champs() const {
  ChampsCouple c;
  c.xtot = txt_xtot->text().toStdString();
  c.ytot = txt_ytot->text().toStdString();
  c.xa = txt_xa->text().toStdString();
  c.ya = txt_ya->text().toStdString();
  c.yinf = txt_yinf->text().toStdString();
  c.segh = txt_segh->text().toStdString();
  c.segv = txt_segv->text().toStdString();
  c.ep = txt_ep->text().toStdString();
  c.nbptel = txt_nbptel->text().toStdString();
  c.nbptseg = txt_nbptseg->text().toStdString();
  c.ch = chk_segh->isChecked() ? 1 : 0;
  c.cv = chk_segv->isChecked() ? 1 : 0;
  return c;
}

void Frm_Bi_Lobe::Bt_Trace_Click() { tracer(); }

bool Frm_Bi_Lobe::tracer() {
  emit traceLancee();
  const ChampsCouple champs = lire_champs();
  std::string cause; // which field's value it came from, and what it was read as
  return sans_exception(
      [&] {
        try {
          // Published only when the whole trace succeeded.
          const ResultatTrace& r = couple_.retracer(champs);
          lbl_nbpts->setText(QString::fromStdString(r.legende));
          Dessin->dessiner(apercu_de(r, menu_gabarit->options()));
        } catch (const ErreurExecution& e) {
          cause = champs_en_cause(e.lieu(), champs);
          throw;
        }
      },
      [&](const QString& texte) {
        montrer_erreur(cause.empty() ? texte : texte + '\n' + QString::fromStdString(cause));
      });
}

// The hand-off. The comment and the name come from the fields as they are
// now, so the points must too: trace first, and hand off only a success.
void Frm_Bi_Lobe::Bt_Sauve_Click() {
  if (!tracer()) return;
  sans_exception(
      [this] {
        if (!sauve_) sauve_ = std::make_unique<Frm_Sauve>();
        sauve_->montrer_et_activer();
        const ResultatTrace& r = couple_.courant();
        const std::string nom = remettre(ValeursCouple(lire_champs()), r.liste, sauve_->donnees);
        sauve_->proposer_nom(QString::fromStdString(nom));
      },
      [this](const QString& texte) { montrer_erreur(texte); });
}

// A segment row follows its box, then the former is drawn again.
void Frm_Bi_Lobe::basculer_segment(const QCheckBox* boite, std::initializer_list<QWidget*> ligne) {
  for (QWidget* w : ligne) w->setEnabled(boite->isChecked());
  Bt_Trace_Click();
}

void Frm_Bi_Lobe::chk_segh_Click() { basculer_segment(chk_segh, {lbl_segh, txt_segh, lbl_mm_segh}); }
void Frm_Bi_Lobe::chk_segv_Click() { basculer_segment(chk_segv, {lbl_segv, txt_segv, lbl_mm_segv}); }

// The window system hands the activation back when an error box closes, at
// a time of its own choosing; tracing the same inputs again would only show
// the same error, box after box. A change to any input traces again.
void Frm_Bi_Lobe::Form_Activate() {
  if (couple_.a_deja_echoue(lire_champs())) return;
  Bt_Trace_Click();
}

// The rule of the ten fields' KeyPress handlers: Enter (each press, held
// down or not) runs the trace; every key still reaches the field as typed.
void Frm_Bi_Lobe::champ_KeyPress() { Bt_Trace_Click(); }

bool Frm_Bi_Lobe::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) Form_Activate();
  return QWidget::event(e);
}

void Frm_Bi_Lobe::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Some window systems never activate a new window: draw the default former anyway.
  if (premier_affichage_) {
    premier_affichage_ = false;
    Bt_Trace_Click();
  }
}

void Frm_Bi_Lobe::montrer_erreur(const QString& texte) {
  emit messageMontre(texte);
  montrer_boite(this, QMessageBox::Critical, QStringLiteral("Erreur d'exécution"), texte);
}

// The preview's menu: it says what was chosen, the window acts.
void Frm_Bi_Lobe::construire_menu_gabarit() {
  menu_gabarit = new MenuGabarit(this);
  connect(menu_gabarit, &MenuGabarit::exportDemande, this, &Frm_Bi_Lobe::exporter_gabarit);
  connect(menu_gabarit, &MenuGabarit::serieDemandee, this, &Frm_Bi_Lobe::ouvrir_serie);
  connect(menu_gabarit, &MenuGabarit::kitChange, this, &Frm_Bi_Lobe::Bt_Trace_Click);
  connect(menu_gabarit, &MenuGabarit::aideDemandee, this, [this] {
    if (!aide_) aide_ = new Frm_Aide(this);
    montrer_et_activer(aide_);
  });
  connect(menu_gabarit, &MenuGabarit::aProposDemande, this,
          [this] { QMessageBox::about(this, QStringLiteral("À propos"), texte_a_propos()); });
  // The menu's keys work anywhere in the window, not only while it is open.
  addActions(menu_gabarit->actions());
  Dessin->setContextMenuPolicy(Qt::CustomContextMenu);
  // Most of what the program does is behind this menu: say so where the mouse is.
  Dessin->setToolTip(QStringLiteral("Clic droit : gabarits, saignée, encoches et pattes, série de couples, aide"));
  connect(Dessin, &QWidget::customContextMenuRequested, this, &Frm_Bi_Lobe::Dessin_ContextMenu);
  demander_chemin = [this](const QString& titre, const QString& propose, const QString& filtre) {
    return dialogue_enregistrer(this, titre, propose, filtre);
  };
}

void Frm_Bi_Lobe::Dessin_ContextMenu(const QPoint& position) { menu_gabarit->popup(Dessin->mapToGlobal(position)); }

// Like the save: the fields as they are now, traced first, and nothing asked
// or written when the trace fails; the file is made from that trace.
void Frm_Bi_Lobe::exporter_gabarit(FormatGabarit format) {
  if (!tracer()) return;
  const MenuGabarit::Entree& e = MenuGabarit::entree(format);
  const ChampsCouple champs = lire_champs();
  sans_exception(
      [&] {
        if (dossier_gabarits_.isEmpty() || !QFileInfo(dossier_gabarits_).isDir())
          dossier_gabarits_ = QDir::current().exists() ? QDir::currentPath() : QDir::homePath();
        const QString propose =
            QDir(dossier_gabarits_).filePath(QString::fromStdString(nom_par_defaut(champs, format)));
        const QString chemin = demander_chemin(QString::fromUtf8(e.titre), propose, QString::fromUtf8(e.filtre));
        if (chemin.isEmpty()) return; // cancelled
        const ExportEcrit ecrit =
            ecrire_export(couple_.courant(), format, chemin.toStdString(), menu_gabarit->options());
        dossier_gabarits_ = QFileInfo(chemin).absolutePath();
        reglages::garder_dossier("gabarits", dossier_gabarits_);
        montrer_boite(this, QMessageBox::NoIcon, QString::fromStdString(ecrit.chemin),
                      QString::fromStdString(a_la_francaise(ecrit.resume)));
      },
      [this](const QString& texte) { montrer_erreur(texte); });
}

// Within the screen's free area, beside this window where there is room.
void Frm_Bi_Lobe::placer_a_cote_de_moi(QWidget* fenetre, QSize voulue) {
  const QScreen* ecran = screen();
  if (!ecran) return;
  // Room for a window manager's frame and title bar, which Qt only knows once shown.
  const QSize cadre(16, 48);
  const auto en_rectangle = [](const QRect& r) { return Rectangle{r.x(), r.y(), r.width(), r.height()}; };
  // The fields, from this window's left edge to the right of its frames: what must stay in sight.
  const int champs = Frame1->mapTo(this, QPoint(Frame1->width(), 0)).x() + (geometry().x() - frameGeometry().x()) + 4;
  const Placement p =
      placer_a_cote(en_rectangle(frameGeometry()), voulue.width() + cadre.width(), voulue.height() + cadre.height(),
                    en_rectangle(ecran->availableGeometry()),
                    std::max(fenetre->minimumWidth(), fenetre->minimumSizeHint().width()) + cadre.width(), champs);
  if (p.voisine_x) move(*p.voisine_x, y());
  fenetre->resize(p.fenetre.largeur - cadre.width(), p.fenetre.hauteur - cadre.height());
  fenetre->move(p.fenetre.x, p.fenetre.y);
}

void Frm_Bi_Lobe::ouvrir_fichier_serie(const QString& chemin) {
  ouvrir_serie();
  if (serie_ && serie_->modifications_reglees()) serie_->ouvrir(chemin);
}

void Frm_Bi_Lobe::dragEnterEvent(QDragEnterEvent* evenement) { accepter_si_fuselage(evenement); }

void Frm_Bi_Lobe::dropEvent(QDropEvent* evenement) {
  if (const QString chemin = prendre_fuselage(evenement); !chemin.isEmpty()) ouvrir_fichier_serie(chemin);
}

void Frm_Bi_Lobe::ouvrir_serie() {
  sans_exception(
      [this] {
        if (!serie_) {
          serie_ = std::make_unique<Frm_Serie>(lire_champs());
          connect(serie_.get(), &Frm_Serie::coupleChoisi, this, &Frm_Bi_Lobe::appliquer_champs);
          connect(serie_.get(), &Frm_Serie::stationDeLaFenetreDemandee, this,
                  [this] { serie_->ajouter_station_de_la_fenetre(lire_champs()); });
          // Where it was last time, else beside this window.
          if (!serie_->restoreGeometry(reglages::geometrie_serie()))
            placer_a_cote_de_moi(serie_.get(), Frm_Serie::TAILLE_VOULUE);
        }
        montrer_et_activer(serie_.get());
      },
      [this](const QString& texte) { montrer_erreur(texte); });
}

void Frm_Bi_Lobe::appliquer_champs(const ChampsCouple& champs) {
  txt_xtot->setText(QString::fromStdString(champs.xtot));
  txt_ytot->setText(QString::fromStdString(champs.ytot));
  txt_xa->setText(QString::fromStdString(champs.xa));
  txt_ya->setText(QString::fromStdString(champs.ya));
  txt_yinf->setText(QString::fromStdString(champs.yinf));
  txt_segh->setText(QString::fromStdString(champs.segh));
  txt_segv->setText(QString::fromStdString(champs.segv));
  txt_ep->setText(QString::fromStdString(champs.ep));
  txt_nbptel->setText(QString::fromStdString(champs.nbptel));
  txt_nbptseg->setText(QString::fromStdString(champs.nbptseg));
  chk_segh->setChecked(champs.ch != 0);
  chk_segv->setChecked(champs.cv != 0);
  // Each segment row follows its box, as after a click; one trace for all.
  for (QWidget* w :
       {static_cast<QWidget*>(lbl_segh), static_cast<QWidget*>(txt_segh), static_cast<QWidget*>(lbl_mm_segh)})
    w->setEnabled(chk_segh->isChecked());
  for (QWidget* w :
       {static_cast<QWidget*>(lbl_segv), static_cast<QWidget*>(txt_segv), static_cast<QWidget*>(lbl_mm_segv)})
    w->setEnabled(chk_segv->isChecked());
  // Shown again if it was closed: the former chosen is drawn where it can be seen.
  montrer_et_activer(this);
  Bt_Trace_Click();
}

} // namespace bilobe::ui
