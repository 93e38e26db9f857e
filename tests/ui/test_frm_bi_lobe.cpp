#include "controle.h"
#include "ferme_boites.h"
#include "ui/frm_bi_lobe.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using bilobe::ui::Frm_Bi_Lobe;

namespace {

QList<QWidget*> lignes_de_segment(Frm_Bi_Lobe& f, bool horizontal) {
  if (horizontal)
    return {controle<QLabel>(&f, "lbl_segh"), controle<QLineEdit>(&f, "txt_segh"), controle<QLabel>(&f, "lbl_mm_segh")};
  return {controle<QLabel>(&f, "lbl_segv"), controle<QLineEdit>(&f, "txt_segv"), controle<QLabel>(&f, "lbl_mm_segv")};
}

} // namespace

class TestFrmBiLobe : public QObject {
  Q_OBJECT

  std::unique_ptr<Frm_Bi_Lobe> f;
  std::unique_ptr<QSignalSpy> traces, messages;

  int traces_lancees() const { return static_cast<int>(traces->size()); }
  int messages_montres() const { return static_cast<int>(messages->size()); }

  QTemporaryDir reglages_;

private slots:
  // The program's settings in a folder of the test's, never the user's.
  void initTestCase() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages_.path()); }

  void init() {
    f = std::make_unique<Frm_Bi_Lobe>();
    traces = std::make_unique<QSignalSpy>(f.get(), &Frm_Bi_Lobe::traceLancee);
    messages = std::make_unique<QSignalSpy>(f.get(), &Frm_Bi_Lobe::messageMontre);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
  }
  void cleanup() {
    traces.reset();
    messages.reset();
    f.reset();
  }

  void etatInitial() {
    QCOMPARE(f->windowTitle(), QStringLiteral("Génération de fichier .DAT pour des couples bi-lobés"));
    QCOMPARE(f->size(), QSize(407, 343));
    QVERIFY(!(f->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(f->lire_champs(), bilobe::ChampsCouple{}); // 50, 100, 30, 60, 20, 40, 30, 10, 90, 20, boxes unticked
    for (QWidget* w : lignes_de_segment(*f, true) + lignes_de_segment(*f, false)) QVERIFY(!w->isEnabled());
    QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QStringLiteral(" 549 points)"));
    // The preview's inside is what the drawing scales to.
    QCOMPARE(controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->contentsRect().size(), QSize(165, 325));
    // Twips / 15: rows 240 apart with 285-high fields overlap by 3 pixels.
    QCOMPARE(controle<QLineEdit>(f, "txt_ytot")->geometry().top() -
                 controle<QLineEdit>(f, "txt_xtot")->geometry().bottom() - 1,
             -3);
  }

  void ordreDeTabulation() {
    f->activateWindow();
    controle<QLineEdit>(f, "txt_xtot")->setFocus();
    const QList<QWidget*> attendu = {controle<QLineEdit>(f, "txt_ytot"),   controle<QLineEdit>(f, "txt_xa"),
                                     controle<QLineEdit>(f, "txt_ya"),     controle<QLineEdit>(f, "txt_yinf"),
                                     controle<QCheckBox>(f, "chk_segv"),   controle<QCheckBox>(f, "chk_segh"),
                                     controle<QLineEdit>(f, "txt_ep"),     controle<QPushButton>(f, "Bt_Trace"),
                                     controle<QPushButton>(f, "Bt_Sauve"), controle<QLineEdit>(f, "txt_nbptel"),
                                     controle<QLineEdit>(f, "txt_nbptseg")};
    QWidget* w = controle<QLineEdit>(f, "txt_xtot");
    for (QWidget* suivant : attendu) {
      w = w->nextInFocusChain();
      while (!(w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))) w = w->nextInFocusChain();
      QCOMPARE(w->objectName(), suivant->objectName());
    }
  }

  void entreeEgaleBouton() {
    const int avant = traces_lancees();
    controle<QLineEdit>(f, "txt_ytot")->setFocus();
    controle<QLineEdit>(f, "txt_ytot")->clear();
    QTest::keyClicks(controle<QLineEdit>(f, "txt_ytot"), "2,5");
    QCOMPARE(traces_lancees(), avant); // ordinary characters run nothing
    QCOMPARE(controle<QLineEdit>(f, "txt_ytot")->text(), QStringLiteral("2,5"));
    controle<QLineEdit>(f, "txt_ytot")->setText("90");
    QTest::keyClick(controle<QLineEdit>(f, "txt_ytot"), Qt::Key_Return);
    QCOMPARE(traces_lancees(), avant + 1);
    QCOMPARE(controle<QLineEdit>(f, "txt_ytot")->text(), QStringLiteral("90"));
    const QImage apres_entree = controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image();
    QCOMPARE(f->couple().courant().liste.y(271), 1.0f);
    QCOMPARE(f->couple().courant().liste.x(91), 50.0 / 130.0);

    QTest::mouseClick(controle<QPushButton>(f, "Bt_Trace"), Qt::LeftButton);
    QCOMPARE(traces_lancees(), avant + 2);
    QCOMPARE(controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image(), apres_entree);

    // Enter held down: one trace for every repeated key.
    for (int i = 0; i < 3; ++i) {
      QKeyEvent repetee(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
      QApplication::sendEvent(controle<QLineEdit>(f, "txt_ytot"), &repetee);
    }
    QCOMPARE(traces_lancees(), avant + 5);
    QCOMPARE(controle<QLineEdit>(f, "txt_ytot")->text(), QStringLiteral("90"));
  }

  void casesDeSegment() {
    struct Cas {
      QCheckBox* boite;
      bool horizontal;
      const char* points;
    };
    const Cas suite[] = {{controle<QCheckBox>(f, "chk_segh"), true, " 589 points)"},
                         {controle<QCheckBox>(f, "chk_segv"), false, " 629 points)"},
                         {controle<QCheckBox>(f, "chk_segh"), true, " 589 points)"},
                         {controle<QCheckBox>(f, "chk_segv"), false, " 549 points)"}};
    for (const auto& k : suite) {
      QTest::mouseClick(k.boite, Qt::LeftButton, {}, QPoint(6, 8));
      for (QWidget* w : lignes_de_segment(*f, k.horizontal)) QCOMPARE(w->isEnabled(), k.boite->isChecked());
      QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QString::fromLatin1(k.points));
    }
    QCOMPARE(controle<QLineEdit>(f, "txt_segh")->text(), QStringLiteral("30"));
    // The space bar toggles a focused box like a click.
    controle<QCheckBox>(f, "chk_segv")->setFocus();
    QTest::keyClick(controle<QCheckBox>(f, "chk_segv"), Qt::Key_Space);
    QVERIFY(controle<QCheckBox>(f, "chk_segv")->isChecked());
    QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QStringLiteral(" 589 points)"));
  }

  void echecGardeLeDernierCoupleEtUnSeulMessage() {
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    const QImage avant = controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image();
    const int traces = traces_lancees();
    controle<QLineEdit>(f, "txt_xa")->setText("50");
    FermeBoites fermeture;
    QTest::mouseClick(controle<QPushButton>(f, "Bt_Trace"), Qt::LeftButton);
    QCOMPARE(fermeture.textes, QStringList{QStringLiteral("Division par zéro (ArcCos)")});

    // A slow window manager gives the activation back long after the box
    // closed: the same inputs are not traced again, so no second box.
    QWidget autre;
    autre.show();
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    QTest::qWait(2000);
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QTest::qWait(50);
    QCOMPARE(fermeture.textes.size(), 1);
    QCOMPARE(messages_montres(), 1);
    QCOMPARE(traces_lancees(), traces + 1);
    QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QStringLiteral(" 549 points)"));
    QCOMPARE(f->couple().courant().nbpts(), 549);
    QCOMPARE(controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image(), avant);

    // Any changed input is traced on the next activation, failing or not.
    struct Cas {
      const char* xa;
      int traces; // by this activation
      int messages;
    };
    for (const Cas& c : {Cas{"51", 1, 2}, Cas{"51", 0, 2}, Cas{"30", 1, 2}}) {
      controle<QLineEdit>(f, "txt_xa")->setText(c.xa);
      autre.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&autre));
      const int avant = traces_lancees();
      f->activateWindow();
      if (c.messages == messages_montres()) QVERIFY(QTest::qWaitForWindowActive(f.get())); // no box took it
      QTest::qWait(50);
      QCOMPARE(traces_lancees(), avant + c.traces);
      QCOMPARE(messages_montres(), c.messages);
    }
    QVERIFY(fermeture.textes.last().startsWith(QStringLiteral("Argument ou opération invalide (ArcCos)")));
    QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QStringLiteral(" 549 points)"));
    // The button still traces the inputs that failed, every time.
    controle<QLineEdit>(f, "txt_xa")->setText("50");
    QTest::mouseClick(controle<QPushButton>(f, "Bt_Trace"), Qt::LeftButton);
    QTest::mouseClick(controle<QPushButton>(f, "Bt_Trace"), Qt::LeftButton);
    QCOMPARE(messages_montres(), 4);
  }

  // Every caption stands whole inside its control, in the font it is drawn
  // with: MS Sans Serif's widths, and a face that really is bold or italic
  // where the layout asks for it.
  void legendesEntieres() {
    bilobe::ui::Frm_Sauve boite;
    for (QWidget* fenetre : {static_cast<QWidget*>(f.get()), static_cast<QWidget*>(&boite)}) {
      for (const QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (w->window() != fenetre) continue; // the preview's menu keeps the platform's menu font
        const QFont& police = w->font();
        const QFontInfo info(police);
        if (police.bold() || police.italic()) {
          QVERIFY2(!police.bold() || info.styleName().contains("Bold"), qPrintable(w->objectName()));
          QVERIFY2(!police.italic() || info.styleName().contains("Italic"), qPrintable(w->objectName()));
        } else {
          QVERIFY2(info.family() == QStringLiteral("MS Sans Serif"), qPrintable(w->objectName()));
        }
      }
      for (const QLabel* l : fenetre->findChildren<QLabel*>()) {
        if (l->objectName() == "lbl_nbpts") continue; // its text comes from the trace, checked below
        const QFontMetrics m(l->font());
        QVERIFY2(m.horizontalAdvance(l->text()) <= l->contentsRect().width(), qPrintable(l->text()));
        QVERIFY2(m.height() <= l->contentsRect().height(), qPrintable(l->text()));
      }
      for (const QGroupBox* g : fenetre->findChildren<QGroupBox*>())
        QVERIFY2(QFontMetrics(g->font()).horizontalAdvance(g->title()) + 16 <= g->width(), qPrintable(g->title()));
      for (const QPushButton* b : fenetre->findChildren<QPushButton*>()) {
        const int marges = 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
        QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(b->text()) + marges <= b->width(), qPrintable(b->text()));
      }
      // The check boxes show their box alone; it must not be cut.
      for (const QCheckBox* c : fenetre->findChildren<QCheckBox*>())
        QVERIFY(c->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, c) <= c->width());
    }
    const QFontMetrics m(controle<QLabel>(f, "lbl_nbpts")->font());
    QVERIFY(m.horizontalAdvance(QStringLiteral(" 999 points)")) <=
            controle<QLabel>(f, "lbl_nbpts")->contentsRect().width());
  }

  void activationRetrace() {
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QWidget autre;
    autre.show();
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    const int traces = traces_lancees();
    controle<QLineEdit>(f, "txt_nbptel")->setText("30");
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QCOMPARE(traces_lancees(), traces + 1);
    QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QStringLiteral(" 189 points)"));
  }

  // A shape that cannot be cut is drawn with its crossings and a red word;
  // a sound one has no red at all.
  void formeImpossibleEnRouge() {
    const auto rouges = [this] {
      const QImage& image = controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image();
      int n = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const QColor c = image.pixelColor(x, y);
          n += c.red() > 200 && c.green() < 80 && c.blue() < 80;
        }
      return n;
    };
    QCOMPARE(rouges(), 0);
    controle<QCheckBox>(f, "chk_segh")->click();
    controle<QCheckBox>(f, "chk_segv")->click();
    controle<QLineEdit>(f, "txt_segh")->setText("45");
    controle<QLineEdit>(f, "txt_segv")->setText("35");
    QTest::keyClick(controle<QLineEdit>(f, "txt_segv"), Qt::Key_Return);
    QCOMPARE(messages_montres(), 0); // drawn, not refused: the .DAT stays possible
    QVERIFY(rouges() > 50);
    controle<QLineEdit>(f, "txt_segh")->setText("30");
    controle<QLineEdit>(f, "txt_segv")->setText("20");
    QTest::keyClick(controle<QLineEdit>(f, "txt_segv"), Qt::Key_Return);
    QCOMPARE(rouges(), 0);
  }

  void apercuEnCoordonneesLogiques() {
    const QImage& image = controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image();
    const QColor noir(0, 0, 0), fond(255, 255, 192);
    // Level line of the defaults at y = 40 / 140, 225.8 pixels down (row 225), from
    // x = -0.03 (pixel 6) to beyond the right edge.
    for (int x : {6, 40, 164}) QCOMPARE(image.pixelColor(x, 225), noir);
    QCOMPARE(image.pixelColor(3, 225), fond);
    QCOMPARE(image.pixelColor(100, 200), fond);
    // Centre line at x = 0: column 15, from y = 1.03 to -0.03.
    for (int y : {6, 100, 316}) QCOMPARE(image.pixelColor(15, y), noir);
    QCOMPARE(image.pixelColor(15, 2), fond);
    // The widest point (0.357, 0.286) lies at column 122 on the level line: blue
    // lines cross it there.
    int bleus = 0;
    for (int x = 118; x <= 126; ++x)
      for (int y = 215; y <= 235; ++y) bleus += image.pixelColor(x, y) == QColor(0, 0, 255);
    QVERIFY(bleus > 5);
  }
};

QTEST_MAIN(TestFrmBiLobe)
#include "test_frm_bi_lobe.moc"
