#include "ui/table_stations.h"

#include <QKeyEvent>

namespace bilobe::ui {

TableStations::TableStations(int lignes, int colonnes) : QTableWidget(lignes, colonnes) {}

bool TableStations::au_bord(bool en_avant) const {
  if (rowCount() == 0 || columnCount() == 0) return true;
  const QModelIndex ici = currentIndex();
  if (!ici.isValid()) return false;
  return en_avant ? ici.row() == rowCount() - 1 && ici.column() == columnCount() - 1
                  : ici.row() == 0 && ici.column() == 0;
}

// No cell after the last one: the view then hands the focus on, instead of
// going round to the first cell.
QModelIndex TableStations::moveCursor(CursorAction action, Qt::KeyboardModifiers modificateurs) {
  if ((action == MoveNext && au_bord(true)) || (action == MovePrevious && au_bord(false))) return {};
  return QTableWidget::moveCursor(action, modificateurs);
}

// Tab while typing in the last cell: the text is kept, the focus moves on.
void TableStations::closeEditor(QWidget* editeur, QAbstractItemDelegate::EndEditHint suite) {
  const bool sortir = (suite == QAbstractItemDelegate::EditNextItem && au_bord(true)) ||
                      (suite == QAbstractItemDelegate::EditPreviousItem && au_bord(false));
  QTableWidget::closeEditor(editeur, sortir ? QAbstractItemDelegate::NoHint : suite);
  if (sortir) QWidget::focusNextPrevChild(suite == QAbstractItemDelegate::EditNextItem);
}

void TableStations::keyPressEvent(QKeyEvent* evenement) {
  const bool tab = evenement->key() == Qt::Key_Tab || evenement->key() == Qt::Key_Backtab;
  if (tab && (evenement->modifiers() & Qt::ControlModifier)) {
    QWidget::focusNextPrevChild(evenement->key() == Qt::Key_Tab && !(evenement->modifiers() & Qt::ShiftModifier));
    evenement->accept();
    return;
  }
  QTableWidget::keyPressEvent(evenement);
}

} // namespace bilobe::ui
