#include "cli/commande_serie.h"
#include "controle.h"
#include "fenetre_dans_dossier.h"
#include "ferme_boites.h"
#include "formats/ecriture_export.h"
#include "serie/fichier_fuselage.h"

#include <QDirIterator>
#include <QGroupBox>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStatusBar>

using namespace bilobe;
using bilobe::ui::Frm_Serie;

namespace {

const QString EXEMPLE = QStringLiteral(BILOBE_EXEMPLES "/planeur.toml");

// Every text of the series window that makes the series (the count of
// formers or their positions, whichever is chosen).
QStringList etat(const Frm_Serie& s) {
  QStringList textes{controle<QLineEdit>(&s, "txt_nom")->text(),
                     controle<QRadioButton>(&s, "opt_nombre")->isChecked()
                         ? controle<QSpinBox>(&s, "txt_nombre")->text()
                         : controle<QLineEdit>(&s, "txt_positions")->text(),
                     controle<QLineEdit>(&s, "txt_nbptel")->text(),
                     controle<QLineEdit>(&s, "txt_nbptseg")->text(),
                     controle<QComboBox>(&s, "cmb_interpolation")->currentText(),
                     controle<QDoubleSpinBox>(&s, "txt_largeur")->text(),
                     controle<QDoubleSpinBox>(&s, "txt_hauteur")->text(),
                     controle<QDoubleSpinBox>(&s, "txt_marge")->text(),
                     controle<QDoubleSpinBox>(&s, "txt_espacement")->text(),
                     controle<QDoubleSpinBox>(&s, "txt_saignee")->text()};
  for (int r = 0; r < controle<QTableWidget>(&s, "tab_stations")->rowCount(); ++r)
    for (int c = 0; c < controle<QTableWidget>(&s, "tab_stations")->columnCount(); ++c)
      textes << controle<QTableWidget>(&s, "tab_stations")->item(r, c)->text();
  for (const QAbstractButton* b : std::initializer_list<const QAbstractButton*>{
           controle<QRadioButton>(&s, "opt_nombre"), controle<QCheckBox>(&s, "chk_segh"),
           controle<QCheckBox>(&s, "chk_segv"), controle<QCheckBox>(&s, "chk_paroi_constante")})
    textes << (b->isChecked() ? "1" : "0");
  return textes;
}

} // namespace

class TestSerie : public QObject, FenetreDansDossier {
  Q_OBJECT

  QAction* action_serie() const {
    return controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->findChild<QAction*>("action_serie");
  }
  Frm_Serie* serie() {
    action_serie()->trigger();
    return f->fenetre_serie();
  }

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() { fermer(); }

  void ouverteDepuisLeMenu() {
    QVERIFY(controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->actions().contains(action_serie()));
    QCOMPARE(action_serie()->text(), QStringLiteral("Série de couples…"));
    QVERIFY(f->fenetre_serie() == nullptr);
    Frm_Serie* s = serie();
    QVERIFY(s != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(s));
    QCOMPARE(s->windowTitle(), QStringLiteral("sans titre[*] - Série de couples"));
    QVERIFY(s->isWindow());
    QVERIFY(!s->isModal());
    s->close();
    QCOMPARE(serie(), s); // kept, shown again
    QVERIFY(s->isVisible());
  }

