// The series window by the keyboard, without a trap: out of the table,
// pasting below it, saving in place, opening, starting anew, every button
// by its Alt letter; a new export folder taken.
#include "controle.h"
#include "fenetre_dans_dossier.h"
#include "ferme_boites.h"

#include <QClipboard>
#include <QFileDialog>
#include <QStatusBar>

using namespace bilobe;
using bilobe::ui::Frm_Serie;

class TestSerieClavier : public QObject, FenetreDansDossier {
  Q_OBJECT

  // The example, copied into the test's folder: saving in place stays there.
  Frm_Serie* serie() {
    f->ouvrir_serie();
    Frm_Serie* s = f->fenetre_serie();
    QFile::copy(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"), chemin("planeur.toml"));
    s->ouvrir(chemin("planeur.toml"));
    s->activateWindow();
    if (!QTest::qWaitForWindowActive(s)) qWarning("fenêtre pas active");
    return s;
  }
  static QTableWidget* table(Frm_Serie* s) { return controle<QTableWidget>(s, "tab_stations"); }

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() { fermer(); }

  // Tab on the last cell, typing or not, and Ctrl+Tab from any cell go on
  // to the buttons; Maj+Tab on the first cell goes back.
  void tabSortDuTableau() {
    Frm_Serie* s = serie();
    QTableWidget* t = table(s);
    const int derniere_ligne = t->rowCount() - 1, derniere_colonne = t->columnCount() - 1;
    const struct {
      const char* cas;
      int ligne, colonne;
      bool en_edition;
      Qt::Key touche;
      Qt::KeyboardModifiers modificateurs;
      bool sort;
    } cas[] = {
        {"Tab au milieu", 1, 1, false, Qt::Key_Tab, {}, false},
        {"Tab à la fin", derniere_ligne, derniere_colonne, false, Qt::Key_Tab, {}, true},
        {"Tab à la fin en saisie", derniere_ligne, derniere_colonne, true, Qt::Key_Tab, {}, true},
        {"Ctrl+Tab au milieu", 1, 1, false, Qt::Key_Tab, Qt::ControlModifier, true},
        {"Maj+Tab au début", 0, 0, false, Qt::Key_Backtab, Qt::ShiftModifier, true},
    };
    for (const auto& k : cas) {
      t->setFocus();
      t->setCurrentCell(k.ligne, k.colonne);
      QWidget* cible = t;
      if (k.en_edition) {
        t->editItem(t->item(k.ligne, k.colonne));
        cible = QApplication::focusWidget();
        QVERIFY2(cible != t && t->isAncestorOf(cible), k.cas);
        QTest::keyClicks(cible, "7");
      }
      QTest::keyClick(cible, k.touche, k.modificateurs);
      QWidget* focus = QApplication::focusWidget();
      QVERIFY2(focus, k.cas);
      QCOMPARE_NE(focus == t || t->isAncestorOf(focus), k.sort);
      if (k.en_edition) QCOMPARE(t->item(k.ligne, k.colonne)->text(), QStringLiteral("7"));
    }
    // Forward, the next control is the first button under the table.
    t->setFocus();
    t->setCurrentCell(derniere_ligne, derniere_colonne);
    QTest::keyClick(t, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), controle<QPushButton>(s, "Bt_Ajouter"));
  }

  // Rows pasted with nothing selected (the focus below the last row) or on
  // an empty row come as new stations; station 1 is never overwritten.
  void collerSousLaDerniereLigne() {
    Frm_Serie* s = serie();
    QTableWidget* t = table(s);
    const int lignes = t->rowCount();
    const QString premiere = t->item(0, 0)->text() + t->item(0, 1)->text();
    QApplication::clipboard()->setText(QStringLiteral("1200\t7\n1300\t6\n"));
    t->setFocus();
    t->clearSelection();
    QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t->rowCount(), lignes + 2);
    QCOMPARE(t->item(0, 0)->text() + t->item(0, 1)->text(), premiere);
    QCOMPARE(t->item(lignes, 0)->text(), QStringLiteral("1200"));
    QCOMPARE(t->item(lignes + 1, 1)->text(), QStringLiteral("6"));

