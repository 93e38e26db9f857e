#include "ui/modeles/navigation.h"

#include <cctype>

namespace bilobe {

bool est_fichier_dat(const std::string& nom) {
  const std::string extension = ".dat";
  if (nom.size() < extension.size()) return false;
  for (std::size_t i = 0; i < extension.size(); ++i) {
    const auto c = static_cast<unsigned char>(nom[nom.size() - extension.size() + i]);
    if (std::tolower(c) != extension[i]) return false;
  }
  return true;
}

std::vector<EntreeDossier> arbre_dossiers(const std::string& chemin, const std::vector<std::string>& sous_dossiers) {
  std::vector<EntreeDossier> arbre{{"/", "/", 0, true}};
  std::string courant;
  std::size_t debut = 0;
  while (debut < chemin.size()) {
    std::size_t fin = chemin.find('/', debut);
    if (fin == std::string::npos) fin = chemin.size();
    if (fin > debut) {
      const std::string nom = chemin.substr(debut, fin - debut);
      courant += "/" + nom;
      arbre.push_back({courant, nom, static_cast<int>(arbre.size()), true});
    }
    debut = fin + 1;
  }
  const int niveau = static_cast<int>(arbre.size());
  for (const std::string& nom : sous_dossiers) arbre.push_back({courant + "/" + nom, nom, niveau, false});
  return arbre;
}

} // namespace bilobe
