// The two windows on a real screen size (given to the offscreen platform by
// the test's command): the series window beside the main one, or over its
// preview only, never scrolling sideways, each view tall enough.
#include "controle.h"
#include "fenetre_dans_dossier.h"
#include "ui/menu_gabarit.h"

#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>

using namespace bilobe;

class TestEcran : public QObject, FenetreDansDossier {
  Q_OBJECT

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() { fermer(); }

  void serieACoteDesChamps() {
    const QRect libre = f->screen()->availableGeometry();
    f->move(libre.center() - QPoint(f->width() / 2, f->height() / 2)); // where the program starts it
    QTest::qWait(20);
    controle<ui::MenuGabarit>(f, "menu_gabarit")->findChild<QAction*>("action_serie")->trigger();
    ui::Frm_Serie* s = f->fenetre_serie();
    s->ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
    QVERIFY(QTest::qWaitForWindowExposed(s));
    const auto texte = [](const QRect& r) {
      return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    // Both within the screen; the main window's fields in sight.
    QVERIFY2(libre.contains(s->frameGeometry()), qPrintable(texte(s->frameGeometry()) + " dans " + texte(libre)));
    QVERIFY2(libre.contains(f->frameGeometry()), qPrintable(texte(f->frameGeometry())));
    for (const char* cadre : {"Frame1", "Frame2", "Frame3"}) {
      auto* c = controle<QWidget>(f, cadre);
      const QRect champs(c->mapToGlobal(QPoint(0, 0)), c->size());
      QVERIFY2(!s->frameGeometry().intersects(champs),
               qPrintable(texte(champs) + " sous " + texte(s->frameGeometry())));
    }
    // Nothing cut on the right: the content fits the width it is given.
    auto* defilement = controle<QScrollArea>(s, "defilement");
    QVERIFY2(defilement->widget()->minimumSizeHint().width() <= defilement->viewport()->width(),
             qPrintable(QString::number(defilement->widget()->minimumSizeHint().width())));
    // Each view at least 300 of the screen's pixels tall.
    auto* onglets = controle<QTabWidget>(s, "onglets");
    for (int k = 0; k < onglets->count(); ++k) {
      onglets->setCurrentIndex(k);
      QTest::qWait(10);
      const double pixels = onglets->currentWidget()->height() * s->devicePixelRatioF();
      QVERIFY2(pixels >= 300, qPrintable(onglets->tabText(k) + " : " + QString::number(pixels)));
    }
    s->setWindowModified(false);
  }
};

QTEST_MAIN(TestEcran)
#include "test_ecran.moc"
