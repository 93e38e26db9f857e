#pragma once

#include "ui/modeles/remise.h"

#include <string>

namespace bilobe {

// The full path of the save: the folder of the file list, the platform's
// separator, the name as typed. A folder that already ends in a separator
// (a root) gets no second one. No folder at all is a file error.
std::string chemin_complet(const std::string& dossier, const std::string& nom);

// Steps 1 to 5 of the save: formats every line first, then writes the file
// all or nothing. Returns the path of the file really written (through a link).
std::string sauvegarder(const std::string& chemin, const DonneesExport& donnees);

} // namespace bilobe
