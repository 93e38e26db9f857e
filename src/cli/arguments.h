#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bilobe::cli {

// Walks a command line where an option's value is either attached
// ("--ep=3") or the next argument ("--ep 3").
class Arguments {
public:
  // `est_option` tells an argument that is an option, so that it is never
  // taken as the value of the one before it.
  Arguments(const std::vector<std::string>& arguments, std::function<bool(const std::string&)> est_option)
      : arguments_(arguments), est_option_(std::move(est_option)) {}

  // Moves to the next argument; false when there is none.
  bool suivant() {
    if (++i_ >= arguments_.size()) return false;
    nom_ = arguments_[i_];
    attachee_.reset();
    if (const auto egal = nom_.find('='); nom_.rfind("--", 0) == 0 && egal != std::string::npos) {
      attachee_ = nom_.substr(egal + 1);
      nom_.resize(egal);
    }
    return true;
  }
  // The option's name, without an attached value.
  const std::string& nom() const { return nom_; }
  // The argument as typed.
  const std::string& brut() const { return arguments_[i_]; }
  bool a_une_valeur_attachee() const { return attachee_.has_value(); }
  // The attached value, else the next argument unless it is an option.
  std::optional<std::string> valeur() {
    if (attachee_) return attachee_;
    if (i_ + 1 >= arguments_.size() || est_option_(arguments_[i_ + 1])) return std::nullopt;
    return arguments_[++i_];
  }

private:
  const std::vector<std::string>& arguments_;
  std::function<bool(const std::string&)> est_option_;
  std::size_t i_ = static_cast<std::size_t>(-1);
  std::string nom_;
  std::optional<std::string> attachee_;
};

// One option of a command: its names, what it does with its value, and
// whether a value may follow it.
template <class Options> struct Option {
  enum class Valeur {
    Aucune,  // a flag: "--ch=1" is not this option
    Ignoree, // "--help=x" is still --help
    Requise,
  };
  std::vector<std::string> noms;
  Valeur valeur;
  // Applies the option; the usage error when its value is missing or wrong.
  std::function<std::optional<std::string>(Options& options, const std::string& nom,
                                           const std::optional<std::string>& valeur)>
      appliquer;
};

template <class Options>
const Option<Options>* chercher_option(const std::vector<Option<Options>>& table, const std::string& nom) {
  for (const Option<Options>& o : table)
    for (const std::string& n : o.noms)
      if (n == nom) return &o;
  return nullptr;
}

// Walks the arguments through a command's table of options. An argument that
// names no option goes to `autre` (a positional argument, or an unknown
// option). Returns the first usage error.
template <class Options>
std::optional<std::string> parcourir(Arguments& a, const std::vector<Option<Options>>& table, Options& options,
                                     const std::function<std::optional<std::string>(Arguments&)>& autre) {
  using Valeur = typename Option<Options>::Valeur;
  while (a.suivant()) {
    const Option<Options>* o = chercher_option(table, a.nom());
    if (o && o->valeur == Valeur::Aucune && a.a_une_valeur_attachee()) o = nullptr;
    std::optional<std::string> erreur;
    if (!o)
      erreur = autre(a);
    else
      erreur = o->appliquer(options, a.nom(), o->valeur == Valeur::Requise ? a.valeur() : std::nullopt);
    if (erreur) return erreur;
  }
  return std::nullopt;
}

} // namespace bilobe::cli
