#include "controle.h"
#include "fenetre_dans_dossier.h"
#include "ferme_boites.h"
#include "ui/modeles/nombres_francais.h"

#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QTableWidget>

#include <optional>
#include <vector>

using bilobe::FormatGabarit;

namespace {

// The file question, answered as a user would; records what it was asked.
struct Reponse {
  QString chemin; // empty: the user cancels
  QStringList titres, proposes, filtres;
};

} // namespace

class TestGabarit : public QObject, FenetreDansDossier {
  Q_OBJECT

  Reponse reponse;

private slots:
  void init() {
    QVERIFY(ouvrir());
    reponse = {};
    f->demander_chemin = [this](const QString& titre, const QString& propose, const QString& filtre) {
      reponse.titres << titre;
      reponse.proposes << propose;
      reponse.filtres << filtre;
      return reponse.chemin;
    };
  }
  void cleanup() { fermer(); }

  void clicDroitOuvreLeMenu() {
    // One entry per template format, with the caption its export is known
    // by; the settings and the series between separators; the help last.
    // Every entry has its keys.
    QStringList textes;
    int separateurs = 0;
    for (const QAction* a : controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->actions()) {
      if (a->isSeparator()) {
        ++separateurs;
        continue;
      }
      textes << a->text();
      QVERIFY2(!a->shortcut().isEmpty(), qPrintable(a->text()));
    }
    for (const FormatGabarit format : {FormatGabarit::Svg, FormatGabarit::Dxf, FormatGabarit::Pdf}) {
      const qsizetype place = textes.indexOf(QString::fromUtf8(bilobe::ui::MenuGabarit::entree(format).texte));
      QVERIFY(place >= 0 && place < 3);
    }
    QCOMPARE(separateurs, 3);
    QCOMPARE(textes.mid(textes.size() - 2), (QStringList{QStringLiteral("Aide"), QStringLiteral("À propos")}));

    QWidget* ouvert = nullptr;
    QTimer::singleShot(0, [&] {
      ouvert = QApplication::activePopupWidget();
      if (ouvert) ouvert->close();
    });
    QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(40, 60),
                           controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->mapToGlobal(QPoint(40, 60)));
    QApplication::sendEvent(controle<bilobe::ui::SurfaceDessin>(f, "Dessin"), &clic);
    QTRY_VERIFY(ouvert != nullptr);
    QCOMPARE(ouvert, controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit"));
  }

