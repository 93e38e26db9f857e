#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace bilobe::cli {

// What a command says of itself.
struct Commande {
  const char* nom; // "bilobe-dat"
  std::string (*usage)();
  std::string (*aide)();
};

// The frame of every command. `aide` is nothing when the arguments could
// not be read (`erreur` then says why: exit 2, with the usage); true for
// --help. Otherwise the body runs, and whatever stops it becomes one French
// line on `erreurs`: an invalid fuselage file exits 2; a run-time or file
// error, a lack of memory or any other failure of the program, 1 (never the
// library's English text).
int executer_commande(const Commande& commande, std::optional<bool> aide, const std::string& erreur,
                      const std::function<int()>& corps, std::ostream& sortie, std::ostream& erreurs);

} // namespace bilobe::cli
