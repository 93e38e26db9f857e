#pragma once

#include <QDialog>

namespace bilobe::ui {

// "Aide": the default former drawn with the name of each dimension, what
// the fields, the wall, the notches and the tabs are, and the keys.
class Frm_Aide : public QDialog {
public:
  explicit Frm_Aide(QWidget* parent = nullptr);
};

// "À propos": the program and its version.
QString texte_a_propos();

} // namespace bilobe::ui
