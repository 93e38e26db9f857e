// From a plan to the formers, as a builder does it: the plan opened, set to
// scale by two clicks, straightened, the noses and four lines clicked, the
// stations created in one step of the history and the formers drawn over
// the plan; the plan and its lines saved and reopened; bad plans and bad
// lines refused with a message and nothing changed.
#include "clics_plan.h"
#include "fenetre_dans_dossier.h"

#include "serie/depuis_lignes.h"
#include "ui/frm_plan.h"
#include "ui/frm_serie.h"

#include <QComboBox>
#include <QPdfWriter>
#include <QTableWidget>

using namespace bilobe;
using bilobe::ui::Calque;
using bilobe::ui::Frm_Plan;
using bilobe::ui::Frm_Serie;
using namespace clics_plan;

namespace {

Courbe courbe(const std::vector<PointMm>& points) {
  std::vector<double> x, y;
  for (const PointMm& p : points) x.push_back(p.x), y.push_back(p.y);
  return Courbe(x, y, Interpolation::Lisse);
}

} // namespace

class TestPlan : public QObject, FenetreDansDossier {
  Q_OBJECT

  Frm_Serie* serie() {
    f->ouvrir_serie();
    return f->fenetre_serie();
  }
  static Frm_Plan* plan(Frm_Serie* s) {
    QTest::mouseClick(controle<QPushButton>(s, "Bt_DepuisPlan"), Qt::LeftButton);
    Frm_Plan* p = nullptr;
    for (Frm_Plan* visible : s->findChildren<Frm_Plan*>("Frm_Plan"))
      if (visible->isVisible()) p = visible;
    if (!p) qFatal("fenêtre du plan absente");
    p->demander_distance = [] { return std::optional(plan_synthetique::BARRE_MM); };
    return p;
  }
  // Every former of the series within 0.2 mm of the lines clicked.
  static void suit_les_lignes(const DescriptionSerie& d) {
    const auto l = plan_synthetique::lignes_vraies();
    const Courbe dos = courbe(l[0]), ventre = courbe(l[1]), demi = courbe(l[3]);
    for (const CoupleSerie& c : couples_de(d)) {
      QVERIFY2(std::abs(c.cotes[0] - demi(c.position)) <= ECART_MAX_LIGNES, c.nom.c_str());
      QVERIFY2(std::abs(c.cotes[1] - dos(c.position)) <= ECART_MAX_LIGNES, c.nom.c_str());
      QVERIFY2(std::abs(c.cotes[4] + ventre(c.position)) <= ECART_MAX_LIGNES, c.nom.c_str());
    }
  }

private slots:
  void init() { QVERIFY(ouvrir()); }
  void cleanup() { fermer(); }

  void duScanAuxCouples() {
    plan_synthetique::dessiner_scan(chemin("plan.png"));
    Frm_Serie* s = serie();
    const int stations_avant = controle<QTableWidget>(s, "tab_stations")->rowCount();
    Frm_Plan* p = plan(s);
    QVERIFY(p->screen()->availableGeometry().contains(p->frameGeometry()));
    QVERIFY(p->ouvrir_plan(chemin("plan.png")));
    // The scale from the bar, the turn from two points of the datum.
    caler_le_scan(p);
    const CalagePlan& vrai = plan_synthetique::CALAGE;
    QCOMPARE_LE(std::abs(p->lignes().calage.mm_par_unite - vrai.mm_par_unite), 1e-9);
    QCOMPARE_LE(std::abs(p->lignes().calage.angle - vrai.angle), 1e-9);
    tracer(p, vrai, false);
    QCOMPARE(p->lignes().lignes[0].size(), 25u);

    QTest::mouseClick(controle<QPushButton>(p, "Bt_Creer"), Qt::LeftButton);
    p->attendre();
    s->attendre_les_vues();
    QVERIFY2(p->message().contains("stations créées"), qPrintable(p->message()));
    const QTableWidget* table = controle<QTableWidget>(s, "tab_stations");
    QVERIFY(table->rowCount() > 2);
    QCOMPARE(controle<QComboBox>(s, "cmb_interpolation")->currentIndex(), 1);
    QVERIFY(s->description() && s->description()->plan);
    suit_les_lignes(*s->description());
    // The formers over the plan: one line on each view for each former.
    QCOMPARE(p->calque()->couples().size(), 2 * couples_de(*s->description()).size());

    // One step of the history, plan included.
    const int stations_creees = table->rowCount();
    s->historique().undo();
    QCOMPARE(table->rowCount(), stations_avant);
    QVERIFY(!s->description()->plan);
    s->historique().redo();
    QCOMPARE(table->rowCount(), stations_creees);

    // Saved with the plan's path relative to the file, reopened as it was.
    s->enregistrer(chemin("avion.toml"));
    QVERIFY(lire(chemin("avion.toml")).contains("\n[plan]\nfichier = \"plan.png\"\n"));
    const LignesPlan avant = p->lignes();
    s->ouvrir(chemin("avion.toml"));
    QVERIFY(!p->isVisible()); // the other series' lines go with it
    Frm_Plan* relu = plan(s);
    QVERIFY(relu != p);
    QCOMPARE(relu->lignes().fichier, chemin("plan.png").toStdString());
    QCOMPARE(relu->lignes().calage, avant.calage);
    for (std::size_t l = 0; l < NB_LIGNES_PLAN; ++l) {
      QCOMPARE(relu->lignes().lignes[l].size(), avant.lignes[l].size());
      for (std::size_t k = 0; k < avant.lignes[l].size(); ++k) {
        QCOMPARE_LE(std::abs(relu->lignes().lignes[l][k].x - avant.lignes[l][k].x), 1e-6);
        QCOMPARE_LE(std::abs(relu->lignes().lignes[l][k].y - avant.lignes[l][k].y), 1e-6);
      }
    }
    QVERIFY2(!relu->message().contains("Erreur"), qPrintable(relu->message()));
  }

