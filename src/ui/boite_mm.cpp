#include "ui/boite_mm.h"

namespace bilobe::ui {

BoiteMm::BoiteMm(double min, double max, int decimales, double valeur, QWidget* parent) : QDoubleSpinBox(parent) {
  setLocale(QLocale::c()); // the point, whatever the desktop's language
  setRange(min, max);
  setDecimals(decimales);
  setValue(valeur);
  setSuffix(QStringLiteral(" mm"));
}

QValidator::State BoiteMm::validate(QString& texte, int& position) const {
  texte.replace(QLatin1Char(','), QLatin1Char('.'));
  return QDoubleSpinBox::validate(texte, position);
}

double BoiteMm::valueFromText(const QString& texte) const {
  return QDoubleSpinBox::valueFromText(QString(texte).replace(QLatin1Char(','), QLatin1Char('.')));
}

} // namespace bilobe::ui
