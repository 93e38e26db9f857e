// A DXF plan's lines: each entity the tracing reads, in its units, and
// the files that hold none or are not DXF refused with their line.
#include "common/erreurs.h"
#include "formats/ecrivain_dxf.h"
#include "formats/lecture_dxf.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

void proche(PointMm a, PointMm b) {
  EXPECT_NEAR(a.x, b.x, 1e-9);
  EXPECT_NEAR(a.y, b.y, 1e-9);
}

TEST(LectureDxf, ChaqueEntiteDevientUnTrait) {
  Dxf dxf(0);
  dxf.section("HEADER")(9, "$INSUNITS")(70, "1")(0, "ENDSEC");
  // A block's lines are not the drawing's.
  dxf.section("BLOCKS")(0, "LINE")(8, "0").point(10, {5, 5}).point(11, {6, 6})(0, "ENDSEC");
  dxf.section("ENTITIES");
  dxf(0, "LINE")(8, "0").point(10, {0, 0}).point(11, {10, 5});
  dxf(0, "LWPOLYLINE")(8, "0")(90, "3")(70, "1")(10, "1")(20, "1")(10, "2")(20, "1")(42, "0.5")(10, "2")(20, "3");
  dxf.polyligne_fermee("0", Boucle{{0, 0}, {4, 0}, {4, 2}}, [](PointMm p) { return p; });
  // A clamped cubic with four control points: a Bézier curve.
  dxf(0, "SPLINE")(8, "0")(70, "8")(71, "3")(72, "8")(73, "4");
  for (const char* k : {"0", "0", "0", "0", "1", "1", "1", "1"}) dxf(40, k);
  for (const PointMm p : {PointMm{0, 0}, PointMm{0, 8}, PointMm{8, 8}, PointMm{8, 0}}) dxf.point(10, p);
  dxf(0, "TEXT")(8, "0").point(10, {0, 0})(1, "Planeur")(0, "ENDSEC");
  const TraitsDxf r = lire_traits_dxf(dxf.fin(), "plan.dxf");

  EXPECT_EQ(r.mm_par_unite, 25.4);
  ASSERT_EQ(r.traits.size(), 4u);
  ASSERT_EQ(r.traits[0].size(), 2u);
  proche(r.traits[0][1], {10, 5});
  ASSERT_EQ(r.traits[1].size(), 4u); // closed: back to its first point
  proche(r.traits[1][2], {2, 3});
  proche(r.traits[1][3], {1, 1});
  ASSERT_EQ(r.traits[2].size(), 4u);
  proche(r.traits[2][1], {4, 0});
  const auto& s = r.traits[3];
  ASSERT_EQ(s.size(), 17u);
  proche(s.front(), {0, 0});
  proche(s.back(), {8, 0});
  proche(s[8], {4, 6}); // (P0 + 3 P1 + 3 P2 + P3) / 8
}

TEST(LectureDxf, FichiersRefuses) {
  const struct {
    std::string texte, message;
  } cas[] = {
      {"", "fichier vide"},
      {"Ceci n'est pas un DXF\n", "ligne 1 : code de groupe attendu"},
      {"0\nSECTION\n2\nENTITIES\n0\nTEXT\n1\nPlaneur\n0\nENDSEC\n0\nEOF\n", "aucune ligne utilisable"},
      {"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n", "ligne 8 : nombre illisible « abc »"},
      {"0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n70\n0\n0\nVERTEX\n10\n1\n20\n1\n0\nLINE\n", "POLYLINE sans SEQEND"},
      {"0\nSECTION\n2\nENTITIES\n0\nSPLINE\n71\n3\n40\n0\n10\n0\n20\n0\n10\n1\n20\n0\n", "SPLINE aux nœuds"},
      {"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1e300\n", "nombre illisible"},
      {"0\nSECTION\n2\nENTITIES\n0\n", "valeur manquante"},
  };
  for (const auto& c : cas) {
    try {
      lire_traits_dxf(c.texte, "plan.dxf");
      ADD_FAILURE() << c.message;
    } catch (const ErreurFichier& e) {
      EXPECT_EQ(e.lieu(), "plan.dxf");
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

} // namespace
} // namespace bilobe
