#pragma once

#include <QDoubleSpinBox>

namespace bilobe::ui {

// A length in mm that takes "0,2" as well as "0.2": the comma a French
// keyboard types becomes the point the program shows, as it is typed.
class BoiteMm : public QDoubleSpinBox {
public:
  BoiteMm(double min, double max, int decimales, double valeur, QWidget* parent = nullptr);

  QValidator::State validate(QString& texte, int& position) const override;
  double valueFromText(const QString& texte) const override;
};

} // namespace bilobe::ui
