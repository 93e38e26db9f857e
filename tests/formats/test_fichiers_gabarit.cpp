#include "common/erreurs.h"
#include "common/texte_mm.h"
#include "formats/format_gabarit.h"
#include "formats/gabarit_dxf.h"
#include "formats/gabarit_svg.h"
#include "formats/legende.h"
#include "formats/pages_pdf.h"
#include "formats/texte_xml.h"
#include "geometry/trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace bilobe {
namespace {

std::size_t occurrences(const std::string& texte, const std::string& motif) {
  std::size_t n = 0;
  for (std::size_t p = 0; (p = texte.find(motif, p)) != std::string::npos; p += motif.size()) ++n;
  return n;
}

TEST(FichiersGabarit, TexteMm) {
  const std::pair<double, const char*> cas[] = {
      {0, "0"},
      {-0.0, "0"},
      {-0.00004, "0"},
      {12.5, "12.5"},
      {1.0 / 3, "0.3333"},
      {-2.75, "-2.75"},
      {59.99999, "60"},
      {1e20, "100000000000000000000"},
      {-1e-9, "0"},
      {100, "100"},
  };
  for (const auto& [valeur, texte] : cas) EXPECT_EQ(texte_mm(valeur), texte) << valeur;
  for (double hors : {std::numeric_limits<double>::infinity(), std::nan("")}) EXPECT_THROW(texte_mm(hors), Depassement);
}

TEST(FichiersGabarit, TexteXmlSansCaracteresInterdits) {
  // What XML 1.0 cannot hold is left out or made a space, so that a name
  // typed anyhow still gives a file every reader opens.
  const std::pair<const char*, const char*> cas[] = {
      {"Planeur", "Planeur"},
      {"a\x01"
       "b\tc\x7f",
       "a b c "},
      {"\xEF\xBF\xBE\xEF\xBF\xBF", ""},                           // U+FFFE, U+FFFF
      {"\xEF\xBF\xBD \xEF\xBF\xBC", "\xEF\xBF\xBD \xEF\xBF\xBC"}, // U+FFFD, U+FFFC are characters
      {"<é & 'ï'>", "&lt;é &amp; &apos;ï&apos;&gt;"},
      {"\xEF\xBF", "\xEF\xBF"}, // cut short: no byte read past the end
  };
  for (const auto& [texte, attendu] : cas) EXPECT_EQ(texte_xml(texte), attendu) << texte;
  EXPECT_EQ(texte_sans_controles("Dos\r\nVentre<"), "Dos  Ventre<");
}

TEST(FichiersGabarit, SvgEnMillimetres) {
  struct Cas {
    ChampsCouple champs;
    std::string taille;
  };
  ChampsCouple defaut, large;
  large.xtot = "80";
  large.xa = "50";
  const Cas cas[] = {
      {defaut, "width=\"120mm\" height=\"168mm\" viewBox=\"0 0 120 168\""},
      {large, "width=\"180mm\" height=\"168mm\" viewBox=\"0 0 180 168\""},
  };
  for (const auto& k : cas) {
    const Gabarit g = construire_gabarit(tracer(k.champs));
    const std::string svg = contenu_svg(g);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find(k.taille), std::string::npos) << svg.substr(0, 200);
    EXPECT_EQ(occurrences(svg, "<path d=\"M "), 2u);
    EXPECT_EQ(occurrences(svg, " Z\"/>"), 2u);
    EXPECT_EQ(occurrences(svg, " L "), g.exterieur.size() + g.interieur.size() - 2);
    EXPECT_EQ(occurrences(svg, "<line "), 2u);
    EXPECT_NE(svg.find(">" + legende_gabarit(g) + "</text>"), std::string::npos);
  }
}