    // An empty row selected, its third cell current: the rows fill it from its first cell.
    t->insertRow(1);
    for (int c = 0; c < t->columnCount(); ++c) t->setItem(1, c, new QTableWidgetItem);
    t->setCurrentCell(1, 2);
    QApplication::clipboard()->setText(QStringLiteral("100\t30\n"));
    QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(t->item(1, 0)->text(), QStringLiteral("100"));
    QCOMPARE(t->item(1, 1)->text(), QStringLiteral("30"));
  }

  // Ctrl+S in the file it came from, without a question; Ctrl+Maj+S asks.
  // Ctrl+O and Ctrl+N ask about the edits first; Ctrl+N starts from the
  // main window's former, without a file.
  void enregistrerOuvrirNouvelle() {
    Frm_Serie* s = serie();
    int demandes = 0, questions = 0;
    s->demander_fichier_a_enregistrer = [&](const QString&) {
      ++demandes;
      return chemin("copie.toml");
    };
    s->demander_enregistrement = [&](const QString&) {
      ++questions;
      return QMessageBox::Cancel;
    };
    table(s)->item(1, 1)->setText("31");
    QTest::keyClick(s, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(demandes, 0);
    QVERIFY(!s->isWindowModified());
    QVERIFY(lire(chemin("planeur.toml")).contains("xtot = 31\n"));
    QTest::keyClick(s, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(demandes, 1);
    QVERIFY(s->windowTitle().startsWith("copie.toml"));

    table(s)->item(1, 1)->setText("30");
    int ouvertures = 0;
    s->demander_fichier_a_ouvrir = [&] {
      ++ouvertures;
      return QString();
    };
    QTest::keyClick(s, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(s, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(questions, 2);
    QCOMPARE(ouvertures, 0); // cancelled at the question
    QCOMPARE(table(s)->item(1, 1)->text(), QStringLiteral("30"));

    s->demander_enregistrement = [&](const QString&) { return QMessageBox::Discard; };
    controle<QLineEdit>(f, "txt_xtot")->setText("44");
    QTest::keyClick(s, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(table(s)->rowCount(), 1);
    QCOMPARE(table(s)->item(0, 1)->text(), QStringLiteral("44"));
    QVERIFY(s->windowTitle().startsWith("sans titre"));
    QVERIFY(!s->isWindowModified());
    QVERIFY(!s->historique().canUndo());
    FermeBoites boites; // one station makes no series yet: said after asking where
    QTest::keyClick(s, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(demandes, 2);
    QTRY_COMPARE(boites.textes.size(), 1);
  }

  // Every button has an Alt letter, each its own among those seen
  // together, and Alt+letter presses it.
  void lettresAlt() {
    Frm_Serie* s = serie();
    for (const QPushButton* b : s->findChildren<QPushButton*>())
      if (b->objectName().startsWith("Bt_")) QVERIFY2(b->text().contains('&'), qPrintable(b->objectName()));
    QSet<QChar> lettres;
    for (const char* nom :
         {"Bt_Ouvrir", "Bt_Recents", "Bt_Enregistrer", "Bt_EnregistrerSous", "Bt_Exporter", "Bt_Ajouter", "Bt_Inserer",
          "Bt_Supprimer", "Bt_Trier", "Bt_DepuisPlan", "opt_nombre", "opt_positions"}) {
      const QString texte = controle<QAbstractButton>(s, nom)->text();
      const QChar lettre = texte.at(texte.indexOf('&') + 1).toLower();
      QVERIFY2(!lettres.contains(lettre), nom);
      lettres.insert(lettre);
    }
    const int lignes = table(s)->rowCount();
    QTest::keyClick(s, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(table(s)->rowCount(), lignes + 1); // the button shows itself pressed first
  }

  // A folder typed that does not exist yet is taken, and the export makes it.
  void exportDansUnNouveauDossier() {
    Frm_Serie* s = serie();
    QTimer::singleShot(200, [&] {
      auto* choix = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(choix);
      choix->setDirectory(dossier->path());
      choix->findChild<QLineEdit*>("fileNameEdit")->setText("nouveau");
      QMetaObject::invokeMethod(choix, "accept");
    });
    FermeBoites boites;
    QString choisi;
    choisi = s->demander_dossier();
    QCOMPARE(choisi, chemin("nouveau"));
    s->exporter(choisi);
    QTRY_COMPARE(boites.textes.size(), 1);
    QVERIFY2(boites.textes.front().contains("fichiers écrits"), qPrintable(boites.textes.front()));
    QVERIFY(QDir(chemin("nouveau")).exists("Profil.svg"));
  }
};

QTEST_MAIN(TestSerieClavier)
#include "test_serie_clavier.moc"
