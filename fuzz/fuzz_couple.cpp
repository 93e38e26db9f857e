// Arbitrary field texts and tick states through the trace, the hand-off and
// the writer, to memory, and through the template, its SVG and DXF texts and
// its A4 layout. Must never crash or hang, and no line of the file may hold
// "nan" or "inf".
#include "common/erreurs.h"
#include "export/gabarit_dxf.h"
#include "export/gabarit_svg.h"
#include "export/pages_pdf.h"
#include "export/remise.h"
#include "export/texte_dat.h"
#include "geometry/trace.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// First byte: the two tick states; then the ten texts separated by '|'.
bilobe::ChampsCouple lire_entree(const std::uint8_t* donnees, std::size_t taille) {
  bilobe::ChampsCouple c;
  if (taille == 0) return c;
  c.ch = donnees[0] & 1;
  c.cv = (donnees[0] >> 1) & 1;
  std::string* champs[] = {&c.xtot, &c.ytot, &c.xa, &c.ya, &c.yinf, &c.segh, &c.segv, &c.ep, &c.nbptel, &c.nbptseg};
  std::size_t n = 0;
  std::string courant;
  bool ecrit = false;
  for (std::size_t i = 1; i < taille && n < 10; ++i) {
    const char octet = static_cast<char>(donnees[i]);
    if (octet == '|') {
      *champs[n++] = courant;
      courant.clear();
      ecrit = false;
    } else {
      courant += octet;
      ecrit = true;
    }
  }
  if (n < 10 && ecrit) *champs[n] = courant;
  return c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const bilobe::ChampsCouple champs = lire_entree(donnees, taille);
  try {
    const bilobe::ResultatTrace trace = bilobe::tracer(champs);
    bilobe::DonneesExport export_;
    export_.nouvelle_liste = true;
    bilobe::remettre(champs, trace.liste, trace.nbpts, export_);
    const std::string octets = bilobe::contenu_dat(export_);
    const std::string corps = octets.substr(octets.find('\n') + 1);
    if (corps.find("nan") != std::string::npos || corps.find("inf") != std::string::npos) std::abort();
    if (export_.nbpts() != trace.nbpts) std::abort();
  } catch (const bilobe::ErreurExecution&) {
    // A run-time error is an expected outcome for impossible dimensions.
  }
  try {
    const bilobe::Gabarit gabarit = bilobe::construire_gabarit(champs);
    if (gabarit.exterieur.size() < 3 || !(gabarit.surface == gabarit.surface)) std::abort();
    const std::string svg = bilobe::contenu_svg(gabarit);
    const std::string dxf = bilobe::contenu_dxf(gabarit);
    if (svg.find("nan") != std::string::npos || dxf.find("inf") != std::string::npos) std::abort();
    const bilobe::Repere& axe = gabarit.axe;
    bilobe::mettre_en_page({gabarit.niveau.debut.x, gabarit.niveau.fin.x, axe.debut.y, axe.fin.y});
  } catch (const bilobe::ErreurExecution&) {
  }
  return 0;
}
