#pragma once

#include "formats/format_gabarit.h"
#include "geometry/gabarit.h"

#include <QDialog>
#include <QMenu>

#include <functional>
#include <optional>

namespace bilobe::ui {

// The preview's right-click menu: the full-size templates of the whole
// former, their settings (constant wall, kerf, notches and tabs, kept between
// sessions), the series window, the help and the version. It only says what
// was chosen; the main window acts.
class MenuGabarit : public QMenu {
  Q_OBJECT
public:
  explicit MenuGabarit(QWidget* parent);

  const OptionsGabarit& options() const { return options_; }

  // The entry's caption, the dialog's title and its file filter.
  struct Entree {
    FormatGabarit format;
    const char* texte;
    const char* titre;
    const char* filtre;
    const char* raccourci;
  };
  static const Entree& entree(FormatGabarit format);

  // Asks for the kerf in mm, starting from the current one; nothing when the
  // user cancels. The platform's input dialog unless replaced.
  std::function<std::optional<double>(double actuelle)> demander_saignee;

  // "Encoches et pattes…": the dialog, once opened.
  QDialog* boite_kit() const { return boite_kit_; }

signals:
  void exportDemande(bilobe::FormatGabarit format);
  void serieDemandee();
  void aideDemandee();
  void aProposDemande();
  // The notches or tabs were changed: the preview shows them.
  void kitChange();

private:
  void ouvrir_boite_kit();

  OptionsGabarit options_;
  QDialog* boite_kit_ = nullptr;
};

} // namespace bilobe::ui
