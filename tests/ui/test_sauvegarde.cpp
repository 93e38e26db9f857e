#include "fenetre_dans_dossier.h"
#include "ferme_boites.h"

#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sstream>

using bilobe::ui::Frm_Bi_Lobe;
using bilobe::ui::Frm_Sauve;

namespace {

void ecrire(const QString& chemin, const QByteArray& octets) {
  QFile f(chemin);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(octets);
}

QStringList noms_listes(const QListWidget* liste) {
  QStringList noms;
  for (int i = 0; i < liste->count(); ++i) noms << liste->item(i)->text();
  return noms;
}

} // namespace

class TestSauvegarde : public QObject, FenetreDansDossier {
  Q_OBJECT

  Frm_Sauve* exporter() {
    QTest::mouseClick(f->Bt_Sauve, Qt::LeftButton);
    return f->boite_sauvegarde();
  }

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() { fermer(); }

  void exportParDefautCommeLaCommande() {
    QVERIFY(f->boite_sauvegarde() == nullptr); // created on first use
    Frm_Sauve* d = exporter();
    QVERIFY(d && d->isVisible());
    QCOMPARE(d->windowTitle(), QStringLiteral("Sauvegarde du fichier .DAT"));
    QCOMPARE(d->dossier_fichier(), QDir(dossier->path()).canonicalPath());
    QCOMPARE(d->txt_fichier->text(), QStringLiteral("Bi-lobe 140 x 50.dat"));
    QCOMPARE(d->donnees.nbpts(), 549);

    FermeBoites boites;
    QTest::mouseClick(d->Bt_Sauve, Qt::LeftButton);
    const QString attendu = d->dossier_fichier() + "/Bi-lobe 140 x 50.dat";
    QCOMPARE(boites.titres, QStringList{attendu});
    QCOMPARE(boites.textes, QStringList{QStringLiteral("Sauvegarde de  549 points effectuée")});
    QCOMPARE(boites.icones, QList<QMessageBox::Icon>{QMessageBox::NoIcon});
    QVERIFY(!d->isVisible());
    QCOMPARE(d->txt_fichier->text(), QStringLiteral("Bi-lobe 140 x 50.dat"));
    QCOMPARE(lire(attendu), octets_de_la_commande({}));
    QCOMPARE(noms_listes(d->Fichier), QStringList{}); // not refreshed by the save
  }

  void deuxAppuisEtChampModifieSansEntree() {
    Frm_Sauve* d = exporter();
    f->txt_nbptel->setText("30"); // no Enter, no trace
    f->txt_xtot->setText("60");
    QCOMPARE(exporter(), d);
    QCOMPARE(d->donnees.nbpts(), 189);
    QCOMPARE(f->lbl_nbpts->text(), QStringLiteral(" 189 points)"));
    QCOMPARE(d->txt_fichier->text(), QStringLiteral("Bi-lobe 140 x 60.dat"));
    FermeBoites boites;
    QTest::mouseClick(d->Bt_Sauve, Qt::LeftButton);
    QCOMPARE(lire(chemin("Bi-lobe 140 x 60.dat")), octets_de_la_commande({"--nbptel", "30", "--xtot", "60"}));
  }

  void traceEnEchecNiMontreeNiChangee() {
    f->txt_xa->setText("50");
    {
      FermeBoites boites;
      QTest::mouseClick(f->Bt_Sauve, Qt::LeftButton);
      QCOMPARE(boites.textes, QStringList{QStringLiteral("Division par zéro (ArcCos)")});
    }
    QVERIFY(f->boite_sauvegarde() == nullptr);

    f->txt_xa->setText("30");
    Frm_Sauve* d = exporter();
    d->close();
    f->txt_xa->setText("50");
    f->txt_xtot->setText("50");
    {
      FermeBoites boites;
      QTest::mouseClick(f->Bt_Sauve, Qt::LeftButton);
      QCOMPARE(boites.textes.size(), 1);
    }
    QVERIFY(!d->isVisible());
    QCOMPARE(d->donnees.nbpts(), 549);
    QCOMPARE(d->donnees.Commentaire, "Couple : 140 x 50 - bi-lobé - Orlenbrand - v1.0");
  }

