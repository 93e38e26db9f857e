#pragma once

#include <QDoubleSpinBox>

#include <optional>

namespace bilobe::ui {

// A length in mm that takes "0,2" as well as "0.2": the comma a French
// keyboard types becomes the point the program shows, as it is typed.
class BoiteMm : public QDoubleSpinBox {
public:
  BoiteMm(double min, double max, int decimales, double valeur, QWidget* parent = nullptr);

  QValidator::State validate(QString& texte, int& position) const override;
  double valueFromText(const QString& texte) const override;
  QString textFromValue(double valeur) const override;
};

// A length asked in a small dialog of its own (OK, Annuler): nothing when
// cancelled. The box carries `nom` as its objectName.
struct QuestionMm {
  QString titre, libelle;
  const char* nom;
  double min, max, valeur;
};
std::optional<double> demander_mm(QWidget* parent, const QuestionMm& question);

} // namespace bilobe::ui
