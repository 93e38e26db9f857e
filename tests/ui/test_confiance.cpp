// The traps a French modeller falls into, one test each: what is typed is
// what is read, and no work is lost.
#include "cli/commande_serie.h"
#include "controle.h"
#include "fenetre_dans_dossier.h"
#include "ferme_boites.h"
#include "ui/frm_aide.h"
#include "ui/menu_gabarit.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>

using namespace bilobe;

class TestConfiance : public QObject, FenetreDansDossier {
  Q_OBJECT

  ui::MenuGabarit* menu() const { return controle<ui::MenuGabarit>(f, "menu_gabarit"); }
  ui::Frm_Serie* serie() {
    menu()->findChild<QAction*>("action_serie")->trigger();
    return f->fenetre_serie();
  }

  static void taper(QAbstractSpinBox* boite, const QString& texte) {
    boite->selectAll();
    QTest::keyClicks(boite, texte);
    boite->interpretText();
  }

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() { fermer(); }

  // "0,2" typed in any box of mm is 0.2, never 2, and shows with a point.
  void virguleDecimaleDansLesBoitesDeMm() {
    ui::Frm_Serie* s = serie();
    controle<QGroupBox>(s, "cadre_pattes")->setChecked(true);
    for (const char* nom : {"txt_saignee", "txt_marge", "txt_largeur_pattes"}) {
      auto* boite = controle<QDoubleSpinBox>(s, nom);
      for (const char* texte : {"0,2", "0.2"}) {
        taper(boite, texte);
        QVERIFY2(boite->value() == 0.2, nom);
        QVERIFY2(boite->text().startsWith(QStringLiteral("0.2")), qPrintable(boite->text()));
      }
    }
    auto* encoches = controle<QTableWidget>(s, "tab_encoches");
    controle<QPushButton>(s, "Bt_AjouterEncoche")->click();
    encoches->item(0, 1)->setText(QStringLiteral("2,5"));
    QCOMPARE(encoches->item(0, 1)->text(), QStringLiteral("2.5"));

    // The kerf of the main window's menu, through its own dialog.
    menu()->show();
    QTimer::singleShot(0, [] {
      QWidget* boite = QApplication::activeModalWidget();
      QVERIFY(boite);
      taper(controle<QDoubleSpinBox>(boite, "txt_saignee"), QStringLiteral("0,3"));
      boite->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    menu()->findChild<QAction*>("action_saignee")->trigger();
    QCOMPARE(menu()->options().saignee, 0.3);
  }

  // "45,5" in a main field is read 45, as always, but the field says so.
  void champNonNumeriqueEnRouge() {
    auto* xtot = controle<QLineEdit>(f, "txt_xtot");
    const QString bulle = xtot->toolTip();
    xtot->setText(QStringLiteral("45,5"));
    QVERIFY(!xtot->styleSheet().isEmpty());
    QCOMPARE(xtot->toolTip(), QStringLiteral("lu 45 : le séparateur décimal est le point"));
    xtot->setText(QStringLiteral("45.5"));
    QVERIFY(xtot->styleSheet().isEmpty());
    QCOMPARE(xtot->toolTip(), bulle);

    ui::Frm_Serie* s = serie();
    controle<QRadioButton>(s, "opt_positions")->setChecked(true);
    // The series' own boxes take the decimal comma, cells and positions.
    s->Bt_Ajouter_Click(); // a second station, 100 mm behind
    controle<QLineEdit>(s, "txt_positions")->setText(QStringLiteral("0; 62,5; 100"));
    QVERIFY(s->description());
    QCOMPARE(*s->description()->positions, (std::vector<double>{0, 62.5, 100}));
    auto* cellule = controle<QTableWidget>(s, "tab_stations")->item(0, 1);
    cellule->setText(QStringLiteral("18,5"));
    QCOMPARE(cellule->text(), QStringLiteral("18.5")); // shown as the files write it
    QCOMPARE(s->description()->stations.front().cotes[0], 18.5);
  }

  // Closing or opening another file after an edit asks first; Annuler keeps
  // everything, Enregistrer saves, Ne pas enregistrer lets it go.
  void questionAvantDePerdreLeTravail() {
    ui::Frm_Serie* s = serie();
    QVERIFY(QFile::copy(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"), chemin("planeur.toml")));
    s->ouvrir(chemin("planeur.toml"));
    QCOMPARE(s->windowTitle(), QStringLiteral("planeur.toml[*] - Série de couples"));
    QVERIFY(!s->isWindowModified());
    QStringList questions;
    QMessageBox::StandardButton reponse = QMessageBox::Cancel;
    s->demander_enregistrement = [&](const QString& q) {
      questions << q;
      return reponse;
    };
    QVERIFY(s->close()); // nothing edited: no question
    QVERIFY(questions.isEmpty());
    s->show();
    controle<QTableWidget>(s, "tab_stations")->item(1, 1)->setText("33");
    QVERIFY(s->isWindowModified());

    int ouvertures = 0;
    s->demander_fichier_a_ouvrir = [&] {
      ++ouvertures;
      return QString();
    };
    controle<QPushButton>(s, "Bt_Ouvrir")->click(); // cancelled: no file asked for
    QVERIFY(!s->close());
    QCOMPARE(questions, QStringList(2, QStringLiteral("Enregistrer les modifications de « Planeur » ?")));
    QCOMPARE(ouvertures, 0);
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(1, 1)->text(), QStringLiteral("33"));

    // Enregistrer saves in place, in the file the series came from.
    reponse = QMessageBox::Save;
    s->demander_fichier_a_enregistrer = [&](const QString&) {
      questions << QStringLiteral("où ?");
      return QString();
    };
    QVERIFY(s->close());
    QVERIFY(lire(chemin("planeur.toml")).contains("position = 250\nxtot = 33\n"));
    QCOMPARE(questions.size(), 3);
    QVERIFY(!s->isWindowModified());

    // Discarded means discarded: the window comes back as it was saved.
    s->show();
    controle<QTableWidget>(s, "tab_stations")->item(1, 1)->setText("34");
    controle<QLineEdit>(s, "txt_nom")->setText(QStringLiteral("Brouillon"));
    reponse = QMessageBox::Discard;
    QVERIFY(s->close());
    s->show();
    QCOMPARE(controle<QTableWidget>(s, "tab_stations")->item(1, 1)->text(), QStringLiteral("33"));
    QCOMPARE(controle<QLineEdit>(s, "txt_nom")->text(), QStringLiteral("Planeur"));
    QVERIFY(!s->isWindowModified());
    QVERIFY(!s->historique().canUndo());
  }

  // A former double-clicked after the main window was closed shows it again.
  void fenetrePrincipaleRemontree() {
    ui::Frm_Serie* s = serie();
    s->ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
    s->attendre_les_vues();
    f->close();
    QVERIFY(!f->isVisible());
    auto* liste = controle<QListWidget>(s, "lst_couples");
    emit liste->itemDoubleClicked(liste->item(2));
    QVERIFY(f->isVisible());
  }

  // Every entry of the preview's menu has its own keys, shown in the menu,
  // and they work from any field of the main window.
  void raccourcisDuMenu() {
    QSet<QString> vus;
    for (const QAction* a : menu()->actions()) {
      if (a->isSeparator()) continue;
      QVERIFY2(!a->shortcut().isEmpty(), qPrintable(a->text()));
      vus.insert(a->shortcut().toString());
    }
    const QList<QAction*> actions = menu()->actions();
    const auto separateurs = std::count_if(actions.begin(), actions.end(), [](QAction* a) { return a->isSeparator(); });
    QCOMPARE(vus.size(), static_cast<int>(actions.size() - separateurs));
    QVERIFY(f->fenetre_serie() == nullptr);
    controle<QLineEdit>(f, "txt_ytot")->setFocus();
    QTest::keyClick(controle<QLineEdit>(f, "txt_ytot"), Qt::Key_R, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(f->fenetre_serie() != nullptr && f->fenetre_serie()->isVisible());
    QTest::keyClick(controle<QLineEdit>(f, "txt_ytot"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(menu()->options().paroi_constante);
  }

  // The series window opens within the screen's free area, whatever the
  // scale (this test runs again at 1.5), and scrolls when made small.
  void serieDansLEcran() {
    ui::Frm_Serie* s = serie();
    const QRect libre = f->screen()->availableGeometry();
    QVERIFY2(libre.contains(s->frameGeometry()), qPrintable(QStringLiteral("%1x%2 dans %3x%4")
                                                                .arg(s->frameGeometry().width())
                                                                .arg(s->frameGeometry().height())
                                                                .arg(libre.width())
                                                                .arg(libre.height())));
    s->resize(s->minimumSizeHint());
    QVERIFY(controle<QPushButton>(s, "Bt_Exporter")->height() >=
            controle<QPushButton>(s, "Bt_Exporter")->sizeHint().height());
    QVERIFY(controle<QLineEdit>(s, "txt_nbptel")->height() >=
            controle<QLineEdit>(s, "txt_nbptel")->minimumSizeHint().height());
  }

  // A faulty cell keeps the last good views and list, greyed.
  void vuesGardeesGriseesSurUneFaute() {
    ui::Frm_Serie* s = serie();
    s->ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
    s->attendre_les_vues();
    auto* profil = controle<ui::VueSvg>(s, "vue_profil");
    const std::string avant = profil->dessins().at(0).svg;
    controle<QTableWidget>(s, "tab_stations")->item(1, 1)->setText("abc");
    QCOMPARE(profil->dessins().at(0).svg, avant);
    QVERIFY(!profil->isEnabled());
    QCOMPARE(controle<QListWidget>(s, "lst_couples")->count(), 10);
    QVERIFY(!controle<QLabel>(s, "lbl_echecs")->text().isEmpty());
    controle<QTableWidget>(s, "tab_stations")->item(1, 1)->setText("33");
    s->attendre_les_vues();
    QVERIFY(profil->isEnabled());
    QVERIFY(profil->dessins().at(0).svg != avant);
  }

  // "Insérer une station…" puts a station where the series passes: the
  // fuselage keeps its length and its formers.
  void stationInseree() {
    ui::Frm_Serie* s = serie();
    s->ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
    s->attendre_les_vues();
    const auto avant = s->serie()->tous;
    s->demander_position = [](double premiere, double derniere) -> std::optional<double> {
      return premiere < 100 && derniere > 100 ? std::optional<double>(100) : std::nullopt;
    };
    controle<QPushButton>(s, "Bt_Inserer")->click();
    auto* table = controle<QTableWidget>(s, "tab_stations");
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("100"));
    s->attendre_les_vues();
    const auto apres = s->serie()->tous;
    QCOMPARE(apres.size(), avant.size());
    QCOMPARE(apres.back().position, avant.back().position);
  }

  // "Exporter…" writes the formats ticked, as --format does.
  void exportDesFormatsChoisis() {
    ui::Frm_Serie* s = serie();
    s->ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
    controle<QCheckBox>(s, "chk_format_dat")->setChecked(false);
    controle<QCheckBox>(s, "chk_format_plan")->setChecked(false);
    s->demander_dossier = [this] { return chemin("fenetre"); };
    FermeBoites boites;
    controle<QPushButton>(s, "Bt_Exporter")->click();
    QTRY_COMPARE(boites.textes.size(), 1);
    std::ostringstream out, err;
    QCOMPARE(cli::executer_serie(
                 {BILOBE_EXEMPLES "/planeur.toml", "-o", chemin("commande").toStdString(), "--format", "svg,dxf,pdf"},
                 out, err),
             0);
    const QStringList noms = QDir(chemin("commande")).entryList(QDir::Files, QDir::Name);
    QCOMPARE(QDir(chemin("fenetre")).entryList(QDir::Files, QDir::Name), noms);
    QVERIFY(noms.contains(QStringLiteral("Couples.pdf")) && !noms.contains(QStringLiteral("Plan.pdf")));
  }

  // Rows pasted from a spreadsheet, the selection copied, cells cleared;
  // every edit undone and redone.
  void collerCopierAnnuler() {
    ui::Frm_Serie* s = serie();
    s->ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
    auto* table = controle<QTableWidget>(s, "tab_stations");
    const QStringList depart = {table->item(3, 0)->text(), table->item(3, 1)->text()};
    table->setCurrentCell(3, 0);
    QApplication::clipboard()->setText(QStringLiteral("900\t10,5\t14\n1100;8;10\n"));
    s->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(s));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(table->rowCount(), 5);
    QCOMPARE(table->item(3, 1)->text(), QStringLiteral("10.5"));
    QCOMPARE(table->item(4, 0)->text(), QStringLiteral("1100"));

    table->clearSelection();
    table->setRangeSelected(QTableWidgetSelectionRange(3, 0, 4, 1), true);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("900\t10.5\n1100\t8\n"));
    QTest::keyClick(table, Qt::Key_Delete);
    QVERIFY(table->item(4, 0)->text().isEmpty());

    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier); // the clearing
    QCOMPARE(table->item(4, 0)->text(), QStringLiteral("1100"));
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier); // the paste
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE((QStringList{table->item(3, 0)->text(), table->item(3, 1)->text()}), depart);
    QTest::keyClick(table, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(table->rowCount(), 5);
    controle<QDoubleSpinBox>(s, "txt_marge")->setValue(7);
    controle<QPushButton>(s, "Bt_AjouterEncoche")->click();
    QCOMPARE(controle<QTableWidget>(s, "tab_encoches")->rowCount(), 1);
    s->historique().undo();
    QCOMPARE(controle<QTableWidget>(s, "tab_encoches")->rowCount(), 0);
    s->historique().undo();
    QCOMPARE(controle<QDoubleSpinBox>(s, "txt_marge")->value(), 5.0);
    // Every setting of the form is in the history, the kerf too.
    for (const char* nom : {"txt_saignee", "txt_pas", "txt_troncon"}) {
      auto* boite = controle<QDoubleSpinBox>(s, nom);
      const double avant = boite->value();
      boite->setValue(avant + 0.5);
      s->historique().undo();
      QCOMPARE(boite->value(), avant);
    }
  }

  // The kerf, the constant wall, the notches and tabs, the folders, the
  // series window's place and the recent files outlive the windows.
  void reglagesGardes() {
    menu()->demander_saignee = [](double) -> std::optional<double> { return 0.4; };
    menu()->findChild<QAction*>("action_saignee")->trigger();
    menu()->findChild<QAction*>("action_paroi_constante")->trigger();
    ui::Frm_Serie* s = serie();
    s->ouvrir(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"));
    s->resize(640, 480);
    QVERIFY(s->close());
    const QRect place = s->geometry();

    f = std::make_unique<ui::Frm_Bi_Lobe>(); // as at the next start
    QCOMPARE(menu()->options().saignee, 0.4);
    QVERIFY(menu()->options().paroi_constante);
    QVERIFY(menu()->findChild<QAction*>("action_paroi_constante")->isChecked());
    s = serie();
    QCOMPARE(s->geometry().size(), place.size()); // the screen may move it back inside
    auto* recents = controle<QMenu>(s, "menu_recents");
    emit recents->aboutToShow();
    QCOMPARE(recents->actions().size(), 1);
    QCOMPARE(recents->actions().front()->text(),
             QFileInfo(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml")).absoluteFilePath());
    recents->actions().front()->trigger();
    QCOMPARE(s->windowTitle(), QStringLiteral("planeur.toml[*] - Série de couples"));
  }

  // At a scale other than 1, no bitmap face: the captions stay readable.
  void policeQuiSuitLEchelle() {
    const QFont police = controle<QLabel>(f, "Label2")->font();
    if (f->screen()->devicePixelRatio() != 1.0)
      QVERIFY2(QFontDatabase::isSmoothlyScalable(police.family()), qPrintable(police.family()));
  }

  // Every field, box and button says what it is; F1 opens the help, which
  // names each dimension; "À propos" gives the version.
  void bullesAideEtAPropos() {
    ui::Frm_Serie* s = serie();
    menu()->findChild<QAction*>("action_kit")->trigger();
    for (QWidget* fenetre :
         {static_cast<QWidget*>(f.get()), static_cast<QWidget*>(s), static_cast<QWidget*>(menu()->boite_kit())})
      for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const bool controle_a_bulle = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                      qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w);
        // The program's own controls, named as in its code (txt_, chk_, Bt_, opt_, cmb_).
        static const QRegularExpression nom(QStringLiteral("^(txt|chk|Bt|opt|cmb)_"));
        if (!controle_a_bulle || !nom.match(w->objectName()).hasMatch()) continue;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
        QVERIFY2(!w->toolTip().isEmpty(), qPrintable(w->objectName()));
      }
    menu()->boite_kit()->close();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QTest::keyClick(f.get(), Qt::Key_F1);
    auto* aide = f->findChild<QDialog*>("Frm_Aide");
    QVERIFY(aide && aide->isVisible());
    const QString texte = controle<QLabel>(aide, "texte_aide")->text();
    for (const char* mot : {"xtot", "ytot", "jonction", "yinf", "Segments", "ep", "encoche", "pattes"})
      QVERIFY2(texte.contains(QString::fromUtf8(mot)), mot);
    QVERIFY(ui::texte_a_propos().contains(QStringLiteral("1.0")));
  }
};

QTEST_MAIN(TestConfiance)
#include "test_confiance.moc"
