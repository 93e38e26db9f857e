#include "ui/editeur_kit.h"

#include "common/texte_nombre.h"
#include "formats/texte_kit.h"
#include "ui/boite_mm.h"
#include "ui/modeles/lecture_kit.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace bilobe::ui {

namespace {

QDoubleSpinBox* mm(double max, double valeur, const char* nom) {
  auto* s = new BoiteMm(0, max, 2, valeur);
  s->setObjectName(nom);
  return s;
}

QString qs(const std::string& texte) { return QString::fromStdString(texte); }

} // namespace

EditeurKit::EditeurKit(Mode mode, Qt::Orientation sens, QWidget* parent) : QWidget(parent) {
  auto* disposition = new QBoxLayout(sens == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
  disposition->setContentsMargins(0, 0, 0, 0);

  auto* encoches = new QGroupBox(QStringLiteral("Encoches (lisses, longerons, quille)"));
  auto* colonne = new QVBoxLayout(encoches);
  tab_encoches = new QTableWidget(0, 3);
  tab_encoches->setObjectName("tab_encoches");
  tab_encoches->setHorizontalHeaderLabels(
      {QStringLiteral("Place"), QStringLiteral("Largeur (mm)"), QStringLiteral("Profondeur (mm)")});
  // Every header read whole, and room for a handful of notches.
  tab_encoches->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  tab_encoches->verticalHeader()->setDefaultSectionSize(tab_encoches->fontMetrics().height() + 8);
  tab_encoches->setMinimumSize(4 * tab_encoches->fontMetrics().horizontalAdvance(QStringLiteral("Profondeur (mm)")),
                               6 * tab_encoches->verticalHeader()->defaultSectionSize());
  tab_encoches->setToolTip(QStringLiteral("Place : de 0 (dos) à 1 (ventre) le long du contour, ou dos, ventre, "
                                          "niveau ; entre 0 et 1, une encoche de chaque côté"));
  colonne->addWidget(tab_encoches);
  auto* boutons = new QHBoxLayout;
  Bt_AjouterEncoche = new QPushButton(QStringLiteral("Ajouter une en&coche"));
  Bt_AjouterEncoche->setObjectName("Bt_AjouterEncoche");
  Bt_SupprimerEncoche = new QPushButton(QStringLiteral("Supprimer l'enc&oche"));
  Bt_SupprimerEncoche->setObjectName("Bt_SupprimerEncoche");
  for (QPushButton* b : {Bt_AjouterEncoche, Bt_SupprimerEncoche}) {
    b->setAutoDefault(false);
    boutons->addWidget(b);
  }
  boutons->addStretch();
  colonne->addLayout(boutons);
  disposition->addWidget(encoches, 1);

  cadre_pattes = new QGroupBox(QStringLiteral("Pattes de montage"));
  cadre_pattes->setObjectName("cadre_pattes");
  cadre_pattes->setCheckable(true);
  cadre_pattes->setChecked(false);
  auto* formulaire = new QFormLayout(cadre_pattes);
  cmb_cote = new QComboBox;
  cmb_cote->setObjectName("cmb_cote");
  cmb_cote->addItems({QStringLiteral("dessous"), QStringLiteral("dessus")});
  txt_largeur_pattes = mm(1000, 6, "txt_largeur_pattes");
  txt_ecart_pattes = mm(10000, 15, "txt_ecart_pattes");
  const bool garde = mode == Mode::Garde;
  nom_distance_ = garde ? QStringLiteral("garde") : QStringLiteral("distance");
  txt_distance_pattes = mm(10000, garde ? 5 : 80, "txt_distance_pattes");
  formulaire->addRow(QStringLiteral("Côté du chantier :"), cmb_cote);
  formulaire->addRow(QStringLiteral("Largeur :"), txt_largeur_pattes);
  formulaire->addRow(QStringLiteral("Écart (axe - centre) :"), txt_ecart_pattes);
  formulaire->addRow(garde ? QStringLiteral("Garde sous le plus grand :") : QStringLiteral("Distance au niveau :"),
                     txt_distance_pattes);
  disposition->addWidget(cadre_pattes);

  connect(Bt_AjouterEncoche, &QPushButton::clicked, this, [this] {
    ajouter_ligne(QStringLiteral("dos"), QStringLiteral("3"), QStringLiteral("2"));
    emit modifie();
  });
  connect(Bt_SupprimerEncoche, &QPushButton::clicked, this, [this] {
    const int r = tab_encoches->currentRow() >= 0 ? tab_encoches->currentRow() : tab_encoches->rowCount() - 1;
    if (r < 0) return;
    tab_encoches->removeRow(r);
    emit modifie();
  });
  connect(tab_encoches, &QTableWidget::cellChanged, this, &EditeurKit::modifie);
  connect(cadre_pattes, &QGroupBox::toggled, this, &EditeurKit::modifie);
  connect(cmb_cote, &QComboBox::currentIndexChanged, this, &EditeurKit::modifie);
  // A comma typed in a cell becomes the point the cells are read with.
  connect(tab_encoches, &QTableWidget::itemChanged, this, [](QTableWidgetItem* item) {
    if (item->text().contains(QLatin1Char(',')))
      item->setText(item->text().replace(QLatin1Char(','), QLatin1Char('.')));
  });
  for (QDoubleSpinBox* s : {txt_largeur_pattes, txt_ecart_pattes, txt_distance_pattes})
    connect(s, &QDoubleSpinBox::valueChanged, this, &EditeurKit::modifie);
}

void EditeurKit::ajouter_ligne(const QString& place, const QString& largeur, const QString& profondeur) {
  const bool ancien = tab_encoches->blockSignals(true);
  const int r = tab_encoches->rowCount();
  tab_encoches->insertRow(r);
  int c = 0;
  for (const QString& texte : {place, largeur, profondeur}) tab_encoches->setItem(r, c++, new QTableWidgetItem(texte));
  tab_encoches->blockSignals(ancien);
}

std::optional<EditeurKit::Kit> EditeurKit::lire(QStringList& fautes) const {
  std::vector<LigneEncoche> lignes;
  for (int r = 0; r < tab_encoches->rowCount(); ++r) {
    const auto texte = [&](int c) {
      return tab_encoches->item(r, c) ? tab_encoches->item(r, c)->text().trimmed().toStdString() : std::string();
    };
    lignes.push_back({texte(0), texte(1), texte(2)});
  }
  std::optional<Pattes> pattes;
  if (cadre_pattes->isChecked())
    pattes = Pattes{cmb_cote->currentIndex() == 1, txt_largeur_pattes->value(), txt_ecart_pattes->value(),
                    txt_distance_pattes->value()};
  const KitLu lu = lire_kit(lignes, pattes, nom_distance_.toStdString());
  for (const std::string& faute : lu.fautes) fautes << qs(faute);
  if (!lu.fautes.empty()) return std::nullopt;
  return Kit{lu.encoches, lu.pattes};
}

QStringList EditeurKit::etat() const {
  QStringList e{cadre_pattes->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
                QString::number(cmb_cote->currentIndex())};
  for (const QDoubleSpinBox* s : {txt_largeur_pattes, txt_ecart_pattes, txt_distance_pattes})
    e << QString::number(s->value(), 'g', 17);
  for (int r = 0; r < tab_encoches->rowCount(); ++r)
    for (int c = 0; c < 3; ++c) e << (tab_encoches->item(r, c) ? tab_encoches->item(r, c)->text() : QString());
  return e;
}

void EditeurKit::restaurer(const QStringList& e) {
  const QSignalBlocker bloque(this);
  cadre_pattes->setChecked(e.value(0) == QStringLiteral("1"));
  cmb_cote->setCurrentIndex(e.value(1).toInt());
  int k = 2;
  for (QDoubleSpinBox* s : {txt_largeur_pattes, txt_ecart_pattes, txt_distance_pattes})
    s->setValue(e.value(k++).toDouble());
  tab_encoches->setRowCount(0);
  for (; k + 3 <= e.size(); k += 3) ajouter_ligne(e[k], e[k + 1], e[k + 2]);
}

void EditeurKit::remplir(const Kit& kit) {
  const QSignalBlocker bloque(this);
  tab_encoches->setRowCount(0);
  for (const Encoche& e : kit.encoches)
    ajouter_ligne(qs(texte_place(e)), qs(texte_exact(e.largeur)), qs(texte_exact(e.profondeur)));
  cadre_pattes->setChecked(kit.pattes.has_value());
  if (kit.pattes) {
    cmb_cote->setCurrentIndex(kit.pattes->dessus ? 1 : 0);
    txt_largeur_pattes->setValue(kit.pattes->largeur);
    txt_ecart_pattes->setValue(kit.pattes->ecart);
    txt_distance_pattes->setValue(kit.pattes->distance);
  }
}

} // namespace bilobe::ui
