#include "geometry/construction.h"
#include "geometry/trace.h"
#include "ui/modeles/apercu.h"

#include <gtest/gtest.h>

#include <cmath>

namespace bilobe {
namespace {

ChampsCouple defauts(int ch = 0, int cv = 0) {
  ChampsCouple c;
  c.ch = ch;
  c.cv = cv;
  return c;
}

struct PointAttendu {
  int entree;
  double x;
  float y;
};

// The Windows C library's sin, cos and atan differ from glibc's in the last
// bits (near a zero of cos, by 1e-19 mm): there the doubles are held to
// 1e-12 mm, far below what the files print.
void meme_double(double obtenu, double attendu) {
#ifdef _WIN32
  EXPECT_NEAR(obtenu, attendu, 1e-12);
#else
  EXPECT_EQ(obtenu, attendu);
#endif
}

void verifier_points(const ListePoints& liste, const std::vector<PointAttendu>& attendus) {
  for (const auto& p : attendus) {
    SCOPED_TRACE("entrée " + std::to_string(p.entree));
    meme_double(liste.x(p.entree), p.x);
    EXPECT_EQ(liste.y(p.entree), p.y);
  }
}

TEST(Parametres, EllipsesDesDimensionsParDefautEtReduites) {
  const EllipsesHautes e = deriver_ellipses_hautes(50, 100, 30, 60);
  meme_double(e.t1, 0.9272952180016122);
  meme_double(e.t2, 0.6435011087932844);
  EXPECT_EQ(e.b1, 75);
  EXPECT_EQ(e.a2, 37.5);

  const DimensionsHautes r = reduire({{50, 100, 30, 60}, e, 10.0f});
  EXPECT_EQ(r.xtot, 40);
  EXPECT_EQ(r.ytot, 90);
  EXPECT_EQ(r.xa, 22.928932188134524);
  EXPECT_EQ(r.ya, 52.928932188134524);

  const EllipsesHautes i = deriver_ellipses_hautes(r.xtot, r.ytot, r.xa, r.ya);
  EXPECT_EQ(i.t1, 0.9603621177077957);
  EXPECT_EQ(i.t2, 0.6287067036928817);
  EXPECT_EQ(i.b1, 64.5948060789521);
  EXPECT_EQ(i.a2, 28.349716276989835);
}

TEST(Parametres, ArcCosArcSin) {
  EXPECT_EQ(ArcCos(0), 2 * std::atan(1.0));
  EXPECT_EQ(ArcSin(0), 0);
  EXPECT_NEAR(ArcCos(0.6) + ArcSin(0.6), 2 * std::atan(1.0), 1e-15);
}

TEST(Parametres, EpaisseurEnSimplePrecision) {
  // The wall is read into a single: 0.1 reaches the inner side as 0.1f.
  ChampsCouple c = defauts();
  c.ep = "0.1";
  EXPECT_EQ(tracer(c).contour.liste.x(455), 49.899999998509884);
}

TEST(ContourMm, DefautsSansSegments) {
  const ContourMm c = tracer(defauts()).contour;
  ASSERT_EQ(c.nbpts(), 549);
  verifier_points(c.liste, {
                               {1, -1.0255171425766557e-8, -40.0f},
                               {90, 49.99238475781757, -0.6980962753295898f},
                               {91, 50, 0.0f},
                               {180, 30.41053156657415, 59.53317642211914f},
                               {181, 30, 60.0f},
                               {270, 0.3863661638606817, 99.99468994140625f},
                               {271, 0, 100.0f},
                               {272, 0, 97.5f},
                               {273, 0, 95.0f},
                               {274, 0, 92.5f},
                               {275, -5.814624005847505e-9, 90.0f},
                               {364, 22.753157657053876, 53.68796920776367f},
                               {365, 22.928932188134524, 52.928932189941406f},
                               {454, 39.99772274902263, 0.6892580986022949f},
                               {455, 40, 0.0f},
                               {544, 0.6980962493795938, -29.99542999267578f},
                               {545, 0, -30.0f},
                               {546, 0, -32.5f},
                               {547, 0, -35.0f},
                               {548, 0, -37.5f},
                               {549, 0, -40.0f},
                           });
}

TEST(ContourMm, DefautsAvecLesDeuxSegments) {
  const ContourMm c = tracer(defauts(1, 1)).contour;
  ASSERT_EQ(c.nbpts(), 629);
  std::vector<PointAttendu> attendus = {
      {21, 29.99999999589793, -40.0f},
      {110, 49.99695390312703, -20.349048614501953f},
      {131, 50, 0.0f},
      {221, 30, 60.0f},
      {311, 0, 100.0f},
      {314, 0, 92.5f},
      {515, 40, -20.0f},
      {604, 30.174524062344897, -29.998476028442383f},
      {625, 0, -30.0f},
      {629, 0, -40.0f},
  };
  for (int i = 0; i < 20; ++i) {
    attendus.push_back({1 + i, 1.5 * i, -40.0f});                   // flat bottom
    attendus.push_back({111 + i, 50, static_cast<float>(-20 + i)}); // vertical side
    attendus.push_back({495 + i, 40, static_cast<float>(-i)});      // inner vertical side
    attendus.push_back({605 + i, 30 - 1.5 * i, -30.0f});            // inner flat bottom
  }
  verifier_points(c.liste, attendus);
}

TEST(ContourMm, NombreDePoints) {
  struct Cas {
    const char* nbptel;
    const char* nbptseg;
    int ch, cv;
    int attendu;
  };
  const Cas cas[] = {
      {"90", "20", 0, 0, 549},  {"90", "20", 1, 0, 589}, {"90", "20", 0, 1, 589},  {"90", "20", 1, 1, 629},
      {"165", "20", 0, 0, 999}, {"2.5", "20", 0, 0, 21}, {"0.5", "20", 0, 0, 9},   {"0.5", "20", 1, 1, 89},
      {"-3", "20", 0, 0, 9},    {"90", "-2", 1, 1, 549}, {"90", "2.5", 1, 0, 553}, {"90", "0", 0, 0, 549},
  };
  for (const auto& k : cas) {
    ChampsCouple c = defauts(k.ch, k.cv);
    c.nbptel = k.nbptel;
    c.nbptseg = k.nbptseg;
    EXPECT_EQ(tracer(c).contour.nbpts(), k.attendu)
        << k.nbptel << " / " << k.nbptseg << " ch=" << k.ch << " cv=" << k.cv;
  }
}

TEST(ContourMm, ArcsVidesPourUnDemiPoint) {
  ChampsCouple c = defauts();
  c.nbptel = "0.5";
  const ContourMm r = tracer(c).contour;
  ASSERT_EQ(r.nbpts(), 9);
  const float ys[] = {100, 97.5f, 95, 92.5f, -30, -32.5f, -35, -37.5f, -40};
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(r.liste.x(k), 0) << k;
    EXPECT_EQ(r.liste.y(k), ys[k - 1]) << k;
  }
}

TEST(ContourMm, EpaisseurQuiRetourneLArcInferieur) {
  ChampsCouple c = defauts(0, 1);
  c.ep = "35";
  const ContourMm r = tracer(c).contour;
  // a0 = 15, b0 = -15: the inner lower arc rises from (15, -20) towards (0, -5).
  const int debut_arc = 3 * 90 + 20 + 4 + 2 * 90 + 20 + 1;
  EXPECT_EQ(r.liste.x(debut_arc), 15);
  EXPECT_EQ(r.liste.y(debut_arc), -20.0f);
  EXPECT_GT(r.liste.y(debut_arc + 89), -5.1f);
  EXPECT_EQ(r.liste.y(r.nbpts() - 4), -5.0f);
  EXPECT_EQ(r.liste.y(r.nbpts()), -40.0f);
}

TEST(ContourMm, SegmentHorizontalNul) {
  ChampsCouple c = defauts(1, 0);
  c.segh.assign(1, '0'); // not "= \"0\"": GCC 12 warns wrongly (-Wrestrict) on it
  const ContourMm r = tracer(c).contour;
  ASSERT_EQ(r.nbpts(), 589);
  for (int k = 1; k <= 20; ++k) {
    EXPECT_EQ(r.liste.x(k), 0) << k;
    EXPECT_EQ(r.liste.y(k), -40.0f) << k;
  }
}

TEST(Trace, CoordonneesRelativesEtApercu) {
  const ResultatTrace r = tracer(defauts());
  ASSERT_EQ(r.nbpts(), 549);
  EXPECT_EQ(r.legende, " 549 points)");
  EXPECT_EQ(r.niveau, 0.2857142984867096f);
  verifier_points(r.liste, {{1, -7.325122446976112e-11, 0.0f},
                            {91, 0.35714285714285715, 0.2857142984867096f},
                            {271, 0, 1.0f},
                            {549, 0, 0.0f}});
  ASSERT_EQ(apercu_de(r).polyligne.size(), 549u);
  EXPECT_EQ(apercu_de(r).polyligne[90].x, static_cast<float>(0.35714285714285715));
  EXPECT_EQ(apercu_de(r).polyligne[90].y, 0.2857142984867096f);

  EXPECT_EQ(tracer(defauts(1, 1)).legende, " 629 points)");
}

TEST(Trace, DeuxTracesIdentiques) {
  const ResultatTrace a = tracer(defauts(1, 0));
  const ResultatTrace b = tracer(defauts(1, 0));
  ASSERT_EQ(a.nbpts(), b.nbpts());
  for (int k = 1; k <= a.nbpts(); ++k) {
    EXPECT_EQ(a.liste.x(k), b.liste.x(k));
    EXPECT_EQ(a.liste.y(k), b.liste.y(k));
  }
}

TEST(Trace, LargeurQuiDepasseLApercuNEstPasRecadree) {
  ChampsCouple c = defauts();
  c.xtot = "80";
  const ResultatTrace r = tracer(c);
  EXPECT_NEAR(r.liste.x(91), 80.0 / 140.0, 1e-15);
  EXPECT_GT(apercu_de(r).polyligne[90].x, 0.5f);
}

TEST(Apercu, PassageEnPixels) {
  struct Cas {
    PointApercu p;
    double px, py;
  };
  const Cas cas[] = {
      {{-0.05f, 1.05f}, 0, 0},
      {{0.5f, -0.05f}, 165, 325},
      {{0.0f, 1.0f}, 15, 14.77},
      {{0.0f, 40.0f / 140.0f}, 15, 225.81},
  };
  for (const auto& k : cas) {
    const PositionPixel p = vers_pixels(k.p);
    EXPECT_NEAR(p.x, k.px, 0.01) << k.p.x;
    EXPECT_NEAR(p.y, k.py, 0.01) << k.p.y;
  }
}

} // namespace
} // namespace bilobe
