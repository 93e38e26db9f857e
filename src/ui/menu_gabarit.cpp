#include "ui/menu_gabarit.h"

#include <QInputDialog>

#include <array>

namespace bilobe::ui {

namespace {

const std::array<MenuGabarit::Entree, 3> ENTREES{{
    {FormatGabarit::Svg, "Exporter le gabarit SVG…", "Exporter le gabarit SVG", "Gabarit SVG (*.svg)"},
    {FormatGabarit::Dxf, "Exporter le gabarit DXF…", "Exporter le gabarit DXF", "Gabarit DXF (*.dxf)"},
    {FormatGabarit::Pdf, "Imprimer le gabarit (PDF 1:1)…", "Imprimer le gabarit (PDF 1:1)", "Gabarit PDF (*.pdf)"},
}};

} // namespace

const MenuGabarit::Entree& MenuGabarit::entree(FormatGabarit format) {
  for (const Entree& e : ENTREES)
    if (e.format == format) return e;
  return ENTREES.front();
}

MenuGabarit::MenuGabarit(QWidget* parent) : QMenu(parent) {
  setObjectName("menu_gabarit");
  for (const Entree& e : ENTREES)
    connect(addAction(QString::fromUtf8(e.texte)), &QAction::triggered, this,
            [this, format = e.format] { emit exportDemande(format); });
  addSeparator();
  QAction* paroi = addAction(QStringLiteral("Paroi d'épaisseur constante"));
  paroi->setObjectName("action_paroi_constante");
  paroi->setCheckable(true);
  connect(paroi, &QAction::toggled, this, [this](bool coche) { options_.paroi_constante = coche; });
  QAction* saignee = addAction(QStringLiteral("Saignée de découpe…"));
  saignee->setObjectName("action_saignee");
  connect(saignee, &QAction::triggered, this, [this] {
    if (const auto mm = demander_saignee(options_.saignee)) options_.saignee = *mm;
  });
  demander_saignee = [this](double actuelle) -> std::optional<double> {
    bool accepte = false;
    const double mm =
        QInputDialog::getDouble(parentWidget(), QStringLiteral("Saignée de découpe"),
                                QStringLiteral("Largeur du trait de coupe (mm) :"), actuelle, 0, 10, 2, &accepte);
    if (!accepte) return std::nullopt;
    return mm;
  };
  addSeparator();
  QAction* serie = addAction(QStringLiteral("Série de couples…"));
  serie->setObjectName("action_serie");
  connect(serie, &QAction::triggered, this, &MenuGabarit::serieDemandee);
}

} // namespace bilobe::ui