  // A DXF gives its scale by its units: only the noses and the lines to click.
  void duDxfAuxCouples() {
    plan_synthetique::dessiner_dxf(chemin("plan.dxf"));
    Frm_Serie* s = serie();
    Frm_Plan* p = plan(s);
    QVERIFY(p->ouvrir_plan(chemin("plan.dxf")));
    QCOMPARE(p->lignes().calage.mm_par_unite, 1.0);
    // y up in the DXF, down on the plan.
    tracer(p, CalagePlan{1, 0, {0, 0}, {0, 200}}, true);
    QTest::mouseClick(controle<QPushButton>(p, "Bt_Creer"), Qt::LeftButton);
    p->attendre();
    s->attendre_les_vues();
    QVERIFY(s->description());
    suit_les_lignes(*s->description());
    // A point deleted by a right click, another dragged.
    Calque* c = p->calque();
    outil(p, "Bt_Dos");
    const std::size_t points = p->lignes().lignes[0].size();
    cliquer(c, p->lignes().lignes[0][3], Qt::RightButton);
    QCOMPARE(p->lignes().lignes[0].size(), points - 1);
    // Closed and opened again: the lines are still there.
    QTest::mouseClick(controle<QPushButton>(p, "Bt_Fermer"), Qt::LeftButton);
    QVERIFY(!p->isVisible());
    QCOMPARE(plan(s)->lignes().lignes[0].size(), points - 1);
  }

  // Every button and field of the plan window by its own Alt letter.
  void lettresAlt() {
    Frm_Plan* p = plan(serie());
    QSet<QChar> lettres;
    for (const QPushButton* b : p->findChildren<QPushButton*>()) {
      if (!b->objectName().startsWith("Bt_")) continue;
      QVERIFY2(b->text().contains('&'), qPrintable(b->objectName()));
      const QChar lettre = b->text().at(b->text().indexOf('&') + 1).toLower();
      QVERIFY2(!lettres.contains(lettre), qPrintable(b->objectName()));
      lettres.insert(lettre);
    }
    for (const QLabel* l : p->findChildren<QLabel*>())
      if (l->buddy()) {
        QVERIFY2(l->text().contains('&'), qPrintable(l->text()));
        const QChar lettre = l->text().at(l->text().indexOf('&') + 1).toLower();
        QVERIFY2(!lettres.contains(lettre), qPrintable(l->text()));
        lettres.insert(lettre);
      }
    QCOMPARE(lettres.size(), 20);
  }