TEST(FichiersGabarit, DxfR12) {
  const Gabarit g = construire_gabarit(tracer({}));
  const std::string dxf = contenu_dxf(g);
  EXPECT_EQ(dxf.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n", 0), 0u);
  EXPECT_EQ(dxf.substr(dxf.size() - 10), "  0\r\nEOF\r\n");
  EXPECT_EQ(occurrences(dxf, "\r\n  0\r\nPOLYLINE\r\n  8\r\nCONTOUR\r\n"), 2u);
  EXPECT_EQ(occurrences(dxf, "\r\n  0\r\nVERTEX\r\n"), g.exterieur.size() + g.interieur.size());
  EXPECT_EQ(occurrences(dxf, "\r\n  0\r\nLINE\r\n  8\r\nREPERES\r\n"), 2u);
  EXPECT_NE(dxf.find("$INSUNITS\r\n 70\r\n4\r\n"), std::string::npos);
  EXPECT_NE(dxf.find("Couple bi-lob\xE9 100 x 140 mm"), std::string::npos); // Windows-1252
  EXPECT_EQ(dxf.find('\n' + std::string("nan")), std::string::npos);
}

TEST(FichiersGabarit, NomsEtFormats) {
  const std::map<std::string, std::optional<FormatGabarit>> noms{
      {"dat", FormatGabarit::Dat}, {"SVG", FormatGabarit::Svg}, {"Dxf", FormatGabarit::Dxf},
      {"pdf", FormatGabarit::Pdf}, {"", std::nullopt},          {"svgz", std::nullopt},
      {"pd", std::nullopt},
  };
  for (const auto& [nom, format] : noms) EXPECT_EQ(format_depuis_nom(nom), format) << nom;

  ChampsCouple c;
  EXPECT_EQ(nom_par_defaut(c, FormatGabarit::Svg), "Bi-lobe 140 x 50.svg");
  EXPECT_EQ(nom_par_defaut(c, FormatGabarit::Dat), "Bi-lobe 140 x 50.dat");
  c.yinf = "40.5";
  EXPECT_EQ(nom_par_defaut(c, FormatGabarit::Pdf), "Bi-lobe 140.5 x 50.pdf");
  EXPECT_EQ(texte_resume(construire_gabarit(tracer({})), FormatGabarit::Dxf),
            "Gabarit DXF : 100 x 140 mm, surface 3326.1615 mm², paroi 8.33 à 10.00 mm, saignée 0 mm");
}

TEST(FichiersGabarit, MiseEnPageA4) {
  using namespace page_a4;
  struct Cas {
    Cadre a_couvrir;
    int lignes, colonnes;
  };
  const Cas cas[] = {
      {{-55, 55, -45, 105}, 1, 1},        {{-95, 95, -126, 126}, 1, 1}, // exactly one drawing area
      {{-95.5, 95.5, -10, 10}, 1, 2},                                   // just wider
      {{-200, 200, -45, 400}, 2, 3},                                    // 400 wide, 445 high
      {{-900, 900, -1100, 1100}, 10, 10},                               // the most sheets allowed
  };
  for (const auto& k : cas) {
    const MiseEnPage m = mettre_en_page(k.a_couvrir);
    SCOPED_TRACE(std::to_string(k.a_couvrir.largeur()) + " x " + std::to_string(k.a_couvrir.hauteur()));
    EXPECT_EQ(m.lignes, k.lignes);
    EXPECT_EQ(m.colonnes, k.colonnes);
    ASSERT_EQ(m.pages.size(), static_cast<std::size_t>(k.lignes * k.colonnes));
    const PageGabarit& premiere = m.pages.front();
    const PageGabarit& derniere = m.pages.back();
    // Covered, and centred: the same room left on both sides.
    EXPECT_LE(premiere.zone.gauche, k.a_couvrir.gauche);
    EXPECT_GE(premiere.zone.haut, k.a_couvrir.haut);
    EXPECT_GE(derniere.zone.droite, k.a_couvrir.droite);
    EXPECT_LE(derniere.zone.bas, k.a_couvrir.bas);
    EXPECT_NEAR(k.a_couvrir.gauche - premiere.zone.gauche, derniere.zone.droite - k.a_couvrir.droite, 1e-9);
    EXPECT_NEAR(premiere.zone.haut - k.a_couvrir.haut, k.a_couvrir.bas - derniere.zone.bas, 1e-9);
    std::map<std::pair<double, double>, int> vues;
    for (std::size_t i = 0; i < m.pages.size(); ++i) {
      const PageGabarit& p = m.pages[i];
      EXPECT_DOUBLE_EQ(p.zone.largeur(), ZONE_LARGEUR);
      EXPECT_DOUBLE_EQ(p.zone.hauteur(), ZONE_HAUTEUR);
      const double recouvrement_gauche = p.colonne > 0 ? m.pages[i - 1].zone.droite - p.zone.gauche : RECOUVREMENT;
      const double recouvrement_haut = p.ligne > 0 ? p.zone.haut - m.pages[i - k.colonnes].zone.bas : RECOUVREMENT;
      EXPECT_NEAR(recouvrement_gauche, RECOUVREMENT, 1e-9);
      EXPECT_NEAR(recouvrement_haut, RECOUVREMENT, 1e-9);
      for (const PointMm& q : p.marques) ++vues[{q.x, q.y}];
    }
    // Two marks per row in each vertical overlap, per column in each horizontal one.
    EXPECT_EQ(vues.size(), static_cast<std::size_t>(2 * (k.lignes * (k.colonnes - 1) + k.colonnes * (k.lignes - 1))));
    for (const auto& [marque, n] : vues) EXPECT_EQ(n, 2) << "mark at " << marque.first << ", " << marque.second;
  }
  const PointMm coin = sur_la_page(mettre_en_page(cas[0].a_couvrir).pages[0], {-95, 126 + 30});
  EXPECT_NEAR(coin.x, ZONE_GAUCHE, 1e-12);
  EXPECT_NEAR(coin.y, ZONE_HAUT, 1e-12);

  const double inf = std::numeric_limits<double>::infinity();
  for (const Cadre& trop :
       {Cadre{-910, 910, -1100, 1100}, Cadre{0, 1e300, 0, 1e300}, Cadre{0, inf, 0, 1}, Cadre{0, std::nan(""), 0, 1}})
    EXPECT_THROW(mettre_en_page(trop), Depassement) << trop.droite;
}

} // namespace
} // namespace bilobe

