// The series window's views, made away from the window: after a pause in
// typing, in a worker thread, a newer edit stopping an older computation;
// the last good views stay meanwhile.
#include "ui/frm_serie.h"

#include "serie/fuselage_3d.h"
#include "ui/gestion_erreurs.h"
#include "ui/modeles/nombres_francais.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace bilobe::ui {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// What a worker makes; never touches a widget.
Frm_Serie::Calcul calculer(const DescriptionSerie& description, const std::shared_ptr<const VuesSerie>& avant,
                           bool avec_3d, const Interruption* arret) {
  Frm_Serie::Calcul c;
  sans_exception(
      [&] {
        c.vues = vues_serie(description, avant, arret);
        c.profil = VueSvg::lire({{QString(), c.vues->profil}});
        std::vector<VueSvg::Dessin> planches;
        for (const VuesSerie::Planche& p : c.vues->planches) planches.push_back({qs(a_la_francaise(p.legende)), p.svg});
        c.planches = VueSvg::lire(std::move(planches));
      },
      [&](const QString& texte) { c.erreur = texte; });
  if (c.vues && avec_3d)
    sans_exception([&] { c.trois_d = apercu_3d(description); }, [&](const QString& texte) { c.erreur_3d = texte; });
  return c;
}

} // namespace

void Frm_Serie::mettre_a_jour() {
  if (en_remplissage_) return;
  setWindowModified(true);
  retenir();
  QStringList defauts;
  description_ = lire(defauts);
  arreter_calcul();
  if (!description_) {
    vues_valides_ = false;
    montrer_serie(defauts);
    emit vuesRedessinees();
    return;
  }
  minuterie_.start(pause_ms);
  lbl_calcul->show();
}

void Frm_Serie::arreter_calcul() {
  if (arret_) arret_->demander();
  arret_.reset();
  minuterie_.stop();
  lbl_calcul->hide();
}

void Frm_Serie::lancer_calcul() {
  if (!description_) return;
  arret_ = std::make_shared<Interruption>();
  // Copies only: the worker may still run when the window has moved on.
  calcul_.setFuture(QtConcurrent::run([d = *description_, avant = vues_, avec_3d = onglets->currentWidget() == vue_3d,
                                       arret = arret_] { return calculer(d, avant, avec_3d, arret.get()); }));
}

void Frm_Serie::calcul_fini() {
  if (!arret_ || arret_->demandee() || !calcul_.isFinished()) return; // an older one, or already shown
  arret_.reset();
  lbl_calcul->hide();
  Calcul c = calcul_.result();
  QStringList defauts;
  if (c.vues) {
    vues_ = c.vues;
    vue_profil->montrer(std::move(c.profil));
    vue_planches->montrer(std::move(c.planches));
  }
  vues_valides_ = c.vues != nullptr;
  if (!c.erreur.isEmpty()) defauts << c.erreur;
  trois_d_.reset();
  if (c.trois_d) trois_d_ = std::make_shared<Apercu3d>(std::move(*c.trois_d));
  erreur_3d_ = c.erreur_3d;
  a_refaire_3d_ = !c.trois_d && c.erreur_3d.isEmpty();
  montrer_serie(defauts);
  montrer_3d();
  emit vuesRedessinees();
}

bool Frm_Serie::calcul_en_cours() const { return minuterie_.isActive() || arret_ != nullptr; }

void Frm_Serie::attendre_les_vues() {
  if (minuterie_.isActive()) {
    minuterie_.stop();
    lancer_calcul();
  }
  if (!arret_) return;
  calcul_.waitForFinished();
  calcul_fini();
}

// The 3D view shows what the last computation made for it; when it was not
// current then, a computation makes it now.
void Frm_Serie::montrer_3d() {
  if (onglets->currentWidget() != vue_3d) return;
  if (a_refaire_3d_ && vues_valides_ && !calcul_en_cours()) {
    a_refaire_3d_ = false;
    lancer_calcul();
    lbl_calcul->show();
    return;
  }
  vue_3d->setEnabled(vues_valides_ && trois_d_ != nullptr);
  if (trois_d_) vue_3d->montrer(*trois_d_);
  if (!erreur_3d_.isEmpty()) {
    const QString avant = lbl_echecs->text();
    lbl_echecs->setText(avant.isEmpty() ? erreur_3d_ : avant + '\n' + erreur_3d_);
  }
}

void Frm_Serie::montrer_serie(const QStringList& defauts) {
  QStringList rouges = defauts;
  // While something is wrong, the last good views and list stay, greyed,
  // with the red sentence under them.
  for (QWidget* w : std::initializer_list<QWidget*>{vue_profil, vue_planches, lst_couples, vue_3d})
    w->setEnabled(vues_valides_);
  if (!vues_valides_) {
    lbl_echecs->setText(rouges.join('\n'));
    return;
  }
  const VuesSerie& v = *vues_;
  lst_couples->clear();
  int largeur = 0;
  for (std::size_t i = 0; i < v.liste.size(); ++i) {
    auto* item = new QListWidgetItem(qs(a_la_francaise(v.liste[i].texte)));
    item->setData(Qt::UserRole, static_cast<int>(i));
    if (v.liste[i].echec) {
      item->setForeground(QColor(0xc0, 0, 0));
      rouges << item->text();
    }
    largeur = std::max(largeur, lst_couples->fontMetrics().horizontalAdvance(item->text()));
    lst_couples->addItem(item);
  }
  // Wide enough for its longest line, within reason: nothing cut off on the right.
  lst_couples->setMinimumWidth(std::min(largeur + 2 * lst_couples->frameWidth() + 24, 300));
  lbl_echecs->setText(rouges.join('\n'));
}

} // namespace bilobe::ui
