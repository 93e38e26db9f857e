// Editing "Série de couples" as in a spreadsheet: paste, copy, clear, undo.
#include "ui/frm_serie.h"

#include "serie/tableau_stations.h"

#include <QApplication>
#include <QClipboard>
#include <QShortcut>
#include <QUndoCommand>

#include <algorithm>

namespace bilobe::ui {

// One edit: the whole state before and after it (a few hundred texts).
class ChangementSerie : public QUndoCommand {
public:
  ChangementSerie(Frm_Serie* serie, QStringList avant, QStringList apres)
      : serie_(serie), avant_(std::move(avant)), apres_(std::move(apres)) {}
  void undo() override { serie_->restaurer(avant_); }
  void redo() override {
    if (premiere_) { // already done by the user
      premiere_ = false;
      return;
    }
    serie_->restaurer(apres_);
  }

private:
  Frm_Serie* serie_;
  QStringList avant_, apres_;
  bool premiere_ = true;
};

void Frm_Serie::brancher_edition() {
  const auto raccourci = [this](QWidget* ou, const QKeySequence& touches, auto action) {
    auto* r = new QShortcut(touches, ou, action);
    r->setContext(ou == this ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
  };
  raccourci(tab_stations, QKeySequence::Paste, [this] { coller(); });
  raccourci(tab_stations, QKeySequence::Copy, [this] { copier(); });
  raccourci(tab_stations, QKeySequence::Delete, [this] { effacer(); });
  // The fields keep their own undo while they have the keyboard.
  raccourci(this, QKeySequence::Undo, [this] { historique_.undo(); });
  raccourci(this, QKeySequence(QStringLiteral("Ctrl+Y")), [this] { historique_.redo(); });
  raccourci(this, QKeySequence(QStringLiteral("Ctrl+Shift+Z")), [this] { historique_.redo(); });
  raccourci(this, QKeySequence::Save, [this] { enregistrer_ici(); });
  raccourci(this, QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { enregistrer_sous(); });
  raccourci(this, QKeySequence::Open, [this] { demander_ouverture(); });
  raccourci(this, QKeySequence::New, [this] { nouvelle_serie(); });
}

// After each change by the user: one step of the history.
void Frm_Serie::retenir() {
  if (en_retour_) return;
  QStringList maintenant = etat();
  if (maintenant == etat_retenu_) return;
  if (!etat_retenu_.isEmpty()) historique_.push(new ChangementSerie(this, etat_retenu_, maintenant));
  etat_retenu_ = std::move(maintenant);
}

bool Frm_Serie::ligne_vide(int r) const {
  for (int c = 0; c < tab_stations->columnCount(); ++c)
    if (tab_stations->item(r, c) && !tab_stations->item(r, c)->text().trimmed().isEmpty()) return false;
  return true;
}

void Frm_Serie::coller() {
  const auto lignes = cellules_collees(QApplication::clipboard()->text().toStdString());
  if (lignes.empty()) return;
  // Below the last row (nothing selected) the rows come as new stations; on
  // an empty row, from its first cell; else from the current cell.
  int r0 = tab_stations->currentRow(), c0 = tab_stations->currentColumn();
  if (r0 < 0 || tab_stations->selectedRanges().isEmpty())
    r0 = tab_stations->rowCount(), c0 = 0;
  else if (ligne_vide(r0) || c0 < 0)
    c0 = 0;
  en_remplissage_ = true;
  for (std::size_t i = 0; i < lignes.size(); ++i) {
    const int r = r0 + static_cast<int>(i);
    if (r >= tab_stations->rowCount()) ajouter_ligne({});
    for (std::size_t j = 0; j < lignes[i].size() && c0 + static_cast<int>(j) < tab_stations->columnCount(); ++j)
      tab_stations->item(r, c0 + static_cast<int>(j))->setText(QString::fromStdString(lignes[i][j]));
  }
  en_remplissage_ = false;
  mettre_a_jour();
}

void Frm_Serie::copier() const {
  const QList<QTableWidgetSelectionRange> plages = tab_stations->selectedRanges();
  if (plages.isEmpty()) return;
  // The box around everything selected.
  int haut = plages.front().topRow(), bas = plages.front().bottomRow();
  int gauche = plages.front().leftColumn(), droite = plages.front().rightColumn();
  for (const QTableWidgetSelectionRange& p : plages) {
    haut = std::min(haut, p.topRow());
    bas = std::max(bas, p.bottomRow());
    gauche = std::min(gauche, p.leftColumn());
    droite = std::max(droite, p.rightColumn());
  }
  QStringList lignes;
  for (int r = haut; r <= bas; ++r) {
    QStringList cellules;
    for (int c = gauche; c <= droite; ++c)
      cellules << (tab_stations->item(r, c) ? tab_stations->item(r, c)->text() : QString());
    lignes << cellules.join('\t');
  }
  QApplication::clipboard()->setText(lignes.join('\n') + '\n');
}

void Frm_Serie::effacer() {
  en_remplissage_ = true;
  for (QTableWidgetItem* item : tab_stations->selectedItems()) item->setText({});
  en_remplissage_ = false;
  mettre_a_jour();
}

} // namespace bilobe::ui
