// The preview's menu of Frm_Bi_Lobe: the full-size templates, and the
// series window.
#include "formats/ecriture_export.h"
#include "ui/frm_bi_lobe.h"
#include "ui/gestion_erreurs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

#include <array>

namespace bilobe::ui {

namespace {

struct EntreeMenu {
  FormatGabarit format;
  const char* texte;
  const char* titre;
  const char* filtre;
};
const std::array<EntreeMenu, 3> ENTREES{{
    {FormatGabarit::Svg, "Exporter le gabarit SVG…", "Exporter le gabarit SVG", "Gabarit SVG (*.svg)"},
    {FormatGabarit::Dxf, "Exporter le gabarit DXF…", "Exporter le gabarit DXF", "Gabarit DXF (*.dxf)"},
    {FormatGabarit::Pdf, "Imprimer le gabarit (PDF 1:1)…", "Imprimer le gabarit (PDF 1:1)", "Gabarit PDF (*.pdf)"},
}};

const EntreeMenu& entree(FormatGabarit format) {
  for (const EntreeMenu& e : ENTREES)
    if (e.format == format) return e;
  return ENTREES.front();
}

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

void Frm_Bi_Lobe::construire_menu_gabarit() {
  menu_gabarit = new QMenu(this);
  menu_gabarit->setObjectName("menu_gabarit");
  for (const EntreeMenu& e : ENTREES) {
    QAction* action = menu_gabarit->addAction(QString::fromUtf8(e.texte));
    connect(action, &QAction::triggered, this, [this, format = e.format] { exporter_gabarit(format); });
  }
  menu_gabarit->addSeparator();
  action_paroi_constante = menu_gabarit->addAction(QStringLiteral("Paroi d'épaisseur constante"));
  action_paroi_constante->setCheckable(true);
  connect(action_paroi_constante, &QAction::toggled, this,
          [this](bool coche) { options_gabarit_.paroi_constante = coche; });
  action_saignee = menu_gabarit->addAction(QStringLiteral("Saignée de découpe…"));
  connect(action_saignee, &QAction::triggered, this, [this] {
    if (const auto mm = demander_saignee(options_gabarit_.saignee)) options_gabarit_.saignee = *mm;
  });
  demander_saignee = [this](double actuelle) -> std::optional<double> {
    bool accepte = false;
    const double mm =
        QInputDialog::getDouble(this, QStringLiteral("Saignée de découpe"),
                                QStringLiteral("Largeur du trait de coupe (mm) :"), actuelle, 0, 10, 2, &accepte);
    if (!accepte) return std::nullopt;
    return mm;
  };
  menu_gabarit->addSeparator();
  action_serie = menu_gabarit->addAction(QStringLiteral("Série de couples…"));
  connect(action_serie, &QAction::triggered, this, &Frm_Bi_Lobe::ouvrir_serie);
  Dessin->setContextMenuPolicy(Qt::CustomContextMenu);
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
  const EntreeMenu& e = entree(format);
  const ChampsCouple champs = lire_champs();
  sans_exception(
      [&] {
        if (dossier_gabarits_.isEmpty() || !QFileInfo(dossier_gabarits_).isDir())
          dossier_gabarits_ = QDir::current().exists() ? QDir::currentPath() : QDir::homePath();
        const QString propose =
            QDir(dossier_gabarits_).filePath(QString::fromStdString(nom_par_defaut(champs, format)));
        const QString chemin = demander_chemin(QString::fromUtf8(e.titre), propose, QString::fromUtf8(e.filtre));
        if (chemin.isEmpty()) return; // cancelled
        const ExportEcrit ecrit = ecrire_export(couple_.courant(), format, chemin.toStdString(), options_gabarit_);
        dossier_gabarits_ = QFileInfo(chemin).absolutePath();
        montrer_boite(QMessageBox::NoIcon, QString::fromStdString(ecrit.chemin), QString::fromStdString(ecrit.resume));
      },
      [this](const QString& texte) { montrer_erreur(texte); });
}

void Frm_Bi_Lobe::ouvrir_serie() {
  sans_exception(
      [this] {
        if (!serie_)
          serie_ = std::make_unique<Frm_Serie>([this] { return lire_champs(); },
                                               [this](const ChampsCouple& champs) { appliquer_champs(champs); });
        serie_->montrer_et_activer();
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
  raise();
  activateWindow();
  Bt_Trace_Click();
}

} // namespace bilobe::ui
