#pragma once

#include <QTableWidget>

namespace bilobe::ui {

// The stations table, edited as a spreadsheet, that never keeps the
// keyboard: Tab on its last cell (Maj+Tab on its first) and Ctrl+Tab
// anywhere move on to the controls around it.
class TableStations : public QTableWidget {
  Q_OBJECT
public:
  TableStations(int lignes, int colonnes);

protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modificateurs) override;
  void closeEditor(QWidget* editeur, QAbstractItemDelegate::EndEditHint suite) override;
  void keyPressEvent(QKeyEvent* evenement) override;

private:
  // Tab from here leaves the table: the last cell going forward, the first going back.
  bool au_bord(bool en_avant) const;
};

} // namespace bilobe::ui
