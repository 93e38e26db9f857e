// The series window never waits for its computations: they come after a
// pause in typing, in a worker, a newer edit stopping an older one; an
// export can be stopped and then writes nothing.
#include "controle.h"
#include "fenetre_dans_dossier.h"
#include "ferme_boites.h"

#include <QStatusBar>
#include <QThreadPool>

using namespace bilobe;
using bilobe::ui::Frm_Serie;

namespace {
const QString EXEMPLE = QStringLiteral(BILOBE_EXEMPLES "/planeur.toml");
} // namespace

class TestSerieSansGel : public QObject, FenetreDansDossier {
  Q_OBJECT

  Frm_Serie* serie() {
    f->ouvrir_serie();
    Frm_Serie* s = f->fenetre_serie();
    s->ouvrir(EXEMPLE);
    s->attendre_les_vues();
    return s;
  }
  static int travaux() { return QThreadPool::globalInstance()->activeThreadCount(); }

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() {
    fermer();
    QVERIFY(QThreadPool::globalInstance()->waitForDone(10000)); // nothing left running
  }

  // Typing "30" in the count draws once, for 30: never for 3 on the way.
  void uneSaisieUnSeulCalcul() {
    Frm_Serie* s = serie();
    QSignalSpy redessins(s, &Frm_Serie::vuesRedessinees);
    auto* nombre = controle<QSpinBox>(s, "txt_nombre");
    nombre->setFocus();
    nombre->selectAll();
    QTest::keyClicks(nombre, "30", Qt::NoModifier, 20);
    QCOMPARE(redessins.size(), 0);
    QVERIFY(redessins.wait(60000)); // generous: the sanitizers' build is slow
    QTest::qWait(2 * s->pause_ms);
    QCOMPARE(redessins.size(), 1);
    QCOMPARE(controle<QListWidget>(s, "lst_couples")->count(), 30);
  }

  // The name draws again with its new title, the formers the same.
  void leNomNeRetraceRien() {
    Frm_Serie* s = serie();
    const std::size_t couples = s->serie()->tous.size();
    QTest::keyClicks(controle<QLineEdit>(s, "txt_nom"), " 2");
    QVERIFY(s->calcul_en_cours());
    s->attendre_les_vues();
    QVERIFY(QString::fromStdString(controle<ui::VueSvg>(s, "vue_profil")->dessins().at(0).svg).contains("Planeur 2"));
    QCOMPARE(s->serie()->tous.size(), couples);
  }

  // 1000 formers, then 12 at once: the long computation stops (it would
  // take seconds), the views show the 12.
  void unCalculPlusRecentArreteLAncien() {
    Frm_Serie* s = serie();
    s->pause_ms = 0;
    QSignalSpy redessins(s, &Frm_Serie::vuesRedessinees);
    controle<QSpinBox>(s, "txt_nombre")->setValue(1000);
    QTRY_COMPARE(travaux(), 1); // started
    controle<QSpinBox>(s, "txt_nombre")->setValue(12);
    QVERIFY(redessins.wait(60000));
    QCOMPARE(controle<QListWidget>(s, "lst_couples")->count(), 12);
    QTRY_COMPARE_WITH_TIMEOUT(travaux(), 0, 3000);
    QCOMPARE(redessins.size(), 1);
  }

  // "Annuler" during a long export: nothing written, said in the status
  // bar, no box, the window usable again.
  void exportAnnuleNEcritRien() {
    Frm_Serie* s = serie();
    controle<QSpinBox>(s, "txt_nombre")->setValue(1000);
    s->progression_apres_ms = 0;
    FermeBoites boites;
    bool vu = false;
    QTimer annuler;
    connect(&annuler, &QTimer::timeout, [&] {
      auto* bouton = controle<QPushButton>(s, "Bt_AnnulerExport");
      if (!bouton->isVisible()) return;
      vu = true;
      QVERIFY(!controle<QWidget>(s, "defilement")->isEnabled());
      QTest::mouseClick(bouton, Qt::LeftButton);
    });
    annuler.start(100);
    s->exporter(chemin("sortie"));
    QVERIFY(vu);
    QVERIFY(!QDir(chemin("sortie")).exists() || QDir(chemin("sortie")).isEmpty());
    QCOMPARE(controle<QStatusBar>(s, "barre_etat")->currentMessage(),
             QStringLiteral("Export annulé : aucun fichier écrit"));
    QVERIFY(boites.textes.isEmpty());
    QVERIFY(controle<QWidget>(s, "defilement")->isEnabled());
    QVERIFY(controle<QPushButton>(s, "Bt_AnnulerExport")->isHidden());
  }
};

QTEST_MAIN(TestSerieSansGel)
#include "test_serie_sans_gel.moc"
