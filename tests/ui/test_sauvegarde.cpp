#include "controle.h"
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
    QTest::mouseClick(controle<QPushButton>(f, "Bt_Sauve"), Qt::LeftButton);
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
    QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QStringLiteral("Bi-lobe 140 x 50.dat"));
    QCOMPARE(d->donnees.nbpts(), 549);

    FermeBoites boites;
    QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
    const QString attendu = d->dossier_fichier() + "/Bi-lobe 140 x 50.dat";
    QCOMPARE(boites.titres, QStringList{attendu});
    QCOMPARE(boites.textes, QStringList{QStringLiteral("Sauvegarde de  549 points effectuée")});
    QCOMPARE(boites.icones, QList<QMessageBox::Icon>{QMessageBox::NoIcon});
    QVERIFY(!d->isVisible());
    QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QStringLiteral("Bi-lobe 140 x 50.dat"));
    QCOMPARE(lire(attendu), octets_de_la_commande({}));
    QCOMPARE(noms_listes(controle<QListWidget>(d, "Fichier")), QStringList{}); // not refreshed by the save
  }

  void deuxAppuisEtChampModifieSansEntree() {
    Frm_Sauve* d = exporter();
    controle<QLineEdit>(f, "txt_nbptel")->setText("30"); // no Enter, no trace
    controle<QLineEdit>(f, "txt_xtot")->setText("60");
    QCOMPARE(exporter(), d);
    QCOMPARE(d->donnees.nbpts(), 189);
    QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QStringLiteral(" 189 points)"));
    QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QStringLiteral("Bi-lobe 140 x 60.dat"));
    FermeBoites boites;
    QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
    QCOMPARE(lire(chemin("Bi-lobe 140 x 60.dat")), octets_de_la_commande({"--nbptel", "30", "--xtot", "60"}));
  }

  void traceEnEchecNiMontreeNiChangee() {
    controle<QLineEdit>(f, "txt_xa")->setText("50");
    {
      FermeBoites boites;
      QTest::mouseClick(controle<QPushButton>(f, "Bt_Sauve"), Qt::LeftButton);
      QCOMPARE(boites.textes, QStringList{QStringLiteral("Division par zéro (ArcCos)")});
    }
    QVERIFY(f->boite_sauvegarde() == nullptr);

    controle<QLineEdit>(f, "txt_xa")->setText("30");
    Frm_Sauve* d = exporter();
    d->close();
    controle<QLineEdit>(f, "txt_xa")->setText("50");
    controle<QLineEdit>(f, "txt_xtot")->setText("50");
    {
      FermeBoites boites;
      QTest::mouseClick(controle<QPushButton>(f, "Bt_Sauve"), Qt::LeftButton);
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
    QCOMPARE(noms_listes(controle<QListWidget>(d, "Fichier")), (QStringList{"ancien.dat", "autre.DAT"}));
    controle<QListWidget>(d, "Fichier")->setCurrentRow(0); // Fichier_Click
    QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QStringLiteral("ancien.dat"));
    {
      FermeBoites boites;
      QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
    }
    QCOMPARE(lire(chemin("ancien.dat")), octets_de_la_commande({}));

    exporter();
    QListWidgetItem* autre = controle<QListWidget>(d, "Fichier")->item(1);
    const QPoint centre = controle<QListWidget>(d, "Fichier")->visualItemRect(autre).center();
    FermeBoites boites;
    QTest::mouseClick(controle<QListWidget>(d, "Fichier")->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(controle<QListWidget>(d, "Fichier")->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(boites.textes.size(), 1);
    QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QStringLiteral("autre.DAT"));
    QCOMPARE(lire(chemin("autre.DAT")), octets_de_la_commande({}));
  }

  void filtreDat() {
    for (const char* nom : {"a.dat", "B.DAT", "c.txt", "d.dat.bak", "e.Dat"}) ecrire(chemin(nom), "x");
    QDir(dossier->path()).mkdir("dossier.dat");
    Frm_Sauve* d = exporter();
    QCOMPARE(noms_listes(controle<QListWidget>(d, "Fichier")), (QStringList{"a.dat", "B.DAT", "e.Dat"}));
  }

  void echecsDeFichierSansRienPerdre() {
    ecrire(chemin("protege.dat"), "garde");
    QFile::setPermissions(chemin("protege.dat"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    Frm_Sauve* d = exporter();
    for (const QString& nom : {QString(), QStringLiteral("protege.dat"), QStringLiteral("absent/x.dat")}) {
      controle<QLineEdit>(d, "txt_fichier")->setText(nom);
      FermeBoites boites;
      QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
      QCOMPARE(boites.textes.size(), 1);
      QVERIFY2(boites.textes[0].startsWith(QStringLiteral("Erreur de fichier (") + d->dossier_fichier() + "/"),
               qPrintable(boites.textes[0]));
      QVERIFY(d->isVisible());
      QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), nom);
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
    QTreeWidgetItem* sous =
        controle<QTreeWidget>(d, "Repertoire")->findItems("sous", Qt::MatchExactly | Qt::MatchRecursive).value(0);
    QVERIFY(sous);

    controle<QTreeWidget>(d, "Repertoire")->setCurrentItem(sous); // highlighted, not opened
    QCOMPARE(d->dossier_fichier(), racine);
    QTest::keyClick(controle<QTreeWidget>(d, "Repertoire"), Qt::Key_Return); // opened
    QCOMPARE(d->dossier_repertoire(), racine + "/sous");
    QCOMPARE(d->dossier_fichier(), racine + "/sous");
    QCOMPARE(noms_listes(controle<QListWidget>(d, "Fichier")), QStringList{"s.dat"});

    FermeBoites boites;
    QVERIFY(!d->ouvrir_dossier(racine + "/disparu"));
    QCOMPARE(boites.textes.size(), 1);
    QCOMPARE(d->dossier_fichier(), racine + "/sous");
    QCOMPARE(noms_listes(controle<QListWidget>(d, "Fichier")), QStringList{"s.dat"});

    QVERIFY(controle<QComboBox>(d, "Lecteur")->findData(QStringLiteral("/")) >= 0);
    // A drive that cannot be read: the drive list shows it, the other lists stay.
    controle<QComboBox>(d, "Lecteur")->addItem(QStringLiteral("/lecteur-absent"), QStringLiteral("/lecteur-absent"));
    controle<QComboBox>(d, "Lecteur")->setCurrentIndex(controle<QComboBox>(d, "Lecteur")->count() - 1);
    QCOMPARE(boites.textes.size(), 2);
    QCOMPARE(controle<QComboBox>(d, "Lecteur")->currentText(), QStringLiteral("/lecteur-absent"));
    QCOMPARE(d->dossier_repertoire(), racine + "/sous");
    QCOMPARE(d->dossier_fichier(), racine + "/sous");
    // Back on the folder's own drive, the list opens where it was left there.
    controle<QComboBox>(d, "Lecteur")
        ->setCurrentIndex(controle<QComboBox>(d, "Lecteur")->findData(QStorageInfo(racine).rootPath()));
    QCOMPARE(d->dossier_repertoire(), racine + "/sous");
  }

  // The folder list reads as a tree: each folder of the open path one step
  // further in than its parent, icon and name together, drawn open; the
  // open folder's sub-folders one step further still, drawn closed.
  void arbreDesDossiers() {
    QDir(dossier->path()).mkpath("a");
    QDir(dossier->path()).mkpath("b");
    Frm_Sauve* d = exporter();
    const auto image = [d](const QIcon& icone) { return icone.pixmap(16).toImage(); };
    const QImage ouvert = image(d->style()->standardIcon(QStyle::SP_DirOpenIcon));
    const QImage ferme = image(d->style()->standardIcon(QStyle::SP_DirClosedIcon));
    QVERIFY(ouvert != ferme);

    const QStringList chemin_ouvert = d->dossier_repertoire().split('/', Qt::SkipEmptyParts);
    QTreeWidgetItem* item = controle<QTreeWidget>(d, "Repertoire")->topLevelItem(0);
    QCOMPARE(controle<QTreeWidget>(d, "Repertoire")->topLevelItemCount(), 1);
    QCOMPARE(item->text(0), QStringLiteral("/"));
    int gauche = -1;
    for (int niveau = 0; niveau <= chemin_ouvert.size(); ++niveau) {
      if (niveau > 0) {
        QCOMPARE(item->childCount(), 1);
        item = item->child(0);
        QCOMPARE(item->text(0), chemin_ouvert[niveau - 1]);
      }
      QCOMPARE(image(item->icon(0)), ouvert);
      const int x = controle<QTreeWidget>(d, "Repertoire")->visualItemRect(item).left();
      QVERIFY2(x > gauche, qPrintable(item->text(0)));
      gauche = x;
    }
    QCOMPARE(controle<QTreeWidget>(d, "Repertoire")->currentItem(), item); // the open folder
    QCOMPARE(item->childCount(), 2);
    for (int i = 0; i < 2; ++i) {
      QCOMPARE(item->child(i)->text(0), QString(QChar('a' + i)));
      QCOMPARE(image(item->child(i)->icon(0)), ferme);
      QVERIFY(controle<QTreeWidget>(d, "Repertoire")->visualItemRect(item->child(i)).left() > gauche);
    }
  }

  void entreeNeSauvePasEchapNeFermePas() {
    Frm_Sauve* d = exporter();
    FermeBoites boites;
    QTest::keyClick(controle<QLineEdit>(d, "txt_fichier"), Qt::Key_Return);
    QTest::keyClick(controle<QLineEdit>(d, "txt_fichier"), Qt::Key_Escape);
    QTest::keyClick(d, Qt::Key_Escape);
    QVERIFY(d->isVisible());
    QVERIFY(boites.textes.isEmpty());
    QVERIFY(!QFile::exists(chemin("Bi-lobe 140 x 50.dat")));
    QVERIFY(!controle<QPushButton>(d, "Bt_Sauve")->isDefault() && !controle<QPushButton>(d, "Bt_Sauve")->autoDefault());

    const QList<QWidget*> ordre = {controle<QTreeWidget>(d, "Repertoire"), controle<QListWidget>(d, "Fichier"),
                                   controle<QLineEdit>(d, "txt_fichier"), controle<QPushButton>(d, "Bt_Sauve")};
    QWidget* w = controle<QComboBox>(d, "Lecteur");
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
    QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
    QCOMPARE(lire(chemin("Bi-lobe 140 x 50.dat")), octets_de_la_commande({}));
  }

  // Keyboard only, in a folder that holds .dat files: the focus crossing the
  // file list chooses none of them, so the default name is written.
  void auClavierSeul() {
    const QStringList listes = {"a.dat", "exist.dat", "z.dat"};
    for (const QString& nom : listes) ecrire(chemin(nom), nom.toLatin1());
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    controle<QPushButton>(f, "Bt_Sauve")->setFocus();
    QTest::keyClick(controle<QPushButton>(f, "Bt_Sauve"), Qt::Key_Space);
    Frm_Sauve* d = f->boite_sauvegarde();
    QVERIFY(d && QTest::qWaitForWindowActive(d));
    QCOMPARE(QApplication::focusWidget(), controle<QComboBox>(d, "Lecteur"));
    for (int i = 0; i < 4; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), controle<QPushButton>(d, "Bt_Sauve"));
    FermeBoites boites;
    QTest::keyClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::Key_Space);
    QCOMPARE(boites.textes.size(), 1);
    QCOMPARE(lire(chemin("Bi-lobe 140 x 50.dat")), octets_de_la_commande({}));
    for (const QString& nom : listes) QCOMPARE(lire(chemin(nom)), nom.toLatin1());
  }

  // Tab or Shift+Tab into the file list changes neither the selection nor
  // the name, with or without a file selected by an earlier save; an arrow
  // key then does.
  void focusDansLaListeSansChoix() {
    struct Cas {
      const char* nom;
      bool deja_choisi; // a file chosen and saved by an earlier export
      QWidget* (*depart)(Frm_Sauve*);
      Qt::Key touche;
      const char* apres_fleche;
    };
    const auto repertoire = [](Frm_Sauve* d) -> QWidget* { return controle<QTreeWidget>(d, "Repertoire"); };
    const auto nom = [](Frm_Sauve* d) -> QWidget* { return controle<QLineEdit>(d, "txt_fichier"); };
    const Cas cas[] = {
        {"Tab", false, repertoire, Qt::Key_Tab, "a.dat"},
        {"Maj+Tab", false, nom, Qt::Key_Backtab, "a.dat"},
        {"Tab, déjà choisi", true, repertoire, Qt::Key_Tab, "b.dat"}, // a.dat chosen before
    };
    for (const Cas& c : cas) {
      fermer();
      QVERIFY(ouvrir());
      for (const char* nom : {"a.dat", "b.dat", "exist.dat"}) ecrire(chemin(nom), "x");
      Frm_Sauve* d = exporter();
      if (c.deja_choisi) {
        controle<QListWidget>(d, "Fichier")->setCurrentRow(0);
        FermeBoites boites;
        QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
        d = exporter();
        QCOMPARE(controle<QListWidget>(d, "Fichier")->selectedItems().value(0)->text(), QStringLiteral("a.dat"));
      }
      QVERIFY(QTest::qWaitForWindowActive(d));
      const auto avant = controle<QListWidget>(d, "Fichier")->selectedItems();
      QWidget* depart = c.depart(d);
      depart->setFocus();
      QTest::keyClick(depart, c.touche);
      QVERIFY2(QApplication::focusWidget() == controle<QListWidget>(d, "Fichier"), c.nom);
      QVERIFY2(controle<QListWidget>(d, "Fichier")->selectedItems() == avant, c.nom);
      QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QStringLiteral("Bi-lobe 140 x 50.dat"));
      QTest::keyClick(controle<QListWidget>(d, "Fichier"), Qt::Key_Down);
      QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QString::fromLatin1(c.apres_fleche));
    }
  }

  // A double-click writes the file double-clicked, be it the one already
  // selected or another; nothing else is written.
  void doubleClicEcritLeFichierDoubleClique() {
    struct Cas {
      const char* cible;
    };
    for (const Cas& c : {Cas{"exist.dat"}, Cas{"autre.dat"}}) {
      fermer();
      QVERIFY(ouvrir());
      ecrire(chemin("autre.dat"), "autre");
      ecrire(chemin("exist.dat"), "");
      Frm_Sauve* d = exporter();
      controle<QListWidget>(d, "Fichier")->setCurrentRow(1); // exist.dat
      {
        FermeBoites boites;
        QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
      }
      const QByteArray premier = octets_de_la_commande({});
      QCOMPARE(lire(chemin("exist.dat")), premier);
      controle<QLineEdit>(f, "txt_nbptel")->setText("30");
      exporter();
      QCOMPARE(controle<QLineEdit>(d, "txt_fichier")->text(), QStringLiteral("Bi-lobe 140 x 50.dat"));
      QVERIFY(controle<QListWidget>(d, "Fichier")->item(1)->isSelected()); // still highlighted

      QListWidgetItem* item = controle<QListWidget>(d, "Fichier")->findItems(c.cible, Qt::MatchExactly).value(0);
      const QPoint centre = controle<QListWidget>(d, "Fichier")->visualItemRect(item).center();
      FermeBoites boites;
      QTest::mouseClick(controle<QListWidget>(d, "Fichier")->viewport(), Qt::LeftButton, {},
                        centre); // a double-click's first press
      QTest::mouseDClick(controle<QListWidget>(d, "Fichier")->viewport(), Qt::LeftButton, {}, centre);
      QCOMPARE(boites.titres, QStringList{d->dossier_fichier() + "/" + c.cible});
      QCOMPARE(lire(chemin(c.cible)), octets_de_la_commande({"--nbptel", "30"}));
      if (QString(c.cible) != "exist.dat") QCOMPARE(lire(chemin("exist.dat")), premier);
      if (QString(c.cible) != "autre.dat") QCOMPARE(lire(chemin("autre.dat")), QByteArray("autre"));
      QCOMPARE(QDir(dossier->path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"autre.dat", "exist.dat"}));
    }
  }

  void boiteReduiteRevientAuPremierPlan() {
    Frm_Sauve* d = exporter();
    d->showMinimized();
    QVERIFY(d->isMinimized());
    QCOMPARE(exporter(), d);
    QVERIFY(d->isVisible());
    QVERIFY(!d->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(d));
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
      QTest::mouseClick(controle<QPushButton>(d, "Bt_Sauve"), Qt::LeftButton);
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
