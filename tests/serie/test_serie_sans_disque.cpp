// A series written without a disk, as the browser will.
#include "fichiers/fichiers.h"
#include "fichiers/fichiers_en_memoire.h"
#include "serie/ecriture_serie.h"
#include "serie/fichier_fuselage.h"

#include "common/dossier_essai.h"
#include "common/erreurs.h"
#include "common/interruption.h"

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

// An export stopped at any step before its first file writes nothing;
// stopped after it, it goes to its end. The preview stops as well.
TEST(SerieSansDisque, UnExportArreteNEcritRien) {
  const std::string exemple = fichiers_du_systeme().lire(BILOBE_EXEMPLES "/planeur.toml", TAILLE_MAX_FUSELAGE);
  const DescriptionSerie description = lire_description(exemple, "planeur.toml");
  const FormatsSerie formats = *formats_depuis("dat,svg,dxf,pdf,plan,stl");
  int total = 0;
  FichiersEnMemoire essai;
  exporter_serie(
      description, "/sortie", formats, [&](int, int t) { total = t; }, essai);
  ASSERT_GT(total, 4);
  const int premier_ecrit = 1 + (total - 1) / 2 + 1; // the trace, each file made, then each written
  for (int arret_a = 0; arret_a <= total; ++arret_a) {
    FichiersEnMemoire memoire;
    Interruption arret;
    if (arret_a == 0) arret.demander();
    const auto progression = [&](int fait, int) {
      if (fait == arret_a) arret.demander();
    };
    if (arret_a < premier_ecrit) {
      EXPECT_THROW(exporter_serie(description, "/sortie", formats, progression, memoire, &arret), TravailInterrompu)
          << arret_a;
      EXPECT_TRUE(memoire.contenu().empty()) << arret_a;
    } else {
      const SerieExportee e = exporter_serie(description, "/sortie", formats, progression, memoire, &arret);
      EXPECT_EQ(memoire.contenu().size(), e.chemins.size()) << arret_a;
    }
  }
  Interruption arret;
  arret.demander();
  EXPECT_THROW(apercu_serie(description, &arret), TravailInterrompu);
  EXPECT_EQ(texte_erreur(TravailInterrompu()), "Opération annulée");
}

} // namespace
} // namespace bilobe