  void clicEtDoubleClicRemplacentUnFichier() {
    ecrire(chemin("ancien.dat"), "ancien contenu plus long que rien");
    ecrire(chemin("autre.DAT"), "x");
    Frm_Sauve* d = exporter();
    QCOMPARE(noms_listes(d->Fichier), (QStringList{"ancien.dat", "autre.DAT"}));
    d->Fichier->setCurrentRow(0); // Fichier_Click
    QCOMPARE(d->txt_fichier->text(), QStringLiteral("ancien.dat"));
    {
      FermeBoites boites;
      QTest::mouseClick(d->Bt_Sauve, Qt::LeftButton);
    }
    QCOMPARE(lire(chemin("ancien.dat")), octets_de_la_commande({}));

    exporter();
    QListWidgetItem* autre = d->Fichier->item(1);
    const QPoint centre = d->Fichier->visualItemRect(autre).center();
    FermeBoites boites;
    QTest::mouseClick(d->Fichier->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(d->Fichier->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(boites.textes.size(), 1);
    QCOMPARE(d->txt_fichier->text(), QStringLiteral("autre.DAT"));
    QCOMPARE(lire(chemin("autre.DAT")), octets_de_la_commande({}));
  }

  void filtreDat() {
    for (const char* nom : {"a.dat", "B.DAT", "c.txt", "d.dat.bak", "e.Dat"}) ecrire(chemin(nom), "x");
    QDir(dossier->path()).mkdir("dossier.dat");
    Frm_Sauve* d = exporter();
    QCOMPARE(noms_listes(d->Fichier), (QStringList{"a.dat", "B.DAT", "e.Dat"}));
  }

  void echecsDeFichierSansRienPerdre() {
    ecrire(chemin("protege.dat"), "garde");
    QFile::setPermissions(chemin("protege.dat"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    Frm_Sauve* d = exporter();
    for (const QString& nom : {QString(), QStringLiteral("protege.dat"), QStringLiteral("absent/x.dat")}) {
      d->txt_fichier->setText(nom);
      FermeBoites boites;
      QTest::mouseClick(d->Bt_Sauve, Qt::LeftButton);
      QCOMPARE(boites.textes.size(), 1);
      QVERIFY2(boites.textes[0].startsWith(QStringLiteral("Erreur de fichier (") + d->dossier_fichier() + "/"),
               qPrintable(boites.textes[0]));
      QVERIFY(d->isVisible());
      QCOMPARE(d->txt_fichier->text(), nom);
      QCOMPARE(d->donnees.nbpts(), 549);
    }
    QCOMPARE(lire(chemin("protege.dat")), QByteArray("garde"));
    QCOMPARE(QDir(dossier->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"protege.dat"});
  }

  void navigation() {
    QDir(dossier->path()).mkpath("sous/profond");
    ecrire(chemin("sous/s.dat"), "x");
    Frm_Sauve* d = exporter();
    const QString racine = d->dossier_fichier();
    const int n = d->Repertoire->count();
    QCOMPARE(d->Repertoire->item(n - 1)->text().trimmed(), QStringLiteral("sous"));

    d->Repertoire->setCurrentRow(n - 1); // highlighted, not opened
    QCOMPARE(d->dossier_fichier(), racine);
    QTest::keyClick(d->Repertoire, Qt::Key_Return); // opened
    QCOMPARE(d->dossier_repertoire(), racine + "/sous");
    QCOMPARE(d->dossier_fichier(), racine + "/sous");
    QCOMPARE(noms_listes(d->Fichier), QStringList{"s.dat"});

    FermeBoites boites;
    QVERIFY(!d->ouvrir_dossier(racine + "/disparu"));
    QCOMPARE(boites.textes.size(), 1);
    QCOMPARE(d->dossier_fichier(), racine + "/sous");
    QCOMPARE(noms_listes(d->Fichier), QStringList{"s.dat"});

    QVERIFY(d->Lecteur->findData(QStringLiteral("/")) >= 0);
    // A drive that cannot be read: the drive list shows it, the other lists stay.
    d->Lecteur->addItem(QStringLiteral("/lecteur-absent"), QStringLiteral("/lecteur-absent"));
    d->Lecteur->setCurrentIndex(d->Lecteur->count() - 1);
    QCOMPARE(boites.textes.size(), 2);
    QCOMPARE(d->Lecteur->currentText(), QStringLiteral("/lecteur-absent"));
    QCOMPARE(d->dossier_repertoire(), racine + "/sous");
    QCOMPARE(d->dossier_fichier(), racine + "/sous");
    // Back on the folder's own drive, the list opens where it was left there.
    d->Lecteur->setCurrentIndex(d->Lecteur->findData(QStorageInfo(racine).rootPath()));
    QCOMPARE(d->dossier_repertoire(), racine + "/sous");
  }

  void entreeNeSauvePasEchapNeFermePas() {
    Frm_Sauve* d = exporter();
    FermeBoites boites;
    QTest::keyClick(d->txt_fichier, Qt::Key_Return);
    QTest::keyClick(d->txt_fichier, Qt::Key_Escape);
    QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(d->isVisible());
    QVERIFY(boites.textes.isEmpty());
    QVERIFY(!QFile::exists(chemin("Bi-lobe 140 x 50.dat")));
    QVERIFY(!d->Bt_Sauve->isDefault() && !d->Bt_Sauve->autoDefault());

    const QList<QWidget*> ordre = {d->Repertoire, d->Fichier, d->txt_fichier, d->Bt_Sauve};
    QWidget* w = d->Lecteur;
    for (QWidget* suivant : ordre) {
      do w = w->nextInFocusChain();
      while (!(w->focusPolicy() & Qt::TabFocus));
      QCOMPARE(w, suivant);
    }
  }

  void activationGardeLaListeJusquAuProchainPoint() {
    Frm_Sauve* d = exporter();
    f->activateWindow();
    d->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(d));
    QVERIFY(d->donnees.nouvelle_liste);
    QCOMPARE(d->donnees.nbpts(), 549);
    FermeBoites boites;
    QTest::mouseClick(d->Bt_Sauve, Qt::LeftButton);
    QCOMPARE(lire(chemin("Bi-lobe 140 x 50.dat")), octets_de_la_commande({}));
  }

  void auClavierSeul() {
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    f->Bt_Sauve->setFocus();
    QTest::keyClick(f->Bt_Sauve, Qt::Key_Space);
    Frm_Sauve* d = f->boite_sauvegarde();
    QVERIFY(d && QTest::qWaitForWindowActive(d));
    QCOMPARE(QApplication::focusWidget(), d->Lecteur);
    for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), d->Bt_Sauve);
    FermeBoites boites;
    QTest::keyClick(d->Bt_Sauve, Qt::Key_Space);
    QCOMPARE(boites.textes.size(), 1);
    QCOMPARE(lire(chemin("Bi-lobe 140 x 50.dat")), octets_de_la_commande({}));
  }

  void fenetrePrincipaleFermeeLaBoiteResteUtilisable() {
    // Runs the application's own event loop: it must end by itself once the
    // dialog, left alone on screen, has saved and hidden itself.
    QApplication::setQuitOnLastWindowClosed(true);
    Frm_Sauve* d = nullptr;
    bool boite_restee_visible = false;
    FermeBoites boites;
    bool programme_encore_la = false;
    QTimer::singleShot(0, [&] {
      d = exporter();
      f->close();
    });
    // Had closing the main window ended the program, this would never run.
    QTimer::singleShot(300, [&] {
      programme_encore_la = true;
      boite_restee_visible = d->isVisible();
      QTest::mouseClick(d->Bt_Sauve, Qt::LeftButton);
    });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(programme_encore_la);
    QVERIFY(boite_restee_visible);
    QCOMPARE(boites.textes, QStringList{QStringLiteral("Sauvegarde de  549 points effectuée")});
    QVERIFY(!d->isVisible());
    QCOMPARE(lire(chemin("Bi-lobe 140 x 50.dat")), octets_de_la_commande({}));
  }
};

QTEST_MAIN(TestSauvegarde)
#include "test_sauvegarde.moc"
