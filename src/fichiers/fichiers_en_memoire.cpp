#include "fichiers/fichiers_en_memoire.h"

#include "common/erreurs.h"

namespace bilobe {

std::string FichiersEnMemoire::normal(const std::string& chemin) {
  std::string resultat;
  std::size_t debut = 0;
  while (debut <= chemin.size()) {
    std::size_t fin = chemin.find('/', debut);
    if (fin == std::string::npos) fin = chemin.size();
    const std::string nom = chemin.substr(debut, fin - debut);
    if (nom == "..") lever(GenreErreur::Fichier, chemin, "« .. » n'a pas de sens en mémoire");
    if (!nom.empty() && nom != ".") resultat += "/" + nom;
    debut = fin + 1;
  }
  return resultat.empty() ? "/" : resultat;
}

std::string FichiersEnMemoire::parent(const std::string& chemin) {
  const std::size_t barre = chemin.rfind('/');
  return barre == 0 ? "/" : chemin.substr(0, barre);
}

std::string FichiersEnMemoire::lire(const std::string& chemin, std::size_t taille_max) const {
  const std::string n = normal(chemin);
  if (dossiers_.count(n)) lever(GenreErreur::Fichier, chemin, "c'est un dossier");
  const auto f = fichiers_.find(n);
  if (f == fichiers_.end()) lever(GenreErreur::Fichier, chemin, "fichier introuvable");
  if (f->second.size() > taille_max)
    lever(GenreErreur::Fichier, chemin, "fichier trop grand (plus de " + std::to_string(taille_max) + " octets)");
  return f->second;
}

void FichiersEnMemoire::verifier_cible(const std::string& chemin) const {
  const std::string n = normal(chemin);
  if (n == "/" || dossiers_.count(n)) lever(GenreErreur::Fichier, chemin, "c'est un dossier");
  if (!dossiers_.count(parent(n))) lever(GenreErreur::Fichier, chemin, "dossier introuvable");
  if (proteges_.count(n)) lever(GenreErreur::Fichier, chemin, "fichier en lecture seule");
}

std::string FichiersEnMemoire::ecrire(const std::string& chemin, const std::string& octets) {
  verifier_cible(chemin);
  const std::string n = normal(chemin);
  fichiers_[n] = octets;
  return n;
}

void FichiersEnMemoire::creer_dossier(const std::string& chemin) {
  const std::string n = normal(chemin);
  if (fichiers_.count(n)) lever(GenreErreur::Fichier, chemin, "un fichier porte ce nom");
  for (std::string d = n; d != "/"; d = parent(d)) {
    if (fichiers_.count(d)) lever(GenreErreur::Fichier, chemin, "un fichier porte ce nom");
    dossiers_.insert(d);
  }
}

std::vector<std::string> FichiersEnMemoire::ecrire_dossier(const std::string& dossier,
                                                           const std::vector<FichierPrepare>& fichiers,
                                                           const std::function<void()>& apres_chaque) {
  const std::string d = normal(dossier);
  for (std::string p = d; p != "/"; p = parent(p))
    if (fichiers_.count(p)) lever(GenreErreur::Fichier, dossier, "un fichier porte ce nom");
  const auto dans = [&](const std::string& nom) { return (d == "/" ? "" : d) + "/" + nom; };
  // Every name first, as if the folder were there.
  for (const FichierPrepare& f : fichiers) {
    if (f.nom.empty() || f.nom.find('/') != std::string::npos || f.nom == "." || f.nom == "..")
      lever(GenreErreur::Fichier, dans(f.nom), "nom de fichier invalide");
    const std::string n = dans(f.nom);
    if (dossiers_.count(n)) lever(GenreErreur::Fichier, n, "c'est un dossier");
    if (proteges_.count(n)) lever(GenreErreur::Fichier, n, "fichier en lecture seule");
  }
  creer_dossier(d);
  std::vector<std::string> ecrits;
  for (const FichierPrepare& f : fichiers) {
    ecrits.push_back(ecrire(dans(f.nom), f.octets));
    if (apres_chaque) apres_chaque();
  }
  return ecrits;
}

} // namespace bilobe
