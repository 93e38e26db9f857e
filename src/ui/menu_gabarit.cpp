#include "ui/menu_gabarit.h"

#include "ui/boite_mm.h"
#include "ui/boites.h"
#include "ui/bulles.h"
#include "ui/editeur_kit.h"
#include "ui/reglages.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace bilobe::ui {

namespace {

const std::array<MenuGabarit::Entree, 3> ENTREES{{
    {FormatGabarit::Svg, "Exporter le gabarit SVG…", "Exporter le gabarit SVG", "Gabarit SVG (*.svg)", "Ctrl+Shift+S"},
    {FormatGabarit::Dxf, "Exporter le gabarit DXF…", "Exporter le gabarit DXF", "Gabarit DXF (*.dxf)", "Ctrl+Shift+D"},
    {FormatGabarit::Pdf, "Imprimer le gabarit (PDF 1:1)…", "Imprimer le gabarit (PDF 1:1)", "Gabarit PDF (*.pdf)",
     "Ctrl+Shift+P"},
}};

} // namespace

const MenuGabarit::Entree& MenuGabarit::entree(FormatGabarit format) {
  for (const Entree& e : ENTREES)
    if (e.format == format) return e;
  return ENTREES.front();
}

MenuGabarit::MenuGabarit(QWidget* parent) : QMenu(parent) {
  setObjectName("menu_gabarit");
  for (const Entree& e : ENTREES) {
    QAction* a = addAction(QString::fromUtf8(e.texte));
    a->setShortcut(QKeySequence(QString::fromLatin1(e.raccourci)));
    connect(a, &QAction::triggered, this, [this, format = e.format] { emit exportDemande(format); });
  }
  addSeparator();
  QAction* paroi = addAction(QStringLiteral("Paroi d'épaisseur constante"));
  paroi->setObjectName("action_paroi_constante");
  paroi->setCheckable(true);
  paroi->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+C")));
  // Kept from one session to the next.
  options_ = reglages::options_gabarit();
  paroi->setChecked(options_.paroi_constante);
  connect(paroi, &QAction::toggled, this, [this](bool coche) {
    options_.paroi_constante = coche;
    reglages::garder(options_);
  });
  QAction* saignee = addAction(QStringLiteral("Saignée de découpe…"));
  saignee->setObjectName("action_saignee");
  saignee->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+G")));
  connect(saignee, &QAction::triggered, this, [this] {
    if (const auto mm = demander_saignee(options_.saignee)) {
      options_.saignee = *mm;
      reglages::garder(options_);
      emit kitChange(); // the preview says it
    }
  });
  demander_saignee = [this](double actuelle) {
    return demander_mm(parentWidget(),
                       {QStringLiteral("Saignée de découpe"), QStringLiteral("Largeur du trait de coupe (mm) :"),
                        "txt_saignee", 0, 10, actuelle});
  };
  QAction* kit = addAction(QStringLiteral("Encoches et pattes…"));
  kit->setObjectName("action_kit");
  kit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+E")));
  connect(kit, &QAction::triggered, this, &MenuGabarit::ouvrir_boite_kit);
  addSeparator();
  QAction* serie = addAction(QStringLiteral("Série de couples…"));
  serie->setObjectName("action_serie");
  serie->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+R")));
  addSeparator();
  QAction* aide = addAction(QStringLiteral("Aide"));
  aide->setObjectName("action_aide");
  aide->setShortcut(QKeySequence(QKeySequence::HelpContents));
  connect(aide, &QAction::triggered, this, &MenuGabarit::aideDemandee);
  QAction* a_propos = addAction(QStringLiteral("À propos"));
  a_propos->setObjectName("action_a_propos");
  a_propos->setShortcut(QKeySequence(QStringLiteral("Shift+F1")));
  connect(a_propos, &QAction::triggered, this, &MenuGabarit::aProposDemande);
  connect(serie, &QAction::triggered, this, &MenuGabarit::serieDemandee);
}

// Kept, like the other settings, while the program runs; OK takes the table
// only when every cell reads, Annuler puts back what was there.
void MenuGabarit::ouvrir_boite_kit() {
  if (!boite_kit_) {
    boite_kit_ = new QDialog(parentWidget());
    boite_kit_->setObjectName("Frm_Kit");
    boite_kit_->setWindowTitle(QStringLiteral("Encoches et pattes"));
    auto* disposition = new QVBoxLayout(boite_kit_);
    auto* editeur = new EditeurKit(EditeurKit::Mode::Distance);
    editeur->setObjectName("editeur_kit");
    disposition->addWidget(editeur);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->setObjectName("boutons_kit");
    disposition->addWidget(boutons);
    poser_bulles(boite_kit_);
    connect(boutons, &QDialogButtonBox::accepted, boite_kit_, [this, editeur] {
      QStringList fautes;
      const auto kit = editeur->lire(fautes);
      if (!kit) {
        montrer_boite(boite_kit_, QMessageBox::Warning, QStringLiteral("Encoches et pattes"), fautes.join("\n"));
        return;
      }
      options_.encoches = kit->encoches;
      options_.pattes = kit->pattes;
      reglages::garder(options_);
      boite_kit_->accept();
      emit kitChange();
    });
    connect(boutons, &QDialogButtonBox::rejected, boite_kit_, &QDialog::reject);
  }
  boite_kit_->findChild<EditeurKit*>("editeur_kit")->remplir({options_.encoches, options_.pattes});
  boite_kit_->open();
}

} // namespace bilobe::ui
