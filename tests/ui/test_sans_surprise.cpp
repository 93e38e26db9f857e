// What the windows say and show, without a surprise: the field an error
// came from, the settings the templates add, the help and the dialogs whole
// on the screen, Qt's own words in French.
#include "controle.h"
#include "fenetre_dans_dossier.h"
#include "ferme_boites.h"
#include "ui/demarrage.h"
#include "ui/depot_fichier.h"
#include "ui/dessin.h"
#include "ui/menu_gabarit.h"
#include "ui/traduction_qt.h"
#include "ui/vue_svg.h"

#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFileIconProvider>
#include <QMimeData>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

using namespace bilobe;

class TestSansSurprise : public QObject, FenetreDansDossier {
  Q_OBJECT

  ui::MenuGabarit* menu() const { return controle<ui::MenuGabarit>(f, "menu_gabarit"); }

  static std::unique_ptr<QMimeData> urls(const QStringList& adresses) {
    auto donnees = std::make_unique<QMimeData>();
    QList<QUrl> liste;
    for (const QString& a : adresses) liste << (a.contains(QStringLiteral("://")) ? QUrl(a) : QUrl::fromLocalFile(a));
    donnees->setUrls(liste);
    return donnees;
  }
  // A drag over the widget then dropped there; true when the drag was taken.
  static bool deposer(QWidget* sur, const QMimeData* donnees) {
    QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sur, &entree);
    if (!entree.isAccepted()) return false;
    QDropEvent depot(QPointF(10, 10), Qt::CopyAction, donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sur, &depot);
    return true;
  }

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() { fermer(); }

  // The error's kind, then the field it came from and what was read.
  void erreurNommeLeChamp() {
    controle<QLineEdit>(f, "txt_xtot")->setText(QStringLiteral("abc"));
    FermeBoites boites;
    controle<QPushButton>(f, "Bt_Trace")->click();
    QTRY_COMPARE(boites.textes.size(), 1);
    QCOMPARE(boites.textes.front(), QStringLiteral("Division par zéro (xa / xtot)\n« Largeur totale » se lit 0"));
  }

  // A kerf kept from the last run is said in the preview's top right corner.
  void apercuMentionneLaSaignee() {
    auto* dessin = controle<ui::SurfaceDessin>(f, "Dessin");
    const auto pixels_du_kit = [&] {
      const QImage image = dessin->image().convertToFormat(QImage::Format_RGB32);
      int n = 0;
      for (int y = 0; y < image.height() / 6; ++y)
        for (int x = image.width() / 2; x < image.width(); ++x)
          n += qRed(image.pixel(x, y)) > 120 && qBlue(image.pixel(x, y)) > 80 && qGreen(image.pixel(x, y)) < 110;
      return n;
    };
    QCOMPARE(pixels_du_kit(), 0);
    menu()->demander_saignee = [](double) -> std::optional<double> { return 0.4; };
    menu()->findChild<QAction*>("action_saignee")->trigger();
    QVERIFY(pixels_du_kit() > 20);
    QVERIFY(dessin->toolTip().startsWith(QStringLiteral("Clic droit : gabarits")));
  }

  // The help opens within the screen and scrolls to its last line.
  void aideDansLEcranEtDefilante() {
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QTest::keyClick(f.get(), Qt::Key_F1);
    auto* aide = f->findChild<QDialog*>("Frm_Aide");
    QVERIFY(aide && aide->isVisible());
    const QRect libre = aide->screen()->availableGeometry();
    QVERIFY(aide->width() <= libre.width() && aide->height() <= libre.height());
    auto* defilement = controle<QScrollArea>(aide, "defilement_aide");
    auto* texte = controle<QLabel>(aide, "texte_aide");
    QVERIFY(texte->text().contains(QStringLiteral("Touches")));
    QTest::qWait(50); // laid out
    defilement->verticalScrollBar()->setValue(defilement->verticalScrollBar()->maximum());
    const QPoint bas = texte->mapTo(defilement->viewport(), QPoint(0, texte->height()));
    QVERIFY2(bas.y() <= defilement->viewport()->height() + 1, qPrintable(QString::number(bas.y())));
  }

  // The kerf's dialog is wide enough for its title.
  void titreDeLaSaigneeEntier() {
    int largeur = 0, titre = 0;
    QTimer::singleShot(0, [&] {
      QWidget* boite = QApplication::activeModalWidget();
      QVERIFY(boite);
      largeur = boite->width();
      titre = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(boite->windowTitle());
      boite->close();
    });
    menu()->findChild<QAction*>("action_saignee")->trigger();
    QVERIFY2(largeur > titre + 100, qPrintable(QStringLiteral("%1 pour %2").arg(largeur).arg(titre)));
  }

  // One local .toml is taken; anything else is refused.
  void fichiersDeposes() {
    const QString toml = chemin("planeur.toml");
    const struct {
      QStringList adresses;
      QString attendu;
    } cas[] = {
        {{toml}, toml},
        {{chemin("Planeur.TOML")}, chemin("Planeur.TOML")},
        {{chemin("notes.txt")}, {}},
        {{toml, chemin("autre.toml")}, {}},
        {{QStringLiteral("https://exemple.fr/planeur.toml")}, {}},
        {{}, {}},
    };
    for (const auto& k : cas) QCOMPARE(ui::fuselage_depose(urls(k.adresses).get()), k.attendu);
  }

  // Dropped on the main window, a fuselage file opens the series window
  // with it; dropped on an edited series, it asks first.
  void fuselageDeposeOuvreLaSerie() {
    QVERIFY(QFile::copy(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"), chemin("planeur.toml")));
    QVERIFY(deposer(f.get(), urls({chemin("planeur.toml")}).get()));
    ui::Frm_Serie* s = f->fenetre_serie();
    QVERIFY(s && s->isVisible());
    QVERIFY(s->windowTitle().startsWith(QStringLiteral("planeur.toml")));
    QVERIFY(!deposer(f.get(), urls({chemin("notes.txt")}).get()));

    int questions = 0;
    s->demander_enregistrement = [&](const QString&) {
      ++questions;
      return QMessageBox::Cancel;
    };
    controle<QLineEdit>(s, "txt_nom")->setText(QStringLiteral("en cours"));
    QVERIFY(QFile::copy(chemin("planeur.toml"), chemin("autre.toml")));
    QVERIFY(deposer(s, urls({chemin("autre.toml")}).get()));
    QCOMPARE(questions, 1);
    QVERIFY(s->windowTitle().startsWith(QStringLiteral("planeur.toml"))); // cancelled: kept
  }

  // "couple-bilobe Planeur.toml": the series window opens with it.
  void fuselageEnArgument() {
    QVERIFY(QFile::copy(QStringLiteral(BILOBE_EXEMPLES "/planeur.toml"), chemin("planeur.toml")));
    const auto fenetre = ui::demarrer({QStringLiteral("--inconnu"), chemin("planeur.toml")});
    QVERIFY(fenetre->isVisible());
    QVERIFY(fenetre->fenetre_serie() && fenetre->fenetre_serie()->isVisible());
    QCOMPARE(controle<QLineEdit>(fenetre->fenetre_serie(), "txt_nom")->text(), QStringLiteral("Planeur"));
    const auto sans = ui::demarrer({});
    QVERIFY(sans->fenetre_serie() == nullptr);
  }

  // The sheets zoom about the pointer, pan by a drag, keep their zoom while
  // redrawn, and "Ajuster" shows them whole again.
  void planchesZoomEtDeplacement() {
    ui::VueSvg vue;
    vue.resize(400, 300);
    vue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vue));
    const std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 50"><path d="M0 0L100 50" stroke="red"/></svg>)";
    vue.montrer({{QStringLiteral("Planche 1"), svg}});
    auto* ajuster = controle<QToolButton>(&vue, "Bt_Ajuster");
    QVERIFY(ajuster->isHidden());
    const QPointF ici(300, 200);
    const auto molette = [&](int crans) {
      QWheelEvent e(ici, vue.mapToGlobal(ici), {}, QPoint(0, 120 * crans), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
      QApplication::sendEvent(&vue, &e);
    };
    const auto sous_le_pointeur = [&] { return (ici - vue.decalage()) / vue.zoom(); };
    const QPointF avant = sous_le_pointeur();
    molette(3);
    QVERIFY(vue.zoom() > 1.9);
    QVERIFY((sous_le_pointeur() - avant).manhattanLength() < 1e-9);
    QVERIFY(ajuster->isVisible());
    QTest::mousePress(&vue, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent glisse(QEvent::MouseMove, QPointF(130, 90), vue.mapToGlobal(QPointF(130, 90)), Qt::NoButton,
                       Qt::LeftButton, {});
    QApplication::sendEvent(&vue, &glisse);
    QCOMPARE(vue.decalage() - (ici - avant * vue.zoom()), QPointF(30, -10));
    vue.montrer({{QStringLiteral("Planche 1"), svg}});
    QVERIFY(vue.zoom() > 1.9); // kept while redrawn
    molette(-100);
    QCOMPARE(vue.zoom(), 1.0); // never smaller than whole
    molette(2);
    ajuster->click();
    QCOMPARE(vue.zoom(), 1.0);
    QCOMPARE(vue.decalage(), QPointF());
    QVERIFY(ajuster->isHidden());
  }

  // Qt's own words in French, those its catalogue lacks too.
  void motsDeQtEnFrancais() {
    auto* traduction = new ui::TraductionQt(qApp);
    QApplication::installTranslator(traduction);
    const auto retirer = qScopeGuard([&] { QApplication::removeTranslator(traduction); });
    QCOMPARE(QFileIconProvider().type(QFileInfo(dossier->path())), QStringLiteral("Dossier"));
    if (!traduction->catalogue_charge()) QSKIP("le catalogue français de Qt n'est pas installé");
    QDialogButtonBox boutons(QDialogButtonBox::Cancel);
    QVERIFY2(boutons.button(QDialogButtonBox::Cancel)->text().contains(QStringLiteral("Annuler")),
             qPrintable(boutons.button(QDialogButtonBox::Cancel)->text()));
  }
};

QTEST_MAIN(TestSansSurprise)
#include "test_sans_surprise.moc"