  void premiereLigneDeLaFenetrePrincipale() {
    controle<QLineEdit>(f, "txt_xtot")->setText("42.5");
    controle<QLineEdit>(f, "txt_ep")->setText("3");
    controle<QLineEdit>(f, "txt_nbptel")->setText("60");
    controle<QCheckBox>(f, "chk_segh")->setChecked(true);
    Frm_Serie* s = serie();
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->rowCount(), 1);
    const QStringList attendus{"0", "42.5", "100", "30", "60", "40", "30", "20", "3"};
    for (int c = 0; c < 9; ++c) QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(0, c)->text(), attendus[c]);
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->horizontalHeaderItem(1)->text(),
             QStringLiteral("Largeur totale"));
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->horizontalHeaderItem(8)->text(),
             QStringLiteral("Épaisseur de paroi"));
    QCOMPARE(controle<QLineEdit>(s, "txt_nbptel")->text(), QStringLiteral("60"));
    QVERIFY(controle<QCheckBox>(s, "chk_segh")->isChecked());
    // One station is not a series yet: said in red, not in a box.
    QVERIFY(!s->description());
    QVERIFY(controle<QLabel>(s, "lbl_echecs")->text().contains("deux stations"));
  }

  void celluleFautiveSansBoite() {
    FermeBoites boites;
    Frm_Serie* s = serie();
    s->Bt_Ajouter_Click();
    QVERIFY(s->description());
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(1, 0)->text(), QStringLiteral("100"));
    QSignalSpy messages(s, &Frm_Serie::messageMontre);
    struct Cas {
      int ligne, colonne;
      const char* texte;
      const char* faute;
    };
    for (const Cas& k :
         {Cas{1, 3, "abc", "« abc » n'est pas un nombre"}, Cas{0, 8, "2,5,1", "« 2,5,1 » n'est pas un nombre"},
          Cas{1, 0, "-5", "pas après celle de la station précédente"}}) {
      QTableWidgetItem* item = controle<QTableWidget>(s, "tab_stations")->item(k.ligne, k.colonne);
      const QString avant = item->text();
      item->setText(QString::fromUtf8(k.texte));
      QVERIFY(!s->description());
      QCOMPARE(item->background().color(), QColor(255, 200, 200));
      QVERIFY2(item->toolTip().contains(QString::fromUtf8(k.faute)), qPrintable(item->toolTip()));
      QVERIFY(controle<QLabel>(s, "lbl_echecs")->text().contains(QString::fromUtf8(k.faute)));
      item->setText(avant);
      QVERIFY(s->description());
      QCOMPARE(item->background().style(), Qt::NoBrush);
      QVERIFY(item->toolTip().isEmpty());
    }
    QTest::qWait(50);
    QCOMPARE(messages.size(), 0);
    QVERIFY(boites.textes.isEmpty());
  }

  void lignesAjouteesSupprimeesTriees() {
    Frm_Serie* s = serie();
    controle<QPushButton>(s, "Bt_Ajouter")->click();
    controle<QPushButton>(s, "Bt_Ajouter")->click();
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->rowCount(), 3);
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(2, 0)->text(),
             QStringLiteral("200")); // 100 mm behind the one before
    controle<QTableWidget>(s, "tab_stations")->item(0, 0)->setText("300");
    controle<QTableWidget>(s, "tab_stations")->item(1, 1)->setText("44");
    controle<QTableWidget>(s, "tab_stations")->item(2, 0)->setText("x");
    QVERIFY(!s->description());
    controle<QPushButton>(s, "Bt_Trier")->click(); // by position; the unreadable one last
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(0, 0)->text(), QStringLiteral("100"));
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(0, 1)->text(), QStringLiteral("44"));
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(1, 0)->text(), QStringLiteral("300"));
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(2, 0)->text(), QStringLiteral("x"));
    controle<QTableWidget>(s, "tab_stations")->setCurrentCell(2, 0);
    controle<QPushButton>(s, "Bt_Supprimer")->click();
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->rowCount(), 2);
    QVERIFY(s->description());
    QCOMPARE(s->description()->stations.at(0).position, 100.0);
    QCOMPARE(s->description()->stations.at(0).cotes[0], 44.0);

    // An empty table takes the main window's fields as they stand, traced or not.
    controle<QPushButton>(s, "Bt_Supprimer")->click();
    controle<QPushButton>(s, "Bt_Supprimer")->click();
    controle<QLineEdit>(f, "txt_xtot")->setText("61");
    controle<QPushButton>(s, "Bt_Ajouter")->click();
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->rowCount(), 1);
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(0, 1)->text(), QStringLiteral("61"));
  }

  void vuesRedessineesApresUneModification() {
    Frm_Serie* s = serie();
    s->ouvrir(EXEMPLE);
    s->attendre_les_vues();
    QVERIFY(s->serie());
    QSignalSpy redessins(s, &Frm_Serie::vuesRedessinees);
    const std::string profil = controle<bilobe::ui::VueSvg>(s, "vue_profil")->dessins().at(0).svg;
    QCOMPARE(controle<bilobe::ui::VueSvg>(s, "vue_planches")->dessins().size(), std::size_t(1));
    QCOMPARE(controle<QListWidget>(s, "lst_couples")->count(), 10);
    // Drawn once after a pause in typing, away from the window, the last views shown meanwhile.
    controle<QTableWidget>(s, "tab_stations")->item(1, 1)->setText("4");
    controle<QTableWidget>(s, "tab_stations")->item(1, 1)->setText("40"); // the widest station wider
    QVERIFY(s->calcul_en_cours());
    QVERIFY(controle<QLabel>(s, "lbl_calcul")->isVisibleTo(s));
    QCOMPARE(controle<bilobe::ui::VueSvg>(s, "vue_profil")->dessins().at(0).svg, profil);
    QVERIFY(redessins.wait(5000));
    QVERIFY(!s->calcul_en_cours());
    QVERIFY(controle<QLabel>(s, "lbl_calcul")->isHidden());
    QTest::qWait(2 * s->pause_ms);
    QCOMPARE(redessins.size(), 1);
    QVERIFY(controle<bilobe::ui::VueSvg>(s, "vue_profil")->dessins().at(0).svg != profil);
    QVERIFY(controle<QListWidget>(s, "lst_couples")->item(2)->text().startsWith("F3 à 222,22 mm : "));
    // A former that cannot be traced: red in the views and named under them.
    controle<QTableWidget>(s, "tab_stations")->item(3, 1)->setText("2"); // narrower than its junction point
    s->attendre_les_vues();
    QVERIFY(s->serie());
    QVERIFY(!s->serie()->echecs.empty());
    const QString nom = QString::fromStdString(s->serie()->echecs.front().nom);
    QVERIFY(controle<QLabel>(s, "lbl_echecs")->text().startsWith(nom + " : "));
    QVERIFY(QString::fromStdString(controle<bilobe::ui::VueSvg>(s, "vue_profil")->dessins().at(0).svg)
                .contains("fill=\"#ff0000\">" + nom + "<"));
  }

  void enregistrerPuisRouvrir() {
    Frm_Serie* s = serie();
    s->ouvrir(EXEMPLE);
    // Opened, the file's series is the window's.
    QCOMPARE(texte_fuselage(*s->description()), texte_fuselage(lire_fichier_fuselage(EXEMPLE.toStdString())));
    controle<QLineEdit>(s, "txt_nom")->setText("Planeur \"modifié\"");
    controle<QRadioButton>(s, "opt_positions")->setChecked(true);
    controle<QLineEdit>(s, "txt_positions")->setText("0, 125.5, 600, 1000");
    controle<QCheckBox>(s, "chk_segv")->setChecked(true);
    controle<QDoubleSpinBox>(s, "txt_saignee")->setValue(0.15);
    controle<QTableWidget>(s, "tab_stations")->item(3, 8)->setText("1.75");
    // A keel notch and tabs, kept in the file.
    controle<QPushButton>(s, "Bt_AjouterEncoche")->click();
    controle<QTableWidget>(s, "tab_encoches")->item(0, 0)->setText("ventre");
    controle<QTableWidget>(s, "tab_encoches")->item(0, 2)->setText("1");
    controle<QGroupBox>(s, "cadre_pattes")->setChecked(true);
    controle<QDoubleSpinBox>(s, "txt_largeur_pattes")->setValue(3);
    controle<QDoubleSpinBox>(s, "txt_ecart_pattes")->setValue(4);
    controle<QDoubleSpinBox>(s, "txt_paroi_3d")->setValue(1.2);
    QVERIFY(s->description());
    QCOMPARE(s->description()->impression_3d, (Impression3d{5, 1.2, 0}));
    QCOMPARE(s->description()->gabarit.encoches.size(), std::size_t(1));
    QVERIFY(s->description()->pattes && s->description()->pattes->distance == 5);
    const QString fichier = chemin("fuselage.toml");
    s->demander_fichier_a_enregistrer = [&](const QString&) { return fichier; };
    FermeBoites boites;
    controle<QPushButton>(s, "Bt_EnregistrerSous")->click(); // not over the example: in the test's folder
    QCOMPARE(controle<QStatusBar>(s, "barre_etat")->currentMessage(), "Série enregistrée : " + fichier);
    QVERIFY(boites.textes.isEmpty());

    Frm_Serie autre{ChampsCouple{}};
    autre.ouvrir(fichier);
    autre.attendre_les_vues();
    QCOMPARE(etat(autre), etat(*s));
    QCOMPARE(texte_fuselage(*autre.description()), texte_fuselage(*s->description()));
    QVERIFY(lire(fichier).contains("[[encoche]]\nplace = \"ventre\""));
    QVERIFY(lire(fichier).contains("[impression]\npas = 5\nparoi = 1.2\ntroncon = 0\n"));
    QVERIFY(autre.serie() && autre.serie()->lisses.size() == 1);
  }

  // The 3D tab draws the example in the fuselage's colour, turns with the
  // mouse, goes back with a double-click and follows the table.
  void vue3dDessineTourneEtSuitLeTableau() {
    Frm_Serie* s = serie();
    s->ouvrir(EXEMPLE);
    auto* vue = controle<bilobe::ui::Vue3d>(s, "vue_3d");
    controle<QTabWidget>(s, "onglets")->setCurrentWidget(vue);
    const auto teintes = [&] {
      s->attendre_les_vues();
      const QImage image = vue->grab().toImage().convertToFormat(QImage::Format_RGB32);
      int bleus = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const QRgb p = image.pixel(x, y);
          bleus += qBlue(p) > qRed(p) + 40 && qBlue(p) > qGreen(p); // a shade of the fuselage's colour
        }
      return std::pair{image, bleus};
    };
    const auto [depart, bleus] = teintes();
    QVERIFY2(bleus > depart.width() * depart.height() / 50, qPrintable(QString::number(bleus)));
    const QPoint de(100, 100), a(180, 140);
    QMouseEvent appui(QEvent::MouseButtonPress, de, vue->mapToGlobal(de), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent glisse(QEvent::MouseMove, a, vue->mapToGlobal(a), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(vue, &appui);
    QApplication::sendEvent(vue, &glisse);
    const auto [tourne, bleus_tourne] = teintes();
    QVERIFY(tourne != depart);
    QVERIFY(bleus_tourne > depart.width() * depart.height() / 50);
    QTest::mouseDClick(vue, Qt::LeftButton);
    QCOMPARE(teintes().first, depart);
    controle<QTableWidget>(s, "tab_stations")->item(1, 2)->setText("60"); // a taller canopy
    QVERIFY(teintes().first != depart);
  }

  // The same bytes, the PDF included: its date is fixed for both.
  void exportEgalABilobeSerie() {
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    const auto remettre = qScopeGuard([] { qunsetenv("SOURCE_DATE_EPOCH"); });
    Frm_Serie* s = serie();
    s->ouvrir(EXEMPLE);
    controle<QComboBox>(s, "cmb_interpolation")->setCurrentIndex(0);
    controle<QDoubleSpinBox>(s, "txt_saignee")->setValue(0.2);
    controle<QDoubleSpinBox>(s, "txt_troncon")->setValue(400); // the fuselage in 3D, in three pieces
    controle<QCheckBox>(s, "chk_format_stl")->setChecked(true);
    FermeBoites boites;
    const QString fuselage = chemin("fuselage.toml");
    s->enregistrer(fuselage);
    const QString par_fenetre = chemin("fenetre"), par_commande = chemin("commande");
    s->demander_dossier = [&] { return par_fenetre; };
    controle<QPushButton>(s, "Bt_Exporter")->click();
    QTRY_COMPARE(boites.textes.size(), 1); // saved in the status bar, then exported
    QVERIFY2(boites.textes.back().startsWith("19 fichiers écrits"), qPrintable(boites.textes.back()));
    std::ostringstream out, err;
    QCOMPARE(bilobe::cli::executer_serie(
                 {fuselage.toStdString(), "-o", par_commande.toStdString(), "--format", "dat,svg,dxf,pdf,plan,stl"},
                 out, err),
             0);
    const QStringList noms = QDir(par_commande).entryList(QDir::Files, QDir::Name);
    QCOMPARE(noms.size(), 19);
    QVERIFY(noms.contains("Fuselage 3.stl"));
    QCOMPARE(QDir(par_fenetre).entryList(QDir::Files, QDir::Name), noms);
    for (const QString& nom : noms) {
      const QByteArray a = lire(par_fenetre + "/" + nom), b = lire(par_commande + "/" + nom);
      QVERIFY(!a.isEmpty());
      QVERIFY2(a == b, qPrintable(nom));
    }
  }

  void progressionSeulementPourUnLongExport() {
    Frm_Serie* s = serie();
    s->ouvrir(EXEMPLE);
    QCOMPARE(s->progression_apres_ms, 500);
    FermeBoites boites;
    // Timed against a delay that no export reaches, then against none.
    int montree = 0;
    for (const int delai : {3600 * 1000, 0}) {
      s->progression_apres_ms = delai;
      QTimer espion;
      connect(&espion, &QTimer::timeout,
              [&] { montree += controle<QProgressBar>(s, "barre_progression")->isVisible(); });
      espion.start(0);
      QSignalSpy progression(s, &Frm_Serie::progressionMontree);
      s->exporter(chemin(QString::number(delai)));
      QCOMPARE(progression.size(), delai == 0 ? 1 : 0);
      QCOMPARE(montree > 0, delai == 0); // seen while the export ran
      QVERIFY(controle<QProgressBar>(s, "barre_progression")->isHidden());
      QVERIFY(s->isEnabled());
    }
    QCOMPARE(boites.textes.size(), 2);
  }

  void doubleClicVersLaFenetrePrincipale() {
    Frm_Serie* s = serie();
    s->ouvrir(EXEMPLE);
    controle<QCheckBox>(s, "chk_segh")->setChecked(true);
    controle<QTableWidget>(s, "tab_stations")->item(1, 6)->setText("12.5"); // a flat bottom that varies
    s->attendre_les_vues();
    QListWidgetItem* item = controle<QListWidget>(s, "lst_couples")->item(3);
    QVERIFY(item->text().startsWith("F4 "));
    const ChampsCouple envoye = s->serie()->tous.at(3).champs;
    const int traces = traces_lancees();
    QSignalSpy choisi(s, &Frm_Serie::coupleChoisi);
    emit controle<QListWidget>(s, "lst_couples")->itemDoubleClicked(item);
    QCOMPARE(choisi.size(), 1);
    QCOMPARE(f->lire_champs(), envoye);
    QVERIFY(traces_lancees() > traces);
    QVERIFY(controle<QLineEdit>(f, "txt_segh")->isEnabled());
    QCOMPARE(controle<QLineEdit>(f, "txt_xtot")->text(), QString::fromStdString(envoye.xtot));
    // The window's .DAT is bilobe-dat's for the same texts.
    const ContenuExport dat = contenu_export(f->couple().courant(), FormatGabarit::Dat);
    const QByteArray attendu = octets_de_la_commande(
        {"--xtot",  envoye.xtot, "--ytot",    envoye.ytot,   "--xa",      envoye.xa,      "--ya",
         envoye.ya, "--yinf",    envoye.yinf, "--segh",      envoye.segh, "--segv",       envoye.segv,
         "--ep",    envoye.ep,   "--nbptel",  envoye.nbptel, "--nbptseg", envoye.nbptseg, "--ch"});
    QCOMPARE(QByteArray::fromStdString(dat.octets), attendu);
  }

  void erreurALOuvertureSansRienChanger() {
    Frm_Serie* s = serie();
    s->ouvrir(EXEMPLE);
    controle<QLineEdit>(s, "txt_nom")->setText("en cours");
    s->demander_enregistrement = [](const QString&) { return QMessageBox::Discard; };
    const QStringList avant = etat(*s);
    const std::string description = texte_fuselage(*s->description());
    QFile mauvais(chemin("mauvais.toml"));
    QVERIFY(mauvais.open(QIODevice::WriteOnly));
    mauvais.write(lire(EXEMPLE).replace("ytot = 40\n", ""));
    mauvais.close();
    QFile profond(chemin("profond.toml")); // once a stack overflow of the parser
    QVERIFY(profond.open(QIODevice::WriteOnly));
    profond.write("a" + QByteArray(".a").repeated(31250) + " = 1\n");
    profond.close();
    struct Cas {
      QString chemin;
      const char* message;
    };
    for (const Cas& k : {Cas{chemin("mauvais.toml"), "clé « station.ytot » manquante"},
                         Cas{chemin("profond.toml"), "ligne 1 : clé de plus de 64 parties"},
                         Cas{chemin("absent.toml"), "fichier introuvable"}, Cas{dossier->path(), "c'est un dossier"}}) {
      FermeBoites boites;
      s->demander_fichier_a_ouvrir = [&] { return k.chemin; };
      controle<QPushButton>(s, "Bt_Ouvrir")->click();
      QTRY_COMPARE(boites.textes.size(), 1);
      QVERIFY2(boites.textes.front().contains(QString::fromUtf8(k.message)), qPrintable(boites.textes.front()));
      QCOMPARE(etat(*s), avant);
      QCOMPARE(texte_fuselage(*s->description()), description);
    }
  }
};

QTEST_MAIN(TestSerie)
#include "test_serie.moc"
