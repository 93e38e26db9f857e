#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>

namespace bilobe {

// The files a series can write.
enum class FormatSerie { Dat, Svg, Dxf, Pdf, Plan, Stl };

// Each format once: its name in bilobe-serie's --format, the caption of its
// box in the series window, whether it is written when none is named, and
// what must be prepared for it.
struct DefinitionFormat {
  FormatSerie format;
  const char* nom;
  const char* libelle;
  bool par_defaut;
  bool couples;  // every former traced and cut (and with them the profile and the cut list)
  bool planches; // the formers nested on the sheets
};
inline constexpr std::array<DefinitionFormat, 6> FORMATS_SERIE{{
    {FormatSerie::Dat, "dat", ".DAT", true, true, false},   // F1.dat … FN.dat
    {FormatSerie::Svg, "svg", "SVG", true, true, true},     // Planche 1.svg, Planche 2.svg…
    {FormatSerie::Dxf, "dxf", "DXF", true, true, true},     // Planches.dxf
    {FormatSerie::Pdf, "pdf", "PDF", true, true, true},     // Planches.pdf and Couples.pdf, at 1:1
    {FormatSerie::Plan, "plan", "Plan", true, true, false}, // Plan.pdf: the side and top views at 1:1
    {FormatSerie::Stl, "stl", "STL", false, false, false},  // Fuselage.stl (or its pieces): the fuselage in 3D
}};

// A choice of formats: by default, those written when none is named.
class FormatsSerie {
public:
  FormatsSerie();
  static FormatsSerie aucun() { return FormatsSerie(std::bitset<FORMATS_SERIE.size()>()); }

  bool operator[](FormatSerie f) const { return choisis_[indice(f)]; }
  void choisir(FormatSerie f, bool oui = true) { choisis_[indice(f)] = oui; }
  // Whether the formers must be traced and cut, and whether nested too.
  bool demande_couples() const;
  bool demande_planches() const;
  bool operator==(const FormatsSerie&) const = default;

private:
  explicit FormatsSerie(std::bitset<FORMATS_SERIE.size()> choisis) : choisis_(choisis) {}
  static std::size_t indice(FormatSerie f) { return static_cast<std::size_t>(f); }
  std::bitset<FORMATS_SERIE.size()> choisis_;
};

// "dat,svg": the formats named; nothing for an empty or unknown name.
std::optional<FormatsSerie> formats_depuis(const std::string& liste);
// "dat, svg, dxf, pdf, plan et stl", for messages.
std::string noms_des_formats();

} // namespace bilobe
