#pragma once

#include <string>
#include <vector>

namespace bilobe {

// True for the names that the file list shows: the pattern "*.dat",
// compared without regard to case (".DAT" files are listed too).
bool est_fichier_dat(const std::string& nom);

// One line of the folder list: the folders of the open path from the root
// down, indented by depth, then the sub-folders of the open folder.
struct EntreeDossier {
  std::string chemin;  // full path, what opening the line moves to
  std::string nom;     // what the line shows
  int niveau = 0;      // indentation
  bool ouvert = false; // a folder of the open path (drawn as an open folder)
};

// `chemin` is an absolute path with "/" separators; `sous_dossiers` are the
// names of the open folder's sub-folders, listed in the order given.
std::vector<EntreeDossier> arbre_dossiers(const std::string& chemin, const std::vector<std::string>& sous_dossiers);

} // namespace bilobe
