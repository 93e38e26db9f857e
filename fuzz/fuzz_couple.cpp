// Arbitrary field texts and tick states through the trace, the hand-off, the
// template and every file format; some inputs also draw the PDF, and some go
// through the writer onto a scratch folder whose target is, by turns, a free
// name, a regular file, a read-only file, a folder, a link and a dangling
// link. Must never crash or hang; no file may hold "nan" or "inf"; the writer
// must write exactly what it accepts and leave what it refuses untouched.
// A notch and tabs from the first bytes go through the kit template too.
#include "common/erreurs.h"
#include "fichiers/posix/ecriture_atomique.h"
#include "formats/ecriture_export.h"
#include "formats/gabarit_dxf.h"
#include "formats/gabarit_pdf.h"
#include "formats/gabarit_svg.h"
#include "formats/pages_pdf.h"
#include "geometry/trace.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

bool non_fini(const std::string& texte) {
  return texte.find("nan") != std::string::npos || texte.find("inf") != std::string::npos;
}

// The PDF's streams are compressed: its drawing streams, which are text, are
// read back inflated (the embedded font is binary and is not looked at).
// The PDF's drawing, its words left out: the numbers of its paths.
bool pdf_non_fini(const std::string& pdf) {
  for (std::size_t p = 0; (p = pdf.find("stream\n", p)) != std::string::npos;) {
    const std::size_t debut = p + 7, fin = pdf.find("endstream", debut);
    if (fin == std::string::npos) return false;
    std::string dessin;
    int profondeur = 0;
    for (std::size_t k = debut; k < fin; ++k) {
      const char c = pdf[k];
      if (c == '\\')
        ++k; // an escaped character inside a string
      else if (c == '(')
        ++profondeur;
      else if (c == ')')
        --profondeur;
      else if (profondeur == 0)
        dessin += c;
    }
    if (non_fini(dessin)) return true;
    p = fin;
  }
  return false;
}

std::string lire(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), {});
}

// One target of each kind in a scratch folder, made anew for each write.
void ecrire_dans_le_brouillon(int genre, const std::string& octets) {
  // BILOBE_FUZZ_BROUILLON names the folder (the test script removes it);
  // else a new one, in memory where possible so that fsync costs nothing.
  static const fs::path brouillon = [] {
    if (const char* dossier = std::getenv("BILOBE_FUZZ_BROUILLON")) return fs::path(dossier);
    std::string modele = fs::is_directory("/dev/shm") ? "/dev/shm/bilobe-fuzz-XXXXXX" : "/tmp/bilobe-fuzz-XXXXXX";
    return fs::path(::mkdtemp(modele.data()));
  }();
  for (const auto& e : fs::directory_iterator(brouillon)) fs::remove_all(e.path());
  const fs::path cible = brouillon / "cible.dat", ancien = brouillon / "ancien.dat";
  std::ofstream(ancien) << "ancien";
  bool accepte = true;
  switch (genre) {
  case 0: // a free name
    break;
  case 1:
    std::ofstream(cible) << "ancien";
    break;
  case 2:
    std::ofstream(cible) << "ancien";
    fs::permissions(cible, fs::perms::owner_read);
    accepte = false;
    break;
  case 3:
    fs::create_directory(cible);
    accepte = false;
    break;
  case 4:
    fs::create_symlink(ancien, cible);
    break;
  default:
    fs::create_symlink(brouillon / "absent.dat", cible);
    accepte = false;
  }
  try {
    const std::string ecrit = bilobe::ecrire_fichier(cible.string(), octets);
    if (!accepte || lire(ecrit) != octets) std::abort();
    if (genre == 4 && (!fs::is_symlink(cible) || lire(ancien) != octets)) std::abort();
  } catch (const bilobe::ErreurExecution&) {
    if (accepte) std::abort();
    if (lire(ancien) != "ancien" || (genre == 2 && lire(cible) != "ancien")) std::abort();
  }
  if (genre != 4 && lire(ancien) != "ancien") std::abort();
  for (const auto& e : fs::directory_iterator(brouillon))
    if (e.path().filename().string().rfind(".bilobe-", 0) == 0) std::abort(); // nothing left behind
}

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

// First byte: bits 0-1 the ticks; bits 2-4 the writer's target (6 and 7: no
// write), written only when bit 5 is set; bits 5-7 all set draw the PDF.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const bilobe::ChampsCouple champs = lire_entree(donnees, taille);
  const int options = taille > 0 ? donnees[0] : 0;
  const int cible = (options & 0x20) ? (options >> 2) & 7 : 7;
  const bool pdf = (options & 0xE0) == 0xE0;
  std::optional<bilobe::ResultatTrace> trace;
  try {
    trace.emplace(bilobe::tracer(champs));
  } catch (const bilobe::ErreurExecution&) {
    return 0; // a run-time error is an expected outcome for impossible dimensions
  }
  const std::string octets = bilobe::contenu_export(*trace, bilobe::FormatGabarit::Dat).octets;
  if (non_fini(octets.substr(octets.find('\n') + 1))) std::abort();
  if (std::count(octets.begin(), octets.end(), '\n') != trace->nbpts() + 1) std::abort();
  if (cible < 6) ecrire_dans_le_brouillon(cible, octets);
  try {
    const bilobe::Gabarit gabarit = bilobe::construire_gabarit(*trace);
    if (gabarit.exterieur.size() < 3 || !(gabarit.surface == gabarit.surface)) std::abort();
    const std::string svg = bilobe::contenu_svg(gabarit);
    const std::string dxf = bilobe::contenu_dxf(gabarit);
    if (non_fini(svg) || non_fini(dxf)) std::abort();
    if (pdf && pdf_non_fini(bilobe::contenu_pdf(gabarit))) std::abort();
    for (const bilobe::PageGabarit& page : bilobe::mettre_en_page(gabarit.cadre).pages)
      bilobe::montre_le_contour(page, gabarit);
  } catch (const bilobe::ErreurExecution&) {
  }
  // A notch and tabs drawn from the first bytes: spliced or cut, refused or
  // made, never a crash, a hang or a number that is not one.
  if (taille >= 4) {
    bilobe::OptionsGabarit kit;
    kit.encoches.push_back(
        {donnees[1] / 255.0, donnees[1] == 128, 0.5 + donnees[2] % 64 / 4.0, 0.2 + donnees[3] % 32 / 4.0});
    if (options & 1)
      kit.pattes = bilobe::Pattes{(options & 2) != 0, 1.0 + donnees[2] % 16, donnees[3] % 32 / 2.0, 10.0 + donnees[1]};
    try {
      const bilobe::Gabarit gabarit = bilobe::construire_gabarit(*trace, kit);
      if (gabarit.exterieur.size() < 3 || non_fini(bilobe::contenu_svg(gabarit))) std::abort();
    } catch (const bilobe::ErreurExecution&) {
    }
  }
  return 0;
}
