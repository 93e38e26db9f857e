#include "ui/boite_mm.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

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

// "600 mm", not "600.000 mm": the decimals it needs, no more.
QString BoiteMm::textFromValue(double valeur) const {
  QString texte = QString::number(valeur, 'f', decimals());
  if (texte.contains(QLatin1Char('.'))) {
    while (texte.endsWith(QLatin1Char('0'))) texte.chop(1);
    if (texte.endsWith(QLatin1Char('.'))) texte.chop(1);
  }
  return texte;
}

double BoiteMm::valueFromText(const QString& texte) const {
  return QDoubleSpinBox::valueFromText(QString(texte).replace(QLatin1Char(','), QLatin1Char('.')));
}

std::optional<double> demander_mm(QWidget* parent, const QuestionMm& q) {
  QDialog boite(parent);
  boite.setWindowTitle(q.titre);
  auto* disposition = new QVBoxLayout(&boite);
  disposition->addWidget(new QLabel(q.libelle));
  auto* mm = new BoiteMm(q.min, q.max, 2, q.valeur);
  mm->setObjectName(q.nom);
  disposition->addWidget(mm);
  auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(boutons, &QDialogButtonBox::accepted, &boite, &QDialog::accept);
  QObject::connect(boutons, &QDialogButtonBox::rejected, &boite, &QDialog::reject);
  disposition->addWidget(boutons);
  // Wide enough for its whole title beside the title bar's buttons, whatever the scale.
  const QFontMetrics lettres(QApplication::font("QMdiSubWindowTitleBar"));
  boite.setMinimumWidth(std::max(boite.sizeHint().width(), lettres.horizontalAdvance(q.titre) * 6 / 5 + 140));
  if (boite.exec() != QDialog::Accepted) return std::nullopt;
  return mm->value();
}

} // namespace bilobe::ui