  void mauvaisPlansEtMauvaisesLignes() {
    Frm_Serie* s = serie();
    Frm_Plan* p = plan(s);
    QFile faux(chemin("faux.png"));
    QVERIFY(faux.open(QIODevice::WriteOnly) && faux.write("pas une image") > 0);
    faux.close();
    QFile dxf(chemin("vide.dxf"));
    QVERIFY(dxf.open(QIODevice::WriteOnly) && dxf.write("0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n") > 0);
    dxf.close();
    {
      QPdfWriter pdf(chemin("une_page.pdf"));
      QPainter peintre(&pdf);
      peintre.drawLine(0, 0, 1000, 1000);
    }
    QVERIFY(p->ouvrir_plan(chemin("une_page.pdf")));
    // A PDF is measured in its points, whatever it is drawn at: 1:1 unless told.
    QCOMPARE(p->lignes().calage.mm_par_unite, 25.4 / 72);
    const LignesPlan avant = p->lignes();
    const struct {
      QString chemin;
      int page;
      const char* message;
    } plans[] = {
        {chemin("absent.png"), 1, "absent.png"},
        {chemin("faux.png"), 1, "plan illisible"},
        {chemin("une_page.pdf"), 3, "la page 3 n'existe pas : le PDF en a 1"},
        {chemin("vide.dxf"), 1, "aucune ligne utilisable"},
    };
    for (const auto& k : plans) {
      QVERIFY(!p->ouvrir_plan(k.chemin, k.page));
      QVERIFY2(p->message().contains(QString::fromUtf8(k.message)), qPrintable(p->message()));
      QCOMPARE(p->lignes().fichier, avant.fichier);
    }
    // A scale of zero, two clicks on one point.
    p->demander_distance = [] { return std::optional(0.0); };
    outil(p, "Bt_Echelle");
    cliquer(p->calque(), {10, 10});
    cliquer(p->calque(), {300, 10});
    QVERIFY2(p->message().contains("la distance doit être"), qPrintable(p->message()));
    outil(p, "Bt_Horizontale");
    cliquer(p->calque(), {10, 10});
    cliquer(p->calque(), {10, 10});
    QVERIFY2(p->message().contains("confondus"), qPrintable(p->message()));
    QCOMPARE(p->lignes().calage, avant.calage);
    auto* echelle = controle<QLineEdit>(p, "txt_echelle");
    echelle->setText("0");
    emit echelle->editingFinished();
    QVERIFY2(p->message().contains("L'échelle doit être un nombre de mm positif"), qPrintable(p->message()));
    QCOMPARE(p->lignes().calage, avant.calage);

    // Lines that cannot make a fuselage: named, and the table untouched.
    const QTableWidget* table = controle<QTableWidget>(s, "tab_stations");
    const int lignes_table = table->rowCount();
    const struct {
      std::vector<PointMm> ventre, demi;
      const char* message;
    } lignes[] = {
        {{{0, -10}, {500, 20}, {1000, -10}}, {{0, 10}, {1000, 10}}, "Le ventre n'est pas sous le niveau à x = "},
        {{{0, -10}, {1000, -10}}, {{0, 10}, {600, 0}, {1000, 10}}, "« Demi-largeur » : la demi-largeur s'annule"},
        {{{0, -10}}, {{0, 10}, {1000, 10}}, "« Ventre » : il faut au moins deux points"},
    };
    for (const auto& k : lignes) {
      p->lignes().calage = {};
      p->lignes().lignes = {{{{0, -10}, {1000, -10}}, {}, {}, {}}};
      for (const PointMm& q : k.ventre) p->lignes().lignes[1].push_back({q.x, -q.y});
      for (const PointMm& q : k.demi) p->lignes().lignes[3].push_back({q.x, -q.y});
      QTest::mouseClick(controle<QPushButton>(p, "Bt_Creer"), Qt::LeftButton);
      p->attendre();
      QVERIFY2(p->message().contains(QString::fromUtf8(k.message)), qPrintable(p->message()));
      QCOMPARE(table->rowCount(), lignes_table);
    }
    // Lines no series can follow take long: the click returns at once, the
    // stations come from a worker (here: the refusal at 200 stations).
    p->lignes().lignes[1] = {{0, 10}, {1000, 10}};
    p->lignes().lignes[3].clear();
    for (int k = 0; k <= 1000; ++k) p->lignes().lignes[3].push_back({double(k), k % 2 ? -30.0 : -10.0});
    QTest::mouseClick(controle<QPushButton>(p, "Bt_Creer"), Qt::LeftButton);
    QCOMPARE(p->message(), QStringLiteral("Calcul des stations…"));
    p->attendre();
    QVERIFY2(p->message().contains("plus de 200 stations"), qPrintable(p->message()));
    QCOMPARE(table->rowCount(), lignes_table);
  }
};

QTEST_MAIN(TestPlan)
#include "test_plan.moc"
