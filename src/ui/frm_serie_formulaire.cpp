// The series window's form: read into a description, filled from one, and
// its whole state as texts for the undo history.
#include "ui/frm_serie.h"

#include "serie/fichier_fuselage.h"
#include "serie/fichier_plan.h"
#include "ui/modeles/formulaire_serie.h"

namespace bilobe::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

QString oui_non(bool oui) { return oui ? QStringLiteral("1") : QStringLiteral("0"); }

} // namespace

std::optional<DescriptionSerie> Frm_Serie::lire(QStringList& defauts) {
  using namespace champs_serie;
  FormulaireSerie f;
  f.stations = lignes();
  f.lisse = cmb_interpolation->currentIndex() == 1;
  f.par_nombre = opt_nombre->isChecked();
  f.nombre = txt_nombre->value();
  f.positions = txt_positions->text().toStdString();
  for (std::size_t k = 0; k < TEXTES.size(); ++k) f.textes[k] = textes_[k]->text().toStdString();
  for (std::size_t k = 0; k < CASES.size(); ++k) f.cases[k] = cases_[k]->isChecked();
  for (std::size_t k = 0; k < LONGUEURS.size(); ++k) f.longueurs[k] = longueurs_[k]->value();
  QStringList fautes_kit;
  if (const auto kit = editeur_kit->lire(fautes_kit)) {
    f.kit.encoches = kit->encoches;
    f.kit.pattes = kit->pattes;
  }
  for (const QString& faute : fautes_kit) f.kit.fautes.push_back(faute.toStdString());

  FormulaireLu lu = lire_formulaire(f);
  montrer_defauts(lu.cellules);
  const bool positions_fausses = !f.par_nombre && lu.defaut_positions;
  txt_positions->setStyleSheet(positions_fausses ? QStringLiteral("background: #ffc8c8") : QString());
  txt_positions->setToolTip(positions_fausses ? qs(*lu.defaut_positions) : QString());
  for (const std::string& defaut : lu.defauts) defauts << qs(defaut);
  if (lu.description) lu.description->plan = plan_;
  return lu.description;
}

void Frm_Serie::remplir(const DescriptionSerie& d) {
  en_remplissage_ = true;
  using namespace champs_serie;
  DescriptionSerie copie = d; // the lengths are reached through references
  for (std::size_t k = 0; k < TEXTES.size(); ++k) textes_[k]->setText(qs(d.*(TEXTES[k].valeur)));
  for (std::size_t k = 0; k < CASES.size(); ++k) cases_[k]->setChecked(CASES[k].lire(d));
  for (std::size_t k = 0; k < LONGUEURS.size(); ++k) longueurs_[k]->setValue(LONGUEURS[k].valeur(copie));
  tab_stations->setRowCount(0);
  for (const LigneStation& ligne : lignes_de(d.stations)) ajouter_ligne(ligne);
  opt_nombre->setChecked(d.nombre.has_value());
  opt_positions->setChecked(!d.nombre.has_value());
  if (d.nombre) txt_nombre->setValue(*d.nombre);
  txt_positions->setText(d.positions ? qs(texte_positions(*d.positions)) : QString());
  cmb_interpolation->setCurrentIndex(d.interpolation == Interpolation::Lisse ? 1 : 0);
  EditeurKit::Kit kit{d.gabarit.encoches, std::nullopt};
  kit.pattes = d.pattes;
  editeur_kit->remplir(kit);
  plan_ = d.plan;
  en_remplissage_ = false;
  mettre_a_jour();
  setWindowModified(false);
  // A file opened starts a history of its own.
  historique_.clear();
  etat_retenu_ = etat();
  etat_enregistre_ = etat_retenu_;
}

QStringList Frm_Serie::etat() const {
  using namespace champs_serie;
  QStringList e;
  for (const QLineEdit* t : textes_) e << t->text();
  for (const QCheckBox* c : cases_) e << oui_non(c->isChecked());
  for (const QDoubleSpinBox* l : longueurs_) e << QString::number(l->value(), 'g', 17);
  e << oui_non(opt_nombre->isChecked()) << QString::number(txt_nombre->value()) << txt_positions->text()
    << QString::number(cmb_interpolation->currentIndex());
  // The notches and tabs, their count first so that the table's rows follow.
  const QStringList kit = editeur_kit->etat();
  e << QString::number(kit.size()) << kit;
  e << (plan_ ? qs(texte_plan(*plan_)) : QString());
  for (const LigneStation& ligne : lignes())
    for (const std::string& cellule : ligne) e << QString::fromStdString(cellule);
  return e;
}

void Frm_Serie::restaurer(const QStringList& e) {
  en_remplissage_ = true;
  int k = 0;
  for (QLineEdit* t : textes_) t->setText(e[k++]);
  for (QCheckBox* c : cases_) c->setChecked(e[k++] == oui_non(true));
  for (QDoubleSpinBox* l : longueurs_) l->setValue(e[k++].toDouble());
  const bool nombre = e[k++] == oui_non(true);
  opt_nombre->setChecked(nombre);
  opt_positions->setChecked(!nombre);
  txt_nombre->setValue(e[k++].toInt());
  txt_positions->setText(e[k++]);
  cmb_interpolation->setCurrentIndex(e[k++].toInt());
  const int taille_kit = e[k++].toInt();
  editeur_kit->restaurer(e.mid(k, taille_kit));
  k += taille_kit;
  plan_ = plan_du_texte(e[k++].toStdString());
  tab_stations->setRowCount(0);
  for (; k + static_cast<int>(COLONNES_STATION) <= e.size(); k += static_cast<int>(COLONNES_STATION)) {
    LigneStation ligne;
    for (std::size_t c = 0; c < COLONNES_STATION; ++c) ligne[c] = e[k + static_cast<int>(c)].toStdString();
    ajouter_ligne(ligne);
  }
  en_remplissage_ = false;
  en_retour_ = true;
  mettre_a_jour();
  en_retour_ = false;
  etat_retenu_ = e;
}

} // namespace bilobe::ui
