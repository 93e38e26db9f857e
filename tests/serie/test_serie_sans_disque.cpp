// A series written without a disk, as the browser will.
#include "fichiers/fichiers.h"
#include "fichiers/fichiers_en_memoire.h"
#include "serie/ecriture_serie.h"
#include "serie/fichier_fuselage.h"

#include "common/dossier_essai.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace bilobe {
namespace {

namespace fs = std::filesystem;

// A whole series from a fuselage file in memory to a folder in memory, as
// the browser will: the same bytes as on disk.
TEST(SerieSansDisque, LesMemesOctetsQueSurLeDisque) {
  const std::string exemple = fichiers_du_systeme().lire(BILOBE_EXEMPLES "/planeur.toml", TAILLE_MAX_FUSELAGE);
  FichiersEnMemoire memoire;
  memoire.creer_dossier("/plans");
  memoire.ecrire("/plans/planeur.toml", exemple);
  const FormatsSerie formats = *formats_depuis("dat,svg,dxf,pdf");
  const SerieExportee en_memoire =
      exporter_serie(lire_fichier_fuselage("/plans/planeur.toml", memoire), "/plans/sortie", formats, {}, memoire);

  DossierEssai dossier("bilobe-serie");
  const SerieExportee sur_disque =
      exporter_serie(lire_fichier_fuselage(BILOBE_EXEMPLES "/planeur.toml"), dossier.chemin().string(), formats);
  ASSERT_EQ(en_memoire.chemins.size(), sur_disque.chemins.size());
  EXPECT_EQ(memoire.contenu().size(), en_memoire.chemins.size() + 1); // and the fuselage file
  for (std::size_t k = 0; k < sur_disque.chemins.size(); ++k) {
    const std::string nom = fs::path(sur_disque.chemins[k]).filename().string();
    EXPECT_EQ(en_memoire.chemins[k], "/plans/sortie/" + nom);
    EXPECT_EQ(memoire.lire(en_memoire.chemins[k], 1 << 24), fichiers_du_systeme().lire(sur_disque.chemins[k], 1 << 24))
        << nom;
  }
}

} // namespace
} // namespace bilobe
