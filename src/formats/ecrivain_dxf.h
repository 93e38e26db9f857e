#pragma once

#include "common/texte_mm.h"
#include "formats/style_gabarit.h"
#include "geometry/boucle.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace bilobe {

// A DXF file (R12, the version every cutting program reads) is a sequence of
// pairs: a group code, then its value.
class Dxf {
public:
  explicit Dxf(std::size_t taille_prevue) { texte_.reserve(taille_prevue); }

  // Group codes are below 1000, right-aligned on three columns.
  Dxf& operator()(int code, std::string_view valeur) {
    const char code_texte[3] = {code >= 100 ? char('0' + code / 100) : ' ',
                                code >= 10 ? char('0' + code / 10 % 10) : ' ', char('0' + code % 10)};
    texte_.append(code_texte, 3).append("\r\n").append(valeur).append("\r\n");
    return *this;
  }
  Dxf& point(int code, PointMm p) { return (*this)(code, texte_mm(p.x))(code + 10, texte_mm(p.y))(code + 20, "0"); }
  Dxf& section(const char* nom) { return (*this)(0, "SECTION")(2, nom); }
  Dxf& calque(const style_gabarit::Trait& trait) {
    return (*this)(0, "LAYER")(2, trait.calque)(70, "0")(62, std::to_string(trait.couleur_dxf))(6, "CONTINUOUS");
  }
  // The header that says millimetres, and the drawing's extent.
  Dxf& entete(PointMm min, PointMm max) {
    section("HEADER")(9, "$ACADVER")(1, "AC1009")(9, "$DWGCODEPAGE")(3, "ANSI_1252");
    (*this)(9, "$INSUNITS")(70, "4");    // millimetres, for the readers that look here
    (*this)(9, "$MEASUREMENT")(70, "1"); // metric, for those that look there (Inkscape)
    (*this)(9, "$EXTMIN").point(10, min)(9, "$EXTMAX").point(10, max);
    return (*this)(0, "ENDSEC");
  }
  // The line types and the layers: every line continuous, each layer of the
  // vocabulary with its colour.
  Dxf& tables(std::initializer_list<const style_gabarit::Trait*> calques) {
    section("TABLES");
    (*this)(0, "TABLE")(2, "LTYPE")(70, "1");
    (*this)(0, "LTYPE")(2, "CONTINUOUS")(70, "0")(3, "Solid line")(72, "65")(73, "0")(40, "0");
    (*this)(0, "ENDTAB");
    (*this)(0, "TABLE")(2, "LAYER")(70, std::to_string(calques.size()));
    for (const style_gabarit::Trait* trait : calques) calque(*trait);
    return (*this)(0, "ENDTAB")(0, "ENDSEC");
  }
  // A line of text from its base point, as tall as `hauteur` mm.
  Dxf& texte(const char* calque, PointMm base, double hauteur, std::string_view mots) {
    return (*this)(0, "TEXT")(8, calque).point(10, base)(40, texte_mm(hauteur))(1, mots);
  }
  // A closed line on a layer, its points already placed.
  template <class Placer> Dxf& polyligne_fermee(const char* calque, const Boucle& boucle, const Placer& placer) {
    (*this)(0, "POLYLINE")(8, calque)(66, "1").point(10, {})(70, "1");
    for (const PointMm& p : boucle) (*this)(0, "VERTEX")(8, calque).point(10, placer(p));
    return (*this)(0, "SEQEND")(8, calque);
  }
  std::string fin() { return std::move((*this)(0, "EOF").texte_); }

private:
  std::string texte_;
};

} // namespace bilobe
