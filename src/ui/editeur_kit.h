#pragma once

#include "geometry/kit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include <optional>
#include <vector>

namespace bilobe::ui {

// The notches and tabs of a former or of a series: a table of notches
// (place, width, depth) and the tabs' settings. The tabs' last setting is
// the board line's distance for one former, the guard for a series.
class EditeurKit : public QWidget {
  Q_OBJECT
public:
  enum class Mode { Distance, Garde };
  // The notches and the tabs one above the other, or side by side.
  explicit EditeurKit(Mode mode, Qt::Orientation sens = Qt::Vertical, QWidget* parent = nullptr);

  struct Kit {
    std::vector<Encoche> encoches;
    std::optional<Pattes> pattes; // `distance` holds the guard for a series
  };
  // What the widgets say; a cell that is not a place or a length in mm is
  // a French sentence in `fautes`, and then nothing is returned.
  std::optional<Kit> lire(QStringList& fautes) const;
  void remplir(const Kit& kit);
  // Every text and tick as typed, readable or not, and back (for undo).
  QStringList etat() const;
  void restaurer(const QStringList& etat);

signals:
  void modifie();

private:
  void ajouter_ligne(const QString& place, const QString& largeur, const QString& profondeur);

  QTableWidget* tab_encoches;
  QPushButton *Bt_AjouterEncoche, *Bt_SupprimerEncoche;
  QGroupBox* cadre_pattes;
  QComboBox* cmb_cote;
  QDoubleSpinBox *txt_largeur_pattes, *txt_ecart_pattes, *txt_distance_pattes;
  QString nom_distance_; // "distance" or "garde", as the messages say it
};

} // namespace bilobe::ui
