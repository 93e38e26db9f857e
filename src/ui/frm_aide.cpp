#include "ui/frm_aide.h"

#include "geometry/lignes.h"
#include "geometry/trace.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace bilobe::ui {

namespace {

// The default former (50, 100, 30, 60, 40, wall 10) with its dimensions named.
class DessinCotes : public QWidget {
public:
  DessinCotes() {
    setObjectName("dessin_aide");
    setMinimumSize(320, 420);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    const ChampsCouple champs;
    const Lignes l = lignes_du_couple(tracer(champs));
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    // mm to pixels: the former, 100 x 155 mm with its tabs, centred with room for the words.
    const double k = std::min((width() - 180) / 100.0, (height() - 60) / 155.0);
    const QPointF origine(width() / 2.0 - 10, 30 + 100 * k);
    const auto px = [&](double x, double y) { return origine + QPointF(x * k, -y * k); };
    const auto trait = [&](const Boucle& b) {
      QPainterPath chemin;
      for (std::size_t i = 0; i < b.size(); ++i)
        i == 0 ? chemin.moveTo(px(b[i].x, b[i].y)) : chemin.lineTo(px(b[i].x, b[i].y));
      chemin.closeSubpath();
      p.drawPath(chemin);
    };
    p.setPen(QPen(QColor(200, 0, 0), 1.5));
    trait(l.exterieur);
    trait(l.interieur);
    p.setPen(QPen(QColor(0, 0, 200), 1, Qt::DashLine));
    p.drawLine(px(0, 110), px(0, -50)); // the centre line
    p.drawLine(px(-60, 0), px(60, 0));  // the level line
    p.setPen(QPen(Qt::black, 1));
    const auto cote = [&](QPointF a, QPointF b, const QString& nom, QPointF ou) {
      p.drawLine(a, b);
      for (const QPointF& bout : {a, b}) p.drawEllipse(bout, 2, 2);
      p.drawText(ou, nom);
    };
    cote(px(0, -2), px(50, -2), QStringLiteral("xtot"), px(22, -8));
    cote(px(58, 0), px(58, 100), QStringLiteral("ytot"), px(60, 50));
    cote(px(58, 0), px(58, -40), QStringLiteral("yinf"), px(60, -32));
    p.setBrush(Qt::black);
    p.drawEllipse(px(30, 60), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.drawText(px(32, 68), QStringLiteral("jonction (xa, ya)"));
    cote(px(-50, 0), px(-40, 0), QStringLiteral("ep"), px(-50, -8));
    p.drawText(px(-45, 104), QStringLiteral("axe"));
    p.drawText(px(-40, 3), QStringLiteral("niveau"));
    // What the default former has not: the two segments, a notch, the tabs.
    p.setPen(QPen(QColor(200, 0, 200), 1.5));
    p.drawRect(QRectF(px(-2, 100), px(2, 96)));                                         // a notch at the back
    for (const double x : {-12.0, 8.0}) p.drawRect(QRectF(px(x, -39), px(x + 4, -52))); // two tabs
    p.setPen(QPen(QColor(0, 130, 0), 2));
    p.drawLine(px(50, 0), px(50, -16));  // where a straight side would go, below the level line
    p.drawLine(px(-8, -40), px(8, -40)); // and a flat bottom
    p.setPen(Qt::black);
    p.drawText(px(6, 104), QStringLiteral("encoche"));
    p.drawText(px(14, -50), QStringLiteral("pattes"));
    p.drawText(px(52, -12), QStringLiteral("seg. vertical"));
    p.drawText(px(-40, -58), QStringLiteral("segment horizontal"));
  }
};

const char* const TEXTE =
    "<h3>Les cotes du couple</h3>"
    "<p><b>Largeur totale</b> (xtot) : de l'axe au flanc, la moitié de la largeur du couple.<br>"
    "<b>Hauteur totale dos</b> (ytot) : de la ligne de niveau, là où le couple est le plus large, au dos.<br>"
    "<b>Point de jonction</b> (xa, ya) : où le lobe du dos rejoint celui du flanc.<br>"
    "<b>Hauteur partie inférieure</b> (yinf) : de la ligne de niveau au ventre.<br>"
    "<b>Segments</b> : un flanc droit (vertical) et un fond plat (horizontal), chacun de sa longueur.<br>"
    "<b>Épaisseur de paroi</b> (ep) : l'anneau entre le contour et le creux.</p>"
    "<p>Les nombres s'écrivent avec un <b>point</b> décimal (45.5) ; un champ qui n'est pas entièrement un "
    "nombre devient rouge et sa bulle dit ce qui est lu. Dans les boîtes en mm et les cellules de la série, la "
    "virgule est acceptée (2,5 se lit 2.5).</p>"
    "<h3>Encoches et pattes</h3>"
    "<p>Une <b>encoche</b> reçoit une lisse, une quille ou un longeron : sa place va de 0 (dos) à 1 (ventre), "
    "ou « niveau » ; une place entre les deux donne une paire. Les <b>pattes</b> tiennent le couple debout sur "
    "le chantier, sa ligne de niveau sur une même droite pour tout le fuselage ; on les coupe après collage.</p>"
    "<h3>Touches</h3>"
    "<p>Entrée : tracer. F1 : cette aide. Ctrl+Maj+S, D, P : exporter SVG, DXF, PDF. Ctrl+Maj+C : paroi "
    "constante. Ctrl+Maj+G : saignée. Ctrl+Maj+E : encoches et pattes. Ctrl+Maj+R : série de couples.</p>"
    "<p>Dans la série : Ctrl+S enregistrer, Ctrl+Maj+S enregistrer sous, Ctrl+O ouvrir, Ctrl+N nouvelle série, "
    "Ctrl+Z et Ctrl+Y annuler et rétablir, Ctrl+V coller des lignes d'un tableur (sous la dernière ligne : de "
    "nouvelles stations). Tab sur la dernière cellule ou Ctrl+Tab : sortir du tableau. Alt et la lettre "
    "soulignée : le bouton. « Depuis un plan… » (Alt+D) : suivre le fuselage sur un plan (image, PDF, DXF) "
    "et en tirer les stations ; sur le plan, clic : ajouter ou tirer un point, clic droit : le supprimer.</p>";

} // namespace

Frm_Aide::Frm_Aide(QWidget* parent) : QDialog(parent) {
  setObjectName("Frm_Aide");
  setWindowTitle(QStringLiteral("Aide - Couple bi-lobé"));
  // In a scroll area: at a large scale or on a small screen the text goes on below.
  auto* contenu = new QWidget;
  auto* disposition = new QHBoxLayout(contenu);
  disposition->addWidget(new DessinCotes, 0, Qt::AlignTop);
  auto* texte = new QLabel(QString::fromUtf8(TEXTE));
  texte->setObjectName("texte_aide");
  texte->setWordWrap(true);
  texte->setMinimumWidth(360);
  texte->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  disposition->addWidget(texte, 1);
  auto* defilement = new QScrollArea;
  defilement->setObjectName("defilement_aide");
  defilement->setWidgetResizable(true);
  defilement->setFrameShape(QFrame::NoFrame);
  defilement->setWidget(contenu);
  auto* racine = new QVBoxLayout(this);
  racine->setContentsMargins(0, 0, 0, 0);
  racine->addWidget(defilement);
  // As large as its text asks, within the screen's free area.
  const QSize voulue = contenu->sizeHint() + QSize(defilement->verticalScrollBar()->sizeHint().width(), 0);
  const QRect libre = (parent ? parent->screen() : screen())->availableGeometry();
  resize(std::min(voulue.width(), libre.width() * 9 / 10), std::min(voulue.height(), libre.height() * 9 / 10));
}

QString texte_a_propos() {
  return QStringLiteral("<b>Couple bi-lobé</b> %1<br>Dessin de couples de fuselage bi-lobés pour le modélisme : "
                        "fichiers .DAT, gabarits, séries de couples, kits.")
      .arg(QStringLiteral(BILOBE_VERSION));
}

} // namespace bilobe::ui
