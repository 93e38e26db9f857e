// Arbitrary field texts and tick states through the trace, the hand-off and
// the writer, to memory. Must never crash or hang, and no line of the file
// may hold "nan" or "inf".
#include "common/erreurs.h"
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
  return 0;
}