namespace bilobe {
namespace {

// Sheets that would hold alignment marks only are not printed, and every
// part of the outline is still on a printed sheet.
TEST(FichiersGabarit, FeuillesSansContour) {
  struct Cas {
    ChampsCouple champs;
    std::size_t feuilles, imprimees;
  };
  ChampsCouple zone_entiere; // 190 x 252 mm: the drawing area of one sheet
  zone_entiere.xtot = "95";
  zone_entiere.ytot = "152";
  zone_entiere.yinf = "100";
  zone_entiere.xa = "60";
  zone_entiere.ya = "90";
  zone_entiere.ep = "5";
  ChampsCouple creux; // 560 x 600 mm, a thin wall round a large hollow
  creux.xtot = "280";
  creux.ytot = "400";
  creux.yinf = "200";
  creux.xa = "170";
  creux.ya = "260";
  creux.ep = "6";
  for (const Cas& k : {Cas{ChampsCouple{}, 1, 1}, Cas{zone_entiere, 1, 1}, Cas{creux, 12, 10}}) {
    const Gabarit g = construire_gabarit(tracer(k.champs));
    const MiseEnPage m = mettre_en_page(g.cadre);
    ASSERT_EQ(m.pages.size(), k.feuilles);
    std::vector<const PageGabarit*> imprimees;
    for (const PageGabarit& p : m.pages)
      if (montre_le_contour(p, g)) imprimees.push_back(&p);
    EXPECT_EQ(imprimees.size(), k.imprimees);
    for (const Boucle* b : {&g.exterieur, &g.interieur})
      for (std::size_t i = 0; i < b->size(); ++i) {
        const PointMm& a = (*b)[i];
        const PointMm& c = (*b)[(i + 1) % b->size()];
        const PointMm milieu{(a.x + c.x) / 2, (a.y + c.y) / 2};
        EXPECT_TRUE(std::any_of(imprimees.begin(), imprimees.end(),
                                [&](const PageGabarit* p) {
                                  return milieu.x >= p->zone.gauche && milieu.x <= p->zone.droite &&
                                         milieu.y >= p->zone.bas && milieu.y <= p->zone.haut;
                                }))
            << "segment " << i << " on no printed sheet";
      }
  }
}

} // namespace
} // namespace bilobe
