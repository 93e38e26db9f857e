#include "common/erreurs.h"
#include "formats/ecrivain_pdf.h"
#include "formats/winansi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace bilobe {
namespace {

TEST(EcrivainPdf, Nombres) {
  const struct {
    double x;
    const char* attendu;
  } cas[] = {
      {0, "0"},
      {-0.0, "0"},
      {0.0004, "0"},
      {-0.0004, "0"},
      {1.5, "1.5"},
      {2, "2"},
      {-12.345678, "-12.346"},
      {0.0005, "0.001"},
      {595.2755905511812, "595.276"},
      {1e9, "1000000000"},
  };
  for (const auto& c : cas) EXPECT_EQ(nombre_pdf(c.x), c.attendu) << c.x;
  EXPECT_THROW(nombre_pdf(std::nan("")), ErreurExecution);
  EXPECT_THROW(nombre_pdf(INFINITY), ErreurExecution);
}

TEST(EcrivainPdf, Dates) {
  const struct {
    std::int64_t secondes;
    const char* attendu;
  } cas[] = {
      {0, "D:19700101000000Z"},  {951782400, "D:20000229000000Z"},  {1796860799, "D:20261209235959Z"},
      {-1, "D:19691231235959Z"}, {4102444800, "D:21000101000000Z"},
  };
  for (const auto& c : cas) EXPECT_EQ(date_pdf(c.secondes), c.attendu) << c.secondes;
}

TEST(EcrivainPdf, TexteEnWinAnsi) {
  const struct {
    const char* utf8;
    const char* attendu;
  } cas[] = {
      {"Découpe à 1:1", "D\xE9"
                        "coupe \xE0 1:1"},
      {"Œuvre, cœur", "\x8Cuvre, c\x9Cur"},
      {"« F1 » l’épaisseur — 12 €", "\xAB F1 \xBB l\x92\xE9paisseur \x97 12 \x80"},
      {"ÿ ß °", "\xFF \xDF \xB0"},
      {"emoji 😀", "emoji ?"},
      {"tab\tfin", "tab?fin"},
      {"coupé \xC3", "coup\xE9 ?"}, // cut short
      {"\xC0\xAF", "??"},           // overlong
      {"\xED\xA0\x80", "?"},        // a surrogate is no character
      {"\xE2\x82", "??"},           // cut short in the middle
  };
  for (const auto& c : cas) EXPECT_EQ(en_winansi(c.utf8), c.attendu) << c.utf8;
}

// The objects a PDF reader finds through the cross-reference table.
void verifier_structure(const std::string& pdf) {
  ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
  const std::size_t start = pdf.rfind("startxref\n");
  ASSERT_NE(start, std::string::npos);
  const std::size_t xref = std::stoul(pdf.substr(start + 10));
  ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
  std::size_t ligne = pdf.find('\n', xref + 5) + 1;
  const int entrees = std::stoi(pdf.substr(pdf.find(' ', xref + 5) + 1));
  ligne += 20; // object 0, free
  for (int n = 1; n < entrees; ++n, ligne += 20) {
    const std::size_t position = std::stoul(pdf.substr(ligne, 10));
    const std::string entete = std::to_string(n) + " 0 obj\n";
    EXPECT_EQ(pdf.compare(position, entete.size(), entete), 0) << "objet " << n;
  }
  EXPECT_EQ(pdf.compare(ligne, 8, "trailer\n"), 0);
  // Each stream as long as it says.
  for (std::size_t p = pdf.find("/Length "); p != std::string::npos; p = pdf.find("/Length ", p + 1)) {
    const std::size_t longueur = std::stoul(pdf.substr(p + 8));
    const std::size_t debut = pdf.find("stream\n", p) + 7;
    EXPECT_EQ(pdf.compare(debut + longueur, 9, "endstream"), 0);
  }
}

EcrivainPdf exemple(std::optional<std::int64_t> date) {
  EcrivainPdf pdf("Gabarit « F1 » (1:1)", date);
  pdf.page(210, 297)
      .ligne({{10, 10}, {110, 10}}, false, {255, 0, 0}, 0.2)
      .ligne({{10, 20}, {60, 20}, {60, 40}}, true, {0, 0, 255}, 0.15, 3, 1.5)
      .surface({{20, 50}, {30, 50}, {30, 60}, {20, 60}}, {0, 0, 0})
      .texte({100, 100}, "AV", 10, {0, 0, 0}, EcrivainPdf::Ancre::Milieu);
  pdf.page(297, 210).texte({10, 200}, "a(b)\\c é", 8, {0, 0, 0});
  return pdf;
}

TEST(EcrivainPdf, UnFichierQueLesLecteursParcourent) {
  const std::string pdf = exemple(std::nullopt).fin();
  verifier_structure(pdf);
  EXPECT_EQ(pdf, exemple(std::nullopt).fin()); // the same bytes every time
  EXPECT_EQ(pdf.find("/CreationDate"), std::string::npos);
  EXPECT_NE(exemple(0).fin().find("/CreationDate (D:19700101000000Z)"), std::string::npos);
  verifier_structure(exemple(0).fin());
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [0 0 595.275 841.889]"), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [0 0 841.889 595.275]"), std::string::npos);
  // The title in UTF-16: « is U+00AB.
  EXPECT_NE(pdf.find("/Title <FEFF00470061"), std::string::npos);
  EXPECT_NE(pdf.find("00AB"), std::string::npos);
  // y down in millimetres to y up in points; dashes in points.
  EXPECT_NE(pdf.find("28.346 813.543 m\n311.811 813.543 l\nS\n"), std::string::npos);
  EXPECT_NE(pdf.find("[8.504 4.252] 0 d"), std::string::npos);
  // "AV" at 10 pt is 13.34 pt wide: centred on 100 mm, it starts 6.67 pt before.
  EXPECT_NE(pdf.find("/F1 10 Tf 1 0 0 1 276.795 558.424 Tm (AV) Tj"), std::string::npos);
  EXPECT_NE(pdf.find("(a\\(b\\)\\\\c \\351) Tj"), std::string::npos);
}

TEST(EcrivainPdf, DessinAvantLaPremierePage) {
  EcrivainPdf pdf("x");
  EXPECT_THROW(pdf.ligne({{0, 0}, {1, 1}}, false, {0, 0, 0}, 0.1), ErreurExecution);
  EXPECT_EQ(pdf.pages(), 0);
  verifier_structure(pdf.fin());
}

} // namespace
} // namespace bilobe