  void chaqueFormatCommeLaCommande_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("filtre");
    QTest::addColumn<QByteArray>("debut");
    QTest::newRow("svg") << int(FormatGabarit::Svg) << "Bi-lobe 140 x 60.svg"
                         << "Gabarit SVG (*.svg)" << QByteArray("<?xml");
    QTest::newRow("dxf") << int(FormatGabarit::Dxf) << "Bi-lobe 140 x 60.dxf"
                         << "Gabarit DXF (*.dxf)" << QByteArray("  0\r\nSECTION");
    QTest::newRow("pdf") << int(FormatGabarit::Pdf) << "Bi-lobe 140 x 60.pdf"
                         << "Gabarit PDF (*.pdf)" << QByteArray("%PDF-");
  }
  void chaqueFormatCommeLaCommande() {
    QFETCH(int, format);
    QFETCH(QString, nom);
    QFETCH(QString, filtre);
    QFETCH(QByteArray, debut);
    controle<QLineEdit>(f, "txt_xtot")->setText("60"); // no Enter: the menu traces first
    reponse.chemin = chemin(nom);
    const int traces = traces_lancees();
    FermeBoites boites;
    controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->actions().at(format - 1)->trigger();

    QVERIFY(traces_lancees() > traces);
    QCOMPARE(controle<QLabel>(f, "lbl_nbpts")->text(), QStringLiteral(" 549 points)"));
    QCOMPARE(reponse.proposes, QStringList{QDir(dossier->path()).filePath(nom)});
    QCOMPARE(reponse.filtres, QStringList{filtre});
    QCOMPARE(boites.titres, QStringList{QFileInfo(reponse.chemin).absoluteFilePath()});
    bilobe::ChampsCouple champs;
    champs.xtot = "60";
    const auto resume = bilobe::texte_resume(bilobe::construire_gabarit(bilobe::tracer(champs)), FormatGabarit(format));
    QVERIFY(resume.find(" : 120 x 140 mm, surface ") != std::string::npos);
    // The command's summary, its numbers as a person reads them in French.
    QCOMPARE(boites.textes, QStringList{QString::fromStdString(bilobe::a_la_francaise(resume))});
    QVERIFY(boites.textes.front().contains(QString::fromUtf8("surface 3\u202f568,6924 mm²")));
    QCOMPARE(boites.icones, QList<QMessageBox::Icon>{QMessageBox::NoIcon});
    const QByteArray octets = lire(reponse.chemin);
    QVERIFY(octets.startsWith(debut));
    if (format != int(FormatGabarit::Pdf)) // the PDF carries its time of creation
      QCOMPARE(octets, octets_de_la_commande({"--xtot", "60", "--format", QFileInfo(nom).suffix().toStdString()}));
  }

  // The constant wall and the kerf from the menu, kept from one template to
  // the next: the same bytes as the command's options.
  void paroiConstanteEtSaignee() {
    auto* paroi = controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->findChild<QAction*>("action_paroi_constante");
    auto* saignee = controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->findChild<QAction*>("action_saignee");
    QVERIFY(paroi && saignee);
    QVERIFY(paroi->isCheckable() && !paroi->isChecked());
    paroi->trigger();
    std::vector<double> proposees;
    controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->demander_saignee =
        [&](double actuelle) -> std::optional<double> {
      proposees.push_back(actuelle);
      return proposees.size() == 1 ? std::optional<double>(1.5) : std::nullopt; // then cancelled
    };
    saignee->trigger();
    saignee->trigger();
    QCOMPARE(proposees, (std::vector<double>{0, 1.5}));
    QCOMPARE(controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit")->options().saignee, 1.5);

    FermeBoites boites;
    for (const char* nom : {"a.dxf", "b.dxf"}) {
      reponse.chemin = chemin(nom);
      f->exporter_gabarit(FormatGabarit::Dxf);
      QCOMPARE(lire(reponse.chemin),
               octets_de_la_commande({"--paroi-constante", "--saignee", "1.5", "--format", "dxf"}));
    }
    QVERIFY(boites.textes.last().endsWith(QStringLiteral("paroi 10,00 mm, saignée 1,5 mm")));
  }

  // Notches and tabs from their dialog: a wrong cell keeps it open, OK
  // draws them over the preview, and the templates are the command's bytes.
  void encochesEtPattes() {
    auto* menu = controle<bilobe::ui::MenuGabarit>(f, "menu_gabarit");
    const QImage avant = controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image();
    menu->findChild<QAction*>("action_kit")->trigger();
    QDialog* boite = menu->boite_kit();
    QVERIFY(boite && boite->isVisible());
    auto* table = controle<QTableWidget>(boite, "tab_encoches");
    // A comma is read as a point; a cell that is no number keeps the dialog open.
    for (const char* texte : {"abc", "0,3"}) {
      controle<QPushButton>(boite, "Bt_AjouterEncoche")->click();
      controle<QPushButton>(boite, "Bt_AjouterEncoche")->click();
      table->item(0, 0)->setText(QString::fromUtf8(texte));
      table->item(0, 1)->setText("3");
      table->item(1, 1)->setText("4");
      table->item(1, 2)->setText("3");
      controle<QGroupBox>(boite, "cadre_pattes")->setChecked(true);
      FermeBoites boites;
      controle<QDialogButtonBox>(boite, "boutons_kit")->button(QDialogButtonBox::Ok)->click();
      if (QString::fromUtf8(texte) == "abc") {
        QCOMPARE(boites.textes.size(), 1);
        QVERIFY(boites.textes.front().startsWith(QStringLiteral("Encoche 1 :")));
        QVERIFY(boite->isVisible());
        QVERIFY(menu->options().encoches.empty());
        table->setRowCount(0);
      }
    }
    QVERIFY(!boite->isVisible());
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("0.3"));
    QCOMPARE(menu->options().encoches.size(), std::size_t(2));
    QVERIFY(controle<bilobe::ui::SurfaceDessin>(f, "Dessin")->image() != avant);

    FermeBoites boites;
    reponse.chemin = chemin("kit.dxf");
    f->exporter_gabarit(FormatGabarit::Dxf);
    QCOMPARE(lire(reponse.chemin), octets_de_la_commande({"--encoche", "0.3:3:2", "--encoche", "dos:4:3", "--pattes",
                                                          "dessous:6:15:80", "--format", "dxf"}));
    // Reopened, it shows what is kept; Annuler changes nothing.
    menu->findChild<QAction*>("action_kit")->trigger();
    QCOMPARE(table->rowCount(), 2);
    table->removeRow(0);
    controle<QDialogButtonBox>(boite, "boutons_kit")->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(menu->options().encoches.size(), std::size_t(2));
  }

  void echecsAnnulationEtDossierRetenu() {
    // A failing trace: its one message, and no question asked.
    controle<QLineEdit>(f, "txt_xa")->setText("50");
    {
      FermeBoites boites;
      f->exporter_gabarit(FormatGabarit::Svg);
      QCOMPARE(boites.textes, QStringList{QStringLiteral("Division par zéro (ArcCos)")});
    }
    QVERIFY(reponse.titres.isEmpty());
    controle<QLineEdit>(f, "txt_xa")->setText("30");

    // Cancelled: nothing written, nothing said.
    {
      FermeBoites boites;
      f->exporter_gabarit(FormatGabarit::Dxf);
      QCOMPARE(reponse.titres, QStringList{QStringLiteral("Exporter le gabarit DXF")});
      QVERIFY(boites.textes.isEmpty());
    }
    QCOMPARE(QDir(dossier->path()).entryList(QDir::Files), QStringList{});

    // A folder that does not exist: one file error, nothing written.
    reponse.chemin = chemin("absent/g.pdf");
    {
      FermeBoites boites;
      f->exporter_gabarit(FormatGabarit::Pdf);
      QCOMPARE(boites.textes.size(), 1);
      QVERIFY2(boites.textes[0].startsWith(QStringLiteral("Erreur de fichier")), qPrintable(boites.textes[0]));
    }
    QCOMPARE(QDir(dossier->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});

    // The next question starts in the folder of the last template written.
    QVERIFY(QDir(dossier->path()).mkdir("gabarits"));
    reponse.chemin = chemin("gabarits/a.svg");
    FermeBoites boites;
    f->exporter_gabarit(FormatGabarit::Svg);
    f->exporter_gabarit(FormatGabarit::Svg);
    QCOMPARE(reponse.proposes.last(), chemin("gabarits/Bi-lobe 140 x 50.svg"));
  }
};

QTEST_MAIN(TestGabarit)
#include "test_gabarit.moc"
